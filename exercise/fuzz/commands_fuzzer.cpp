// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands on a stream of events decoded from the fuzzer's bytes: texts
// set into boxes, the six buttons, Enter and other keys. After every event
// the window keeps its rules: every result as a command wrote it fits its
// box, an answer box shown again only by the reset, an operand that is no
// number changing nothing, and no exception at all: with operands no longer
// than their boxes, not even the arithmetic fault.
#include "exercise/commands.h"
#include "fake_window.h"
#include "fixed_regional_settings.h"
#include "fuzz_input.h"

#include <cstdlib>

using namespace exercise;

namespace {

constexpr char16_t kAlphabet[] = u"0123456789012345.,+-eEdD &HhOo x\t\u00eb\uff11";

void require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Input input(data, size);
    const testing::FixedRegionalSettings settings(input.format());
    testing::FakeWindow window;
    Commands commands(window, settings);
    using Command = void (Commands::*)();
    constexpr Command buttons[] = {&Commands::all,     &Commands::sum,      &Commands::difference,
                                   &Commands::product, &Commands::quotient, &Commands::reset};

    while (!input.empty()) {
        const testing::WindowState before = window.state();
        const std::size_t messages = window.messages().size();
        window.clearLog();
        const std::uint8_t event = input.byte() % 10;
        bool reset = false;
        bool isExercise = false;
        if (event < 6) {
            reset = buttons[event] == &Commands::reset;
            isExercise = !reset;
            (commands.*buttons[event])();
        } else if (event == 6) {
            isExercise = true;
            commands.operandKeyPress(kEnterCode);
        } else if (event == 7) {
            const auto code = static_cast<char16_t>(input.byte() | input.byte() << 8);
            isExercise = code == kEnterCode;
            commands.operandKeyPress(code);
        } else {
            const auto box = static_cast<Box>(input.byte() % kBoxCount + 1);
            std::u16string text;
            for (int n = input.byte() % 14; n > 0; --n)
                text += kAlphabet[input.byte() % (std::size(kAlphabet) - 1)];
            window.setText(box, text);
        }
        const testing::WindowState& after = window.state();
        for (int i = 0; i < kBoxCount; ++i)
            require(reset || before.visible[static_cast<std::size_t>(i)] ||
                    !after.visible[static_cast<std::size_t>(i)]);
        if (isExercise)
            for (const auto& [box, text] : window.writes())
                require(box < Box::Text3 || box > Box::Text6 || text == kZeroDivisorResult ||
                        (text.size() <= maximumLength(box) &&
                         testing::keepsItsSize(box, text, settings.numberFormat())));
        if (isExercise && window.messages().size() > messages) {
            require(window.messages().size() == messages + 1);
            require(after == before);
        }
        if (reset)
            for (int i = 0; i < kBoxCount; ++i)
                require(after.texts[static_cast<std::size_t>(i)] ==
                        (takesTyping(static_cast<Box>(i + 1)) ? u"" : u" "));
    }
    return 0;
}
