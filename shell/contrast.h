// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How far a text colour stands out from its background: relative luminance
// and contrast ratio as the web's accessibility guidelines define them, on
// colours of eight bits a channel (0xRRGGBB). The window makes its texts
// readable by it, and its tests measure what is painted by it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace shell {

using Rgb = std::uint32_t;

// A channel of sRGB, from 0 to 1, as light: its transfer curve undone. (The
// guidelines' older threshold, 0.03928, gives the same for every 8-bit
// channel.)
[[nodiscard]] inline double toLinear(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

[[nodiscard]] inline double relativeLuminance(Rgb colour) {
    auto linear = [](Rgb channel) { return toLinear(static_cast<double>(channel & 0xFF) / 255.0); };
    return 0.2126 * linear(colour >> 16) + 0.7152 * linear(colour >> 8) + 0.0722 * linear(colour);
}

// From 1 (the same luminance) to 21 (black on white).
[[nodiscard]] inline double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace shell
