// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How every text of the window shows whole: a caption, a result, a typed
// answer. Ten characters of a result in the box's own 12 pt bold are wider
// than the box, and the hint's last word has no room in some fonts and at
// some scales; cut at an edge or wrapped out of sight, -999990001 would show
// as -9999900 and the hint would lose "intoetsen)". So a text too wide for
// the room inside its control is drawn in the largest smaller size of the
// same font that fits. The text itself, and the control's place and size,
// never change. The rule is the window's, whatever toolkit draws it: each
// toolkit only measures, with the font as it draws it.
#pragma once

namespace shell {

// The smallest size a text is drawn in, and the steps in which the size
// goes down from the control's own.
inline constexpr double kSmallestPoints = 7.0;
inline constexpr double kPointStep = 0.25;

// The room for a text inside a control whose text area is insideWidth
// pixels wide, less a margin on each side: a box or a button keeps its text
// two pixels from its edge, and one pixel more keeps the ink off it; a
// label's text may reach its edge. Where a box itself keeps its text the two
// pixels in, its text area is what lies between them, and only the one
// pixel is left to take off.
inline constexpr int kTextEdgePixels = 2;
inline constexpr int kInkPixels = 1;
inline constexpr int kBoxMarginPixels = kTextEdgePixels + kInkPixels;
[[nodiscard]] constexpr double roomInside(int insideWidth, int margin = kBoxMarginPixels) {
    return insideWidth - 2 * margin;
}

// The point size for a text whose width at a given size widthAt(points)
// tells: the control's own size when the text fits in room, otherwise the
// largest size below it, in steps of kPointStep, at which it does;
// kSmallestPoints when none does. Widths and room in the same unit.
template <typename WidthAt>
[[nodiscard]] double fittingPointSize(double ownPoints, double room, WidthAt&& widthAt) {
    for (double points = ownPoints; points > kSmallestPoints; points -= kPointStep) {
        if (widthAt(points) <= room) return points;
    }
    return kSmallestPoints;
}

} // namespace shell
