// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercises end to end in the real window: real clicks and key presses,
// every message box closed as a pupil would.
#include "form1.h"
#include "window_testing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class ExercisesTest : public QObject {
    Q_OBJECT

private:
    FixedRegionalSettings english_{exercise::kEnglishFormat};
    FixedRegionalSettings dutch_{exercise::kDutchFormat};
    std::unique_ptr<Form1> form_;
    std::unique_ptr<MessageBoxCloser> closer_;

    void open(const exercise::RegionalSettings& settings) {
        form_ = std::make_unique<Form1>(settings);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    QLineEdit* box(int number) const {
        return form_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
    }
    QPushButton* button(int number) const {
        return form_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
    QString text(int number) const { return box(number)->text(); }
    void type(int number, const QString& text) {
        box(number)->setFocus();
        box(number)->selectAll();
        QTest::keyClick(box(number), Qt::Key_Delete);
        QTest::keyClicks(box(number), text);
    }
    void click(int number) { QTest::mouseClick(button(number), Qt::LeftButton); }

private slots:
    void init() { closer_ = std::make_unique<MessageBoxCloser>(); }
    void cleanup() {
        form_.reset();
        closer_.reset();
    }

    void sumButton() {
        open(english_);
        type(1, "1.5");
        type(2, "1");
        type(12, "2.5");
        click(2);
        QCOMPARE(text(3), "2.5");
        QCOMPARE(text(7), "1.5 + 1 = 2.5");
        QVERIFY(box(12)->isHidden());
    }

    void differenceButton() {
        open(english_);
        type(1, "3");
        type(2, "8");
        type(13, "4");
        click(3);
        QCOMPARE(text(4), "5");
        QCOMPARE(text(8), "8 - 3 = 5");
        QVERIFY(box(13)->isVisible());
    }

    void productButton() {
        open(english_);
        type(1, "12");
        type(2, "12");
        type(14, "144");
        click(4);
        QCOMPARE(text(5), "144");
        QCOMPARE(text(9), "12 x 12 = 144");
        QVERIFY(box(14)->isHidden());
    }

    void quotientButton() {
        open(english_);
        type(1, "1");
        type(2, "3");
        type(15, "0.333");
        click(5);
        QCOMPARE(text(6), "0.33333333");
        QCOMPARE(text(10), "1 : 3 = 0.33333333");
        QCOMPARE(text(11), " ");
        QVERIFY(box(15)->isVisible());
        type(2, "0");
        click(5);
        QCOMPARE(text(6), "Error");
        QCOMPARE(text(11), "Delen door nul is niet mogelijk");
        QCOMPARE(text(10), "1 : 0 = Error");
    }

    // ALLES pressed from the keyboard, as a keyboard user does.
    void allButtonByKeyboard() {
        open(english_);
        type(1, "8");
        type(2, "3");
        type(12, "11");
        type(13, "5");
        type(14, "23");
        button(1)->setFocus();
        QTest::keyClick(button(1), Qt::Key_Space);
        QCOMPARE(text(3), "11");
        QCOMPARE(text(4), "5");
        QCOMPARE(text(5), "24");
        QCOMPARE(text(6), "2.66666667");
        QCOMPARE(text(10), "8 : 3 = 2.66666667");
        QVERIFY(box(12)->isHidden());
        QVERIFY(box(13)->isHidden());
        QVERIFY(box(14)->isVisible());
        QVERIFY(box(15)->isVisible());
        QVERIFY(closer_->seen().isEmpty());
    }

    void enterInEitherOperandBox_data() {
        QTest::addColumn<int>("operand");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return in the first") << 1 << Qt::Key_Return;
        QTest::newRow("keypad Enter in the second") << 2 << Qt::Key_Enter;
    }
    void enterInEitherOperandBox() {
        QFETCH(int, operand);
        QFETCH(Qt::Key, key);
        open(english_);
        type(1, "3");
        type(2, "8");
        type(13, "-5");
        QTest::keyClick(box(operand), key,
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(text(4), "-5");
        QCOMPARE(text(8), "3 - 8 = -5");
        QCOMPARE(text(6), "0.375");
        QVERIFY2(box(13)->isVisible(), "Enter checks no answers");
        QCOMPARE(text(operand), operand == 1 ? "3" : "8");
    }

    void noNumberAsksForOne() {
        open(english_);
        type(1, "7");
        click(2);
        QTest::keyClick(box(1), Qt::Key_Return);
        QCOMPARE(closer_->seen().size(), 2);
        for (const auto& seen : closer_->seen()) {
            QCOMPARE(seen.icon, QMessageBox::Critical);
            QCOMPARE(seen.title, "LET OP !");
            QCOMPARE(seen.text, "Geef een getal");
        }
        QCOMPARE(text(3), "+");
        QCOMPARE(text(7), "");
    }

    // With English settings 0,5 is five by the regional settings and 0 to
    // the point reader: no number to compute with.
    void aNumberThePointReaderCannotReadWholeAsksForOne() {
        open(english_);
        type(1, "7");
        type(2, "0,5");
        click(5);
        QCOMPARE(closer_->seen().size(), 1);
        QCOMPARE(closer_->seen().front().text, "Geef een getal");
        QCOMPARE(text(6), ":");
        QCOMPARE(text(11), "");
    }

    // No text a pupil can type reaches the arithmetic fault; one put into
    // the box past its limit does: 1E999 is beyond the double range, and
    // infinity times zero is an invalid operation. The fault is reported
    // and the program goes on.
    void arithmeticFaultIsReportedAndTheProgramGoesOn() {
        open(dutch_);
        type(2, "0");
        box(1)->setMaxLength(32767);
        box(1)->setText("1E999");
        click(1);
        QCOMPARE(closer_->seen().size(), 1);
        QCOMPARE(closer_->seen().front().icon, QMessageBox::Critical);
        QCOMPARE(closer_->seen().front().title, "Cijferwerf");
        QCOMPARE(closer_->seen().front().text, "Rekenfout: ongeldige bewerking");
        QCOMPARE(text(3), "INF");
        QCOMPARE(text(5), "x");
        QCOMPARE(text(7), "");

        type(1, "0");
        type(2, "2");
        click(5);
        QCOMPARE(closer_->seen().size(), 1);
        QCOMPARE(text(6), "0");
        QCOMPARE(text(10), "0 : 2 = 0");
    }

    void dutchSettingsWriteAComma() {
        open(dutch_);
        type(1, "1.5");
        type(2, "0,5");
        type(12, "2,5");
        type(13, "1");
        click(1);
        QCOMPARE(text(3), "2");
        QCOMPARE(text(4), "1");
        QCOMPARE(text(5), "0,75");
        QCOMPARE(text(6), "3");
        QCOMPARE(text(7), "1.5 + 0,5 = 2");
        QVERIFY2(box(12)->isVisible(), "2,5 is not 2");
        QVERIFY(box(13)->isHidden());
        QVERIFY(closer_->seen().isEmpty());
    }

    void resetBringsBackHiddenAnswersWithTheirTexts() {
        open(english_);
        type(1, "2");
        type(2, "2");
        type(12, "4");
        type(13, "0");
        type(14, "4");
        type(15, "1");
        click(1);
        for (int answer = 12; answer <= 15; ++answer)
            QVERIFY(box(answer)->isHidden());
        click(6);
        for (int number = 1; number <= 15; ++number)
            QCOMPARE(text(number), (number <= 2 || number >= 12) ? "" : " ");
        for (int answer = 12; answer <= 15; ++answer)
            QVERIFY(box(answer)->isVisible());

        click(2);
        QCOMPARE(closer_->seen().size(), 1); // an empty operand is no number

        // Every place of an operand box is free to type into.
        QTest::mouseClick(box(1), Qt::LeftButton);
        QTest::keyClicks(box(1), "5678");
        QCOMPARE(text(1), "5678");
    }
};

QTEST_MAIN(ExercisesTest)
#include "exercises_test.moc"
