// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "contrast.h"
#include "text_fit.h"
#include "web_text.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

using emscripten::val;
using exercise::Box;

namespace {

using shell::Alignment;
using shell::Edge;
using shell::Group;
using shell::Input;
using shell::Kind;

// The font the page ships, the same in every browser, metric-compatible with
// the window's own; the window's own where a character is missing from it.
constexpr char kShippedFont[] = "Cijferwerf Sans";

// Text stands this far inside the edge of a box or a button, as in the
// desktop windows.
constexpr int kTextPaddingPixels = 1;

// The width of a control's edge: a sunken box or a button has one.
int edgeWidth(const Group& group) {
    return group.kind != Kind::Label && group.edge == Edge::Sunken ? 1 : 0;
}

// The browser's colours for the desktop's colour roles: CSS system colours,
// which follow the light or dark scheme the user prefers.
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
    }
    return "CanvasText";
}

std::string cssColour(shell::Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

std::string px(int pixels) { return std::to_string(pixels) + "px"; }

std::string cssFont(double points, bool bold) {
    char size[32];
    std::snprintf(size, sizeof size, "%gpt", points);
    return std::string(bold ? "bold " : "") + size + " \"" + kShippedFont + "\", " +
           web::utf8(shell::kFontFace) + ", sans-serif";
}

std::string cssFont(const Group& group, double points) { return cssFont(points, group.bold); }

// A control's row in the description.
std::size_t rowOf(const shell::Control& control) {
    return static_cast<std::size_t>(&control - shell::controls().data());
}

// A colour as the page paints it now: a CSS colour resolved by the browser
// through a probe element, which inherits the page's colour scheme.
class ColourProbe {
public:
    explicit ColourProbe(const val& document)
        : probe_(document.call<val>("createElement", std::string("span"))) {
        probe_.call<void>("setAttribute", std::string("hidden"), std::string(""));
        document["body"].call<void>("append", probe_);
    }
    ~ColourProbe() { probe_.call<void>("remove"); }
    ColourProbe(const ColourProbe&) = delete;
    ColourProbe& operator=(const ColourProbe&) = delete;

    shell::Rgb operator()(const std::string& css) {
        if (const auto known = resolved_.find(css); known != resolved_.end()) return known->second;
        probe_["style"].set("color", css);
        const std::string computed =
            val::global("getComputedStyle")(probe_)["color"].as<std::string>();
        unsigned r = 0, g = 0, b = 0;
        shell::Rgb rgb = 0;
        if (std::sscanf(computed.c_str(), "rgb%*[a(] %u , %u , %u", &r, &g, &b) == 3)
            rgb = static_cast<shell::Rgb>(r << 16 | g << 8 | b);
        return resolved_[css] = rgb;
    }
    shell::Rgb operator()(const shell::Colour& colour) {
        return colour.fixed ? *colour.fixed : (*this)(systemColour(colour.role));
    }

private:
    val probe_;
    // Each colour asked once: asking the browser costs a style update.
    std::map<std::string, shell::Rgb> resolved_;
};

// The width of the widest line of a text in the group's font at a size, in
// CSS pixels, as the browser measures it.
double widestLine(val context, const Group& group, double points,
                  const std::vector<std::string>& lines) {
    context.set("font", cssFont(group, points));
    double widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, context.call<val>("measureText", line)["width"].as<double>());
    return widest;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

val handler(const char* name, int row) {
    return val::module_property(name).call<val>("bind", val::null(), row);
}

val create(const val& document, const char* tag) {
    return document.call<val>("createElement", std::string(tag));
}

// A caption, each of its lines a block of its own, so that a caption written
// down a button reads as the word it is ("ALLES"), to a screen reader and to
// speech control alike.
void setCaption(const val& document, val element, std::u16string_view caption) {
    const std::vector<std::string> lines = linesOf(web::utf8(caption));
    if (lines.size() == 1) {
        element.set("textContent", lines.front());
        return;
    }
    for (const std::string& line : lines) {
        val block = create(document, "span");
        block["style"].set("display", std::string("block"));
        block.set("textContent", line);
        element.call<void>("append", block);
    }
}

// One control's element at its place, with its caption, limit, state and
// spoken name.
val createControl(const val& document, const shell::Control& control, int row) {
    const Group& group = *control.group;
    val element = val::null();
    switch (group.kind) {
    case Kind::Label:
        element = create(document, group.heading ? "h1" : "div");
        setCaption(document, element, control.caption);
        break;
    case Kind::Button:
        element = create(document, "button");
        element.set("type", std::string("button"));
        setCaption(document, element, control.caption);
        element.call<void>("addEventListener", std::string("click"),
                           handler("cijferwerfClick", row));
        break;
    case Kind::TextBox: {
        element = create(document, "input");
        element.set("type", std::string("text"));
        element.set("autocomplete", std::string("off"));
        element.set("spellcheck", false);
        element.call<void>("setAttribute", std::string("autocapitalize"), std::string("off"));
        if (const std::size_t limit = exercise::maximumLength(*control.box); limit > 0)
            element.set("maxLength", static_cast<int>(limit));
        element.set("value", web::utf8(exercise::initialText(*control.box)));
        element.set("readOnly", group.input == Input::ReadOnly);
        element.set("disabled", group.input == Input::Disabled);
        element.call<void>("addEventListener", std::string("input"),
                           handler("cijferwerfInput", row));
        if (control.box == Box::Text1 || control.box == Box::Text2)
            element.call<void>("addEventListener", std::string("keydown"),
                               handler("cijferwerfKeyDown", row));
        break;
    }
    }
    element.set("id", std::string(control.name));
    // Tab indexes from 1, as the browser's Tab order counts them: 0 would
    // put a control after all the others.
    if (shell::takesFocus(group)) element.set("tabIndex", control.tabIndex + 1);
    // A label's spoken name is its caption.
    if (group.kind != Kind::Label)
        element.call<void>("setAttribute", std::string("aria-label"),
                           web::utf8(control.spokenName()));

    // The control's place and looks, in one go.
    std::string css =
        "position:absolute;box-sizing:border-box;margin:0;overflow:hidden;white-space:pre;";
    css += "left:" + px(shell::pixels(control.left)) + ";top:" + px(shell::pixels(control.top)) +
           ";width:" + px(shell::pixels(control.width)) +
           ";height:" + px(shell::pixels(control.height)) +
           ";font:" + cssFont(group, group.points) +
           ";text-align:" + (group.alignment == Alignment::Centre ? "center;" : "left;");
    if (group.kind == Kind::Label)
        css += "padding:0;line-height:normal;";
    else
        css += "padding:0 " + px(kTextPaddingPixels) + ";border:" + px(edgeWidth(group)) +
               " solid;border-radius:0;";
    element["style"].set("cssText", css);
    return element;
}

} // namespace

Form1::Form1(const exercise::RegionalSettings& settings, val parent)
    : Form1Events(settings), document_(val::global("document")),
      dialog_(create(document_, "dialog")), dialogTitle_(create(document_, "h2")),
      dialogText_(create(document_, "p")), dialogIcon_(create(document_, "div")),
      focusStyle_(create(document_, "style")) {
    document_["head"].call<void>("append", focusStyle_);

    val window = parent;
    window.set("id", std::string("Form1"));
    val style = window["style"];
    style.set("position", std::string("relative"));
    style.set("width", px(shell::pixels(shell::kClientWidth)));
    style.set("height", px(shell::pixels(shell::kClientHeight)));
    style.set("background", cssColour(shell::kLightGreen));
    style.set("font", cssFont(shell::kWindowPoints, false));

    // The controls stand in the page in the description's order, from the
    // heading down, which is the order a screen reader reads them in; Tab
    // follows their tab indexes.
    elements_.reserve(shell::controls().size());
    for (const shell::Control& control : shell::controls()) {
        elements_.push_back(createControl(document_, control, static_cast<int>(rowOf(control))));
        window.call<void>("append", elements_.back());
    }

    // The message: a modal dialog with its title, a stop icon, the text and
    // one OK button, which has the focus. Enter presses it and Escape closes
    // the dialog too; the focus then returns where it was.
    dialog_.set("id", std::string("message"));
    dialog_.call<void>("setAttribute", std::string("aria-labelledby"),
                       std::string("message-title"));
    dialog_.call<void>("setAttribute", std::string("aria-describedby"),
                       std::string("message-text"));
    dialogTitle_.set("id", std::string("message-title"));
    dialogText_.set("id", std::string("message-text"));
    dialogIcon_.set("className", std::string("stop-icon"));
    dialogIcon_.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    dialogIcon_.set("innerHTML",
                    std::string("<svg viewBox=\"0 0 32 32\" width=\"32\" height=\"32\">"
                                "<circle cx=\"16\" cy=\"16\" r=\"15\" fill=\"#C50F1F\"/>"
                                "<path d=\"M10 10L22 22M22 10L10 22\" stroke=\"#FFFFFF\" "
                                "stroke-width=\"3.5\" stroke-linecap=\"round\"/></svg>"));
    val form = create(document_, "form");
    form.set("method", std::string("dialog"));
    val ok = create(document_, "button");
    ok.set("textContent", std::string("OK"));
    ok.set("autofocus", true);
    form.call<void>("append", ok);
    val body = create(document_, "div");
    body.set("className", std::string("message-body"));
    body.call<void>("append", dialogIcon_, dialogText_);
    dialog_.call<void>("append", dialogTitle_, body, form);
    document_["body"].call<void>("append", dialog_);

    applyColours();
    fitAll();
}

// ---------------------------------------------------------------------------
// Window operations

val Form1::box(Box which) const { return elements_[rowOf(shell::controlOf(which))]; }

std::u16string Form1::text(Box which) const {
    return web::utf16(box(which)["value"].as<std::wstring>());
}

// The box keeps at most its maximum length, as one the pupil types into
// does; the page's limit holds for typing only. The start of a text wider
// than its box shows, where the significant digits are.
void Form1::setText(Box which, std::u16string_view text) {
    if (const std::size_t limit = exercise::maximumLength(which); limit > 0 && text.size() > limit)
        text = text.substr(0, limit);
    val element = box(which);
    element.set("value", web::wide(text));
    element.set("scrollLeft", 0);
    fit(rowOf(shell::controlOf(which)));
}

// A hidden box keeps its place and its text, and takes no focus.
void Form1::setAnswerVisible(Box which, bool visible) {
    if (!exercise::isAnswerBox(which)) return;
    box(which)["style"].set("visibility", std::string(visible ? "visible" : "hidden"));
}

// The dialog is modal, but the page does not wait for it to close: showing a
// message is always the last step of a command, so nothing is left to do
// after it.
void Form1::showMessage(std::u16string_view prompt, std::u16string_view title, int style) {
    dialogTitle_.set("textContent", web::utf8(title));
    dialogText_.set("textContent", web::utf8(prompt));
    dialogIcon_.set("hidden", !exercise::showsStopIcon(style));
    if (!dialog_["open"].as<bool>()) dialog_.call<void>("showModal");
}

// ---------------------------------------------------------------------------
// Events

void Form1::clicked(int row) { click(shell::controls()[static_cast<std::size_t>(row)].click); }

// Every key that produces a character in an operand box is handed to its
// handler before the box takes it, Enter as 13 and Backspace as 8; the key
// then goes on unchanged. A key that opened a message goes no further, so
// that it does not also press the message's button.
void Form1::keyDown(int row, val event) {
    if (event["isComposing"].as<bool>()) return;
    const std::u16string key = web::utf16(event["key"].as<std::wstring>());
    char16_t keyAscii = 0;
    if (key == u"Enter")
        keyAscii = 13;
    else if (key == u"Backspace")
        keyAscii = 8;
    else if (key.size() == 1 || web::isSurrogatePair(key))
        keyAscii = key.front();
    if (keyAscii == 0) return;
    const bool wasOpen = dialog_["open"].as<bool>();
    keyPress(*shell::controls()[static_cast<std::size_t>(row)].box, keyAscii);
    if (!wasOpen && dialog_["open"].as<bool>()) event.call<void>("preventDefault");
}

void Form1::typed(int row) { fit(static_cast<std::size_t>(row)); }

// ---------------------------------------------------------------------------
// Fit

// A text shows whole: too wide for its control at the control's own size,
// it is drawn in the largest smaller size that fits, by the window's one
// rule.
void Form1::fit(std::size_t row) {
    const shell::Control& control = shell::controls()[row];
    const Group& group = *control.group;
    val element = elements_[row];
    const bool box = group.kind == Kind::TextBox;
    const std::string text = box ? element["value"].as<std::string>() : web::utf8(control.caption);
    // The room inside the edge and the padding, as the control was made: no
    // layout is asked of the browser.
    const int padding = group.kind == Kind::Label ? 0 : 2 * kTextPaddingPixels;
    const int inside = shell::pixels(control.width) - 2 * edgeWidth(group) - padding;
    const double room =
        group.kind == Kind::Label ? shell::roomInside(inside, 0) : shell::roomInside(inside);
    static val context = create(document_, "canvas").call<val>("getContext", std::string("2d"));
    const std::vector<std::string> lines = linesOf(text);
    const double points = shell::fittingPointSize(
        group.points, room, [&](double size) { return widestLine(context, group, size, lines); });
    element["style"].set("font", cssFont(group, points));
}

void Form1::fitAll() {
    for (std::size_t row = 0; row < elements_.size(); ++row)
        fit(row);
}

// ---------------------------------------------------------------------------
// Colours

// Each control in its group's colours as the page's scheme resolves them,
// the text moved where it must be to stand out; the focus marked by a frame
// in the highlight colour that stands out from the window around it.
void Form1::applyColours() {
    ColourProbe resolve(document_);
    const shell::Rgb highlight = resolve(std::string("Highlight"));
    const shell::Rgb disabledText = resolve(std::string("GrayText"));
    const shell::Rgb edge = resolve(std::string("ButtonBorder"));
    // The browser's own focus ring gives way to the frame, for every control
    // that takes the focus.
    std::string focusRules = "#Form1 :is(input,button){outline:none}";
    for (std::size_t row = 0; row < elements_.size(); ++row) {
        const shell::Control& control = shell::controls()[row];
        const Group& group = *control.group;
        const shell::Rgb background = resolve(group.background);
        const bool disabled = group.input == Input::Disabled && group.kind == Kind::TextBox;
        const shell::Rgb text = shell::readableText(
            group, disabled ? disabledText : resolve(group.foreground), background);
        val style = elements_[row]["style"];
        style.set("backgroundColor", cssColour(background));
        style.set("color", cssColour(text));
        // The edge of a box or a button stands out from the window around it.
        style.set("borderColor",
                  cssColour(shell::readableOn(edge, shell::kLightGreen, shell::kFrameContrast)));
        if (shell::takesFocus(group))
            focusRules += "#" + std::string(control.name) + ":focus{outline:2px solid " +
                          cssColour(shell::focusFrame(highlight, shell::kLightGreen)) +
                          ";outline-offset:1px}";
    }
    focusStyle_.set("textContent", focusRules);
}
