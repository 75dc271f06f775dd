// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise that the window's pictures, its look in other palettes and
// the click benchmark show: 8 and 3 typed into the operand boxes, with some
// answers typed beside them, ready for ALLES.
#pragma once

#include "exercise/window.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace exercise::testing {

using TypedAnswers = std::initializer_list<std::pair<Box, std::u16string_view>>;

inline void typeEightAndThree(WindowOperations& window, TypedAnswers answers = {}) {
    window.setText(Box::Text1, u"8");
    window.setText(Box::Text2, u"3");
    for (const auto& [box, text] : answers)
        window.setText(box, text);
}

} // namespace exercise::testing
