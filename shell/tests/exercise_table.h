// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercises as a pupil does them, for the window tests of every
// toolkit: two numbers and four answers typed, then one button clicked or
// Enter pressed in an operand box, and what the window then shows. Each
// window's test runs them through its own window.
#pragma once

#include "exercise/window.h"
#include "window_description.h"

#include <array>
#include <string_view>

namespace shell::testing {

struct Exercise {
    const char* name;
    bool dutch; // Dutch regional settings, with the decimal comma; else English
    std::u16string_view first, second;
    std::array<std::u16string_view, 4> answers;
    Click click; // Click::None: Enter in enterIn
    exercise::Box enterIn;
    std::u16string_view message;              // the message that opens, or none
    std::array<std::u16string_view, 9> shown; // Text3 to Text11
    std::array<bool, 4> answersShown;         // Text12 to Text15
};

using exercise::Box;
inline constexpr std::array<std::u16string_view, 9> kUntouched = {u"+", u"-", u"x", u":", u"",
                                                                  u"",  u"",  u"",  u""};

// clang-format off
inline constexpr Exercise kExercises[] = {
    {"SOM", false, u"1.5", u"1", {u"2.5", u"", u"", u""}, Click::Sum, Box::Text1, u"",
     {u"2.5", u"-", u"x", u":", u"1.5 + 1 = 2.5", u"", u"", u"", u""}, {false, true, true, true}},
    {"VERSCHIL, the larger first", false, u"3", u"8", {u"", u"4", u"", u""}, Click::Difference, Box::Text1, u"",
     {u"+", u"5", u"x", u":", u"", u"8 - 3 = 5", u"", u"", u""}, {true, true, true, true}},
    {"PRODUCT", false, u"12", u"12", {u"", u"", u"144", u""}, Click::Product, Box::Text1, u"",
     {u"+", u"-", u"144", u":", u"", u"", u"12 x 12 = 144", u"", u""}, {true, true, false, true}},
    {"QUOTIENT, rounded to the box", false, u"1", u"3", {u"", u"", u"", u"0.333"}, Click::Quotient, Box::Text1, u"",
     {u"+", u"-", u"x", u"0.33333333", u"", u"", u"", u"1 : 3 = 0.33333333", u" "}, {true, true, true, true}},
    {"QUOTIENT by zero", false, u"1", u"0", {u"", u"", u"", u""}, Click::Quotient, Box::Text1, u"",
     {u"+", u"-", u"x", u"Error", u"", u"", u"", u"1 : 0 = Error", u"Delen door nul is niet mogelijk"},
     {true, true, true, true}},
    {"ALLES", false, u"8", u"3", {u"11", u"5", u"23", u""}, Click::All, Box::Text1, u"",
     {u"11", u"5", u"24", u"2.66666667", u"8 + 3 = 11", u"8 - 3 = 5", u"8 x 3 = 24", u"8 : 3 = 2.66666667", u" "},
     {false, false, true, true}},
    {"Enter in the first number", false, u"3", u"8", {u"", u"-5", u"", u""}, Click::None, Box::Text1, u"",
     {u"11", u"-5", u"24", u"0.375", u"3 + 8 = 11", u"3 - 8 = -5", u"3 x 8 = 24", u"3 : 8 = 0.375", u" "},
     {true, true, true, true}},
    {"Enter in the second number", false, u"3", u"8", {u"", u"-5", u"", u""}, Click::None, Box::Text2, u"",
     {u"11", u"-5", u"24", u"0.375", u"3 + 8 = 11", u"3 - 8 = -5", u"3 x 8 = 24", u"3 : 8 = 0.375", u" "},
     {true, true, true, true}},
    {"no second number", false, u"7", u"", {u"", u"", u"", u""}, Click::Sum, Box::Text1, u"Geef een getal",
     kUntouched, {true, true, true, true}},
    {"no number for Enter", false, u"abc", u"2", {u"", u"", u"", u""}, Click::None, Box::Text1, u"Geef een getal",
     kUntouched, {true, true, true, true}},
    {"a comma under English settings", false, u"7", u"0,5", {u"", u"", u"", u""}, Click::Quotient, Box::Text1,
     u"Geef een getal", kUntouched, {true, true, true, true}},
    {"the decimal comma", true, u"1.5", u"0,5", {u"2,5", u"1", u"", u""}, Click::All, Box::Text1, u"",
     {u"2", u"1", u"0,75", u"3", u"1.5 + 0,5 = 2", u"1.5 - 0,5 = 1", u"1.5 x 0,5 = 0,75", u"1.5 : 0,5 = 3", u" "},
     {true, false, true, true}},
};
// clang-format on

} // namespace shell::testing
