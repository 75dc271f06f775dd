// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window says to a screen reader when a command has ended, so that
// a pupil who cannot see the window hears what a sighted pupil sees: each
// sum that the command wrote, in the words a Dutch pupil says it ("7 plus 5
// is 12"), whether each answer it checked was right, the division notice,
// or that every box is empty again. Composed from what the boxes show once
// the command has ended; every window hands it to its platform's own way of
// speaking without moving the focus.
#pragma once

#include "exercise/window.h"

#include <array>
#include <string>
#include <string_view>

namespace shell {

// The words, in the order sum, difference, product, quotient.
inline constexpr std::array<std::u16string_view, 4> kSpokenOperators = {
    u" plus ", u" min ", u" keer ", u" gedeeld door "};
inline constexpr std::u16string_view kSpokenEquals = u" is ";
inline constexpr std::u16string_view kSpokenRight = u", goed";
inline constexpr std::u16string_view kSpokenWrong = u", fout";
inline constexpr std::u16string_view kSpokenCleared = u"Alle vakken zijn weer leeg.";

// What a command did, as the window saw it: which equation boxes it wrote
// and which answer boxes it hid, each in the order sum, difference,
// product, quotient, and whether it wrote the division notice box.
struct CommandTrace {
    std::array<bool, 4> equationWritten{};
    std::array<bool, 4> answerHidden{};
    bool noticeWritten = false;

    // Notes one change that the command made to the window.
    void noteText(exercise::Box box);
    void noteAnswerVisible(exercise::Box box, bool visible);
};

// What kind of command ended: one that writes sums and checks the answers
// (the operation buttons and ALLES), one that writes sums and checks none
// (Enter in an operand box), or the one that starts over (OPNIEUW).
enum class Outcome { CheckedSums, Sums, Cleared };

// The sentences to say, or an empty text when the command wrote no sum:
// "7 plus 5 is 12, goed. 7 min 5 is 2, fout." An answer box that holds no
// text, or only blanks, adds nothing.
[[nodiscard]] std::u16string spokenSummary(const exercise::WindowOperations& window,
                                           const CommandTrace& trace, Outcome outcome);

} // namespace shell
