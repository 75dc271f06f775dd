// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Small helpers that the logic's tests, its fuzzers and the benchmarks share
// when they make numbers of their own or work out what a reader must give.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace exercise::testing {

// The double with these 64 bits: any value of the range, the infinities and
// NaN among them. (A library without std::bit_cast copies the bits.)
[[nodiscard]] inline double doubleOfBits(std::uint64_t bits) {
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<double>(bits);
#else
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
#endif
}

// Octal digits written as the same number in C's hexadecimal form ("0x..."),
// which strtod reads with one correct rounding, however many digits.
[[nodiscard]] inline std::string hexOfOctal(std::string_view octal) {
    std::string bits;
    for (const char c : octal)
        for (int bit = 2; bit >= 0; --bit)
            bits += ((c - '0') >> bit & 1) ? '1' : '0';
    while (bits.size() % 4 != 0)
        bits.insert(bits.begin(), '0');
    std::string hex = "0x0";
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[(bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 +
                                  (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0')];
    return hex;
}

// Hands every text of up to longest characters from the alphabet to visit.
inline void everyText(std::u16string_view alphabet, std::size_t longest,
                      const std::function<void(const std::u16string&)>& visit) {
    std::u16string text;
    std::function<void()> sweep = [&] {
        visit(text);
        if (text.size() == longest) return;
        for (const char16_t c : alphabet) {
            text.push_back(c);
            sweep();
            text.pop_back();
        }
    };
    sweep();
}

} // namespace exercise::testing
