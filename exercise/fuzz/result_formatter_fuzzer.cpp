// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result formatter on any double: a short text with the given decimal
// separator that the point reader reads back as the value rounded to fifteen
// significant digits; and what a box of ten characters keeps of the text
// written to fit it, which never is longer, reads back as about the same
// number.
#include "exercise/number_text.h"
#include "fuzz_input.h"
#include "number_helpers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    exercise::fuzzing::Input input(data, size);
    const exercise::NumberFormat format = input.format();
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = bits << 8 | input.byte();
    const double value = exercise::testing::doubleOfBits(bits);

    const std::u16string text = exercise::formatResult(value, format);
    if (text.empty() || text.size() > 25) std::abort();
    for (const char16_t c : text) {
        const bool allowed = (c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'E' ||
                             c == format.decimalSeparator || c == u'I' || c == u'N' || c == u'F' ||
                             c == u'A';
        if (!allowed) std::abort();
    }
    if (!std::isfinite(value)) return 0;
    const std::u16string english = exercise::formatResult(value, exercise::kEnglishFormat);
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    const double expected = value == 0 ? 0.0 : std::strtod(rounded, nullptr);
    const double back = exercise::readPointNumber(english);
    if (std::memcmp(&back, &expected, sizeof back) != 0) std::abort();

    const std::u16string fitted = exercise::formatResultToFit(value, exercise::kEnglishFormat, 10);
    if (fitted.size() > 10) std::abort();
    const double shown = exercise::readPointNumber(fitted);
    // Near the bottom of the range 5 % of the value rounds to nothing; an
    // equal value is close enough there.
    if (!(shown == value || std::abs(shown - value) < 0.05 * std::abs(value))) std::abort();
    return 0;
}
