// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window looks on other desktops: a dark palette, and a screen at
// twice the usual resolution.
#include "contrast.h"
#include "eight_and_three.h"
#include "form1.h"
#include "window_testing.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

const QColor kLightGreen(0x80, 0xFF, 0x80);
const QColor kBrightGreen(0x00, 0xFF, 0x00);

double contrast(const QColor& a, const QColor& b) {
    return shell::contrastRatio(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
}

// The pixels inside a rectangle that stand out from the given background:
// the drawn text.
int standingOut(const QImage& image, const QRect& rect, const QColor& background, double least) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += contrast(image.pixelColor(x, y), background) >= least ? 1 : 0;
    return count;
}

// What a control paints, clear of the frames that boxes and buttons draw
// around their edges. Painted at three times the resolution, so that the
// strokes of small letters are wide enough to show their colour unblended.
QImage paintedInside(QWidget* control) {
    constexpr int kScale = 3;
    QImage image(control->size() * kScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kScale);
    control->render(&image);
    const QRect inside = control->rect().adjusted(3, 3, -3, -3);
    return image.copy(QRect(inside.topLeft() * kScale, inside.size() * kScale));
}

// The colour a control paints behind its text: the commonest colour along
// the edge of what it paints, where no text stands; and the colour of its
// text, the pixel that stands out most from that background.
struct Painted {
    QColor background;
    QColor text;
    [[nodiscard]] double contrast() const { return ::contrast(text, background); }
};

Painted paintedText(QWidget* control) {
    const QImage image = paintedInside(control);
    QHash<QRgb, int> edge;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1)
                ++edge[image.pixel(x, y)];
    QRgb background = image.pixel(0, 0);
    for (auto it = edge.cbegin(); it != edge.cend(); ++it)
        if (it.value() > edge.value(background)) background = it.key();
    Painted painted{QColor(background), QColor(background)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (::contrast(QColor(image.pixel(x, y)), painted.background) > painted.contrast())
                painted.text = QColor(image.pixel(x, y));
    return painted;
}

QColor average(const QImage& image, const QRect& rect) {
    double r = 0, g = 0, b = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r += c.redF(), g += c.greenF(), b += c.blueF();
        }
    const double n = rect.width() * rect.height();
    return QColor::fromRgbF(static_cast<float>(r / n), static_cast<float>(g / n),
                            static_cast<float>(b / n));
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT

private:
    FixedRegionalSettings settings_;
    QPalette original_;

private slots:
    void initTestCase() { original_ = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(original_); }

    // Every text as the window paints it, after ALLES with 8 and 3 and
    // wrong answers, so that every box shows a text.
    void paintedContrast_data() {
        QTest::addColumn<int>("palette");
        QTest::newRow("light palette") << 0;
        QTest::newRow("dark palette") << 1;
        QTest::newRow("dark palette, changed while open") << 2;
    }
    void paintedContrast() {
        QFETCH(int, palette);
        if (palette == 1) QApplication::setPalette(::darkPalette());
        Form1 form(settings_);
        exercise::testing::typeEightAndThree(form, {{exercise::Box::Text12, u"1"},
                                                    {exercise::Box::Text13, u"2"},
                                                    {exercise::Box::Text14, u"3"},
                                                    {exercise::Box::Text15, u"4"}});
        exercise::Commands(form, settings_).all();
        form.setText(exercise::Box::Text11, exercise::kZeroDivisorNotice);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (palette == 2) changeDesktopPalette(::darkPalette());

        QStringList unreadable;
        for (QWidget* control : controlsOf(form)) {
            const Painted painted = paintedText(control);
            const QString line =
                QStringLiteral("%1 text %2 on %3: %4:1")
                    .arg(control->objectName(), painted.text.name(), painted.background.name())
                    .arg(painted.contrast(), 0, 'f', 2);
            qInfo("%s", qPrintable(line));
            if (painted.contrast() < 4.5) unreadable << line;
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join("; ")));
        // The fixed colours stay: the notice in a red, the results on their
        // green.
        QVERIFY(paintedInside(form.findChild<QWidget*>("Text11")).pixelColor(0, 0) == kLightGreen);
        const QColor notice = paintedText(form.findChild<QWidget*>("Text11")).text;
        QVERIFY2(notice.red() > 0x80 && notice.green() < 0x20 && notice.blue() < 0x20,
                 qPrintable(notice.name()));
        QCOMPARE(paintedText(form.findChild<QWidget*>("Text3")).background, kBrightGreen);
    }

    // Whichever control has the focus shows it at its edge, also an empty
    // flat box; the caret inside a box does not count.
    void focusShows_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }
    void focusShows() {
        QFETCH(bool, dark);
        if (dark) QApplication::setPalette(::darkPalette());
        Form1 form(settings_);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto edge = [](QWidget* control) {
            QImage image = control->grab().toImage();
            QPainter painter(&image);
            painter.fillRect(control->rect().adjusted(3, 3, -3, -3), Qt::black);
            return image;
        };
        int focusable = 0;
        for (QWidget* control : controlsOf(form)) {
            if (!(control->focusPolicy() & Qt::ClickFocus)) continue;
            ++focusable;
            form.findChild<QWidget*>("Label3")->setFocus(); // takes none: clears the focus
            control->clearFocus();
            const QImage without = edge(control);
            control->setFocus(Qt::TabFocusReason);
            QVERIFY(control->hasFocus());
            const QImage with = edge(control);
            QVERIFY2(with != without, qPrintable(control->objectName()));
            // The mark stands out 3:1 from what the control is filled with,
            // along its whole edge.
            const QColor fill = control->palette().color(
                qobject_cast<QPushButton*>(control) ? QPalette::Button : QPalette::Base);
            int marked = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    marked += with.pixel(x, y) != without.pixel(x, y) &&
                                      contrast(with.pixelColor(x, y), fill) >= 3.0
                                  ? 1
                                  : 0;
            QVERIFY2(
                marked >= 2 * (with.width() + with.height()),
                qPrintable(
                    QStringLiteral("%1: %2 marked pixels").arg(control->objectName()).arg(marked)));
            // A flat box has no edge of its own: only the focus draws one,
            // in a colour that stands out from the light green.
            if (const auto* box = qobject_cast<QLineEdit*>(control); box && !box->hasFrame()) {
                auto framePixels = [&](const QImage& image) {
                    const int all = standingOut(image, image.rect(), kLightGreen, 3.0);
                    const QRect inner = control->rect().adjusted(3, 3, -3, -3);
                    return all - standingOut(image, inner, kLightGreen, 3.0);
                };
                QCOMPARE(framePixels(without), 0);
            }
            control->clearFocus();
        }
        QCOMPARE(focusable,
                 6 + 2 + 4 + 4 + 1); // buttons, operand, answer, equation and notice boxes
    }

    void darkPalette_data() {
        QTest::addColumn<bool>("changedWhileOpen");
        QTest::newRow("dark from the start") << false;
        QTest::newRow("desktop turns dark while open") << true;
    }
    void darkPalette() {
        QFETCH(bool, changedWhileOpen);
        if (!changedWhileOpen) QApplication::setPalette(::darkPalette());
        Form1 form(settings_);
        form.setText(exercise::Box::Text1, u"8");
        form.setText(exercise::Box::Text2, u"0");
        form.setText(exercise::Box::Text12, u"5");
        exercise::Commands(form, settings_).all();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (changedWhileOpen) changeDesktopPalette(::darkPalette());
        const QPalette dark = ::darkPalette();
        const QImage image = form.grab().toImage();
        if (const QByteArray keep = qgetenv("CIJFERWERF_KEEP_SNAPSHOTS"); !keep.isEmpty())
            image.save(QString::fromLocal8Bit(keep) + "/window-dark.png");
        auto rectOf = [&](const char* name) { return form.findChild<QWidget*>(name)->geometry(); };
        // Clear of the text: the right end of a box or button, the foot of a
        // label, whose caption stands at its top.
        auto inside = [](const QRect& r) {
            return QPoint(r.right() - 4, r.top() + r.height() / 2);
        };
        auto foot = [](const QRect& r) { return QPoint(r.left() + 1, r.bottom() - 1); };

        // The fixed colours stay fixed.
        QCOMPARE(image.pixelColor(2, 2), kLightGreen);
        QCOMPARE(image.pixelColor(inside(rectOf("Text3"))), kBrightGreen);
        QCOMPARE(image.pixelColor(inside(rectOf("Text7"))), kLightGreen);
        QCOMPARE(image.pixelColor(foot(rectOf("Label1"))), kLightGreen);
        // The desktop's colours follow the palette.
        QCOMPARE(image.pixelColor(inside(rectOf("Text1"))), dark.color(QPalette::Base));
        QCOMPARE(image.pixelColor(inside(rectOf("Text12"))), dark.color(QPalette::Base));
        QVERIFY(contrast(image.pixelColor(inside(rectOf("Command2"))),
                         dark.color(QPalette::Button)) < 1.5);

        // Every text stands out from what it is drawn on.
        struct Text {
            const char* name;
            QColor background;
        };
        const Text texts[] = {
            {"Label3", kLightGreen},
            {"Label8", kLightGreen},
            {"Label7", kLightGreen},
            {"Label1", kLightGreen},
            {"Text3", kBrightGreen},
            {"Text6", kBrightGreen},
            {"Text7", kLightGreen},
            {"Text10", kLightGreen},
            {"Text11", kLightGreen},
            {"Text12", dark.color(QPalette::Base)},
            {"Text1", dark.color(QPalette::Base)},
        };
        for (const auto& [name, background] : texts) {
            const int pixels =
                standingOut(image, rectOf(name).adjusted(2, 2, -2, -2), background, 2.0);
            QVERIFY2(pixels >= 8,
                     qPrintable(QStringLiteral("%1: %2 readable pixels").arg(name).arg(pixels)));
        }
        for (auto* button : form.findChildren<QPushButton*>()) {
            const QColor face = image.pixelColor(inside(button->geometry()));
            const int pixels =
                standingOut(image, button->geometry().adjusted(3, 3, -3, -3), face, 2.0);
            QVERIFY2(pixels >= 8, qPrintable(button->objectName()));
        }
    }

    // A result box shows all of its ten characters: the painted text keeps
    // clear of the box's edges, where a cut-off text would run into them.
    void resultsShowWhole_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("-1E9 and 9999") << "-1E9"
                                       << "9999";
        QTest::newRow("9999 and 9999") << "9999"
                                       << "9999";
    }
    void resultsShowWhole() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        Form1 form(settings_);
        form.setText(exercise::Box::Text1, first.toStdU16String());
        form.setText(exercise::Box::Text2, second.toStdU16String());
        exercise::Commands(form, settings_).all();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) {
            auto* box = form.findChild<QLineEdit*>(name);
            const QImage image = box->grab().toImage();
            if (const QByteArray keep = qgetenv("CIJFERWERF_KEEP_SNAPSHOTS"); !keep.isEmpty())
                image.save(QString::fromLocal8Bit(keep) + "/" + name + ".png");
            // Inside the sunken frame, where a text too wide for the box is
            // drawn up to the edge.
            const QRect inside = box->rect().adjusted(2, 3, -2, -3);
            int left = image.width(), right = -1;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    if (contrast(image.pixelColor(x, y), kBrightGreen) >= 1.5) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            const QString where = QStringLiteral("%1 (%2): text from %3 to %4 in %5 to %6")
                                      .arg(name, box->text())
                                      .arg(left)
                                      .arg(right)
                                      .arg(inside.left())
                                      .arg(inside.right());
            QVERIFY2(right > left, qPrintable(where));
            QVERIFY2(left > inside.left() && right < inside.right(), qPrintable(where));
            QVERIFY2(box->font().pointSizeF() >= 7, qPrintable(where));
        }
    }

    // At twice the resolution every control keeps its place relative to the
    // others, and text is drawn at the finer resolution, not enlarged.
    void doubleResolution() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto snapshot = [&](const char* factor) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_SCALE_FACTOR", factor);
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            process.setProcessEnvironment(environment);
            const QString path = dir.filePath(QStringLiteral("window-%1.png").arg(factor));
            process.start(QCoreApplication::applicationDirPath() + "/window_snapshot", {path});
            if (!process.waitForFinished(30000) || process.exitCode() != 0)
                qWarning() << process.readAllStandardError();
            return QImage(path).convertToFormat(QImage::Format_RGB32);
        };
        const QImage single = snapshot("1");
        const QImage twice = snapshot("2");
        QCOMPARE(single.size(), QSize(449, 286));
        QCOMPARE(twice.size(), QSize(898, 572));
        if (const QByteArray keep = qgetenv("CIJFERWERF_KEEP_SNAPSHOTS"); !keep.isEmpty()) {
            single.save(QString::fromLocal8Bit(keep) + "/window-scale-1.png");
            twice.save(QString::fromLocal8Bit(keep) + "/window-scale-2.png");
        }

        Form1 form(settings_);
        for (QWidget* control : controlsOf(form)) {
            const QRect rect = control->geometry();
            const QRect doubled(rect.topLeft() * 2, rect.size() * 2);
            const QColor one = average(single, rect), two = average(twice, doubled);
            const double apart = std::abs(one.redF() - two.redF()) +
                                 std::abs(one.greenF() - two.greenF()) +
                                 std::abs(one.blueF() - two.blueF());
            QVERIFY2(apart < 0.15,
                     qPrintable(
                         QStringLiteral("%1 differs by %2").arg(control->objectName()).arg(apart)));
        }

        // An enlarged picture repeats each pixel in a 2 x 2 block; a sharp one
        // has detail inside the blocks along the edges of the letters.
        const QRect heading = form.findChild<QWidget*>("Label3")->geometry();
        int blocks = 0, detailed = 0;
        for (int y = heading.top() * 2; y < heading.bottom() * 2; y += 2)
            for (int x = heading.left() * 2; x < heading.right() * 2; x += 2) {
                const QRgb a = twice.pixel(x, y);
                const bool uniform = twice.pixel(x + 1, y) == a && twice.pixel(x, y + 1) == a &&
                                     twice.pixel(x + 1, y + 1) == a;
                const bool text = single.pixel(x / 2, y / 2) !=
                                  single.pixel(heading.left() + 1, heading.top() + 1);
                blocks += text ? 1 : 0;
                detailed += text && !uniform ? 1 : 0;
            }
        QVERIFY(blocks > 50);
        QVERIFY2(detailed * 3 > blocks,
                 qPrintable(QStringLiteral("%1 of %2 blocks").arg(detailed).arg(blocks)));
    }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
