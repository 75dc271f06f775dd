// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "contrast.h"
#include "page_markup.h"
#include "text_fit.h"
#include "web_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

using web::cssColour;
using web::edgeWidth;
using web::kTextPaddingPixels;
using web::systemColour;

std::string px(int pixels) { return std::to_string(pixels) + "px"; }

std::string cssFont(const Group& group, double points) { return web::cssFont(points, group.bold); }

// A colour as the page paints it now: a CSS colour resolved by the browser
// through a probe element, which inherits the page's colour scheme. A
// translucent one (some engines give system colours an alpha) is measured
// and used as it shows: laid over what it is painted on.
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

    shell::Rgb operator()(const std::string& css, shell::Rgb under) {
        const Resolved& resolved = resolve(css);
        return shell::laidOver(resolved.rgb, resolved.alpha, under);
    }
    shell::Rgb operator()(const shell::Colour& colour, shell::Rgb under) {
        return colour.fixed ? *colour.fixed : (*this)(systemColour(colour.role), under);
    }

private:
    struct Resolved {
        shell::Rgb rgb = 0;
        double alpha = 1;
    };
    const Resolved& resolve(const std::string& css) {
        if (const auto known = resolved_.find(css); known != resolved_.end()) return known->second;
        probe_["style"].set("color", css);
        const std::string computed =
            val::global("getComputedStyle")(probe_)["color"].as<std::string>();
        unsigned r = 0, g = 0, b = 0;
        double alpha = 1;
        Resolved resolved;
        if (std::sscanf(computed.c_str(), "rgb%*[a(] %u , %u , %u , %lf", &r, &g, &b, &alpha) >= 3)
            resolved = {static_cast<shell::Rgb>(r << 16 | g << 8 | b), std::clamp(alpha, 0.0, 1.0)};
        return resolved_[css] = resolved;
    }

    val probe_;
    // Each colour asked once: asking the browser costs a style update.
    std::map<std::string, Resolved> resolved_;
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

// The pixels of a window's edges, paddings and frames at a resolution:
// whole pixels, one at 100 %.
int unitAt(int dotsPerInch) { return std::max(1, dotsPerInch / 96); }

// The page's events of one control, handed to the program.
void attach(val element, const shell::Control& control, int row) {
    switch (control.group->kind) {
    case Kind::Label:
        break;
    case Kind::Button:
        element.call<void>("addEventListener", std::string("click"),
                           handler("cijferwerfClick", row));
        break;
    case Kind::TextBox:
        element.call<void>("addEventListener", std::string("input"),
                           handler("cijferwerfInput", row));
        if (control.keys == shell::Keys::Operand)
            for (const auto& [event, name] : {std::pair{"keydown", "cijferwerfKeyDown"},
                                              {"keypress", "cijferwerfKeyPress"},
                                              {"beforeinput", "cijferwerfBeforeInput"},
                                              {"compositionstart", "cijferwerfCompositionStart"},
                                              {"compositionend", "cijferwerfCompositionEnd"}})
                element.call<void>("addEventListener", std::string(event), handler(name, row));
        break;
    }
}

} // namespace

Form1::Form1(const exercise::RegionalSettings& settings, val window)
    : Form1Events(settings), document_(val::global("document")), window_(window),
      dialog_(create(document_, "dialog")), dialogTitle_(create(document_, "h2")),
      dialogText_(create(document_, "p")), dialogIcon_(create(document_, "div")),
      focusStyle_(create(document_, "style")), spoken_(create(document_, "div")) {
    document_["head"].call<void>("append", focusStyle_);
    dotsPerInch_ = pageDotsPerInch();

    // The controls stand in the page as it came, written from the
    // description; they keep what the pupil typed before the program ran.
    elements_.reserve(shell::controls().size());
    for (const shell::Control& control : shell::controls()) {
        elements_.push_back(document_.call<val>("getElementById", std::string(control.name)));
        attach(elements_.back(), control, static_cast<int>(shell::rowOf(control)));
    }

    // What a command did, told to the screen reader without moving the
    // focus and shown to no one.
    spoken_.set("id", std::string("spoken"));
    spoken_["style"].set("cssText", std::string("position:absolute;width:1px;height:1px;"
                                                "margin:-1px;padding:0;border:0;overflow:hidden;"
                                                "clip-path:inset(50%);white-space:nowrap"));
    spoken_.call<void>("setAttribute", std::string("role"), std::string("status"));
    spoken_.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    spoken_.call<void>("setAttribute", std::string("aria-atomic"), std::string("true"));
    document_["body"].call<void>("append", spoken_);

    // The message: a modal dialog with its title, a stop icon, the text and
    // one OK button, which has the focus. Enter presses it and Escape closes
    // the dialog too; the focus then returns where it was. The title and
    // the text are an alert, which a screen reader says as the dialog opens
    // (a modal dialog hides every live region outside it).
    dialog_.set("id", std::string("message"));
    dialog_.call<void>("setAttribute", std::string("role"), std::string("alertdialog"));
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
    val alert = create(document_, "div");
    alert.call<void>("setAttribute", std::string("role"), std::string("alert"));
    alert.call<void>("append", dialogTitle_, body);
    dialog_.call<void>("append", alert, form);
    document_["body"].call<void>("append", dialog_);
}

// ---------------------------------------------------------------------------
// Window operations

val Form1::box(Box which) const { return elements_[shell::rowOf(shell::controlOf(which))]; }

std::u16string Form1::text(Box which) const {
    return web::utf16(box(which)["value"].as<std::wstring>());
}

// The box keeps at most its maximum length, as one the pupil types into
// does; the page's limit holds for typing only. The start of a text wider
// than its box shows, where the significant digits are.
void Form1::setText(Box which, std::u16string_view text) {
    text = exercise::keptText(which, text);
    val element = box(which);
    element.set("value", web::wide(text));
    element.set("scrollLeft", 0);
    fit(shell::rowOf(shell::controlOf(which)));
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

// Each text is a new paragraph, so that a summary the same as the last one
// is said again, and a newer one replaces one not yet said.
void Form1::announce(std::u16string_view summary) {
    val said = create(document_, "p");
    said.set("textContent", web::utf8(summary));
    spoken_.call<void>("replaceChildren", said);
}

// ---------------------------------------------------------------------------
// Events

void Form1::clicked(int row) { click(shell::controls()[static_cast<std::size_t>(row)].click); }

// What the pupil clicked and where Enter was pressed before the program ran,
// as the page kept it, carried out in that order, each once.
void Form1::carryOutEarlyEvents() {
    const val early = val::global("cijferwerfEarly");
    if (early.typeOf().as<std::string>() != "function") return;
    const val kept = early();
    const int count = kept["length"].as<int>();
    for (int index = 0; index < count; ++index) {
        const std::string name = kept[index][0].as<std::string>();
        const bool click = kept[index][1].as<std::string>() == "click";
        for (const shell::Control& control : shell::controls()) {
            if (control.name != name) continue;
            if (click)
                clicked(static_cast<int>(shell::rowOf(control)));
            else if (control.box)
                Form1Events::keyPress(*control.box, 13);
        }
    }
}

// Every key that produces a character in an operand box is handed to its
// handler before the box takes it, Backspace as 8; the key then goes on
// unchanged. Enter is handed on as 13 once a press, in whichever form a
// keyboard sends it: a key Enter; a tablet keyboard's key "Unidentified"
// (code 229) followed by a character 13 or by a line break put in as text.
// While the keyboard is still composing the text typed, Enter waits for the
// composition to end, so that the box holds what the pupil sees.
void Form1::keyDown(int row, val event) {
    enterHeard_ = false; // a new press
    const std::u16string key = web::utf16(event["key"].as<std::wstring>());
    if (key == u"Enter") return enter(row, event);
    if (composing_ || event["isComposing"].as<bool>()) return;
    char16_t keyAscii = 0;
    if (key == u"Backspace")
        keyAscii = 8;
    else if (key.size() == 1 || web::isSurrogatePair(key))
        keyAscii = key.front();
    if (keyAscii == 0) return;
    const bool wasOpen = dialog_["open"].as<bool>();
    Form1Events::keyPress(*shell::controls()[static_cast<std::size_t>(row)].box, keyAscii);
    if (!wasOpen && dialog_["open"].as<bool>()) event.call<void>("preventDefault");
}

void Form1::keyPress(int row, val event) {
    if (event["key"].as<std::string>() == "Enter" || event["charCode"].as<int>() == 13 ||
        event["keyCode"].as<int>() == 13)
        enter(row, event);
}

void Form1::beforeInput(int row, val event) {
    const std::string type = event["inputType"].as<std::string>();
    const val data = event["data"];
    // Typed, not pasted: a pasted text may hold line breaks of its own.
    const bool lineBreak = type == "insertLineBreak" || type == "insertParagraph" ||
                           (type == "insertText" && data.isString() &&
                            data.as<std::string>().find_first_of("\r\n") != std::string::npos);
    if (!lineBreak) return;
    // A one-line box would drop the line break; no other character comes
    // with it from the Enter key.
    if (event["cancelable"].as<bool>()) event.call<void>("preventDefault");
    enter(row, event);
}

void Form1::compositionStart(int) { composing_ = true; }

void Form1::compositionEnd(int row) {
    composing_ = false;
    if (enterAfterComposition_ != row) return;
    enterAfterComposition_ = -1;
    Form1Events::keyPress(*shell::controls()[static_cast<std::size_t>(row)].box, 13);
}

// A key that opened a message goes no further, so that it does not also
// press the message's button.
void Form1::enter(int row, val event) {
    if (enterHeard_) {
        event.call<void>("preventDefault");
        return;
    }
    enterHeard_ = true;
    if (composing_ || event["isComposing"].as<bool>()) {
        enterAfterComposition_ = row;
        return;
    }
    const bool wasOpen = dialog_["open"].as<bool>();
    Form1Events::keyPress(*shell::controls()[static_cast<std::size_t>(row)].box, 13);
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
    const int padding = group.kind == Kind::Label ? 0 : 2 * kTextPaddingPixels * unit();
    const int inside = pixels(control.width) - 2 * edgeWidth(group) * unit() - padding;
    const double room = shell::roomFor(group.kind, inside);
    static val context = create(document_, "canvas").call<val>("getContext", std::string("2d"));
    const std::vector<std::string> lines = linesOf(text);
    // Points at the window's resolution: 96 dots per inch is the page's own.
    const double scale = dotsPerInch_ / 96.0;
    const double points = shell::fittingPointSize(group.points, room, [&](double size) {
        return widestLine(context, group, size * scale, lines);
    });
    element["style"].set("font", cssFont(group, points * scale));
}

void Form1::fitAll() {
    for (std::size_t row = 0; row < elements_.size(); ++row)
        fit(row);
}

// ---------------------------------------------------------------------------
// Colours

// Each control in its group's colours as the page's scheme resolves them,
// the text moved where it must be to stand out; the focus marked by a frame
// in the highlight colour that stands out from the control and the window.
void Form1::applyColours() {
    ColourProbe resolve(document_);
    const shell::Rgb highlight =
        resolve(shell::roleColour(shell::ColourRole::Highlight), shell::kLightGreen);
    const shell::Rgb edge = shell::edgeColour(
        resolve(shell::roleColour(shell::ColourRole::ControlEdge), shell::kLightGreen));
    const std::string frame = px(2 * unit()) + " solid ";
    const std::string frameOffset = px(unit());
    // The browser's own focus ring gives way to the frame, for every control
    // that takes the focus.
    std::string focusRules = "#Form1 :is(input,button){outline:none}";
    for (std::size_t row = 0; row < elements_.size(); ++row) {
        const shell::Control& control = shell::controls()[row];
        const Group& group = *control.group;
        const shell::Rgb background = resolve(group.background, shell::kLightGreen);
        const shell::Rgb text =
            shell::readableText(group, resolve(shell::textColour(group), background), background);
        val style = elements_[row]["style"];
        style.set("backgroundColor", cssColour(background));
        style.set("color", cssColour(text));
        // The edge of a box or a button stands out from the window around it.
        style.set("borderColor", cssColour(edge));
        if (shell::takesFocus(group))
            focusRules += "#" + std::string(control.name) + ":focus{outline:" + frame +
                          cssColour(shell::focusFrame(highlight, background)) +
                          ";outline-offset:" + frameOffset + "}";
    }
    focusStyle_.set("textContent", focusRules);
}

// ---------------------------------------------------------------------------
// Scale

// The resolution at which the page's style draws the window: the largest at
// which it fits the viewport, wide or narrow, by the window's rule.
int Form1::pageDotsPerInch() const {
    const std::string dots = val::global("getComputedStyle")(window_).call<std::string>(
        "getPropertyValue", std::string("--dpi"));
    const int dotsPerInch = std::atoi(dots.c_str());
    return dotsPerInch >= 96 ? dotsPerInch : 96;
}

int Form1::unit() const { return unitAt(dotsPerInch_); }

// The page's style has placed the window anew; its texts are fitted and its
// frames drawn at the new scale.
void Form1::resized() {
    const int dotsPerInch = pageDotsPerInch();
    if (dotsPerInch == dotsPerInch_) return;
    dotsPerInch_ = dotsPerInch;
    fitAll();
    applyColours();
}
