// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/window.h"

// The decimal and grouping separators of the user's regional settings, taken
// from the environment in the POSIX order LC_ALL, LC_NUMERIC, LANG; the point
// and the comma when none is set or it is C or POSIX.
class SystemRegionalSettings final : public exercise::RegionalSettings {
public:
    [[nodiscard]] exercise::NumberFormat numberFormat() const override;
};
