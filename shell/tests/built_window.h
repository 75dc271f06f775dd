// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a window built, as its test reads it back from the toolkit, and the
// one check of it against the description that every window's test runs:
// each control's place and size at the window's resolution, its text, font,
// input, maximum length, spoken name and colours, and the order in which
// Tab and Shift+Tab move the focus. Header only, so that the Qt tests, the
// Windows driver and the page's description tool all build it.
#pragma once

#include "window_description.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace shell::testing {

// A colour as the window's scheme gives it, translucent in some browsers.
struct SchemeColour {
    Rgb rgb = 0;
    double alpha = 1;
};

struct BuiltControl {
    std::string name;
    // In pixels, in the window's client area.
    int left = 0, top = 0, width = 0, height = 0;
    // Its caption, or a box's text as the window opened; where read.
    std::optional<std::u16string> text;
    // The font, where the test can read it: the face asked for, and the
    // size in points at the window's resolution.
    std::u16string face;
    std::optional<double> points;
    std::optional<bool> bold;
    // A box's input, and its maximum length (0 for none) where the test can
    // read it; no input for a label or a button.
    std::optional<Input> input;
    std::optional<std::size_t> limit;
    // Where the test reads them: a box's edge and the side its text keeps to.
    std::optional<Edge> edge;
    std::optional<Alignment> alignment;
    // Where the test reads them: what a screen reader is told, and the
    // colours the control is filled and written with.
    std::optional<std::u16string> spoken;
    std::optional<Rgb> background, foreground;
    // The frame that marks the focus and the control's edge, where the
    // test reads their colours.
    std::optional<Rgb> frame, edgeColour;
};

struct BuiltWindow {
    int dotsPerInch = 96;
    // How far a font's size may be from the one asked for: a window that
    // sizes its fonts in whole pixels is up to half a pixel off.
    double pointsSlack = 0.01;
    Layout layout = Layout::Wide;
    // The client area's size; 0 where it is not the window's own doing.
    int width = 0, height = 0;
    std::vector<BuiltControl> controls;
    // The control that had the focus as the window opened, where read.
    std::optional<std::string> startFocus;
    // The control with the focus before and after each press of Tab, and of
    // Shift+Tab; empty where not walked.
    std::vector<std::string> tabWalk, backTabWalk;
    // The scheme's colour of each role, where the colours are read.
    std::map<ColourRole, SchemeColour> scheme;
};

namespace detail {

// A text for a message: what is not ASCII as \uXXXX, a line break as \n.
inline std::string printable(std::u16string_view text) {
    std::string result;
    for (const char16_t c : text) {
        char escaped[8] = "\\n";
        if (c != u'\n') std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned{c});
        result += c >= 0x20 && c < 0x80 ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return result;
}

inline std::string hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour));
    return text;
}

template <typename T> std::string shown(const T& value) {
    if constexpr (std::is_same_v<T, std::u16string>)
        return '"' + printable(value) + '"';
    else if constexpr (std::is_same_v<T, std::string>)
        return value;
    else
        return std::to_string(value);
}

} // namespace detail

// Every way in which the built window differs from the description, one
// line each; none when it is built as described.
[[nodiscard]] inline std::vector<std::string> differences(const BuiltWindow& built) {
    std::vector<std::string> found;
    const auto expect = [&found](const std::string& what, const auto& seen, const auto& wanted) {
        if (!(seen == wanted))
            found.push_back(what + ": " + detail::shown(seen) + ", described " +
                            detail::shown(wanted));
    };
    const int dpi = built.dotsPerInch;
    const Size size = clientSize(built.layout);
    if (built.width != 0) {
        expect("window width", built.width, pixels(size.width, dpi));
        expect("window height", built.height, pixels(size.height, dpi));
    }
    // Every control once: none missing, none twice.
    for (const Control& control : controls()) {
        std::size_t seen = 0;
        for (const BuiltControl& other : built.controls)
            seen += other.name == control.name ? 1 : 0;
        expect(std::string(control.name) + " built", seen, std::size_t{1});
    }

    const auto schemeColour = [&](const Colour& colour, Rgb under) -> std::optional<Rgb> {
        if (colour.fixed) return colour.fixed;
        const auto known = built.scheme.find(colour.role);
        if (known == built.scheme.end()) return std::nullopt;
        return laidOver(known->second.rgb, known->second.alpha, under);
    };
    for (const BuiltControl& seen : built.controls) {
        const Control* described = nullptr;
        for (const Control& control : controls())
            if (control.name == seen.name) described = &control;
        if (!described) {
            found.push_back(seen.name + ": not in the description");
            continue;
        }
        const Control& control = *described;
        const Group& group = *control.group;
        const std::string& name = seen.name;
        const Place place = control.placeIn(built.layout);
        expect(name + " left", seen.left, pixels(place.left, dpi));
        expect(name + " top", seen.top, pixels(place.top, dpi));
        expect(name + " width", seen.width, pixels(control.width, dpi));
        expect(name + " height", seen.height, pixels(control.height, dpi));
        if (seen.text)
            expect(name + " text", *seen.text,
                   std::u16string(control.box ? exercise::initialText(*control.box)
                                              : control.caption));
        if (!seen.face.empty()) expect(name + " face", seen.face, std::u16string(kFontFace));
        // Its own size or, where the text would not fit at it, a smaller one
        // down to seven points.
        const double slack = built.pointsSlack;
        if (seen.points && (*seen.points > group.points + slack || *seen.points < 7 - slack))
            found.push_back(name + " font of " + std::to_string(*seen.points) +
                            " points, described " + std::to_string(group.points) + " down to 7");
        if (seen.bold) expect(name + " bold", *seen.bold, group.bold);
        expect(name + " is a box", seen.input.has_value(), control.box.has_value());
        if (seen.input && control.box) {
            expect(name + " input", static_cast<int>(*seen.input), static_cast<int>(group.input));
            if (seen.limit)
                expect(name + " maximum length", *seen.limit,
                       exercise::maximumLength(*control.box));
        }
        if (seen.edge)
            expect(name + " edge", static_cast<int>(*seen.edge), static_cast<int>(group.edge));
        if (seen.alignment)
            expect(name + " alignment", static_cast<int>(*seen.alignment),
                   static_cast<int>(group.alignment));
        if (seen.spoken)
            expect(name + " spoken name", *seen.spoken, std::u16string(control.spokenName()));

        // Where the colours are read, all of them are.
        if (!built.scheme.empty() && !(seen.background && seen.foreground)) {
            found.push_back(name + ": its colours not read");
            continue;
        }
        if (!seen.background) continue;
        const auto background = schemeColour(group.background, kLightGreen);
        if (background)
            expect(name + " background", detail::hex(*seen.background), detail::hex(*background));
        const auto text = schemeColour(textColour(group), *seen.background);
        if (text && seen.foreground)
            expect(name + " text colour", detail::hex(*seen.foreground),
                   detail::hex(readableText(group, *text, *seen.background)));
        const auto edge = schemeColour(roleColour(ColourRole::ControlEdge), kLightGreen);
        if (edge && seen.edgeColour && hasEdge(group))
            expect(name + " edge colour", detail::hex(*seen.edgeColour),
                   detail::hex(shell::edgeColour(*edge)));
        const auto highlight = schemeColour(roleColour(ColourRole::Highlight), kLightGreen);
        if (highlight && seen.frame)
            expect(name + " focus frame", detail::hex(*seen.frame),
                   detail::hex(focusFrame(*highlight, *seen.background)));
    }

    if (built.startFocus)
        expect("focus at the start", *built.startFocus, std::string(startFocus().name));
    // Tab goes by tab index over the controls that take the focus, and
    // after the last comes the first; Shift+Tab the other way.
    std::vector<std::string> order;
    for (const Control* control : tabOrder())
        if (takesFocus(*control->group)) order.emplace_back(control->name);
    for (const auto& [walk, forward] :
         {std::pair{&built.tabWalk, true}, std::pair{&built.backTabWalk, false}}) {
        if (walk->empty()) continue;
        std::size_t at = 0;
        while (at < order.size() && order[at] != walk->front())
            ++at;
        if (at == order.size()) {
            found.push_back("a walk from " + walk->front() + ", which takes no focus");
            continue;
        }
        for (std::size_t step = 1; step < walk->size(); ++step) {
            at = (at + (forward ? 1 : order.size() - 1)) % order.size();
            expect("focus after " + std::to_string(step) + (forward ? " Tab" : " Shift+Tab") +
                       " from " + walk->front(),
                   (*walk)[step], order[at]);
        }
    }
    return found;
}

// The walk that a test takes to see the whole tab order: one press for each
// control that takes the focus, back to the first.
[[nodiscard]] inline std::size_t tabStops() {
    std::size_t stops = 0;
    for (const Control& control : controls())
        stops += takesFocus(*control.group) ? 1 : 0;
    return stops;
}

} // namespace shell::testing
