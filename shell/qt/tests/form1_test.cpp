// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the pupil meets it: places, looks, keyboard, limits,
// message box and what a screen reader is told.
#include "form1.h"
#include "toolkit_texts.h"
#include "window_description.h"
#include "window_testing.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using exercise::Box;

namespace {

QColor colourAt(const QImage& image, QPoint point) { return image.pixelColor(point); }

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    FixedRegionalSettings settings_;
    std::unique_ptr<Form1> form_;

    template <typename T = QWidget> T* control(const char* name) const {
        auto* widget = form_->findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }

    // The name of the control that has the focus after each of count presses.
    QStringList focusWalk(Qt::Key key, Qt::KeyboardModifiers modifiers, int count) {
        QStringList names;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }

private slots:
    void init() {
        form_ = std::make_unique<Form1>(settings_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() { form_.reset(); }

    void window() {
        QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Cijferwerf"));
        QCOMPARE(form_->geometry().topLeft(), QPoint(204, 249));
        QVERIFY(form_->isWindow());
        QCOMPARE(controlsOf(*form_).size(), 26);
        QCOMPARE(form_->palette().color(QPalette::Window), QColor(0x80, 0xFF, 0x80));
        const QList<QSize> sizes = form_->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
                 "the icon carries both sizes");
    }

    // Every control as the description has it, and Tab and Shift+Tab from
    // ALLES round the window by tab index; under the desktop's palette and
    // one that gives each role a colour of its own and a dark one, so that a control that
    // takes the wrong role shows it.
    void builtAsDescribed() {
        shell::testing::BuiltWindow built = builtWindow(*form_);
        walkTabs(built);
        QVERIFY2(shell::testing::differences(built).empty(), qPrintable(differencesOf(built)));
        for (QWidget* widget : controlsOf(*form_))
            QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
        const QPalette desktop = QApplication::palette();
        for (const QPalette& palette : {distinctPalette(), darkPalette()}) {
            changeDesktopPalette(palette);
            built = builtWindow(*form_);
            changeDesktopPalette(desktop);
            QVERIFY2(shell::testing::differences(built).empty(), qPrintable(differencesOf(built)));
        }
    }

    // Resizing moves and scales no control.
    void resizeMovesNothing() {
        const QRect before = control("Text11")->geometry();
        form_->resize(900, 700);
        QCOMPARE(control("Text11")->geometry(), before);
    }

    // What is drawn, not only what is set: the style must honour the colours.
    void drawnColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        const QColor light(0x80, 0xFF, 0x80), bright(0x00, 0xFF, 0x00);
        const QColor base = QApplication::palette().color(QPalette::Base);
        QTest::newRow("result box, disabled") << "Text3" << bright;
        QTest::newRow("equation box, read-only") << "Text7" << light;
        QTest::newRow("notice box, read-only") << "Text11" << light;
        QTest::newRow("heading") << "Label3" << light;
        QTest::newRow("operand caption") << "Label2" << light;
        QTest::newRow("operand box") << "Text2" << base;
        QTest::newRow("answer box") << "Text15" << base;
        QTest::newRow("button") << "Command6" << QApplication::palette().color(QPalette::Button);
    }
    void drawnColours() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        const QImage image = form_->grab().toImage();
        const QRect rect = form_->findChild<QWidget*>(name)->geometry();
        // Just inside the edge, clear of the text in the middle.
        const QPoint inside(rect.left() + 4, rect.top() + rect.height() / 2);
        if (name.startsWith("Command")) {
            // A button face may be shaded; its colour must be near the role's.
            const QColor drawn = colourAt(image, inside);
            QVERIFY2(qAbs(drawn.lightness() - background.lightness()) < 40,
                     qPrintable(drawn.name()));
        } else {
            QCOMPARE(colourAt(image, inside), background);
        }
        // A flat box and a label draw no edge; the others' edges are
        // compared with the edge rule where the window is read back.
        const auto* edit = form_->findChild<QLineEdit*>(name);
        if (!name.startsWith("Command") && !(edit && edit->hasFrame()))
            for (const int x : {rect.left(), rect.right()})
                QCOMPARE(colourAt(image, {x, rect.top() + rect.height() / 2}), background);
    }

    void maximumLengthByTyping() {
        QTest::keyClicks(box("Text1"), "12345");
        QCOMPARE(box("Text1")->text(), QStringLiteral("1234"));
        QTest::keyClicks(box("Text12"), "12345678901");
        QCOMPARE(box("Text12")->text(), QStringLiteral("1234567890"));
    }

    void maximumLengthByPasting() {
        QApplication::clipboard()->setText(QStringLiteral("987654321012"));
        box("Text2")->setFocus();
        QTest::keyClick(box("Text2"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box("Text2")->text(), QStringLiteral("9876"));
        box("Text13")->setFocus();
        QTest::keyClick(box("Text13"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box("Text13")->text(), QStringLiteral("9876543210"));
    }

    void maximumLengthBySetting() {
        const std::u16string sixteen = u"0123456789abcdef";
        form_->setText(Box::Text6, sixteen);
        QCOMPARE(form_->text(Box::Text6), u"0123456789");
        form_->setText(Box::Text10, sixteen);
        QCOMPARE(form_->text(Box::Text10), sixteen);
        form_->setText(Box::Text11, sixteen);
        QCOMPARE(form_->text(Box::Text11), sixteen);
    }

    // A text wider than its box shows its beginning, where the operands
    // and the significant digits are.
    void aWrittenTextShowsItsBeginning() {
        const std::u16string line = u"-1E9 x 9999 = -9.999E+12 and more besides, to be cut";
        for (const Box which : {Box::Text7, Box::Text3, Box::Text12}) {
            box(qPrintable(QStringLiteral("Text%1").arg(static_cast<int>(which))))->end(false);
            form_->setText(which, line);
            QCOMPARE(box(qPrintable(QStringLiteral("Text%1").arg(static_cast<int>(which))))
                         ->cursorPosition(),
                     0);
        }
    }

    void readOnlyBoxesRefuseTypingAndPasting() {
        QApplication::clipboard()->setText(QStringLiteral("99"));
        for (const char* name : {"Text7", "Text11"}) {
            QTest::mouseClick(box(name), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), box(name));
            QTest::keyClicks(box(name), "5");
            QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box(name)->text(), QString());
        }
    }

    void resultBoxesNeverTakeTheFocus() {
        QWidget* before = QApplication::focusWidget();
        QTest::mouseClick(box("Text4"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), before);
        QTest::keyClicks(box("Text4"), "7");
        QCOMPARE(box("Text4")->text(), QStringLiteral("-"));
    }

    void tabSkipsAHiddenAnswerBox() {
        box("Text13")->setText(QStringLiteral("42"));
        form_->setAnswerVisible(Box::Text13, false);
        box("Text12")->setFocus();
        QCOMPARE(focusWalk(Qt::Key_Tab, Qt::NoModifier, 1), QStringList{"Text14"});
        form_->setAnswerVisible(Box::Text13, true);
        QCOMPARE(box("Text13")->text(), QStringLiteral("42"));
        box("Text12")->setFocus();
        QCOMPARE(focusWalk(Qt::Key_Tab, Qt::NoModifier, 1), QStringList{"Text13"});
    }

    // Space and Enter press the button that has the focus, and no other key
    // or place presses one.
    void keysThatPressButtons() {
        MessageBoxCloser closer;
        QList<std::shared_ptr<QSignalSpy>> spies;
        for (auto* button : form_->findChildren<QPushButton*>())
            spies << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);
        auto clicks = [&] {
            int total = 0;
            for (const auto& spy : spies)
                total += static_cast<int>(spy->count());
            return total;
        };
        auto* reset = control<QPushButton>("Command6");
        QSignalSpy resetClicks(reset, &QPushButton::clicked);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            reset->setFocus();
            QTest::keyClick(reset, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(resetClicks.count(), 3);
        QCOMPARE(clicks(), 3);

        box("Text1")->setText(QStringLiteral("1"));
        box("Text2")->setText(QStringLiteral("2"));
        for (const char* name : {"Text1", "Text12", "Text7"}) {
            box(name)->setFocus();
            QTest::keyClick(box(name), Qt::Key_Return);
            QTest::keyClick(box(name), Qt::Key_Escape);
        }
        QCOMPARE(clicks(), 3);
        QCOMPARE(closer.seen().size(), 0);
    }

    void spaceOnTheFirstButtonAtStart() {
        MessageBoxCloser closer;
        QSignalSpy clicked(control<QPushButton>("Command1"), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        QTRY_COMPARE(closer.seen().size(), 1); // the empty operands ask for a number
    }

    // Every key reaches the operand box as usual, Enter included and even
    // when the box is full.
    void operandBoxesStillTakeEveryKey() {
        MessageBoxCloser closer;
        QTest::keyClicks(box("Text1"), "12");
        QTest::keyClick(box("Text1"), Qt::Key_Backspace);
        QTest::keyClicks(box("Text1"), "345");
        QCOMPARE(box("Text1")->text(), QStringLiteral("1345"));
        QTest::keyClicks(box("Text2"), "2");
        QTest::keyClick(box("Text1"), Qt::Key_Return);
        QCOMPARE(box("Text3")->text(), QStringLiteral("1347"));
        QTest::keyClick(box("Text2"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(box("Text4")->text(), QStringLiteral("1343"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("1345"));
        QCOMPARE(closer.seen().size(), 0);
    }

    void messageBox() {
        MessageBoxCloser closer;
        form_->showMessage(u"Geef een getal", u"LET OP !", exercise::kMessageCritical);
        QCOMPARE(closer.seen().size(), 1);
        const auto& seen = closer.seen().front();
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, QStringLiteral("LET OP !"));
        QCOMPARE(seen.text, QStringLiteral("Geef een getal"));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(seen.modal);
    }

    // What a command did reaches the screen reader as a notification that
    // appears, once for commands given faster than it is handed over, and
    // the focus stays where it was.
    void aCommandIsToldAsANotification() {
        struct Shows final : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                count += event->type() == QEvent::Show;
                return false;
            }
        } shows;
        auto* announcer = form_->findChild<QWidget*>("Announcer");
        announcer->installEventFilter(&shows);
        QTest::keyClicks(box("Text1"), "8");
        QTest::keyClicks(box("Text2"), "4");
        QTest::keyClicks(box("Text13"), "5");
        control<QPushButton>("Command3")->setFocus();
        control<QPushButton>("Command2")->click();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(shows.count, 1);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(accessible->role(), QAccessible::Notification);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("8 min 4 is 4, fout."));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command3"));
        QVERIFY(announcer->isVisible() && announcer->focusPolicy() == Qt::NoFocus);
    }

    // The toolkit's own texts in a box are Dutch too, whatever the locale
    // (the tests run in the C locale).
    void toolkitTextsInDutch() {
        QVERIFY(installDutchToolkitTexts(*qApp));
        std::unique_ptr<QMenu> menu(box("Text1")->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        QVERIFY2(texts.join(' ').contains(QStringLiteral("Kopi\u00ebren")),
                 qPrintable(texts.join(' ')));
    }

    void closingEndsTheProgram() {
        box("Text1")->setText(QStringLiteral("12"));
        QTimer::singleShot(0, form_.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
