// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regional_settings.h"

#include "web_text.h"

#include <emscripten/val.h>

#include <optional>
#include <string>

using emscripten::val;

namespace {

// The one character of a kind of part that the browser's first language
// writes a number with, or nothing. The language is passed on: without one,
// the browser formats in a default language of its own, not the user's.
std::optional<char16_t> separator(const val& parts, const std::string& type) {
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val part = parts[i];
        if (part["type"].as<std::string>() != type) continue;
        const std::u16string text = web::utf16(part["value"].as<std::wstring>());
        if (text.size() == 1) return text.front();
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

exercise::NumberFormat SystemRegionalSettings::numberFormat() const {
    const val language = val::global("navigator")["language"];
    const val parts =
        val::global("Intl")["NumberFormat"].new_(language).call<val>("formatToParts", 1234567.5);
    exercise::NumberFormat format;
    if (const auto decimal = separator(parts, "decimal")) format.decimalSeparator = *decimal;
    if (const auto group = separator(parts, "group")) format.groupSeparator = *group;
    return format;
}
