// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A robot pupil: seeded random typing, pasting, Tab and Shift+Tab, Enter and
// clicks on the real window, every message box closed as it appears. The same
// events run on the fake window that the logic's tests use, and after each
// one both must show the same texts and the same answer boxes.
//
// ROBOT_EVENTS sets the number of events a run (2,000 unless set).
#include "fake_window.h"
#include "fixed_regional_settings.h"
#include "form1.h"
#include "window_testing.h"

#include "exercise/arithmetic.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <random>

using exercise::Box;
using exercise::Commands;

namespace {

// What the robot types; pasted texts may also hold letters no key gives.
const QString kKeys = QStringLiteral("0123456789012345.,+-eEdD &Hhx");
const QString kPasted = kKeys + QStringLiteral(u"\u00eb\uff11\t");
// Texts a pupil means: numbers in both ways of writing, a zero divisor, and
// 0,5, a number under Dutch settings only.
const QStringList kMeant = {"0,5", "0",    "-0",  "8", "3", "1.5",
                            "2,5", "1E99", "&HF", " ", "4", "12"};

// The offscreen platform says of every message box that it cannot pass on
// size hints; thousands of boxes would drown the report in that one line.
QtMessageHandler testHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints"))) testHandler(type, context, message);
}

} // namespace

class RobotPupilTest : public QObject {
    Q_OBJECT

private:
    // What the real window did in one event that the fake must do too.
    enum class Fired { Button1, Button2, Button3, Button4, Button5, Button6, Enter };

    class EnterWatcher : public QObject {
    public:
        explicit EnterWatcher(QList<Fired>& fired) : fired_(fired) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) fired_ << Fired::Enter;
            }
            return false;
        }

    private:
        QList<Fired>& fired_;
    };

private slots:
    void initTestCase() { testHandler = qInstallMessageHandler(quietHandler); }

    void run_data() {
        QTest::addColumn<bool>("dutch");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("English settings") << false << 20261208u;
        QTest::newRow("Dutch settings") << true << 1440u;
    }

    void run() {
        QFETCH(bool, dutch);
        QFETCH(quint32, seed);
        const int events = qEnvironmentVariableIsSet("ROBOT_EVENTS")
                               ? qEnvironmentVariableIntValue("ROBOT_EVENTS")
                               : 2000;
        const exercise::NumberFormat format =
            dutch ? exercise::kDutchFormat : exercise::kEnglishFormat;
        FixedRegionalSettings settings(format);
        Form1 form(settings);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        exercise::testing::FakeWindow fake;
        Commands fakeCommands(fake, settings);
        int faults = 0;
        MessageBoxCloser closer;

        QList<Fired> fired;
        QList<QPushButton*> buttons;
        for (int i = 1; i <= 6; ++i) {
            auto* button = form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(i));
            buttons << button;
            connect(button, &QPushButton::clicked, this,
                    [&fired, i] { fired << static_cast<Fired>(i - 1); });
        }
        QList<QLineEdit*> boxes;
        for (int i = 1; i <= exercise::kBoxCount; ++i)
            boxes << form.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
        EnterWatcher enterWatcher(fired);
        for (QLineEdit* operand : {boxes[0], boxes[1]})
            operand->installEventFilter(&enterWatcher); // runs before the window's own filter

        std::mt19937 random(seed);
        auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        auto randomText = [&](const QString& alphabet, int longest) {
            QString text;
            for (int n = below(longest + 1); n > 0; --n)
                text += alphabet.at(below(static_cast<int>(alphabet.size())));
            return text;
        };
        auto replay = [&] {
            for (const Fired action : std::as_const(fired)) {
                try {
                    switch (action) {
                    case Fired::Button1:
                        fakeCommands.all();
                        break;
                    case Fired::Button2:
                        fakeCommands.sum();
                        break;
                    case Fired::Button3:
                        fakeCommands.difference();
                        break;
                    case Fired::Button4:
                        fakeCommands.product();
                        break;
                    case Fired::Button5:
                        fakeCommands.quotient();
                        break;
                    case Fired::Button6:
                        fakeCommands.reset();
                        break;
                    case Fired::Enter:
                        fakeCommands.operandKeyPress(exercise::kEnterCode);
                        break;
                    }
                } catch (const exercise::ArithmeticFault&) {
                    ++faults;
                }
            }
            fired.clear();
        };

        QString what;
        for (int event = 0; event < events; ++event) {
            // The text boxes as they were, to tell typing from what a command wrote.
            QStringList before;
            for (QLineEdit* box : boxes)
                before << box->text();
            const int choice = below(100);
            // A closed message box hands the activation back to the window.
            if (!QApplication::focusWidget()) {
                QApplication::setActiveWindow(&form);
                if (!QApplication::focusWidget())
                    QFAIL(qPrintable(QStringLiteral("seed %1, event %2: no focus after %3")
                                         .arg(seed)
                                         .arg(event)
                                         .arg(what)));
            }
            if (choice < 45) {
                // Click a box (a hidden one cannot be clicked), then type or paste.
                QLineEdit* target = boxes[below(exercise::kBoxCount)];
                if (target->isVisible())
                    QTest::mouseClick(target, Qt::LeftButton, {},
                                      QPoint(2 + below(target->width() - 4), target->height() / 2));
                QWidget* focus = QApplication::focusWidget();
                if (below(2) == 0) // select what the box holds, to write over it
                    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                if (choice < 35) {
                    const QString text = randomText(kKeys, 6);
                    what = QStringLiteral("type \"%1\" into %2").arg(text, focus->objectName());
                    QTest::keyClicks(focus, text);
                } else {
                    const QString text = below(2)
                                             ? kMeant.at(below(static_cast<int>(kMeant.size())))
                                             : randomText(kPasted, 14);
                    what = QStringLiteral("paste \"%1\" into %2").arg(text, focus->objectName());
                    QApplication::clipboard()->setText(text);
                    QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                }
            } else if (choice < 60) {
                const bool back = below(2) == 0;
                what = back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab");
                QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                                back ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (choice < 75) {
                QLineEdit* operand = boxes[below(2)];
                if (below(4) != 0) QTest::mouseClick(operand, Qt::LeftButton);
                what = QStringLiteral("Enter in %1").arg(QApplication::focusWidget()->objectName());
                QTest::keyClick(QApplication::focusWidget(),
                                below(2) ? Qt::Key_Return : Qt::Key_Enter);
            } else {
                QPushButton* button = buttons[below(6)];
                what = QStringLiteral("click %1").arg(button->objectName());
                QTest::mouseClick(button, Qt::LeftButton);
            }

            // Typing and pasting changed at most the box that has the focus;
            // the fake takes over its text before replaying any command.
            if (fired.isEmpty()) {
                for (int i = 0; i < exercise::kBoxCount; ++i) {
                    if (boxes[i]->text() == before[i]) continue;
                    const auto box = static_cast<Box>(i + 1);
                    const bool typable =
                        (box == Box::Text1 || box == Box::Text2 || exercise::isAnswerBox(box)) &&
                        boxes[i]->isVisible() && boxes[i] == QApplication::focusWidget();
                    if (!typable)
                        QFAIL(qPrintable(
                            QStringLiteral("seed %1, event %2 (%3): %4 changed without a command")
                                .arg(seed)
                                .arg(event)
                                .arg(what, boxes[i]->objectName())));
                    const QString text = boxes[i]->text();
                    fake.type(box, std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                                                  static_cast<std::size_t>(text.size())));
                }
            }
            replay();

            // The same state on both windows.
            for (int i = 0; i < exercise::kBoxCount; ++i) {
                const auto box = static_cast<Box>(i + 1);
                const QString expected = QString::fromStdU16String(fake.text(box));
                const auto limit = exercise::maximumLength(box);
                const bool same =
                    boxes[i]->text() == expected &&
                    (!exercise::isAnswerBox(box) || boxes[i]->isVisible() == fake.visible(box)) &&
                    (limit == 0 || boxes[i]->text().size() <= static_cast<qsizetype>(limit)) &&
                    (i < 2 || i > 5 || !boxes[i]->isEnabled());
                if (!same)
                    QFAIL(qPrintable(
                        QStringLiteral(
                            "seed %1, event %2 (%3): %4 shows \"%5\"%6, expected \"%7\"%8")
                            .arg(seed)
                            .arg(event)
                            .arg(what, boxes[i]->objectName(), boxes[i]->text(),
                                 boxes[i]->isVisible() ? "" : " hidden", expected,
                                 fake.visible(box) ? "" : " hidden")));
            }
            const auto messages = static_cast<qsizetype>(fake.messages().size()) + faults;
            if (closer.seen().size() != messages)
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, event %2 (%3): %4 message boxes, expected %5")
                        .arg(seed)
                        .arg(event)
                        .arg(what)
                        .arg(closer.seen().size())
                        .arg(messages)));
        }
        qInfo("%d events, %d messages, %d arithmetic faults", events,
              static_cast<int>(closer.seen().size()), faults);
    }
};

QTEST_MAIN(RobotPupilTest)
#include "robot_pupil_test.moc"
