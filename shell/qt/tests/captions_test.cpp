// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every word and digit shows whole, at the scale this test runs at
// (QT_SCALE_FACTOR): what each caption, result and typed answer paints.
#include "contrast.h"
#include "form1.h"
#include "tests/ink.h"
#include "tests/stacked_caption.h"
#include "window_description.h"
#include "window_testing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

namespace {

using shell::testing::Ink;

Ink inkOf(const QImage& image, const QRect& inside, const QColor& background = {}) {
    return shell::testing::inkIn(
        inside.left(), inside.top(), inside.right(), inside.bottom(),
        [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; },
        background.isValid() ? std::optional<shell::Rgb>(background.rgb() & 0xFFFFFF)
                             : std::nullopt);
}

// The ink of a whole text on one line, drawn apart in the given font at the
// given resolution.
Ink wholeTextInk(const QString& text, const QFont& font, qreal scale) {
    const QSizeF size = QFontMetricsF(font).size(0, text) + QSizeF(20, 10);
    QImage image((size * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 5 + QFontMetricsF(font).ascent()), text);
    painter.end();
    return inkOf(image, image.rect(), Qt::white);
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private:
    FixedRegionalSettings dutch_{exercise::kDutchFormat};

private slots:
    // Each label and button paints the whole of its caption on its line:
    // as wide as the caption drawn apart in the same font, and inside the
    // control. A last word wrapped out of sight or cut at the edge is
    // missing from the width. ALLES, a capital a line, stands as tall as
    // its own size makes it.
    void everyCaptionPaintsWhole() {
        Form1 form(dutch_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        int checked = 0;
        for (QWidget* control : controlsOf(form)) {
            QString caption;
            QRect inside = control->rect();
            if (auto* label = qobject_cast<QLabel*>(control)) {
                caption = label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                caption = button->text();
                inside = inside.adjusted(3, 3, -3, -3); // clear of the edge and focus frame
            }
            if (caption.isEmpty()) continue;
            const QImage image = control->grab().toImage();
            const qreal scale = image.devicePixelRatio();
            const QRect pixels(inside.topLeft() * scale, inside.size() * scale);
            const QColor background = image.pixelColor(pixels.left(), pixels.bottom());
            const bool stacked = caption.contains(u'\n');
            // A stacked caption clear of the focus frame at every scale too.
            const int clear = stacked ? static_cast<int>(std::ceil(scale)) : 0;
            const Ink painted = stacked
                                    ? inkOf(image, pixels.adjusted(clear, clear, -clear, -clear))
                                    : inkOf(image, pixels, background);
            if (stacked) {
                const auto described = std::ranges::find(
                    shell::controls(), control->objectName(), [](const shell::Control& c) {
                        return QLatin1String(c.name.data(), static_cast<qsizetype>(c.name.size()));
                    });
                const double own = described->group->points * control->logicalDpiY() / 72.0 * scale;
                const int least = shell::testing::leastStackedCaptionRows(
                    own, static_cast<int>(caption.count(u'\n')) + 1);
                QVERIFY2(painted.rows() >= least,
                         qPrintable(QStringLiteral("%1 at %2: %3 rows, not %4")
                                        .arg(control->objectName())
                                        .arg(scale)
                                        .arg(painted.rows())
                                        .arg(least)));
                ++checked;
                continue;
            }
            const Ink whole = wholeTextInk(caption, control->font(), scale);
            const QString where = QStringLiteral("%1 at %2: %3 of %4 pixels, from %5 to %6 in %7")
                                      .arg(control->objectName())
                                      .arg(scale)
                                      .arg(painted.width())
                                      .arg(whole.width())
                                      .arg(painted.left)
                                      .arg(painted.right)
                                      .arg(pixels.width());
            QVERIFY2(painted.width() >= whole.width() - 2 * scale, qPrintable(where));
            QVERIFY2(painted.left > pixels.left() && painted.right < pixels.right(),
                     qPrintable(where));
            ++checked;
        }
        QCOMPARE(checked, 5 + 6);
    }

    // A ten-character answer shows whole, clear of its box's edges, and a
    // short one is back at the box's own size. (The results: the appearance
    // test.)
    void tenCharactersShowWhole_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("answer 0,28571429") << "Text12"
                                           << "0,28571429";
        QTest::newRow("answer -142857143") << "Text15"
                                           << "-142857143";
        QTest::newRow("result -999990001") << "Text3"
                                           << "-999990001";
    }
    void tenCharactersShowWhole() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        Form1 form(dutch_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* edit = form.findChild<QLineEdit*>(box);
        const qreal own = edit->font().pointSizeF();
        form.setText(static_cast<exercise::Box>(box.mid(4).toInt()), text.toStdU16String());
        const QImage image = edit->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        // Inside the sunken frame, where a text too wide for the box runs up
        // to the edge.
        const QRect inside(QPoint(2, 3) * scale,
                           QPoint(edit->width() - 3, edit->height() - 4) * scale);
        const QColor background = image.pixelColor(inside.left() + 1, inside.top() + 1);
        const Ink ink = inkOf(image, inside, background);
        const QString where = QStringLiteral("%1 at %2: ink from %3 to %4 in %5 to %6")
                                  .arg(text)
                                  .arg(scale)
                                  .arg(ink.left)
                                  .arg(ink.right)
                                  .arg(inside.left())
                                  .arg(inside.right());
        QVERIFY2(ink.left > inside.left() && ink.right < inside.right(), qPrintable(where));
        form.setText(static_cast<exercise::Box>(box.mid(4).toInt()), u"7");
        QCOMPARE(edit->font().pointSizeF(), own);
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
