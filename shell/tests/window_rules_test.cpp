// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every window follows, against values worked out apart from the
// code: the accessibility guidelines' own ratios, hand-computed places and
// sizes, and a text whose width grows in a straight line with its size.
#include "contrast.h"
#include "placement.h"
#include "text_fit.h"
#include "window_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace shell {
namespace {

// ---------------------------------------------------------------------------
// Contrast

TEST(Contrast, GivesTheGuidelinesWorkedRatios) {
    EXPECT_NEAR(contrastRatio(0xFF0000, 0xFFFFFF), 4.00, 0.005);
    EXPECT_NEAR(contrastRatio(0x0000FF, 0xFFFFFF), 8.59, 0.005);
    EXPECT_NEAR(contrastRatio(0x767676, 0xFFFFFF), 4.54, 0.005); // the lightest grey for text
    EXPECT_DOUBLE_EQ(contrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(0x00FF00, 0x00FF00), 1.0);
    EXPECT_DOUBLE_EQ(contrastRatio(0xFFFFFF, 0x000000), contrastRatio(0x000000, 0xFFFFFF));
}

// ---------------------------------------------------------------------------
// Readable colours

int red(Rgb c) { return static_cast<int>(c >> 16 & 0xFF); }
int green(Rgb c) { return static_cast<int>(c >> 8 & 0xFF); }
int blue(Rgb c) { return static_cast<int>(c & 0xFF); }

// sRGB colours and their OKLab values as CSS Color 4 publishes them (to four
// decimals), both ways.
TEST(OkLab, MatchesThePublishedPairs) {
    struct Pair {
        Rgb rgb;
        OkLab lab;
    };
    for (const auto& [rgb, lab] :
         {Pair{0xFF0000, {0.628, 0.2249, 0.1258}}, Pair{0x008000, {0.5198, -0.1403, 0.1077}},
          Pair{0x00FF00, {0.8664, -0.2339, 0.1795}}, Pair{0x0000FF, {0.452, -0.0325, -0.3115}},
          Pair{0xFFFF00, {0.968, -0.0714, 0.1986}}, Pair{0x00FFFF, {0.9054, -0.1494, -0.0394}},
          Pair{0xFFFFFF, {1, 0, 0}}, Pair{0x000000, {0, 0, 0}}}) {
        const OkLab seen = toOkLab(rgb);
        EXPECT_NEAR(seen.lightness, lab.lightness, 0.0006) << std::hex << rgb;
        EXPECT_NEAR(seen.a, lab.a, 0.0001) << std::hex << rgb;
        EXPECT_NEAR(seen.b, lab.b, 0.0001) << std::hex << rgb;
        // Back to within a unit a channel: the published values are rounded.
        const Rgb back = fromOkLab(lab);
        for (const int shift : {16, 8, 0})
            EXPECT_NEAR(back >> shift & 0xFF, rgb >> shift & 0xFF, 1) << std::hex << rgb;
    }
    // Every grey there and back unchanged, the darkest ones on the transfer
    // curve's straight part among them.
    for (Rgb level = 0; level < 256; ++level)
        EXPECT_EQ(fromOkLab(toOkLab(level * 0x010101)), level * 0x010101) << level;
}

TEST(ReadableOn, KeepsAColourThatStandsOutEnough) {
    EXPECT_EQ(readableOn(0x000000, 0xFFFFFF, 4.5), 0x000000u);
    EXPECT_EQ(readableOn(0x0000FF, 0xFFFFFF, 4.5), 0x0000FFu);
}

// The platform's grey on the result boxes' bright green reaches the least
// contrast, stays a grey, and goes no further than it must.
TEST(ReadableOn, MovesOnlyTheLightnessJustFarEnough) {
    const Rgb grey = readableOn(0xA6A6A6, 0x00FF00, 4.5);
    EXPECT_GE(contrastRatio(grey, 0x00FF00), 4.5);
    EXPECT_LT(contrastRatio(grey, 0x00FF00), 4.7);
    EXPECT_TRUE(red(grey) == green(grey) && green(grey) == blue(grey));
    EXPECT_LT(red(grey), 0xA6);

    // Red on the light green darkens and stays red.
    const Rgb darkRed = readableOn(0xFF0000, 0x80FF80, 4.5);
    EXPECT_GE(contrastRatio(darkRed, 0x80FF80), 4.5);
    EXPECT_GT(red(darkRed), 0x60);
    EXPECT_EQ(green(darkRed), blue(darkRed));
    EXPECT_LT(green(darkRed), 0x10);

    // Dark blue on a dark grey lightens.
    const Rgb lightBlue = readableOn(0x000080, 0x303030, 3.0);
    EXPECT_GE(contrastRatio(lightBlue, 0x303030), 3.0);
    EXPECT_GT(blue(lightBlue), 0x80);
    EXPECT_GE(blue(lightBlue), red(lightBlue));

    // On a mid-tone both ways reach it: the nearer one is taken.
    const Rgb lighter = readableOn(0x7C7C7C, 0x777777, 1.5);
    EXPECT_GT(red(lighter), 0x7C);
    EXPECT_LT(contrastRatio(lighter, 0x777777), 1.6);
}

// A dark scheme's near-white with a faint blue tint, darkened for the light
// green, stays a near-grey: not the strong blue that keeping its HSL
// saturation gave.
TEST(ReadableOn, ANearGreyStaysNearGrey) {
    const Rgb text = readableOn(0xFBFBFE, 0x80FF80, 4.5);
    EXPECT_GE(contrastRatio(text, 0x80FF80), 4.5);
    EXPECT_LE(std::max({red(text), green(text), blue(text)}) -
                  std::min({red(text), green(text), blue(text)}),
              6);
}

TEST(ReadableOn, FallsBackToBlackOrWhiteWhereNoLightnessReaches) {
    EXPECT_EQ(readableOn(0x808080, 0xFFFFFF, 21.0), 0x000000u);
    EXPECT_EQ(readableOn(0x808080, 0x000000, 21.0), 0xFFFFFFu);
}

// Every text reaches its group's least contrast, a fixed colour and a role's
// alike, and moves no further than it must.
TEST(ReadableText, ReachesTheGroupsLeastContrast) {
    Group group{};
    group.background = fixedColour(kLightGreen);
    group.foreground = fixedColour(kRed);
    group.leastContrast = kTextContrast;
    for (const Rgb text : {kRed, Rgb{0x3DAEE9}}) {
        const double contrast = contrastRatio(readableText(group, text, kLightGreen), kLightGreen);
        EXPECT_GE(contrast, 4.5);
        EXPECT_LT(contrast, 4.8);
    }
    // The sky blue, darkened where sRGB has less chroma, keeps its hue.
    const OkLab own = toOkLab(0x3DAEE9),
                moved = toOkLab(readableText(group, 0x3DAEE9, kLightGreen));
    EXPECT_NEAR(std::atan2(moved.b, moved.a), std::atan2(own.b, own.a), 0.035); // 2 degrees
}

// The focus frame stands out from the control it marks and from the window
// around it, on a light box and a dark one alike; a highlight that stands
// out from both stays as it is.
TEST(FocusFrame, StandsOutFromTheControlAndTheWindow) {
    for (const Rgb box :
         {Rgb{0x303030}, Rgb{0xFFFFFF}, Rgb{0x000000}, Rgb{0x232629}, kBrightGreen}) {
        for (const Rgb highlight : {Rgb{0x000080}, Rgb{0x308CC6}, Rgb{0x3DAEE9}, Rgb{0xFFFF00}}) {
            const Rgb frame = focusFrame(highlight, box);
            EXPECT_GE(contrastRatio(frame, box), kFrameContrast) << std::hex << box << highlight;
            EXPECT_GE(contrastRatio(frame, kLightGreen), kFrameContrast) << std::hex << highlight;
        }
    }
    EXPECT_EQ(focusFrame(0x000080, 0xFFFFFF), 0x000080u);
    // So does a control's edge from the window, a pale grey darkened.
    EXPECT_GE(contrastRatio(edgeColour(0xA0A0A0), kLightGreen), kFrameContrast);
    EXPECT_EQ(edgeColour(0x404040), 0x404040u);
}

// ---------------------------------------------------------------------------
// Places and sizes

TEST(Pixels, FifteenTwipsToAPixelAt96DotsPerInch) {
    EXPECT_EQ(pixels(1440), 96);
    EXPECT_EQ(pixels(15), 1);
    EXPECT_EQ(pixels(6735), 449);
    EXPECT_EQ(pixels(4290), 286);
    EXPECT_EQ(pixels(7), 0); // 0.47 of a pixel
    EXPECT_EQ(pixels(8), 1); // 0.53
    EXPECT_EQ(pixels(1440, 144), 144);
    EXPECT_EQ(pixels(6735, 144), 674); // 673.5, half up
    EXPECT_EQ(pixels(1000, 120), 83);  // 83.3
}

TEST(Placement, KeepsTheFixedPlaceWhereTheWindowFits) {
    EXPECT_EQ(keptOnScreen({204, 249, 449, 286}, {0, 0, 1024, 768}), (Rect{204, 249, 449, 286}));
}

TEST(Placement, MovesJustFarEnoughToFit) {
    // 1.5 times as large on a 1366 by 768 screen less a 40-pixel panel.
    EXPECT_EQ(keptOnScreen({306, 374, 674, 429}, {0, 0, 1366, 728}), (Rect{306, 299, 674, 429}));
    // A second screen to the left of the first.
    EXPECT_EQ(keptOnScreen({-100, 10, 449, 286}, {-1280, 0, 1280, 1024}),
              (Rect{-449, 10, 449, 286}));
}

TEST(Placement, AWindowLargerThanTheScreenKeepsItsCornerOnIt) {
    EXPECT_EQ(keptOnScreen({204, 249, 898, 572}, {0, 30, 640, 450}), (Rect{0, 30, 898, 572}));
}

TEST(FittingDotsPerInch, TheLargestWholeResolutionAtWhichTheLayoutFits) {
    // 6735 twips are 1024.3 pixels at 219 dots per inch, 1029.0 at 220.
    EXPECT_EQ(fittingDotsPerInch(Layout::Wide, 1024, 768), 219);
    // The narrow window's 4600 twips: 357.8 pixels at 112, 361.0 at 113.
    EXPECT_EQ(fittingDotsPerInch(Layout::Narrow, 360, 740), 112);
    EXPECT_EQ(fittingDotsPerInch(Layout::Narrow, 320, 568), 100);
    EXPECT_EQ(fittingDotsPerInch(Layout::Narrow, 300, 500), 96); // too narrow: the page scrolls
    EXPECT_EQ(fittingDotsPerInch(Layout::Wide, 4000, 4000), 288);
    EXPECT_EQ(layoutFor(448), Layout::Narrow);
    EXPECT_EQ(layoutFor(449), Layout::Wide);
}

TEST(Layouts, EveryControlInsideTheWindowAndNoneOverAnother) {
    for (const Layout layout : {Layout::Wide, Layout::Narrow}) {
        const auto all = controls();
        for (std::size_t row = 0; row < all.size(); ++row) {
            const Control& control = all[row];
            const Place place = control.placeIn(layout);
            SCOPED_TRACE(std::string(control.name) +
                         (layout == Layout::Wide ? " wide" : " narrow"));
            EXPECT_GE(std::min(place.left, place.top), 0);
            EXPECT_LE(place.left + control.width, clientSize(layout).width);
            EXPECT_LE(place.top + control.height, clientSize(layout).height);
            for (std::size_t other = row + 1; other < all.size(); ++other) {
                const Place there = all[other].placeIn(layout);
                EXPECT_FALSE(place.left < there.left + all[other].width &&
                             there.left < place.left + control.width &&
                             place.top < there.top + all[other].height &&
                             there.top < place.top + control.height)
                    << all[other].name;
            }
        }
    }
}

// The window's table as it was drawn up, by hand: each control's place and size
// in twips, its caption, spoken name and font; the tab order over the
// controls that take the focus; the window's own size. Every window is
// checked against the table; the table once, here, against these numbers.
TEST(Description, HoldsEveryControlAsDrawnUp) {
    struct Row {
        const char* name;
        int left, top, width, height;
        std::u16string_view caption, spoken;
        double points;
        bool bold;
    };
    const Row rows[] = {
        {"Label3", 120, 120, 2745, 285, u"CIJFERWERF", u"CIJFERWERF", 12, true},
        {"Label8", 120, 480, 3585, 210, u"Kies twee getallen en vul de juiste antwoorden in",
         u"Kies twee getallen en vul de juiste antwoorden in", 8.25, false},
        {"Label7", 120, 720, 2745, 210, u"(decimale getallen met punt intoetsen)",
         u"(decimale getallen met punt intoetsen)", 8.25, false},
        {"Label1", 600, 1080, 615, 360, u"getal 1", u"getal 1", 9.75, false},
        {"Text1", 1320, 1080, 1000, 315, u"", u"getal 1", 8.25, false},
        {"Label2", 2760, 1080, 615, 360, u"getal 2", u"getal 2", 9.75, false},
        {"Text2", 3480, 1080, 1000, 315, u"", u"getal 2", 8.25, false},
        {"Command1", 120, 1920, 315, 1785, u"A\nL\nL\nE\nS", u"alles", 9.75, true},
        {"Command2", 480, 1920, 1200, 350, u"SOM", u"som", 9.75, true},
        {"Text12", 1800, 1920, 1000, 360, u"", u"antwoord som", 9.75, true},
        {"Text3", 2880, 1920, 1000, 350, u"", u"uitkomst som", 12, true},
        {"Text7", 3960, 1920, 2715, 350, u"", u"berekening som", 8.25, false},
        {"Command3", 480, 2400, 1200, 350, u"VERSCHIL", u"verschil", 9.75, true},
        {"Text13", 1800, 2400, 1000, 360, u"", u"antwoord verschil", 9.75, true},
        {"Text4", 2880, 2400, 1000, 350, u"", u"uitkomst verschil", 12, true},
        {"Text8", 3960, 2400, 2715, 350, u"", u"berekening verschil", 8.25, false},
        {"Command4", 480, 2880, 1200, 350, u"PRODUCT", u"product", 9.75, true},
        {"Text14", 1800, 2880, 1000, 360, u"", u"antwoord product", 9.75, true},
        {"Text5", 2880, 2880, 1000, 350, u"", u"uitkomst product", 12, true},
        {"Text9", 3960, 2880, 2715, 350, u"", u"berekening product", 8.25, false},
        {"Command5", 480, 3360, 1200, 350, u"QUOTI\u00cbNT", u"quoti\u00ebnt", 9.75, true},
        {"Text15", 1800, 3360, 1000, 360, u"", u"antwoord quoti\u00ebnt", 9.75, true},
        {"Text6", 2880, 3360, 1000, 350, u"", u"uitkomst quoti\u00ebnt", 12, true},
        {"Text10", 3960, 3360, 2715, 350, u"", u"berekening quoti\u00ebnt", 8.25, false},
        {"Text11", 3960, 3720, 2715, 350, u"", u"melding deling", 8.25, false},
        {"Command6", 120, 3840, 3735, 350, u"OPNIEUW", u"opnieuw", 9.75, true},
    };
    ASSERT_EQ(controls().size(), std::size(rows));
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const Row& wanted = rows[row];
        const Control& control = controls()[row];
        SCOPED_TRACE(wanted.name);
        EXPECT_EQ(control.name, wanted.name);
        EXPECT_EQ(control.left, wanted.left);
        EXPECT_EQ(control.top, wanted.top);
        EXPECT_EQ(control.width, wanted.width);
        EXPECT_EQ(control.height, wanted.height);
        EXPECT_TRUE(control.caption == wanted.caption);
        EXPECT_TRUE(control.spokenName() == wanted.spoken);
        EXPECT_EQ(control.group->points, wanted.points);
        EXPECT_EQ(control.group->bold, wanted.bold);
    }
    // The sums and the notice are flat and read-only and keep to the left;
    // the results take no input; the boxes typed in have an edge and, as
    // the results, keep their text in the middle.
    for (const Control& control : controls()) {
        if (!control.box) continue;
        const int box = static_cast<int>(*control.box);
        const Input wanted = box >= 3 && box <= 6    ? Input::Disabled
                             : box >= 7 && box <= 11 ? Input::ReadOnly
                                                     : Input::Typing;
        SCOPED_TRACE(control.name);
        EXPECT_EQ(control.group->input, wanted);
        EXPECT_EQ(control.group->edge == Edge::Flat, wanted == Input::ReadOnly);
        EXPECT_EQ(control.group->alignment == Alignment::Left, wanted == Input::ReadOnly);
    }
    std::string order;
    for (const Control* control : tabOrder())
        if (takesFocus(*control->group)) order += std::string(control->name) + ' ';
    EXPECT_EQ(order, "Command1 Text1 Text2 Text7 Text8 Text9 Text10 Text11 Command2 Text12 Text13 "
                     "Text14 Text15 Command3 Command4 Command5 Command6 ");
    EXPECT_EQ(startFocus().name, "Command1");
    EXPECT_EQ(pixels(kClientWidth), 449);
    EXPECT_EQ(pixels(kClientHeight), 286);
}

// ---------------------------------------------------------------------------
// Fitting a text to its room

// A text ten pixels wide a point.
double linear(double points) { return 10.0 * points; }

TEST(FittingPointSize, TheOwnSizeWhereTheTextFits) {
    EXPECT_EQ(fittingPointSize(12.0, 120.0, linear), 12.0);
    EXPECT_EQ(fittingPointSize(9.75, 500.0, linear), 9.75);
}

TEST(FittingPointSize, TheLargestQuarterPointThatFits) {
    EXPECT_EQ(fittingPointSize(12.0, 100.0, linear), 10.0);
    EXPECT_EQ(fittingPointSize(12.0, 99.9, linear), 9.75);
    EXPECT_EQ(fittingPointSize(12.0, 98.0, linear), 9.75);
    EXPECT_EQ(fittingPointSize(9.75, 97.4, linear), 9.5); // steps from the own size
}

TEST(FittingPointSize, NeverBelowSevenPoints) {
    EXPECT_EQ(fittingPointSize(12.0, 70.0, linear), 7.0);
    EXPECT_EQ(fittingPointSize(12.0, 10.0, linear), 7.0);
}

TEST(FittingPointSize, TheRoomOfABoxLeavesThreePixelsEachSideAndOfALabelNone) {
    EXPECT_EQ(roomInside(100), 94.0);
    EXPECT_EQ(roomInside(100, 0), 100.0);
}

} // namespace
} // namespace shell
