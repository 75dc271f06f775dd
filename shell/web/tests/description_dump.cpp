// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's description as the page's tests read it: one JSON object
// with every control's name, place in CSS pixels at 100 % and in twips,
// caption, spoken name, limit, state and tab index, and the window's own
// size, title and colour; the window's size and each control's place in
// twips in the narrow window too.

#include "../web_text.h"
#include "tests/exercise_table.h"
#include "window_description.h"

#include <cstdio>
#include <string>

namespace {

std::string quoted(std::u16string_view text) {
    std::string result = "\"";
    for (const char c : web::utf8(text)) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (c == '\n') {
            result += "\\n";
        } else {
            result += c;
        }
    }
    return result + '"';
}

std::string quoted(std::string_view text) {
    return quoted(std::u16string(text.begin(), text.end()));
}

const char* kindOf(const shell::Group& group) {
    if (group.kind == shell::Kind::Label) return "label";
    if (group.kind == shell::Kind::Button) return "button";
    constexpr const char* kInputs[] = {"typing", "readonly", "disabled"};
    return kInputs[static_cast<int>(group.input)];
}

// A colour as the tests name it: "#RRGGBB" when fixed, else its role.
std::string colourOf(const shell::Colour& colour) {
    constexpr const char* kRoles[] = {"WindowBackground", "WindowText", "ButtonFace",
                                      "ButtonText",       "MenuText",   "ActiveTitleBar",
                                      "DisabledText"};
    char text[8];
    if (colour.fixed)
        std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(*colour.fixed));
    return quoted(std::string_view(colour.fixed ? text : kRoles[static_cast<int>(colour.role)]));
}

} // namespace

int main() {
    std::printf(
        "{\"title\": %s, \"width\": %d, \"height\": %d, \"twips\": [%d, %d], "
        "\"narrowTwips\": [%d, %d], \"background\": %u, \"controls\": [\n",
        quoted(shell::kWindowTitle).c_str(), shell::pixels(shell::kClientWidth),
        shell::pixels(shell::kClientHeight), shell::kClientWidth, shell::kClientHeight,
        shell::kNarrowClientWidth, shell::kNarrowClientHeight,
        static_cast<unsigned>(shell::kLightGreen));
    const char* separator = "";
    for (const shell::Control& control : shell::controls()) {
        const std::size_t limit = control.box ? exercise::maximumLength(*control.box) : 0;
        const std::u16string_view text =
            control.box ? exercise::initialText(*control.box) : control.caption;
        std::printf(
            "%s  {\"name\": %s, \"kind\": \"%s\", \"left\": %d, \"top\": %d, \"width\": %d, "
            "\"height\": %d, \"twips\": [%d, %d, %d, %d], \"narrow\": [%d, %d], \"text\": %s, \"spoken\": %s, \"limit\": %zu, \"tabIndex\": %d, "
            "\"takesFocus\": %s, \"points\": %g, \"bold\": %s, \"background\": %s, "
            "\"foreground\": %s, \"heading\": %s}",
            separator, quoted(control.name).c_str(), kindOf(*control.group),
            shell::pixels(control.left), shell::pixels(control.top), shell::pixels(control.width),
            shell::pixels(control.height), control.left, control.top, control.width,
            control.height, control.placeIn(shell::Layout::Narrow).left,
            control.placeIn(shell::Layout::Narrow).top, quoted(text).c_str(),
            quoted(control.spokenName()).c_str(), limit, control.tabIndex,
            shell::takesFocus(*control.group) ? "true" : "false", control.group->points,
            control.group->bold ? "true" : "false", colourOf(control.group->background).c_str(),
            colourOf(control.group->foreground).c_str(), control.group->heading ? "true" : "false");
        separator = ",\n";
    }
    // The exercises that every window's test runs through its window.
    std::printf("\n], \"exercises\": [\n");
    separator = "";
    for (const shell::testing::Exercise& exercise : shell::testing::kExercises) {
        std::string click = "null";
        for (const shell::Control& control : shell::controls())
            if (exercise.click != shell::Click::None && control.click == exercise.click)
                click = quoted(control.name);
        std::string answers, shown, answersShown;
        for (const std::u16string_view answer : exercise.answers)
            answers += (answers.empty() ? "" : ", ") + quoted(answer);
        for (const std::u16string_view text : exercise.shown)
            shown += (shown.empty() ? "" : ", ") + quoted(text);
        for (const bool visible : exercise.answersShown)
            answersShown += std::string(answersShown.empty() ? "" : ", ") + (visible ? "true" : "false");
        std::printf("%s  {\"name\": %s, \"dutch\": %s, \"first\": %s, \"second\": %s, "
                    "\"answers\": [%s], \"click\": %s, \"enterIn\": \"Text%d\", "
                    "\"message\": %s, \"shown\": [%s], \"answersShown\": [%s]}",
                    separator, quoted(std::string_view(exercise.name)).c_str(),
                    exercise.dutch ? "true" : "false", quoted(exercise.first).c_str(),
                    quoted(exercise.second).c_str(), answers.c_str(), click.c_str(),
                    static_cast<int>(exercise.enterIn), quoted(exercise.message).c_str(),
                    shown.c_str(), answersShown.c_str());
        separator = ",\n";
    }
    std::printf("\n]}\n");
}
