// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts between the logic and the page. The logic's texts are UTF-16, as
// the page's own strings are; they cross to the page as wide strings, a
// code point each, so that every character comes back as it went, also one
// half of a pair that a pupil's keyboard left alone.
#pragma once

#include <string>
#include <string_view>

namespace web {

[[nodiscard]] constexpr bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
[[nodiscard]] constexpr bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Whether a text of two units is one character of a surrogate pair.
[[nodiscard]] constexpr bool isSurrogatePair(std::u16string_view text) {
    return text.size() == 2 && isHighSurrogate(text[0]) && isLowSurrogate(text[1]);
}

// One code point a pair; a unit on its own stays as it is.
[[nodiscard]] inline std::wstring wide(std::u16string_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            result +=
                static_cast<wchar_t>(0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            result += static_cast<wchar_t>(text[i]);
        }
    }
    return result;
}

[[nodiscard]] inline std::u16string utf16(std::wstring_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        const auto point = static_cast<char32_t>(c);
        if (point >= 0x10000 && point <= 0x10FFFF) {
            result += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            result += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            result += static_cast<char16_t>(point);
        }
    }
    return result;
}

// UTF-8 for a caption or a message; a unit without its pair becomes the
// replacement character.
[[nodiscard]] inline std::string utf8(std::u16string_view text) {
    std::string result;
    for (const wchar_t c : wide(text)) {
        auto point = static_cast<char32_t>(c);
        if (point >= 0xD800 && point <= 0xDFFF) point = 0xFFFD;
        if (point < 0x80) {
            result += static_cast<char>(point);
        } else if (point < 0x800) {
            result += static_cast<char>(0xC0 | point >> 6);
            result += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            result += static_cast<char>(0xE0 | point >> 12);
            result += static_cast<char>(0x80 | (point >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | point >> 18);
            result += static_cast<char>(0x80 | (point >> 12 & 0x3F));
            result += static_cast<char>(0x80 | (point >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (point & 0x3F));
        }
    }
    return result;
}

} // namespace web
