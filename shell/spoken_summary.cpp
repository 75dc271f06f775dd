// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_summary.h"

#include "exercise/commands.h"

#include <algorithm>
#include <utility>

namespace shell {

using exercise::Box;

namespace {

// One operation's boxes and the operator its equation box shows.
struct Operation {
    Box equation;
    Box answer;
    std::u16string_view written;
};

constexpr std::array<Operation, 4> kOperations = {{
    {Box::Text7, Box::Text12, exercise::kSumOperator},
    {Box::Text8, Box::Text13, exercise::kDifferenceOperator},
    {Box::Text9, Box::Text14, exercise::kProductOperator},
    {Box::Text10, Box::Text15, exercise::kQuotientOperator},
}};

// The operation of an equation or answer box, or -1.
int operationOf(Box box, Box Operation::*member) {
    for (std::size_t i = 0; i < kOperations.size(); ++i)
        if (kOperations[i].*member == box) return static_cast<int>(i);
    return -1;
}

bool isBlank(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' '; });
}

// The equation box's sum with its operator and its equals sign in words.
// The sum starts with the operands as their boxes hold them, in either
// order (the difference puts the larger first), so an operand's own sign or
// blanks are never taken for the operator.
std::u16string spokenEquation(const exercise::WindowOperations& window, std::size_t operation) {
    const std::u16string equation = window.text(kOperations[operation].equation);
    const std::u16string first = window.text(Box::Text1);
    const std::u16string second = window.text(Box::Text2);
    for (const auto& [left, right] : {std::pair(first, second), std::pair(second, first)}) {
        std::u16string written = left;
        written += kOperations[operation].written;
        written += right;
        written += exercise::kEqualsText;
        if (!equation.starts_with(written)) continue;
        std::u16string spoken = left;
        spoken += kSpokenOperators[operation];
        spoken += right;
        spoken += kSpokenEquals;
        spoken += std::u16string_view(equation).substr(written.size());
        return spoken;
    }
    return equation;
}

} // namespace

void CommandTrace::noteText(Box box) {
    if (const int operation = operationOf(box, &Operation::equation); operation >= 0)
        equationWritten[static_cast<std::size_t>(operation)] = true;
    if (box == Box::Text11) noticeWritten = true;
}

void CommandTrace::noteAnswerVisible(Box box, bool visible) {
    if (const int operation = operationOf(box, &Operation::answer); operation >= 0 && !visible)
        answerHidden[static_cast<std::size_t>(operation)] = true;
}

std::u16string spokenSummary(const exercise::WindowOperations& window, const CommandTrace& trace,
                             Outcome outcome) {
    if (outcome == Outcome::Cleared) return std::u16string(kSpokenCleared);
    std::u16string summary;
    auto sentence = [&summary](std::u16string_view text) {
        if (!summary.empty()) summary += u' ';
        summary += text;
        summary += u'.';
    };
    for (std::size_t operation = 0; operation < kOperations.size(); ++operation) {
        if (!trace.equationWritten[operation]) continue;
        std::u16string said = spokenEquation(window, operation);
        if (outcome == Outcome::CheckedSums && !isBlank(window.text(kOperations[operation].answer)))
            said += trace.answerHidden[operation] ? kSpokenRight : kSpokenWrong;
        sentence(said);
        const bool quotient = kOperations[operation].equation == Box::Text10;
        if (quotient && trace.noticeWritten) {
            if (const std::u16string notice = window.text(Box::Text11); !isBlank(notice))
                sentence(notice);
        }
    }
    return summary;
}

} // namespace shell
