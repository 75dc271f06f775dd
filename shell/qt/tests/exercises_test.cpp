// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercises end to end in the real window: real clicks and key presses,
// every message box closed as a pupil would.
#include "form1.h"
#include "tests/exercise_table.h"
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
    // The button whose click goes where the description says.
    void click(shell::Click which) {
        for (const shell::Control& control : shell::controls())
            if (control.click == which)
                QTest::mouseClick(form_->findChild<QPushButton*>(fromUtf16(
                                      std::u16string(control.name.begin(), control.name.end()))),
                                  Qt::LeftButton);
    }
    static QString fromUtf16(std::u16string_view text) {
        return QString(reinterpret_cast<const QChar*>(text.data()),
                       static_cast<qsizetype>(text.size()));
    }

private slots:
    void init() { closer_ = std::make_unique<MessageBoxCloser>(); }
    void cleanup() {
        form_.reset();
        closer_.reset();
    }

    // Each exercise of the shared table, typed, clicked and pressed as a
    // pupil does.
    void exercises_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < std::size(shell::testing::kExercises); ++row)
            QTest::newRow(shell::testing::kExercises[row].name) << static_cast<int>(row);
    }
    void exercises() {
        QFETCH(int, row);
        const shell::testing::Exercise& exercise =
            shell::testing::kExercises[static_cast<std::size_t>(row)];
        open(exercise.dutch ? static_cast<const exercise::RegionalSettings&>(dutch_) : english_);
        type(1, fromUtf16(exercise.first));
        type(2, fromUtf16(exercise.second));
        for (int answer = 0; answer < 4; ++answer)
            type(12 + answer, fromUtf16(exercise.answers[static_cast<std::size_t>(answer)]));
        if (exercise.click == shell::Click::None)
            QTest::keyClick(box(static_cast<int>(exercise.enterIn)), Qt::Key_Return);
        else
            click(exercise.click);
        QTRY_COMPARE(closer_->seen().size(), exercise.message.empty() ? 0 : 1);
        if (!exercise.message.empty())
            QCOMPARE(closer_->seen().front().text, fromUtf16(exercise.message));
        for (int number = 3; number <= 11; ++number)
            QCOMPARE(text(number), fromUtf16(exercise.shown[static_cast<std::size_t>(number - 3)]));
        for (int answer = 0; answer < 4; ++answer)
            QCOMPARE(box(12 + answer)->isVisible(),
                     exercise.answersShown[static_cast<std::size_t>(answer)]);
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
