// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a result box shows all of its text. A result keeps up to ten
// characters, and ten of them in the box's own 12 pt bold are wider than the
// box; cut at its edges, -999990001 would show as -9999900, a number ten
// times too small. So a text too wide for the inside of its box is drawn in
// the largest smaller size of the same font that fits. The text itself never
// changes. The rule is the window's, whatever toolkit draws it: each toolkit
// only measures.
#pragma once

namespace shell {

// The smallest size a result is drawn in, and the steps in which the size
// goes down from the box's own.
inline constexpr double kSmallestResultPoints = 7.0;
inline constexpr double kResultPointStep = 0.25;

// The room for a text inside a box whose text area is insideWidth pixels
// wide: the box keeps two pixels of margin on each side, and one more
// keeps the ink off the edge.
inline constexpr int kTextMarginPixels = 2 + 1;
[[nodiscard]] constexpr double roomInside(int insideWidth) {
    return insideWidth - 2 * kTextMarginPixels;
}

// The point size for a text whose width at a given size widthAt(points)
// tells: the box's own size when the text fits in room, otherwise the
// largest size below it, in steps of kResultPointStep, at which it does;
// kSmallestResultPoints when none does. Widths and room in the same unit.
template <typename WidthAt>
[[nodiscard]] double fittingPointSize(double ownPoints, double room, WidthAt&& widthAt) {
    for (double points = ownPoints; points > kSmallestResultPoints; points -= kResultPointStep) {
        if (widthAt(points) <= room) return points;
    }
    return kSmallestResultPoints;
}

} // namespace shell
