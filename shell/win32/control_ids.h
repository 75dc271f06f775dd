// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the Windows window numbers its controls, for itself and for whatever
// drives it from outside (its test): each control's number is its row in
// the window's description, after the first number.
#pragma once

#include "window_description.h"

#include <cstddef>
#include <string_view>

namespace shell::win32 {

// The window's class, by which another program finds it.
inline constexpr wchar_t kWindowClass[] = L"Cijferwerf.Form1";

inline constexpr int kFirstControlId = 100;

// The window's live region: no control of the description, it shows
// nothing, and a screen reader says each text that it is given, politely.
inline constexpr int kAnnouncerId = 99;

[[nodiscard]] constexpr int controlId(std::size_t row) {
    return kFirstControlId + static_cast<int>(row);
}

[[nodiscard]] inline int controlId(const Control& control) {
    return controlId(shell::rowOf(control));
}

// The control of a number, or none.
[[nodiscard]] inline const Control* controlWithId(int id) {
    const auto all = controls();
    const int row = id - kFirstControlId;
    return row >= 0 && static_cast<std::size_t>(row) < all.size()
               ? &all[static_cast<std::size_t>(row)]
               : nullptr;
}

// The row of the named control, or the number of rows when there is none.
[[nodiscard]] inline std::size_t rowOf(std::string_view name) {
    const auto all = controls();
    for (std::size_t row = 0; row < all.size(); ++row)
        if (all[row].name == name) return row;
    return all.size();
}

} // namespace shell::win32
