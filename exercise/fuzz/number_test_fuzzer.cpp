// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number test and the locale reader on any text: they agree on what is a
// number, and a number reads as a value that is finite or an infinity.
#include "exercise/number_text.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exercise::fuzzing::Input input(data, size);
    const exercise::NumberFormat format = input.format();
    const std::u16string text = input.rest();
    const bool number = exercise::isNumber(text, format);
    const auto value = exercise::readLocaleNumber(text, format);
    if (number != value.has_value() || (value && std::isnan(*value))) std::abort();
    return 0;
}
