// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's eight events and where they go, once for every toolkit. Each
// platform's Form1 derives from this, implements the window operations, and
// hands over each button's click and each character typed into an operand
// box; everything from there on is the same on every platform.
#pragma once

#include "exercise/commands.h"
#include "exercise/window.h"
#include "window_description.h"

namespace shell {

class Form1Events : public exercise::WindowOperations {
public:
    // A click on a button, as the description names where it goes.
    void click(Click which);
    // A character typed into an operand box, before the box takes it; the
    // key then goes on to the box unchanged.
    void keyPress(exercise::Box box, char16_t keyAscii);

protected:
    explicit Form1Events(const exercise::RegionalSettings& settings) : commands_(*this, settings) {}

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
    template <typename Command> void dispatch(Command&& command);

    exercise::Commands commands_;
};

} // namespace shell
