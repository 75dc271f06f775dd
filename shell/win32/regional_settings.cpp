// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regional_settings.h"

#include <windows.h>

#include <optional>

namespace {

// The one character of a setting, or nothing.
std::optional<char16_t> separator(LCTYPE setting) {
    wchar_t text[8]{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, setting, text, 8) != 2) return std::nullopt;
    return static_cast<char16_t>(text[0]);
}

} // namespace

exercise::NumberFormat SystemRegionalSettings::numberFormat() const {
    exercise::NumberFormat format;
    if (const auto decimal = separator(LOCALE_SDECIMAL)) format.decimalSeparator = *decimal;
    if (const auto group = separator(LOCALE_STHOUSAND)) format.groupSeparator = *group;
    return format;
}
