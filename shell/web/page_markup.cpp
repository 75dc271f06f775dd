// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_markup.h"

#include "web_text.h"

#include <cstdio>
#include <string_view>

namespace web {
namespace {

using shell::Alignment;
using shell::Control;
using shell::Group;
using shell::Input;
using shell::Kind;
using shell::Layout;

// Screens up to this many pixels wide or high are asked about.
constexpr int kLargestScreen = 1 << 14;

// The smallest value from 0 up for which holds(value) is true, for a
// condition that, once true, stays true.
template <typename Condition> int smallest(Condition&& holds) {
    int low = 0, high = kLargestScreen;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (holds(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Twips at the page's resolution, --dpi dots per inch, in whole pixels
// rounded as shell::pixels rounds: half a pixel up. A sum of twips and
// dots is a whole multiple of 1/1440 of a pixel, so the tiny extra above a
// half never rounds another value up; it keeps an exact half from falling
// below it by the browser's arithmetic.
std::string scaled(std::string_view twips) {
    return "round(down,calc(var(--dpi)*" + std::string(twips) + "*1px/1440 + .5002px),1px)";
}

std::string escaped(std::u16string_view text) {
    std::string result;
    for (const char c : utf8(text)) {
        if (c == '&')
            result += "&amp;";
        else if (c == '<')
            result += "&lt;";
        else if (c == '"')
            result += "&quot;";
        else
            result += c;
    }
    return result;
}

std::string colourOf(const shell::Colour& colour) {
    return colour.fixed ? cssColour(*colour.fixed) : systemColour(colour.role);
}

// A control's looks at --dpi: its font, edge, padding, alignment and
// colours. A text colour fixed on a fixed background is moved here, as the
// program moves it; one from the scheme is moved by the program once it
// runs, which knows the scheme's colours.
std::string looksOf(const Group& group) {
    std::string css = "font:" + std::string(group.bold ? "bold " : "") + "calc(var(--dpi)*" +
                      number(group.points) + "pt/96) \"" + kShippedFont + "\"," + kLocalFonts +
                      ";text-align:" + (group.alignment == Alignment::Centre ? "center" : "left");
    if (group.kind == Kind::Label) {
        // Until the program has fitted a caption a little too wide for its
        // label at the label's own size, all of it shows, over the green
        // beside the label.
        css += ";padding:0;line-height:normal;border:0;overflow:visible";
    } else {
        css += ";padding:0 calc(var(--unit)*" + std::to_string(kTextPaddingPixels) +
               "px);border:calc(var(--unit)*" + std::to_string(edgeWidth(group)) +
               "px) solid ButtonBorder;border-radius:0";
    }
    css += ";background:" + colourOf(group.background) + ";color:";
    const shell::Colour text = shell::textColour(group);
    if (text.fixed && group.background.fixed)
        css += cssColour(shell::readableText(group, *text.fixed, *group.background.fixed));
    else
        css += colourOf(text);
    return css;
}

// The window's size and the controls' places in a layout, as custom
// properties in twips.
std::string placesIn(Layout layout) {
    const shell::Size size = shell::clientSize(layout);
    std::string css = "#Form1{--width:" + std::to_string(size.width) +
                      ";--height:" + std::to_string(size.height) + "}\n";
    for (const Control& control : shell::controls()) {
        const shell::Place place = control.placeIn(layout);
        if (layout == Layout::Narrow && place.left == control.left && place.top == control.top)
            continue;
        css += "#" + std::string(control.name) + "{--left:" + std::to_string(place.left) +
               ";--top:" + std::to_string(place.top) + "}\n";
    }
    return css;
}

// The resolutions of a layout at which it fills a viewport, each from the
// smallest viewport at which the window's own rule picks it.
std::string scalesOf(Layout layout, const std::string& within) {
    std::string css;
    for (int dotsPerInch = 97; dotsPerInch <= 3 * 96; ++dotsPerInch) {
        const int width = smallest([&](int w) {
            return shell::fittingDotsPerInch(layout, w, kLargestScreen) >= dotsPerInch;
        });
        const int height = smallest([&](int h) {
            return shell::fittingDotsPerInch(layout, kLargestScreen, h) >= dotsPerInch;
        });
        if (layout == Layout::Narrow && shell::layoutFor(width) != Layout::Narrow) break;
        css += "@media " + within + "(width>=" + std::to_string(width) +
               "px) and (height>=" + std::to_string(height) +
               "px){#Form1{--dpi:" + std::to_string(dotsPerInch) + "}}\n";
    }
    return css;
}

} // namespace

int edgeWidth(const Group& group) { return shell::hasEdge(group) ? 1 : 0; }

const char* systemColour(shell::ColourRole role) {
    switch (role) {
    case shell::ColourRole::WindowBackground:
        return "Field";
    case shell::ColourRole::WindowText:
        return "FieldText";
    case shell::ColourRole::ButtonFace:
        return "ButtonFace";
    case shell::ColourRole::ButtonText:
        return "ButtonText";
    case shell::ColourRole::MenuText:
        return "CanvasText";
    case shell::ColourRole::ActiveTitleBar:
        return "Highlight";
    case shell::ColourRole::DisabledText:
        return "GrayText";
    case shell::ColourRole::Highlight:
        return "Highlight";
    case shell::ColourRole::ControlEdge:
        return "ButtonBorder";
    }
    return "CanvasText";
}

std::string cssColour(shell::Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

std::string cssFont(double points, bool bold) {
    return std::string(bold ? "bold " : "") + number(points) + "pt \"" + kShippedFont + "\", " +
           kLocalFonts;
}

std::string windowStyle() {
    // The window at 100 % until a rule below finds a larger scale that fits;
    // edges, paddings and frames are whole pixels, one at 100 %.
    std::string css =
        "#Form1{--dpi:96;--unit:round(down,calc(var(--dpi)/96),1);position:relative;flex:none;"
        "width:" +
        scaled("var(--width)") + ";height:" + scaled("var(--height)") +
        ";background:" + cssColour(shell::kLightGreen) +
        ";font:" + cssFont(shell::kWindowPoints, false) +
        "}\n"
        "#Form1>:where(.control){position:absolute;box-sizing:border-box;margin:0;overflow:hidden;"
        "white-space:pre;left:" +
        scaled("var(--left)") + ";top:" + scaled("var(--top)") +
        ";width:" + scaled("var(--across)") + ";height:" + scaled("var(--down)") +
        "}\n"
        "#Form1 :is(input,button){outline:none}\n"
        "#Form1 :focus{outline:calc(var(--unit)*2px) solid Highlight;"
        "outline-offset:calc(var(--unit)*1px)}\n";
    for (const Control& control : shell::controls())
        css += "#" + std::string(control.name) + "{--across:" + std::to_string(control.width) +
               ";--down:" + std::to_string(control.height) + ";" + looksOf(*control.group) + "}\n";
    css += placesIn(Layout::Wide) + scalesOf(Layout::Wide, "");
    // A screen too narrow for the wide window at 100 %.
    const int wide = smallest([](int w) { return shell::layoutFor(w) == Layout::Wide; });
    const std::string narrow = "(width<" + std::to_string(wide) + "px) and ";
    css += "@media (width<" + std::to_string(wide) + "px){\n" + placesIn(Layout::Narrow) + "}\n";
    css += scalesOf(Layout::Narrow, narrow);
    return css;
}

std::string windowMarkup() {
    std::string html = "<div id=\"Form1\">\n";
    const Control* first = &shell::startFocus();
    for (const Control& control : shell::controls()) {
        const Group& group = *control.group;
        std::string tag = group.kind == Kind::Label    ? (group.heading ? "h1" : "div")
                          : group.kind == Kind::Button ? "button"
                                                       : "input";
        html += "<" + tag + " id=\"" + std::string(control.name) + "\" class=\"control\"";
        // Tab indexes from 1, as the browser's Tab order counts them: 0
        // would put a control after all the others.
        if (shell::takesFocus(group))
            html += " tabindex=\"" + std::to_string(control.tabIndex + 1) + "\"";
        if (&control == first) html += " autofocus";
        // A label's spoken name is its caption.
        if (group.kind != Kind::Label)
            html += " aria-label=\"" + escaped(control.spokenName()) + "\"";
        if (group.kind == Kind::TextBox) {
            html +=
                " type=\"text\" autocomplete=\"off\" spellcheck=\"false\" autocapitalize=\"off\"";
            if (const std::size_t limit = exercise::maximumLength(*control.box); limit > 0)
                html += " maxlength=\"" + std::to_string(limit) + "\"";
            if (const auto text = exercise::initialText(*control.box); !text.empty())
                html += " value=\"" + escaped(text) + "\"";
            if (group.input == Input::ReadOnly) html += " readonly";
            if (group.input == Input::Disabled) html += " disabled";
            html += ">\n";
            continue;
        }
        if (group.kind == Kind::Button) html += " type=\"button\"";
        html += ">";
        // A caption of several lines, each a block of its own, so that a
        // caption written down a button reads as the word it is ("ALLES"),
        // to a screen reader and to speech control alike.
        const std::u16string_view caption = control.caption;
        if (caption.find(u'\n') == std::u16string_view::npos) {
            html += escaped(caption);
        } else {
            std::u16string_view rest = caption;
            while (true) {
                const std::size_t end = rest.find(u'\n');
                html += "<span style=\"display:block\">" + escaped(rest.substr(0, end)) + "</span>";
                if (end == std::u16string_view::npos) break;
                rest.remove_prefix(end + 1);
            }
        }
        html += "</" + tag + ">\n";
    }
    return html + "</div>";
}

} // namespace web
