// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's colour arithmetic: colours in OKLab, and a text colour moved
// in lightness, in the same hue, until it stands out from its background.
#pragma once

#include "contrast.h"

namespace shell {

// A colour in OKLab, the perceptual space in which equal steps look equal:
// its lightness (0 black, 1 white) and its two opposite-colour axes, a
// (green to red) and b (blue to yellow). Hue and chroma are the angle and
// the length of (a, b).
struct OkLab {
    double lightness, a, b;
};
[[nodiscard]] OkLab toOkLab(Rgb colour);
// The sRGB colour nearest to it: one outside what sRGB can show loses
// chroma, at the same lightness and hue, until it can be shown.
[[nodiscard]] Rgb fromOkLab(OkLab colour);

// The text colour itself when it stands out enough from its background;
// otherwise the same hue and chroma with its perceptual lightness moved,
// darker or lighter, just as far as the least contrast needs, so that a
// near-grey stays near-grey and a red stays red (less chroma only where
// sRGB has no colour that strong so dark or so light); black or white when
// neither way reaches it. Measured on the colour as it is painted, eight
// bits a channel.
[[nodiscard]] Rgb readableOn(Rgb text, Rgb background, double least);

// A colour of the given opacity (0 to 1) as it shows laid over another,
// eight bits a channel.
[[nodiscard]] Rgb laidOver(Rgb colour, double alpha, Rgb under);

} // namespace shell
