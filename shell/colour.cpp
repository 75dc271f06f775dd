// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colour.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace shell {
namespace {

double channel(Rgb colour, int shift) {
    return static_cast<double>((colour >> shift) & 0xFF) / 255.0;
}

// sRGB's transfer curve, back from light (toLinear undoes it).
double fromLinear(double value) {
    return value <= 0.0031308 ? value * 12.92 : 1.055 * std::pow(value, 1 / 2.4) - 0.055;
}

struct Linear {
    double r, g, b;
};

Linear linearOf(OkLab colour) {
    const double l = colour.lightness + 0.3963377774 * colour.a + 0.2158037573 * colour.b;
    const double m = colour.lightness - 0.1055613458 * colour.a - 0.0638541728 * colour.b;
    const double s = colour.lightness - 0.0894841775 * colour.a - 1.2914855480 * colour.b;
    const double l3 = l * l * l, m3 = m * m * m, s3 = s * s * s;
    return {4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3,
            -1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3,
            -0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3};
}

Linear clipped(const Linear& colour) {
    return {std::clamp(colour.r, 0.0, 1.0), std::clamp(colour.g, 0.0, 1.0),
            std::clamp(colour.b, 0.0, 1.0)};
}

OkLab okLabOf(const Linear& colour) {
    const double l =
        std::cbrt(0.4122214708 * colour.r + 0.5363325363 * colour.g + 0.0514459929 * colour.b);
    const double m =
        std::cbrt(0.2119034982 * colour.r + 0.6806995451 * colour.g + 0.1073969566 * colour.b);
    const double s =
        std::cbrt(0.0883024619 * colour.r + 0.2817188376 * colour.g + 0.6299787005 * colour.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

// How far apart two colours look: their distance in OKLab. Below 0.02 the
// eye does not tell them apart; a tenth of that keeps a hue to within a
// degree or so where CSS Color 4's 0.02 lets it turn by several.
double difference(const OkLab& first, const OkLab& second) {
    return std::hypot(first.lightness - second.lightness, first.a - second.a, first.b - second.b);
}
constexpr double kUnseen = 0.002;

} // namespace

OkLab toOkLab(Rgb colour) {
    return okLabOf({toLinear(channel(colour, 16)), toLinear(channel(colour, 8)),
                    toLinear(channel(colour, 0))});
}

// As CSS Color 4 maps a colour into a gamut, with a tighter bound: the
// strongest chroma, at the same lightness and hue, whose channels cut to
// sRGB's range change it by less than kUnseen; those channels.
Rgb fromOkLab(OkLab colour) {
    auto withChroma = [&](double share) {
        return linearOf({colour.lightness, colour.a * share, colour.b * share});
    };
    auto closeEnough = [&](double share) {
        const Linear linear = withChroma(share);
        return difference(okLabOf(clipped(linear)), okLabOf(linear)) < kUnseen;
    };
    double share = 1;
    if (!closeEnough(1)) {
        // A grey, of any lightness from 0 to 1, is always in range.
        double kept = 0, lost = 1;
        for (int step = 0; step < 24; ++step) {
            const double middle = (kept + lost) / 2;
            (closeEnough(middle) ? kept : lost) = middle;
        }
        share = kept;
    }
    const Linear linear = clipped(withChroma(share));
    auto byte = [](double value) { return static_cast<Rgb>(fromLinear(value) * 255.0 + 0.5); };
    return byte(linear.r) << 16 | byte(linear.g) << 8 | byte(linear.b);
}

Rgb laidOver(Rgb colour, double alpha, Rgb under) {
    Rgb result = 0;
    for (const int shift : {16, 8, 0}) {
        const double own = colour >> shift & 0xFF, base = under >> shift & 0xFF;
        result |= static_cast<Rgb>(own * alpha + base * (1 - alpha) + 0.5) << shift;
    }
    return result;
}

Rgb readableOn(Rgb text, Rgb background, double least) {
    if (contrastRatio(text, background) >= least) return text;
    const OkLab own = toOkLab(text);
    auto withLightness = [&](double lightness) { return fromOkLab({lightness, own.a, own.b}); };
    std::optional<double> nearest;
    for (const double end : {0.0, 1.0}) {
        if (contrastRatio(withLightness(end), background) < least) continue;
        // Along the way the contrast falls, if at all, before it rises, so it
        // reaches the least contrast once.
        double failing = own.lightness, reaching = end;
        for (int step = 0; step < 20; ++step) {
            const double middle = (failing + reaching) / 2;
            (contrastRatio(withLightness(middle), background) >= least ? reaching : failing) =
                middle;
        }
        if (!nearest || std::abs(reaching - own.lightness) < std::abs(*nearest - own.lightness))
            nearest = reaching;
    }
    if (nearest) return withLightness(*nearest);
    constexpr Rgb black = 0x000000, white = 0xFFFFFF;
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace shell
