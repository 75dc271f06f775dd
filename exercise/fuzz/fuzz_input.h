// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns a fuzzer's bytes into the inputs of the conversions and commands.
#pragma once

#include "exercise/number_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace exercise::fuzzing {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    [[nodiscard]] bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }

    // The regional settings: English, Dutch, or separators that a desktop
    // might give, odd ones included.
    NumberFormat format() {
        static constexpr NumberFormat formats[] = {
            kEnglishFormat, kDutchFormat,  {u',', u'\u00a0'}, {u'.', u'\u202f'},
            {u',', u' '},   {u'.', u'\''}, {u',', u','},      {u'\u066b', u'\u066c'},
        };
        return formats[byte() % std::size(formats)];
    }

    // The rest as UTF-16, two bytes a code unit: any code unit at all.
    std::u16string rest() {
        std::u16string text;
        while (position_ + 1 < size_) {
            text += static_cast<char16_t>(data_[position_] | data_[position_ + 1] << 8);
            position_ += 2;
        }
        position_ = size_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace exercise::fuzzing
