// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regional_settings.h"

#include <windows.h>

#include <optional>

namespace {

// The one character of a setting, or nothing.
std::optional<char16_t> separator(const wchar_t* locale, LCTYPE setting) {
    wchar_t text[8]{};
    if (GetLocaleInfoEx(locale, setting, text, 8) != 2) return std::nullopt;
    return static_cast<char16_t>(text[0]);
}

} // namespace

exercise::NumberFormat numberFormatOf(const wchar_t* locale) {
    exercise::NumberFormat format;
    if (const auto decimal = separator(locale, LOCALE_SDECIMAL)) format.decimalSeparator = *decimal;
    if (const auto group = separator(locale, LOCALE_STHOUSAND)) format.groupSeparator = *group;
    return format;
}

exercise::NumberFormat SystemRegionalSettings::numberFormat() const {
    return numberFormatOf(LOCALE_NAME_USER_DEFAULT);
}
