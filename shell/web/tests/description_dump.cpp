// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's description as the page's tests read it: one JSON object
// with every control's name, kind and tab index, the window's title,
// colour and size in twips, wide and narrow, the browser's colour for each
// of the scheme's roles, and the exercises that every window runs. Given
// "built", it reads what the page built instead, one line a control (see
// page_test.py), and prints how it differs from the description, failing
// if it does.

#include "../page_markup.h"
#include "../web_text.h"
#include "tests/built_window.h"
#include "tests/exercise_table.h"
#include "window_description.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kRoles[] = {"WindowBackground", "WindowText", "ButtonFace",
                                  "ButtonText",       "MenuText",   "ActiveTitleBar",
                                  "DisabledText",     "Highlight",  "ControlEdge"};

std::u16string fromUtf8(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : 3; // the window's texts
        char32_t code = length == 1 ? byte : byte & (length == 2 ? 0x1Fu : 0x0Fu);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        result += static_cast<char16_t>(code);
        i += length;
    }
    return result;
}

// What the page's test read of the window: tab-separated fields, texts with
// "\n" for a line break, "-" for what it did not read.
shell::testing::BuiltWindow readBuilt(std::istream& in) {
    shell::testing::BuiltWindow built;
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> field;
        std::istringstream fields(line);
        for (std::string one; std::getline(fields, one, '\t');)
            field.push_back(one);
        if (field.empty()) continue;
        const auto number = [&](std::size_t at) { return std::atof(field.at(at).c_str()); };
        const auto colour = [&](std::size_t at) -> std::optional<shell::Rgb> {
            if (field.at(at) == "-") return std::nullopt;
            return static_cast<shell::Rgb>(std::strtoul(field.at(at).c_str() + 1, nullptr, 16));
        };
        if (field[0] == "window") {
            built.dotsPerInch = static_cast<int>(number(1));
            built.layout = field.at(2) == "narrow" ? shell::Layout::Narrow : shell::Layout::Wide;
            built.width = static_cast<int>(number(3));
            built.height = static_cast<int>(number(4));
        } else if (field[0] == "role") {
            for (std::size_t role = 0; role < std::size(kRoles); ++role)
                if (field.at(1) == kRoles[role])
                    built.scheme[static_cast<shell::ColourRole>(role)] = {*colour(2), number(3)};
        } else if (field[0] == "start") {
            built.startFocus = field.at(1);
        } else if (field[0] == "tab") {
            built.tabWalk.push_back(field.at(1));
        } else if (field[0] == "backtab") {
            built.backTabWalk.push_back(field.at(1));
        } else if (field[0] == "control") {
            shell::testing::BuiltControl& seen = built.controls.emplace_back();
            seen.name = field.at(1);
            seen.left = static_cast<int>(number(2));
            seen.top = static_cast<int>(number(3));
            seen.width = static_cast<int>(number(4));
            seen.height = static_cast<int>(number(5));
            seen.face = fromUtf8(field.at(6));
            seen.points = number(7);
            seen.bold = field.at(8) == "1";
            constexpr const char* kInputs[] = {"typing", "readonly", "disabled"};
            for (int input = 0; input < 3; ++input)
                if (field.at(9) == kInputs[input]) seen.input = static_cast<shell::Input>(input);
            seen.limit = static_cast<std::size_t>(number(10));
            if (field.at(11) != "-")
                seen.edge = field[11] == "flat" ? shell::Edge::Flat : shell::Edge::Sunken;
            if (field.at(12) != "-")
                seen.alignment =
                    field[12] == "left" ? shell::Alignment::Left : shell::Alignment::Centre;
            if (field.at(13) != "-") seen.spoken = fromUtf8(field[13]);
            seen.background = colour(14);
            seen.foreground = colour(15);
            seen.frame = colour(16);
            seen.edgeColour = colour(17);
            std::string text = field.size() > 18 ? field[18] : "";
            for (std::size_t at; (at = text.find("\\n")) != std::string::npos;)
                text.replace(at, 2, "\n");
            seen.text = fromUtf8(text);
        }
    }
    return built;
}

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

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "built") {
        const auto found = shell::testing::differences(readBuilt(std::cin));
        for (const std::string& difference : found)
            std::printf("%s\n", difference.c_str());
        return found.empty() ? 0 : 1;
    }
    std::printf("{\"title\": %s, \"twips\": [%d, %d], \"narrowTwips\": [%d, %d], "
                "\"background\": %u, \"controls\": [\n",
                quoted(shell::kWindowTitle).c_str(), shell::kClientWidth, shell::kClientHeight,
                shell::kNarrowClientWidth, shell::kNarrowClientHeight,
                static_cast<unsigned>(shell::kLightGreen));
    const char* separator = "";
    for (const shell::Control& control : shell::controls()) {
        std::printf("%s  {\"name\": %s, \"kind\": \"%s\", \"tabIndex\": %d, \"takesFocus\": %s, "
                    "\"heading\": %s}",
                    separator, quoted(control.name).c_str(), kindOf(*control.group),
                    control.tabIndex, shell::takesFocus(*control.group) ? "true" : "false",
                    control.group->heading ? "true" : "false");
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
            answersShown +=
                std::string(answersShown.empty() ? "" : ", ") + (visible ? "true" : "false");
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
    // The browser's colour for each of the scheme's roles.
    std::printf("\n], \"roles\": {");
    separator = "";
    for (std::size_t role = 0; role < std::size(kRoles); ++role) {
        std::printf(
            "%s%s: %s", separator, quoted(std::string_view(kRoles[role])).c_str(),
            quoted(std::string_view(web::systemColour(static_cast<shell::ColourRole>(role))))
                .c_str());
        separator = ", ";
    }
    std::printf("}, \"tabStops\": %zu}\n", shell::testing::tabStops());
}
