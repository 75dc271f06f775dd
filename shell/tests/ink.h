// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a picture of a control holds ink, for the window tests of every
// toolkit: the first and last column and row of a rectangle in which a pixel
// stands out from the background, given, or the colour at the start of its
// row (a face that a style shades from row to row).
#pragma once

#include "contrast.h"

#include <algorithm>
#include <optional>

namespace shell::testing {

struct Ink {
    int left = 0, right = -1, top = 0, bottom = -1;
    [[nodiscard]] int width() const { return right - left + 1; }
    [[nodiscard]] int rows() const { return bottom - top + 1; }
};

// How far a pixel must stand out to count as ink: above any shading of a
// face, below any text's antialiased edge.
inline constexpr double kInkContrast = 1.2;

// The ink inside the columns left to right and rows top to bottom of a
// picture whose pixels at(x, y) gives as 0xRRGGBB.
template <typename PixelAt>
[[nodiscard]] Ink inkIn(int left, int top, int right, int bottom, PixelAt&& at,
                        std::optional<Rgb> background = {}) {
    Ink ink{right + 1, -1, bottom + 1, -1};
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (contrastRatio(at(x, y), background.value_or(at(left, y))) > kInkContrast) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

} // namespace shell::testing
