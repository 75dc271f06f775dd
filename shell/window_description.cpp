// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_description.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace shell {
namespace {

using enum Kind;
using enum Alignment;
using enum Edge;
using enum Input;
using exercise::Box;

constexpr Colour kWindowBackground = roleColour(ColourRole::WindowBackground);
constexpr Colour kWindowText = roleColour(ColourRole::WindowText);
constexpr Colour kButtonFace = roleColour(ColourRole::ButtonFace);
constexpr Colour kButtonText = roleColour(ColourRole::ButtonText);
constexpr Colour kMenuText = roleColour(ColourRole::MenuText);
constexpr Colour kActiveTitleBar = roleColour(ColourRole::ActiveTitleBar);

// clang-format off
//                              kind     points bold   background                 foreground         contrast            alignment edge    input     heading
constexpr Group kOperandBox    {TextBox, 8.25,  false, kWindowBackground,         kWindowText,       kTextContrast,      Centre};
constexpr Group kAnswerBox     {TextBox, 9.75,  true,  kWindowBackground,         kWindowText,       kTextContrast,      Centre};
// Always disabled: the platform draws the text in its disabled (grey) text
// colour, moved where it would not stand out from the bright green.
constexpr Group kResultBox     {TextBox, 12,    true,  fixedColour(kBrightGreen), kMenuText,         kTextContrast,      Centre,   Sunken, Disabled};
constexpr Group kEquationBox   {TextBox, 8.25,  false, fixedColour(kLightGreen),  kWindowText,       kTextContrast,      Left,     Flat,   ReadOnly};
constexpr Group kNoticeBox     {TextBox, 8.25,  false, fixedColour(kLightGreen),  fixedColour(kRed), kTextContrast,      Left,     Flat,   ReadOnly};
constexpr Group kHeading       {Label,   12,    true,  fixedColour(kLightGreen),  kActiveTitleBar,   kTextContrast,      Centre,   Sunken, Typing,   true};
constexpr Group kOperandCaption{Label,   9.75,  false, fixedColour(kLightGreen),  kButtonText,       kTextContrast,      Centre};
constexpr Group kInstruction   {Label,   8.25,  false, fixedColour(kLightGreen),  kButtonText,       kTextContrast,      Centre};
constexpr Group kButton        {Button,  9.75,  true,  kButtonFace,               kButtonText,       kTextContrast,      Centre};

constexpr Control kControls[] = {
    // name      group             left   top  width height caption               tab  spoken name               box          click              narrow            keys
    {"Label3",   &kHeading,         120,  120, 2745,  285, u"CIJFERWERF",          25, {},                       {},          Click::None},
    {"Label8",   &kInstruction,     120,  480, 3585,  210, u"Kies twee getallen en vul de juiste antwoorden in", 8, {}, {},     Click::None},
    {"Label7",   &kInstruction,     120,  720, 2745,  210, u"(decimale getallen met punt intoetsen)", 7, {}, {},                Click::None},
    {"Label1",   &kOperandCaption,  600, 1080,  615,  360, u"getal 1",              5, {},                       {},          Click::None},
    {"Text1",    &kOperandBox,     1320, 1080, 1000,  315, {},                      1, u"getal 1",               Box::Text1,  Click::None,       {},               Keys::Operand},
    {"Label2",   &kOperandCaption, 2760, 1080,  615,  360, u"getal 2",              6, {},                       {},          Click::None},
    {"Text2",    &kOperandBox,     3480, 1080, 1000,  315, {},                      2, u"getal 2",               Box::Text2,  Click::None,       {},               Keys::Operand},
    {"Command1", &kButton,          120, 1920,  315, 1785, u"A\nL\nL\nE\nS",       0, u"alles",                 {},          Click::All},
    {"Command2", &kButton,          480, 1920, 1200,  350, u"SOM",                 16, u"som",                   {},          Click::Sum},
    {"Text12",   &kAnswerBox,      1800, 1920, 1000,  360, {},                     17, u"antwoord som",          Box::Text12, Click::None},
    {"Text3",    &kResultBox,      2880, 1920, 1000,  350, {},                      3, u"uitkomst som",          Box::Text3,  Click::None},
    {"Text7",    &kEquationBox,    3960, 1920, 2715,  350, {},                      9, u"berekening som",        Box::Text7,  Click::None,       Place{480, 4320}},
    {"Command3", &kButton,          480, 2400, 1200,  350, u"VERSCHIL",            21, u"verschil",              {},          Click::Difference},
    {"Text13",   &kAnswerBox,      1800, 2400, 1000,  360, {},                     18, u"antwoord verschil",     Box::Text13, Click::None},
    {"Text4",    &kResultBox,      2880, 2400, 1000,  350, {},                      4, u"uitkomst verschil",     Box::Text4,  Click::None},
    {"Text8",    &kEquationBox,    3960, 2400, 2715,  350, {},                     10, u"berekening verschil",   Box::Text8,  Click::None,       Place{480, 4800}},
    {"Command4", &kButton,          480, 2880, 1200,  350, u"PRODUCT",             22, u"product",               {},          Click::Product},
    {"Text14",   &kAnswerBox,      1800, 2880, 1000,  360, {},                     19, u"antwoord product",      Box::Text14, Click::None},
    {"Text5",    &kResultBox,      2880, 2880, 1000,  350, {},                     14, u"uitkomst product",      Box::Text5,  Click::None},
    {"Text9",    &kEquationBox,    3960, 2880, 2715,  350, {},                     11, u"berekening product",    Box::Text9,  Click::None,       Place{480, 5280}},
    {"Command5", &kButton,          480, 3360, 1200,  350, u"QUOTI\u00cbNT",       23, u"quoti\u00ebnt",         {},          Click::Quotient},
    {"Text15",   &kAnswerBox,      1800, 3360, 1000,  360, {},                     20, u"antwoord quoti\u00ebnt", Box::Text15, Click::None},
    {"Text6",    &kResultBox,      2880, 3360, 1000,  350, {},                     15, u"uitkomst quoti\u00ebnt", Box::Text6,  Click::None},
    {"Text10",   &kEquationBox,    3960, 3360, 2715,  350, {},                     12, u"berekening quoti\u00ebnt", Box::Text10, Click::None,       Place{480, 5760}},
    {"Text11",   &kNoticeBox,      3960, 3720, 2715,  350, {},                     13, u"melding deling",        Box::Text11, Click::None,       Place{480, 6120}},
    {"Command6", &kButton,          120, 3840, 3735,  350, u"OPNIEUW",             24, u"opnieuw",               {},          Click::Reset},
};
// clang-format on

} // namespace

Rgb readableText(const Group& group, Rgb text, Rgb background) {
    return readableOn(text, background, group.leastContrast);
}

Rgb focusFrame(Rgb highlight, Rgb control, Rgb window) {
    const auto standsOut = [&](Rgb frame) {
        return std::min(contrastRatio(frame, control), contrastRatio(frame, window));
    };
    for (const Rgb moved : {readableOn(highlight, control, kFrameContrast),
                            readableOn(highlight, window, kFrameContrast)})
        if (standsOut(moved) >= kFrameContrast) return moved;
    // Where no one lightness of the hue stands out from both.
    return standsOut(0x000000) >= standsOut(0xFFFFFF) ? 0x000000 : 0xFFFFFF;
}

std::span<const Control> controls() { return kControls; }

std::span<const Control* const> tabOrder() {
    static const auto order = [] {
        std::array<const Control*, std::size(kControls)> sorted{};
        for (std::size_t row = 0; row < sorted.size(); ++row)
            sorted[row] = &kControls[row];
        std::sort(sorted.begin(), sorted.end(),
                  [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
        return sorted;
    }();
    return order;
}

const Control& startFocus() {
    for (const Control* control : tabOrder())
        if (takesFocus(*control->group)) return *control;
    std::abort(); // the buttons take the focus
}

const Control& controlOf(exercise::Box box) {
    for (const Control& control : kControls)
        if (control.box == box) return control;
    std::abort(); // every box is in the table
}

} // namespace shell
