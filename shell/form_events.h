// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's eight events and where they go, once for every toolkit. Each
// platform's Form1 derives from this, implements the window operations, and
// hands over each button's click and each character typed into an operand
// box; everything from there on is the same on every platform.
#pragma once

#include "exercise/arithmetic.h"
#include "exercise/commands.h"
#include "exercise/window.h"
#include "spoken_summary.h"
#include "window_description.h"

#include <exception>
#include <string>
#include <string_view>

namespace shell {

// What the window says when an arithmetic fault ends a command, under the
// window's title and with a stop icon; the program then goes on.
[[nodiscard]] constexpr std::u16string_view faultReport(exercise::FaultCondition condition) {
    return condition == exercise::FaultCondition::DivisionByZero
               ? u"Rekenfout: deling door nul"
               : u"Rekenfout: ongeldige bewerking";
}

// Runs a command. An arithmetic fault, or any other error, that ends it is
// handed to report in the window's words, to be shown under the window's
// title with a stop icon; the program then goes on with the boxes as they
// stand.
template <typename Command, typename Report> void runReporting(Command&& command, Report&& report) {
    try {
        command();
    } catch (const exercise::ArithmeticFault& fault) {
        report(faultReport(fault.condition()));
    } catch (const std::exception& error) {
        std::u16string text = u"Interne fout: ";
        for (const char c : std::string_view(error.what()))
            text += static_cast<char16_t>(static_cast<unsigned char>(c));
        report(std::u16string_view(text));
    }
}

class Form1Events : public exercise::WindowOperations {
public:
    // A click on a button, as the description names where it goes.
    void click(Click which);
    // A character typed into a box whose keys the description routes to the
    // operand handler, before the box takes it; the key then goes on to the
    // box unchanged.
    void keyPress(exercise::Box box, char16_t keyAscii);

protected:
    explicit Form1Events(const exercise::RegionalSettings& settings)
        : commands_(traced_, settings) {}

    // Hands what a command did, in words, to the screen reader, to be said
    // without moving the focus and without cutting off what it is saying; a
    // newer text replaces one not yet said. Called only with a text to say.
    virtual void announce(std::u16string_view summary) = 0;

private:
    // The eight handlers, named after their control and event as in every
    // window of the program; each hands its event to its command.
    void command1Click();
    void command2Click();
    void command3Click();
    void command4Click();
    void command5Click();
    void command6Click();
    void text1KeyPress(char16_t keyAscii);
    void text2KeyPress(char16_t keyAscii);

    // Runs a command. An arithmetic fault, or any other error, that ends it
    // is shown as a message under the window's title with a stop icon, and
    // the program goes on with the boxes as they stand.
    // Then says what it did.
    template <typename Command> void dispatch(Outcome outcome, Command&& command);

    // The window operations as the commands reach them: each goes on to the
    // window, and what it changed is noted for the summary.
    class Traced final : public exercise::WindowOperations {
    public:
        explicit Traced(Form1Events& window) : window_(window) {}
        [[nodiscard]] std::u16string text(exercise::Box box) const override {
            return window_.text(box);
        }
        void setText(exercise::Box box, std::u16string_view text) override {
            trace.noteText(box);
            window_.setText(box, text);
        }
        void setAnswerVisible(exercise::Box box, bool visible) override {
            trace.noteAnswerVisible(box, visible);
            window_.setAnswerVisible(box, visible);
        }
        void showMessage(std::u16string_view prompt, std::u16string_view title,
                         int style) override {
            window_.showMessage(prompt, title, style);
        }

        CommandTrace trace;

    private:
        Form1Events& window_;
    };

    Traced traced_{*this};
    exercise::Commands commands_;
};

} // namespace shell
