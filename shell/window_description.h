// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window, described once for every toolkit that draws it: its size and
// place, its 26 controls with their places, captions, tab order, spoken
// names and handlers, the looks of each group of controls, and the colours,
// fixed or taken from the desktop's colour scheme by role. Each platform's
// window turns this description into its own controls and events; nothing
// here knows a toolkit.
#pragma once

#include "colour.h"
#include "contrast.h"
#include "exercise/arithmetic.h"
#include "exercise/window.h"
#include "text_fit.h"

#include <exception>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shell {

// ---------------------------------------------------------------------------
// The window

// Positions and sizes are in twips, 1440 to the inch: 15 to a pixel at 96
// dots per inch.
[[nodiscard]] constexpr int pixels(int twips, int dotsPerInch = 96) {
    const double exact = static_cast<double>(twips) * dotsPerInch / 1440.0;
    return static_cast<int>(exact + 0.5); // never negative here
}

inline constexpr std::u16string_view kWindowTitle = u"Cijferwerf";
inline constexpr int kClientWidth = 6735;
inline constexpr int kClientHeight = 4290;
// The client area's top-left corner on the screen.
inline constexpr int kScreenLeft = 3060;
inline constexpr int kScreenTop = 3735;
// The window's size for a screen narrower than the window (a phone held
// upright): the sums' column stands under the rows, below OPNIEUW.
inline constexpr int kNarrowClientWidth = 4600;
inline constexpr int kNarrowClientHeight = 6570;
inline constexpr std::u16string_view kFontFace = u"Arial";
inline constexpr double kWindowPoints = 8.25;

// ---------------------------------------------------------------------------
// Colours

inline constexpr Rgb kLightGreen = 0x80FF80;
inline constexpr Rgb kBrightGreen = 0x00FF00;
inline constexpr Rgb kRed = 0xFF0000;

// The desktop colour scheme's roles that the window takes colours from.
enum class ColourRole {
    WindowBackground,
    WindowText,
    ButtonFace,
    ButtonText,
    MenuText,
    ActiveTitleBar,
    // What the scheme writes the text of a control that takes no input in.
    DisabledText,
    // What it marks a selection with, and the window the focus.
    Highlight,
    // What it draws the edge of a box or a button in.
    ControlEdge
};

// A colour is fixed, or the one that the desktop's scheme gives a role.
struct Colour {
    std::optional<Rgb> fixed;
    ColourRole role = ColourRole::WindowBackground;
};

[[nodiscard]] constexpr Colour fixedColour(Rgb rgb) { return {rgb, ColourRole::WindowBackground}; }
[[nodiscard]] constexpr Colour roleColour(ColourRole role) { return {std::nullopt, role}; }

// The least contrast of a text on its background (level AA of the web's
// accessibility guidelines; every text of the window is below their large
// sizes of 14 pt bold and 18 pt, the heading too), and of a focus frame.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kFrameContrast = 3.0;

// ---------------------------------------------------------------------------
// Groups of controls

enum class Kind { Label, Button, TextBox };
// Labels stand at the top of their place; boxes and buttons in its middle.
enum class Alignment { Left, Centre };
enum class Edge { Sunken, Flat };
// A box the pupil types into, one that shows text the pupil can select but
// not change, or one that never takes the focus.
enum class Input { Typing, ReadOnly, Disabled };

// The looks and behaviour that the controls of one group share. The text
// colour is moved where it must be to reach leastContrast on the
// background.
struct Group {
    Kind kind;
    double points;
    bool bold;
    Colour background;
    Colour foreground;
    double leastContrast;
    Alignment alignment;
    Edge edge = Edge::Sunken;
    Input input = Input::Typing;
    // A label that heads the window, for those who find their way through a
    // window by its headings; where the toolkit can say so.
    bool heading = false;
};

// The colour a control of the group writes its text in, given its text
// colour, fixed or as the desktop's scheme resolves it (for a disabled box,
// the scheme's disabled text colour), and the background as it is painted:
// moved to reach the group's least contrast, in the same hue. The notice's
// fixed red stays red and only darkens.
[[nodiscard]] Rgb readableText(const Group& group, Rgb text, Rgb background);

// The colour a control of the group writes its text in, before it is made
// readable: its own, but for a box that takes no input, which writes in the
// scheme's disabled text colour whatever colour it is described with.
[[nodiscard]] constexpr Colour textColour(const Group& group) {
    return group.input == Input::Disabled ? roleColour(ColourRole::DisabledText) : group.foreground;
}

// The colour of the frame that marks the focus, in every window: the
// scheme's highlight colour, moved until it stands out both from the
// control it marks and from the window around it, between which it lies.
[[nodiscard]] Rgb focusFrame(Rgb highlight, Rgb control, Rgb window = kLightGreen);

// Whether a control has an edge of its own: a button, and a sunken box.
[[nodiscard]] constexpr bool hasEdge(const Group& group) {
    return group.kind != Kind::Label && group.edge == Edge::Sunken;
}

// The colour of that edge, in every window: the scheme's edge colour, moved
// until the control's outline stands out from the window around it, as the
// web's accessibility guidelines ask of the boundary of a control.
[[nodiscard]] inline Rgb edgeColour(Rgb edge, Rgb window = kLightGreen) {
    return readableOn(edge, window, kFrameContrast);
}

// The room a text may fill in a control of the kind, from the width inside
// its edge: all of a label's; a button's or a box's less its text edge and a
// pixel for ink on each side.
[[nodiscard]] constexpr double roomFor(Kind kind, int insideWidth) {
    return kind == Kind::Label ? roomInside(insideWidth, 0) : roomInside(insideWidth);
}

// Whether a control of the group can take the focus: buttons, and boxes
// other than the disabled ones. A hidden one cannot, whatever its group.
[[nodiscard]] constexpr bool takesFocus(const Group& group) {
    return group.kind == Kind::Button ||
           (group.kind == Kind::TextBox && group.input != Input::Disabled);
}

// The window's events that go to a command: a button's click.
enum class Click { None, All, Sum, Difference, Product, Quotient, Reset };

// Where the characters typed into a control go: to the control alone, or
// first to the operand boxes' key-press handler (whose Enter computes) and
// then to the control.
enum class Keys { Own, Operand };

// The two ways the window stands: as on the desktop, and narrow, for a
// screen narrower than the window at 100 %, with the sums' column folded
// under the rows. Every control keeps its size, looks, name and tab index.
enum class Layout { Wide, Narrow };

struct Place {
    int left, top;
};

// One control: its name, group, place in twips, caption (for a box, none:
// its starting text comes from the logic), tab index, spoken name (the
// caption when none), the box it is, where its click goes, its place in the
// narrow window where that differs, and where the keys typed into it go.
struct Control {
    std::string_view name;
    const Group* group;
    int left, top, width, height;
    std::u16string_view caption;
    int tabIndex;
    std::u16string_view accessibleName;
    std::optional<exercise::Box> box;
    Click click = Click::None;
    std::optional<Place> narrow = {};
    Keys keys = Keys::Own;

    [[nodiscard]] std::u16string_view spokenName() const {
        return accessibleName.empty() ? caption : accessibleName;
    }
    [[nodiscard]] Place placeIn(Layout layout) const {
        return layout == Layout::Narrow && narrow ? *narrow : Place{left, top};
    }
};

struct Size {
    int width, height;
};
[[nodiscard]] constexpr Size clientSize(Layout layout) {
    return layout == Layout::Wide ? Size{kClientWidth, kClientHeight}
                                  : Size{kNarrowClientWidth, kNarrowClientHeight};
}

// How a window that scales to its screen stands on one of width by height
// pixels: wide where the wide window fits the width at 100 %, else narrow.
[[nodiscard]] constexpr Layout layoutFor(int width) {
    return width >= pixels(kClientWidth) ? Layout::Wide : Layout::Narrow;
}

// The resolution at which the window in a layout fills such a screen: the
// largest, from 96 dots per inch (100 %) to three times that, at which all
// of it fits, every place and size in whole pixels; 96 where none does, and
// the page scrolls.
[[nodiscard]] constexpr int fittingDotsPerInch(Layout layout, int width, int height) {
    const Size size = clientSize(layout);
    int dotsPerInch = 3 * 96;
    while (dotsPerInch > 96 &&
           (pixels(size.width, dotsPerInch) > width || pixels(size.height, dotsPerInch) > height))
        --dotsPerInch;
    return dotsPerInch;
}

// The 26 controls, in the order of the description.
[[nodiscard]] std::span<const Control> controls();

// A control's row in the description, from 0.
[[nodiscard]] inline std::size_t rowOf(const Control& control) {
    return static_cast<std::size_t>(&control - controls().data());
}

// The 26 controls by tab index: the order in which Tab moves the focus over
// those that take it, and the order in which a window makes its controls.
[[nodiscard]] std::span<const Control* const> tabOrder();

// The control that has the focus when the window opens: the first in tab
// order that takes it.
[[nodiscard]] const Control& startFocus();

// The control that is a box.
[[nodiscard]] const Control& controlOf(exercise::Box box);

} // namespace shell
