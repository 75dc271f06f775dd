// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window's events go, for every toolkit: each click to its own
// command, Enter in either operand box to the quick calculation, and every
// error that ends a command to a message through the window.
#include "form_events.h"

#include "fake_window.h"
#include "fixed_regional_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <variant>
#include <vector>

namespace shell {
namespace {

using enum exercise::Box;
using exercise::testing::FakeWindow;
using exercise::testing::Message;

// A window of no toolkit: the fake window's boxes behind the shared events.
class TestForm final : public Form1Events {
public:
    explicit TestForm(exercise::NumberFormat format = exercise::kEnglishFormat)
        : Form1Events(settings_), settings_(format) {}

    [[nodiscard]] std::u16string text(exercise::Box box) const override { return window.text(box); }
    void setText(exercise::Box box, std::u16string_view text) override {
        window.setText(box, text);
    }
    void setAnswerVisible(exercise::Box box, bool visible) override {
        window.setAnswerVisible(box, visible);
    }
    void showMessage(std::u16string_view prompt, std::u16string_view title, int style) override {
        window.showMessage(prompt, title, style);
    }
    void announce(std::u16string_view summary) override { said.emplace_back(summary); }

    FakeWindow window;
    std::vector<std::u16string> said;

private:
    exercise::testing::FixedRegionalSettings settings_;
};

TEST(FormEvents, EachClickRunsItsOwnCommand) {
    struct Case {
        Click click;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {Click::Sum, {"set Text3", "set Text7", "hide Text12"}},
        {Click::Difference, {"set Text4", "set Text8"}},
        {Click::Product, {"set Text5", "set Text9"}},
        {Click::Quotient, {"set Text11", "set Text6", "set Text10"}},
        {Click::All,
         {"set Text3", "set Text4", "set Text5", "set Text11", "set Text6", "set Text7",
          "set Text8", "set Text9", "set Text10", "hide Text12"}},
        {Click::None, {}},
    };
    for (const auto& [click, log] : cases) {
        TestForm form;
        form.window.type(Text1, u"8");
        form.window.type(Text2, u"3");
        form.window.type(Text12, u"11");
        form.click(click);
        EXPECT_EQ(form.window.log(), log) << static_cast<int>(click);
    }
    TestForm form;
    form.click(Click::Reset);
    EXPECT_EQ(form.window.log().size(), 19u);
    EXPECT_EQ(form.window.log().back(), "show Text15");
}

TEST(FormEvents, EnterInEitherOperandBoxAndNowhereElse) {
    for (const exercise::Box box : {Text1, Text2, Text3, Text12}) {
        TestForm form;
        form.window.type(Text1, u"3");
        form.window.type(Text2, u"8");
        form.keyPress(box, exercise::kEnterCode);
        const bool operand = box == Text1 || box == Text2;
        EXPECT_EQ(form.window.text(Text4), operand ? u"-5" : u"-");
    }
    TestForm form;
    form.keyPress(Text1, u'7');
    EXPECT_TRUE(form.window.log().empty());
}

// An error that ends a command is shown through the window, like every
// other message, under its title with the stop icon; the program goes on.
TEST(FormEvents, AFaultIsShownThroughTheWindow) {
    TestForm form(exercise::kDutchFormat);
    form.window.place(Text1, u"1E999"); // beyond the range: infinity times 0
    form.window.type(Text2, u"0");
    form.click(Click::Product);
    EXPECT_EQ(form.window.messages(),
              (std::vector<Message>{{u"Rekenfout: ongeldige bewerking", u"Cijferwerf", 16}}));
    form.window.type(Text1, u"5");
    form.window.type(Text2, u"2");
    form.click(Click::Quotient);
    EXPECT_EQ(form.window.text(Text6), u"2,5");
}

// What a pupil who cannot see the window hears once a command has ended.
TEST(FormEvents, EachCommandSaysWhatItDid) {
    struct Case {
        std::u16string_view first, second;
        std::array<std::u16string_view, 4> answers;
        std::variant<Click, exercise::Box> event; // a click, or Enter in a box
        std::u16string_view said;                 // empty: nothing
    };
    const Case cases[] = {
        {u"7", u"5", {u"12", u"3", u"35", u"2"}, Click::All,
         u"7 plus 5 is 12, goed. 7 min 5 is 2, fout. 7 keer 5 is 35, goed. "
         u"7 gedeeld door 5 is 1,4, fout."},
        {u"5", u"7", {u"12", u"2", u"", u""}, Text2,
         u"5 plus 7 is 12. 5 min 7 is -2. 5 keer 7 is 35. 5 gedeeld door 7 is 0,71428571."},
        {u"7", u"0", {u"", u"", u"", u"0"}, Click::Quotient,
         u"7 gedeeld door 0 is Error, fout. Delen door nul is niet mogelijk."},
        {u"-5", u"-3", {u"", u"  ", u"", u""}, Click::Difference, u"-3 min -5 is 2."},
        {u" -5", u"3,5", {u"8abc", u"", u"", u""}, Click::Sum, u" -5 plus 3,5 is -1,5, fout."},
        {u"2", u"6", {u"8abc", u"", u"", u""}, Click::Sum, u"2 plus 6 is 8, goed."},
        {u"2", u"6", {u"", u"", u"12", u""}, Click::Product, u"2 keer 6 is 12, goed."},
        {u"abc", u"6", {u"8", u"", u"", u""}, Click::All, u""},
        {u"2", u"6", {u"8", u"", u"", u""}, Text3, u""},
        {u"2", u"6", {u"8", u"", u"", u""}, Click::Reset, u"Alle vakken zijn weer leeg."},
    };
    for (const Case& test : cases) {
        TestForm form(exercise::kDutchFormat);
        form.window.type(Text1, test.first);
        form.window.type(Text2, test.second);
        for (int i = 0; i < 4; ++i)
            form.window.type(static_cast<exercise::Box>(static_cast<int>(Text12) + i),
                             test.answers[static_cast<std::size_t>(i)]);
        if (const auto* click = std::get_if<Click>(&test.event))
            form.click(*click);
        else
            form.keyPress(std::get<exercise::Box>(test.event), exercise::kEnterCode);
        const std::vector<std::u16string> said =
            test.said.empty() ? std::vector<std::u16string>{}
                              : std::vector<std::u16string>{std::u16string(test.said)};
        EXPECT_EQ(form.said, said) << static_cast<int>(test.said.size());
    }
    // Typing a digit says nothing.
    TestForm form;
    form.keyPress(Text1, u'7');
    EXPECT_TRUE(form.said.empty());
}

TEST(FormEvents, AnyOtherErrorIsReportedInTheWindowsWords) {
    std::u16string reported;
    runReporting([] { throw std::runtime_error("kapot"); },
                 [&](std::u16string_view report) { reported = report; });
    EXPECT_EQ(reported, u"Interne fout: kapot");
    runReporting(
        [] { throw exercise::ArithmeticFault(exercise::FaultCondition::DivisionByZero); },
        [&](std::u16string_view report) { reported = report; });
    EXPECT_EQ(reported, u"Rekenfout: deling door nul");
}

} // namespace
} // namespace shell
