// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Regional settings that a test chooses, whatever the machine's locale.
#pragma once

#include "exercise/window.h"

namespace exercise::testing {

class FixedRegionalSettings final : public RegionalSettings {
public:
    explicit FixedRegionalSettings(NumberFormat format = kEnglishFormat) : format_(format) {}
    [[nodiscard]] NumberFormat numberFormat() const override { return format_; }

private:
    NumberFormat format_;
};

} // namespace exercise::testing
