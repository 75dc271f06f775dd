// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/commands.h"

#include "decimals_under.h"
#include "exercise/arithmetic.h"
#include "fake_window.h"
#include "fixed_regional_settings.h"
#include "number_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace exercise {
namespace {

using testing::FakeWindow;
using testing::FixedRegionalSettings;
using testing::Message;
using testing::WindowState;
using enum Box;

// One exercise: a fresh window, regional settings and the commands on them.
struct Exercise {
    explicit Exercise(NumberFormat format = kEnglishFormat) : settings(format) {}

    Exercise& operands(std::u16string_view first, std::u16string_view second) {
        window.type(Text1, first);
        window.type(Text2, second);
        return *this;
    }
    Exercise& answer(Box box, std::u16string_view text) {
        window.type(box, text);
        return *this;
    }
    [[nodiscard]] std::u16string operator[](Box box) const { return window.text(box); }
    [[nodiscard]] bool shown(Box box) const { return window.visible(box); }

    FakeWindow window;
    FixedRegionalSettings settings;
    Commands commands{window, settings};
};

using Command = void (Commands::*)();
const Command kButtons[] = {&Commands::all,     &Commands::sum,      &Commands::difference,
                            &Commands::product, &Commands::quotient, &Commands::reset};
const Command kExercises[] = {&Commands::all, &Commands::sum, &Commands::difference,
                              &Commands::product, &Commands::quotient};

void pressEnter(Commands& commands) { commands.operandKeyPress(kEnterCode); }

FaultCondition faultOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const ArithmeticFault& fault) {
        return fault.condition();
    }
    ADD_FAILURE() << "no arithmetic fault";
    return FaultCondition::InvalidOperation;
}

const Message kNoNumber{u"Geef een getal", u"LET OP !", 16};

// ---------------------------------------------------------------------------
// The operand check

// Texts that hold no number, and numbers that the point reader, which
// computes, would read as another number than the regional settings do.
TEST(OperandCheck, NoNumber_ShowsOneMessageAndChangesNothing) {
    struct Case {
        NumberFormat format;
        std::u16string_view first, second;
    };
    const Case cases[] = {
        {kDutchFormat, u"7", u""},        {kDutchFormat, u"", u"7"},
        {kDutchFormat, u"", u""},         {kDutchFormat, u" ", u"1"},
        {kDutchFormat, u"1", u"12ab"},    {kDutchFormat, u"x", u"y"},
        {kDutchFormat, u"1,5,5", u"1"},   {kDutchFormat, u"-", u"2"},
        {kDutchFormat, u"&H", u"2"},      {kDutchFormat, u"1..5", u"2"},
        {kDutchFormat, u"0.,5", u"3"},    {kDutchFormat, u"3", u"1.5."},
        {kEnglishFormat, u"2,5", u"1.5"}, {kEnglishFormat, u"7,5", u"2"},
        {kEnglishFormat, u"7", u"0,5"},   {kEnglishFormat, u"0,5", u"0,5"},
        {kEnglishFormat, u"1,00", u"2"},
    };
    for (const auto& [format, first, second] : cases) {
        std::vector<std::function<void(Commands&)>> commands{pressEnter};
        for (const Command command : kExercises)
            commands.emplace_back([command](Commands& c) { (c.*command)(); });
        for (const auto& run : commands) {
            Exercise exercise(format);
            exercise.operands(first, second).answer(Text12, u"8");
            const WindowState before = exercise.window.state();
            run(exercise.commands);
            EXPECT_EQ(exercise.window.state(), before)
                << std::string(first.begin(), first.end()) << " and "
                << std::string(second.begin(), second.end());
            EXPECT_EQ(exercise.window.messages(), std::vector<Message>{kNoNumber});
        }
    }
}

TEST(OperandCheck, NumbersAreComputedAsTheyAreWritten) {
    struct Case {
        NumberFormat format;
        std::u16string_view operand, sum;
    };
    const Case cases[] = {
        {kDutchFormat, u"2.5", u"3,5"},   {kDutchFormat, u"2,5", u"3,5"},
        {kDutchFormat, u"1.00", u"2"},    {kDutchFormat, u"5E-1", u"1,5"},
        {kEnglishFormat, u"2.5", u"3.5"}, {kEnglishFormat, u".5", u"1.5"},
        {kEnglishFormat, u"5.", u"6"},    {kEnglishFormat, u"&H1F", u"32"},
        {kEnglishFormat, u" -2 ", u"-1"},
    };
    for (const auto& [format, operand, sum] : cases) {
        Exercise exercise(format);
        exercise.operands(operand, u"1");
        exercise.commands.sum();
        EXPECT_TRUE(exercise.window.messages().empty());
        EXPECT_EQ(exercise[Text3], sum) << std::string(operand.begin(), operand.end());
    }
}

TEST(OperandCheck, KeysOtherThanEnter_DoNothing) {
    for (const char16_t code : {u'a', u'1', char16_t{8}, char16_t{10}, char16_t{27}, char16_t{0}}) {
        Exercise exercise;
        exercise.operands(u"", u"");
        const WindowState before = exercise.window.state();
        exercise.commands.operandKeyPress(code);
        EXPECT_EQ(exercise.window.state(), before);
        EXPECT_TRUE(exercise.window.messages().empty());
    }
}

// ---------------------------------------------------------------------------
// Single operations

TEST(Sum, RightAnswer_WritesResultAndEquationAndHidesAnswer) {
    Exercise exercise;
    exercise.operands(u"1.5", u"1").answer(Text12, u"2.5");
    exercise.commands.sum();
    EXPECT_EQ(exercise[Text3], u"2.5");
    EXPECT_EQ(exercise[Text7], u"1.5 + 1 = 2.5");
    EXPECT_FALSE(exercise.shown(Text12));
}

TEST(Sum, OperandsAreWrittenAsTyped) {
    Exercise exercise;
    exercise.operands(u"3.0", u" 5").answer(Text12, u"9");
    exercise.commands.sum();
    EXPECT_EQ(exercise[Text3], u"8");
    EXPECT_EQ(exercise[Text7], u"3.0 +  5 = 8");
    EXPECT_TRUE(exercise.shown(Text12));
}

TEST(Sum, AnswerIsReadByItsLeadingNumber) {
    Exercise exercise;
    exercise.operands(u"3", u"5").answer(Text12, u"8abc");
    exercise.commands.sum();
    EXPECT_FALSE(exercise.shown(Text12));
}

// After Enter has filled in every result and equation, each answer box
// holds the right answer of its own row: each single command hides its own
// answer and changes nothing else.
TEST(SingleCommands, TouchOnlyTheirOwnBoxes) {
    const std::pair<Command, Box> rows[] = {{&Commands::sum, Text12},
                                            {&Commands::difference, Text13},
                                            {&Commands::product, Text14},
                                            {&Commands::quotient, Text15}};
    for (const auto& [command, answer] : rows) {
        Exercise exercise;
        exercise.operands(u"8", u"3")
            .answer(Text12, u"11")
            .answer(Text13, u"5")
            .answer(Text14, u"24")
            .answer(Text15, u"2.66666667");
        pressEnter(exercise.commands);
        WindowState expected = exercise.window.state();
        (exercise.commands.*command)();
        expected.visible[static_cast<std::size_t>(answer) - 1] = false;
        EXPECT_EQ(exercise.window.state(), expected) << FakeWindow::name(answer);
    }
}

TEST(Difference, LargerOperandComesFirst) {
    struct Case {
        std::u16string_view first, second, result, equation;
    };
    const Case cases[] = {
        {u"3", u"8", u"5", u"8 - 3 = 5"},     {u"8", u"3", u"5", u"8 - 3 = 5"},
        {u"4", u"4", u"0", u"4 - 4 = 0"},     {u"-2", u"-7", u"5", u"-2 - -7 = 5"},
        {u"4.0", u"4", u"0", u"4 - 4.0 = 0"}, // equal: the second operand first
    };
    for (const auto& c : cases) {
        Exercise exercise;
        exercise.operands(c.first, c.second);
        exercise.commands.difference();
        EXPECT_EQ(exercise[Text4], c.result);
        EXPECT_EQ(exercise[Text8], c.equation);
        EXPECT_TRUE(exercise.shown(Text13)) << "an empty answer is no right answer";
    }
}

TEST(Product, WritesLargeResultsInExponentForm) {
    Exercise exercise;
    exercise.operands(u"9E99", u"9E99").answer(Text14, u"8.1E199");
    exercise.commands.product();
    EXPECT_EQ(exercise[Text5], u"8.1E+199");
    EXPECT_EQ(exercise[Text9], u"9E99 x 9E99 = 8.1E+199");
    EXPECT_FALSE(exercise.shown(Text14));
}

// The result is rounded to its box as pupils round, and the answer is
// compared with what the box shows.
TEST(Quotient, ResultRoundedToItsBox_AnswerComparedAsItShows) {
    struct Case {
        NumberFormat format;
        std::u16string_view first, second, answer;
        bool right;
    };
    const Case cases[] = {
        {kEnglishFormat, u"1", u"3", u"0.33333333", true},
        {kEnglishFormat, u"1", u"3", u"0.333", false},
        {kDutchFormat, u"2", u"3", u"0,66666667", true},
        {kDutchFormat, u"2", u"3", u"0,66666666", false},
        {kDutchFormat, u"-1E9", u"7", u"-142857143", true},
    };
    for (const auto& [format, first, second, answer, right] : cases) {
        Exercise exercise(format);
        exercise.operands(first, second).answer(Text15, answer);
        exercise.commands.quotient();
        EXPECT_EQ(exercise.shown(Text15), !right) << std::string(answer.begin(), answer.end());
    }
    Exercise exercise(kDutchFormat);
    exercise.operands(u"2", u"3");
    exercise.commands.quotient();
    EXPECT_EQ(exercise[Text6], u"0,66666667");
    EXPECT_EQ(exercise[Text10], u"2 : 3 = 0,66666667");
    EXPECT_EQ(exercise[Text11], u" ");
}

// Cut to ten characters, 1.42857142857143E-06 would lose its exponent and
// read as a million times too large; it is written shorter instead, and the
// check compares with what the box shows.
TEST(Quotient, ResultTooLongForItsBox_KeepsItsSize) {
    Exercise exercise;
    exercise.operands(u"1", u"7E5").answer(Text15, u"1.4286E-6");
    exercise.commands.quotient();
    EXPECT_EQ(exercise[Text6], u"1.4286E-06");
    EXPECT_EQ(exercise[Text10], u"1 : 7E5 = 1.4286E-06");
    EXPECT_FALSE(exercise.shown(Text15));

    Exercise cut;
    cut.operands(u"1", u"7E5").answer(Text15, u"1.42857142");
    cut.commands.quotient();
    EXPECT_TRUE(cut.shown(Text15));
}

TEST(Product, ResultTooLongForItsBox_KeepsItsSize) {
    Exercise exercise(kDutchFormat);
    exercise.operands(u"1234", u"9E99");
    exercise.commands.product();
    EXPECT_EQ(exercise[Text5], u"1,111E+103");
    EXPECT_EQ(exercise[Text9], u"1234 x 9E99 = 1,111E+103");

    Exercise whole;
    whole.operands(u"9999", u"1E10");
    whole.commands.product();
    EXPECT_EQ(whole[Text5], u"9.999E+13"); // not 9999000000, cut from 99990000000000
}

TEST(Quotient, ByZero_WritesErrorAndNotice) {
    Exercise exercise;
    exercise.operands(u"5", u"0").answer(Text15, u"");
    exercise.commands.quotient();
    EXPECT_EQ(exercise[Text6], u"Error");
    EXPECT_EQ(exercise[Text11], u"Delen door nul is niet mogelijk");
    EXPECT_EQ(exercise[Text10], u"5 : 0 = Error");
    EXPECT_TRUE(exercise.shown(Text15)) << "no answer is right while the result is Error";

    exercise.operands(u"6", u"3");
    exercise.commands.quotient();
    EXPECT_EQ(exercise[Text6], u"2");
    EXPECT_EQ(exercise[Text11], u" ");
    EXPECT_EQ(exercise[Text10], u"6 : 3 = 2");
}

TEST(Quotient, ByZero_CountsNoAnswer) {
    for (const std::u16string_view answer : {u"5", u"0", u" ", u"Error", u"x"}) {
        Exercise exercise;
        exercise.operands(u"5", u"-0.0").answer(Text15, answer);
        exercise.commands.quotient();
        EXPECT_EQ(exercise[Text6], u"Error");
        EXPECT_TRUE(exercise.shown(Text15)) << std::string(answer.begin(), answer.end());
    }
}

// A result of 0 against answers that hold no number, and against those
// that do.
TEST(AnswerCheck, NoNumberIsNoRightAnswer) {
    struct Case {
        std::u16string_view answer;
        bool right;
    };
    const Case cases[] = {{u"", false},    {u" ", false}, {u"  \t", false}, {u"x", false},
                          {u"abc", false}, {u".", false}, {u"-", false},    {u"0", true},
                          {u" 0 ", true},  {u"-0", true}, {u"0abc", true},  {u"&H0", true}};
    for (const auto& [answer, right] : cases) {
        Exercise exercise;
        exercise.operands(u"4", u"4").answer(Text13, answer);
        exercise.commands.difference();
        ASSERT_EQ(exercise[Text4], u"0");
        EXPECT_EQ(exercise.shown(Text13), !right) << std::string(answer.begin(), answer.end());
    }
}

TEST(AnswerCheck, HiddenAnswerStaysHidden) {
    Exercise exercise;
    exercise.operands(u"3", u"5").answer(Text12, u"8");
    exercise.commands.sum();
    ASSERT_FALSE(exercise.shown(Text12));
    exercise.operands(u"1", u"1");
    exercise.commands.sum();
    exercise.commands.all();
    pressEnter(exercise.commands);
    EXPECT_FALSE(exercise.shown(Text12));
    EXPECT_EQ(exercise[Text12], u"8") << "a hidden box keeps its text";
}

// ---------------------------------------------------------------------------
// Regional settings

// The result box holds 2,5, which reads back whole; the pupil may answer
// with a point, as the hint asks, or with a comma.
TEST(RegionalSettings, Dutch_CommaResultReadsBackWhole) {
    struct Case {
        std::u16string_view answer;
        bool right;
    };
    for (const auto& [answer, right] :
         {Case{u"2.5", true}, Case{u"2,5", true}, Case{u"2", false}, Case{u"2,50", true}}) {
        Exercise exercise(kDutchFormat);
        exercise.operands(u"1.5", u"1").answer(Text12, answer);
        exercise.commands.sum();
        EXPECT_EQ(exercise[Text3], u"2,5");
        EXPECT_EQ(exercise[Text7], u"1.5 + 1 = 2,5");
        EXPECT_EQ(exercise.shown(Text12), !right) << std::string(answer.begin(), answer.end());
    }
}

TEST(RegionalSettings, Dutch_CommaOperandIsReadWhole) {
    Exercise exercise(kDutchFormat);
    exercise.operands(u"3", u"0,5")
        .answer(Text12, u"3.5")
        .answer(Text13, u"2,5")
        .answer(Text14, u"1,5")
        .answer(Text15, u"6");
    exercise.commands.all();
    EXPECT_EQ(exercise[Text3], u"3,5");
    EXPECT_EQ(exercise[Text4], u"2,5");
    EXPECT_EQ(exercise[Text5], u"1,5");
    EXPECT_EQ(exercise[Text6], u"6");
    EXPECT_EQ(exercise[Text8], u"3 - 0,5 = 2,5");
    EXPECT_EQ(exercise[Text10], u"3 : 0,5 = 6");
    for (const Box box : {Text12, Text13, Text14, Text15})
        EXPECT_FALSE(exercise.shown(box)) << FakeWindow::name(box);
}

// Under Dutch settings the point is a decimal separator too, for the zero
// test as for the division.
TEST(RegionalSettings, Dutch_APointDivisorIsADecimal) {
    Exercise exercise(kDutchFormat);
    exercise.operands(u"3", u"1.5");
    exercise.commands.quotient();
    EXPECT_EQ(exercise[Text6], u"2");
    EXPECT_EQ(exercise[Text11], u" ");
}

// ---------------------------------------------------------------------------
// The arithmetic fault. No operand a box keeps reaches it: the number test,
// the zero test and the division read every number that passes the operand
// check alike. Only a text put into a box past its limit, as no pupil can,
// does: 1E999 is beyond the double range, and infinity by infinity, or
// times zero, is an invalid operation.

constexpr std::u16string_view kBeyondTheRange = u"1E999";

TEST(ArithmeticFault, Quotient_StopsBeforeItsResult) {
    Exercise exercise(kDutchFormat);
    exercise.answer(Text15, u":");
    exercise.window.place(Text1, kBeyondTheRange);
    exercise.window.place(Text2, kBeyondTheRange);
    exercise.window.setText(Text11, u"Delen door nul is niet mogelijk");
    WindowState expected = exercise.window.state();
    EXPECT_EQ(faultOf([&] { exercise.commands.quotient(); }), FaultCondition::InvalidOperation);
    expected.texts[10] = u" "; // the notice was written before the division
    EXPECT_EQ(exercise.window.state(), expected);
}

TEST(ArithmeticFault, AllAndEnter_KeepTheResultsBeforeTheFaultAndWriteNoEquation) {
    for (const bool enter : {false, true}) {
        Exercise exercise(kDutchFormat);
        exercise.operands(u"", u"0").answer(Text12, u"4");
        exercise.window.place(Text1, kBeyondTheRange);
        exercise.window.clearLog();
        EXPECT_EQ(faultOf([&] {
                      if (enter)
                          pressEnter(exercise.commands);
                      else
                          exercise.commands.all();
                  }),
                  FaultCondition::InvalidOperation);
        EXPECT_EQ(exercise[Text3], u"INF");
        EXPECT_EQ(exercise[Text4], u"INF");
        EXPECT_EQ(exercise[Text5], u"x");
        EXPECT_EQ(exercise.window.log(), (std::vector<std::string>{"set Text3", "set Text4"}));
        EXPECT_TRUE(exercise.shown(Text12)) << "no answer check after the fault";
    }
}

// ---------------------------------------------------------------------------
// All operations at once

TEST(All, WritesAllResultsThenAllEquationsThenChecksAllAnswers) {
    Exercise exercise;
    exercise.operands(u"8", u"3")
        .answer(Text12, u"11")
        .answer(Text13, u"-5")
        .answer(Text14, u"24")
        .answer(Text15, u"2.66666667");
    exercise.window.clearLog();
    exercise.commands.all();
    EXPECT_EQ(exercise[Text3], u"11");
    EXPECT_EQ(exercise[Text4], u"5");
    EXPECT_EQ(exercise[Text5], u"24");
    EXPECT_EQ(exercise[Text6], u"2.66666667");
    EXPECT_EQ(exercise[Text11], u" ");
    EXPECT_EQ(exercise[Text7], u"8 + 3 = 11");
    EXPECT_EQ(exercise[Text8], u"8 - 3 = 5");
    EXPECT_EQ(exercise[Text9], u"8 x 3 = 24");
    EXPECT_EQ(exercise[Text10], u"8 : 3 = 2.66666667");
    EXPECT_FALSE(exercise.shown(Text12));
    EXPECT_TRUE(exercise.shown(Text13)) << "the difference is never negative";
    EXPECT_FALSE(exercise.shown(Text14));
    EXPECT_FALSE(exercise.shown(Text15));
    EXPECT_EQ(
        exercise.window.log(),
        (std::vector<std::string>{"set Text3", "set Text4", "set Text5", "set Text11", "set Text6",
                                  "set Text7", "set Text8", "set Text9", "set Text10",
                                  "hide Text12", "hide Text14", "hide Text15"}));
}

TEST(All, ByZero_WritesErrorAndCountsNoQuotientAnswer) {
    Exercise exercise;
    exercise.operands(u"5", u"0").answer(Text14, u"0");
    exercise.commands.all();
    EXPECT_EQ(exercise[Text6], u"Error");
    EXPECT_EQ(exercise[Text11], u"Delen door nul is niet mogelijk");
    EXPECT_EQ(exercise[Text10], u"5 : 0 = Error");
    EXPECT_EQ(exercise[Text8], u"5 - 0 = 5");
    EXPECT_TRUE(exercise.shown(Text15));
    EXPECT_TRUE(exercise.shown(Text12));
    EXPECT_FALSE(exercise.shown(Text14));
}

TEST(Enter, SignedDifferenceAndNoAnswerChecks) {
    Exercise exercise;
    exercise.operands(u"3", u"8").answer(Text12, u"11").answer(Text13, u"-5");
    exercise.window.clearLog();
    pressEnter(exercise.commands);
    EXPECT_EQ(exercise[Text3], u"11");
    EXPECT_EQ(exercise[Text4], u"-5");
    EXPECT_EQ(exercise[Text5], u"24");
    EXPECT_EQ(exercise[Text6], u"0.375");
    EXPECT_EQ(exercise[Text8], u"3 - 8 = -5");
    EXPECT_EQ(exercise[Text10], u"3 : 8 = 0.375");
    EXPECT_TRUE(exercise.shown(Text12));
    EXPECT_TRUE(exercise.shown(Text13));
    EXPECT_EQ(
        exercise.window.log(),
        (std::vector<std::string>{"set Text3", "set Text4", "set Text5", "set Text11", "set Text6",
                                  "set Text7", "set Text8", "set Text9", "set Text10"}));
}

// ---------------------------------------------------------------------------
// Starting over

TEST(Reset, EmptiesTheTypedBoxesBlanksTheOthersAndShowsEveryAnswer) {
    Exercise exercise;
    exercise.operands(u"6", u"3").answer(Text12, u"9").answer(Text15, u"2");
    exercise.commands.all();
    ASSERT_FALSE(exercise.shown(Text12));
    exercise.window.clearLog();
    exercise.commands.reset();
    for (const Box box : {Text1, Text2, Text12, Text13, Text14, Text15})
        EXPECT_EQ(exercise[box], u"") << FakeWindow::name(box);
    for (const Box box : {Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11})
        EXPECT_EQ(exercise[box], u" ") << FakeWindow::name(box);
    EXPECT_EQ(exercise.window.log().front(), "set Text1");
    EXPECT_EQ(exercise.window.log().back(), "show Text15");
    for (const Box box : {Text12, Text13, Text14, Text15})
        EXPECT_TRUE(exercise.shown(box));
    const WindowState afterOne = exercise.window.state();
    exercise.commands.reset();
    EXPECT_EQ(exercise.window.state(), afterOne);
}

TEST(Reset, ThenAnExercise_EmptyOperandsAskForANumber) {
    Exercise exercise;
    exercise.commands.reset();
    exercise.commands.sum();
    EXPECT_EQ(exercise.window.messages(), std::vector<Message>{kNoNumber});
}

TEST(Reset, ThenAnExercise_EmptyAnswersAreNoRightAnswers) {
    Exercise exercise;
    exercise.commands.reset();
    exercise.operands(u"4", u"4");
    exercise.commands.all();
    EXPECT_EQ(exercise[Text4], u"0");
    EXPECT_EQ(exercise[Text8], u"4 - 4 = 0");
    for (const Box box : {Text12, Text13, Text14, Text15})
        EXPECT_TRUE(exercise.shown(box)) << FakeWindow::name(box);
}

// ---------------------------------------------------------------------------
// Every pair of operands from a small set, every command, both settings:
// the window stays within its rules. What a command writes is checked as it
// was written, before its box cut it.

TEST(Invariants, EveryOperandPairAndCommand) {
    const std::u16string_view operands[] = {
        u"",    u" ", u"0",    u"-0", u"3",    u"8",   u"1.5", u"0,5",  u"2,5",  u"1E99",
        u"&HF", u"x", u"-9E9", u".5", u"1E-9", u"0E5", u"7",   u"1..5", u"0.,5", u"-0.0"};
    std::size_t resultsWritten = 0;
    for (const NumberFormat format : {kEnglishFormat, kDutchFormat}) {
        for (const auto first : operands) {
            for (const auto second : operands) {
                for (std::size_t command = 0; command <= std::size(kButtons); ++command) {
                    Exercise exercise(format);
                    exercise.operands(first, second).answer(Text13, u"0");
                    const WindowState before = exercise.window.state();
                    try {
                        if (command == std::size(kButtons))
                            pressEnter(exercise.commands);
                        else
                            (exercise.commands.*kButtons[command])();
                    } catch (const ArithmeticFault&) {
                        ADD_FAILURE() << "an arithmetic fault from what a box keeps";
                    }
                    const bool reset =
                        command < std::size(kButtons) && kButtons[command] == &Commands::reset;
                    for (const auto& [box, text] : exercise.window.writes()) {
                        if (reset || box < Text3 || box > Text6) continue;
                        ++resultsWritten;
                        EXPECT_LE(text.size(), maximumLength(box)) << "a result fits its box";
                        if (text == kZeroDivisorResult)
                            EXPECT_EQ(box, Text6);
                        else
                            EXPECT_TRUE(testing::keepsItsSize(box, text, format))
                                << FakeWindow::name(box) << " written as "
                                << std::string(text.begin(), text.end()) << " for "
                                << std::string(first.begin(), first.end()) << " and "
                                << std::string(second.begin(), second.end());
                    }
                    const WindowState& after = exercise.window.state();
                    if (!exercise.window.messages().empty()) {
                        EXPECT_EQ(after, before);
                        EXPECT_EQ(exercise.window.messages().size(), 1u);
                    }
                    if (!reset) {
                        for (const std::string& entry : exercise.window.log())
                            EXPECT_NE(entry.rfind("show", 0), 0u) << "only the reset shows a box";
                    }
                }
            }
        }
    }
    EXPECT_GT(resultsWritten, 0u) << "no command wrote a result";
}

// ---------------------------------------------------------------------------
// Every pair of separators that a platform's regional settings give, every
// text of up to four characters from a small alphabet as the first operand:
// the sum is computed exactly when the text shows a number, and then with
// that number. What a text shows is said here on its own terms: blanks, a
// sign, digits with the point or the settings' decimal separator (the point
// alone where that separator cannot be typed), an exponent, blanks; no
// grouping.

class EveryPlatformsSeparators : public ::testing::TestWithParam<NumberFormat> {};

TEST_P(EveryPlatformsSeparators, ATextIsComputedExactlyAsTheNumberItShows) {
    const NumberFormat settings = GetParam();
    const char decimal = settings.decimalSeparator == u',' ? ',' : '.';
    const std::string point = decimal == ',' ? "[.,]" : "[.]";
    const std::regex shows("[ \\t]*[+-]?(?:[0-9]+(?:" + point + "[0-9]*)?|" + point +
                           "[0-9]+)(?:[eE][+-]?[0-9]+)?[ \\t]*");
    std::size_t numbers = 0;
    testing::everyText(u"0123456789.,- E", 4, [&](const std::u16string& text) {
        std::string plain(text.begin(), text.end());
        Exercise exercise(settings);
        exercise.operands(text, u"0");
        exercise.commands.sum();
        if (!std::regex_match(plain, shows)) {
            ASSERT_EQ(exercise.window.messages().size(), 1u) << "computed: '" << plain << "'";
            return;
        }
        ++numbers;
        ASSERT_TRUE(exercise.window.messages().empty()) << "refused: '" << plain << "'";
        std::replace(plain.begin(), plain.end(), ',', '.');
        const double value = std::strtod(plain.c_str(), nullptr) + 0.0;
        ASSERT_EQ(exercise[Text3], formatResultToFit(value, typableFormat(settings), 10))
            << "'" << std::string(text.begin(), text.end()) << "'";
    });
    EXPECT_GT(numbers, 10'000u);
}

INSTANTIATE_TEST_SUITE_P(Pairs, EveryPlatformsSeparators,
                         ::testing::ValuesIn(testing::kPlatformSeparators),
                         [](const ::testing::TestParamInfo<NumberFormat>& pair) {
                             std::string name = testing::separatorsName(pair.param);
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                                 '_');
                             return name;
                         });

} // namespace
} // namespace exercise
