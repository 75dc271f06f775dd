// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_events.h"

namespace shell {

void Form1Events::click(Click which) {
    switch (which) {
    case Click::All:
        command1Click();
        break;
    case Click::Sum:
        command2Click();
        break;
    case Click::Difference:
        command3Click();
        break;
    case Click::Product:
        command4Click();
        break;
    case Click::Quotient:
        command5Click();
        break;
    case Click::Reset:
        command6Click();
        break;
    case Click::None:
        break;
    }
}

void Form1Events::keyPress(exercise::Box box, char16_t keyAscii) {
    if (controlOf(box).keys != Keys::Operand) return;
    if (box == exercise::Box::Text1)
        text1KeyPress(keyAscii);
    else
        text2KeyPress(keyAscii);
}

template <typename Command> void Form1Events::dispatch(Outcome outcome, Command&& command) {
    traced_.trace = {};
    runReporting(command, [this](std::u16string_view report) {
        showMessage(report, kWindowTitle, exercise::kMessageCritical);
    });
    if (const std::u16string summary = spokenSummary(*this, traced_.trace, outcome);
        !summary.empty())
        announce(summary);
}

void Form1Events::command1Click() {
    dispatch(Outcome::CheckedSums, [this] { commands_.all(); });
}
void Form1Events::command2Click() {
    dispatch(Outcome::CheckedSums, [this] { commands_.sum(); });
}
void Form1Events::command3Click() {
    dispatch(Outcome::CheckedSums, [this] { commands_.difference(); });
}
void Form1Events::command4Click() {
    dispatch(Outcome::CheckedSums, [this] { commands_.product(); });
}
void Form1Events::command5Click() {
    dispatch(Outcome::CheckedSums, [this] { commands_.quotient(); });
}
void Form1Events::command6Click() {
    dispatch(Outcome::Cleared, [this] { commands_.reset(); });
}
void Form1Events::text1KeyPress(char16_t keyAscii) {
    dispatch(Outcome::Sums, [=, this] { commands_.operandKeyPress(keyAscii); });
}
void Form1Events::text2KeyPress(char16_t keyAscii) {
    dispatch(Outcome::Sums, [=, this] { commands_.operandKeyPress(keyAscii); });
}

} // namespace shell
