// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the page's HTML holds it before any script runs: its 26
// controls with their captions, limits, states, tab order and spoken names,
// and the style that places and draws them, wide or narrow, at the scale
// that fits the browser's viewport. Written at build time into the page,
// from the window's description; the program then attaches to the controls.
#pragma once

#include "window_description.h"

#include <string>

namespace web {

// The font the page ships, the same in every browser, metric-compatible with
// the window's own; then the window's own and the local fonts with its
// metrics, in which the text draws until the shipped one has come.
inline constexpr char kShippedFont[] = "Cijferwerf Sans";
inline constexpr char kLocalFonts[] = "Arial, \"Liberation Sans\", Arimo, sans-serif";

// Text stands this far inside the edge of a box or a button, as in the
// desktop windows.
inline constexpr int kTextPaddingPixels = 1;

// The width of a control's edge at 100 %: a sunken box or a button has one.
[[nodiscard]] int edgeWidth(const shell::Group& group);

// The browser's colours for the desktop's colour roles: CSS system colours,
// which follow the light or dark scheme the user prefers.
[[nodiscard]] const char* systemColour(shell::ColourRole role);
[[nodiscard]] std::string cssColour(shell::Rgb rgb);
// The CSS font of a text in points, at the page's own 96 dots per inch.
[[nodiscard]] std::string cssFont(double points, bool bold);

// The style of the page's window: its size, scale and layout for the
// viewport, and each control's place and looks.
[[nodiscard]] std::string windowStyle();
// The window's element with its controls, in the description's order, the
// focus on the first control in tab order that takes it.
[[nodiscard]] std::string windowMarkup();

} // namespace web
