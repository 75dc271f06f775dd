// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The decimal and grouping separators of the user's regional settings, as
// the platform keeps them, asked afresh at each conversion; the point and
// the comma where the platform gives none of one character. Each platform
// reads them in a source file of its own: on Linux from the environment in
// the POSIX order LC_ALL, LC_NUMERIC, LANG (C and POSIX give the point and
// the comma); on Windows from the regional settings in Windows' own
// settings.
#pragma once

#include "exercise/window.h"

class SystemRegionalSettings final : public exercise::RegionalSettings {
public:
    [[nodiscard]] exercise::NumberFormat numberFormat() const override;
};

#ifdef _WIN32
// The separators of one locale of Windows, by its name, read as the window
// reads the user's own (which is the locale named by a null pointer).
[[nodiscard]] exercise::NumberFormat numberFormatOf(const wchar_t* locale);
#endif
