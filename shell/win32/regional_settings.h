// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/window.h"

// The decimal and grouping separators of the user's regional settings, as
// Windows keeps them, asked at each conversion; the point and the comma
// where Windows gives none of one character.
class SystemRegionalSettings final : public exercise::RegionalSettings {
public:
    [[nodiscard]] exercise::NumberFormat numberFormat() const override;
};
