// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The point reader on any text equals strtod on the leading number that the
// reader's rules accept, found here by a separate, plain scan.
#include "exercise/number_text.h"
#include "fuzz_input.h"
#include "number_helpers.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

double expected(const std::u16string& text) {
    // Blanks and line feeds out; the first character beyond ASCII ends it.
    std::string s;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') continue;
        if (c >= 0x80 || c == 0) break;
        s += static_cast<char>(c);
    }
    if (s.size() >= 2 && s[0] == '&' &&
        (s[1] == 'h' || s[1] == 'H' || s[1] == 'o' || s[1] == 'O')) {
        const bool hex = s[1] == 'h' || s[1] == 'H';
        std::string digits;
        for (std::size_t i = 2; i < s.size(); ++i) {
            const char c = s[i];
            const bool fits =
                hex ? std::strchr("0123456789abcdefABCDEF", c) != nullptr : (c >= '0' && c <= '7');
            if (!fits || c == 0) break;
            digits += c;
        }
        if (digits.empty()) return 0.0;
        return std::strtod((hex ? "0x" + digits : exercise::testing::hexOfOctal(digits)).c_str(),
                           nullptr);
    }
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    std::string number = s.substr(0, i);
    if (i < s.size() && std::strchr("eEdD", s[i])) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            number += 'e' + s.substr(i + 1, j - i - 1);
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    exercise::fuzzing::Input input(data, size);
    const std::u16string text = input.rest();
    const double value = exercise::readPointNumber(text);
    const double reference = expected(text);
    if (std::memcmp(&value, &reference, sizeof value) != 0) std::abort();
    return 0;
}
