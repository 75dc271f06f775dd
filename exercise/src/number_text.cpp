#include "exercise/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace exercise {
namespace {

constexpr bool isDigit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }
constexpr bool isBlank(char16_t c) noexcept { return c == u' ' || c == u'\t'; }
constexpr bool isExponentLetter(char16_t c) noexcept { return c == u'E' || c == u'e'; }
constexpr bool isSign(char16_t c) noexcept { return c == u'+' || c == u'-'; }

// The value of one digit in radix 16 or 8, or -1.
constexpr int radixDigit(char16_t c, int radix) noexcept {
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < radix ? value : -1;
}

// 16 for "&H", 8 for "&O" at the start of text, 0 otherwise.
constexpr int radixOfPrefix(std::u16string_view text) noexcept {
    if (text.size() < 2 || text[0] != u'&')
        return 0;
    switch (text[1]) {
    case u'H':
    case u'h':
        return 16;
    case u'O':
    case u'o':
        return 8;
    default:
        return 0;
    }
}

// Accumulates the bits of an unsigned whole number of any length and rounds
// it once to the nearest double: the leading 64 bits are kept, every bit
// below them is folded into a sticky bit, which lies far enough below the
// 53rd bit that the one rounding of the conversion comes out right.
class WholeNumber {
public:
    void appendDigit(int value, int bits) noexcept {
        for (int bit = bits - 1; bit >= 0; --bit) {
            const bool set = ((value >> bit) & 1) != 0;
            if ((leading_ >> 63) == 0) {
                leading_ = (leading_ << 1) | (set ? 1u : 0u);
            } else {
                sticky_ = sticky_ || set;
                ++dropped_;
            }
        }
    }

    [[nodiscard]] double value() const noexcept {
        const auto rounded = static_cast<double>(leading_ | (sticky_ ? 1u : 0u));
        return std::ldexp(rounded, dropped_);
    }

private:
    std::uint64_t leading_ = 0;
    bool sticky_ = false;
    int dropped_ = 0;
};

// Exponents are kept within this bound: beyond it every text is out of the
// double range anyway, however many digits its mantissa has.
constexpr long kExponentLimit = 1'000'000'000;

void accumulateExponent(long& exponent, char16_t digit) noexcept {
    if (exponent < kExponentLimit)
        exponent = exponent * 10 + (digit - u'0');
}

// A decimal number taken apart by one of the readers: its digits in ASCII,
// with at most one point, and its exponent. The conversion itself is left to
// std::from_chars, which rounds correctly and ignores the C locale.
class DecimalDigits {
public:
    void sign(char16_t c) {
        if (c == u'-')
            text_.push_back('-');
    }
    void integerDigit(char16_t c) {
        if (c != u'0' || significantIntegerDigits_ > 0)
            ++significantIntegerDigits_;
        text_.push_back(static_cast<char>(c));
        ++digits_;
    }
    void point() {
        text_.push_back('.');
        inFraction_ = true;
    }
    void fractionDigit(char16_t c) {
        if (c == u'0' && !seenNonZeroFraction_)
            ++leadingFractionZeros_;
        else
            seenNonZeroFraction_ = true;
        text_.push_back(static_cast<char>(c));
        ++digits_;
    }
    void digit(char16_t c) { inFraction_ ? fractionDigit(c) : integerDigit(c); }
    void exponent(long value) noexcept { exponent_ = value; }

    [[nodiscard]] bool hasDigits() const noexcept { return digits_ > 0; }

    [[nodiscard]] double value() {
        if (exponent_ != 0) {
            text_.push_back('e');
            std::array<char, 24> buffer{};
            const auto written =
                std::to_chars(buffer.data(), buffer.data() + buffer.size(), exponent_);
            text_.append(buffer.data(), written.ptr);
        }
        double result = 0.0;
        const char* first = text_.data();
        const char* last = first + text_.size();
        const auto [ptr, ec] = std::from_chars(first, last, result);
        if (ec == std::errc::result_out_of_range)
            return outOfRange();
        return result;
    }

private:
    // Beyond the double range: infinity for a number too large, zero for one
    // too small, told apart by the place of the first significant digit.
    [[nodiscard]] double outOfRange() const noexcept {
        const long magnitude = significantIntegerDigits_ > 0
                                   ? exponent_ + significantIntegerDigits_
                                   : exponent_ - leadingFractionZeros_;
        const bool negative = !text_.empty() && text_.front() == '-';
        const double size = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -size : size;
    }

    std::string text_;
    long exponent_ = 0;
    long significantIntegerDigits_ = 0;
    long leadingFractionZeros_ = 0;
    long digits_ = 0;
    bool inFraction_ = false;
    bool seenNonZeroFraction_ = false;
};

// Takes a whole text of the form &H hex-digits or &O octal-digits.
// Yields nothing when the text is not wholly of that form.
template <typename Sink>
bool scanWholeRadixForm(std::u16string_view text, Sink&& sink) {
    const int radix = radixOfPrefix(text);
    if (radix == 0 || text.size() == 2)
        return false;
    for (const char16_t c : text.substr(2)) {
        const int value = radixDigit(c, radix);
        if (value < 0)
            return false;
        sink(value, radix == 16 ? 4 : 3);
    }
    return true;
}

// The grammar of the number test. Reports what it takes to a DecimalDigits
// when given one, so that the number test and the locale reader share it.
// The integer digits come first and the decimal separator is looked for only
// after them, so a grouping separator is never mistaken for it.
bool scanLocaleNumber(std::u16string_view text, NumberFormat format, DecimalDigits* out) {
    const char16_t decimal = format.decimalSeparator;
    const bool grouping = format.groupSeparator != format.decimalSeparator;
    const char16_t group = format.groupSeparator;
    const std::size_t n = text.size();
    std::size_t i = 0;

    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && isSign(text[i])) {
        if (out)
            out->sign(text[i]);
        ++i;
    }
    std::size_t integerDigits = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i];
        if (isDigit(c)) {
            ++integerDigits;
            if (out)
                out->integerDigit(c);
        } else if (!(grouping && c == group && integerDigits > 0)) {
            break;
        }
    }
    std::size_t fractionDigits = 0;
    if (i < n && text[i] == decimal) {
        ++i;
        if (out)
            out->point();
        for (; i < n && isDigit(text[i]); ++i, ++fractionDigits) {
            if (out)
                out->fractionDigit(text[i]);
        }
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return false;
    if (i < n && isExponentLetter(text[i])) {
        ++i;
        bool negative = false;
        if (i < n && isSign(text[i]))
            negative = text[i++] == u'-';
        if (i == n || !isDigit(text[i]))
            return false;
        long exponent = 0;
        for (; i < n && isDigit(text[i]); ++i)
            accumulateExponent(exponent, text[i]);
        if (out)
            out->exponent(negative ? -exponent : exponent);
    }
    while (i < n && isBlank(text[i]))
        ++i;
    return i == n;
}

// Walks a text for the point reader, passing over every blank and line feed
// wherever it stands.
class PointCursor {
public:
    explicit PointCursor(std::u16string_view text) noexcept : text_(text) { skip(); }

    [[nodiscard]] bool atEnd() const noexcept { return i_ == text_.size(); }
    [[nodiscard]] char16_t peek() const noexcept { return atEnd() ? u'\0' : text_[i_]; }
    void advance() noexcept {
        ++i_;
        skip();
    }
    [[nodiscard]] std::size_t position() const noexcept { return i_; }
    void rewind(std::size_t position) noexcept { i_ = position; }

private:
    void skip() noexcept {
        while (i_ < text_.size() && (isBlank(text_[i_]) || text_[i_] == u'\n'))
            ++i_;
    }

    std::u16string_view text_;
    std::size_t i_ = 0;
};

double readPointRadix(PointCursor& cursor) {
    cursor.advance(); // '&'
    const char16_t letter = cursor.peek();
    const int radix = (letter == u'H' || letter == u'h') ? 16 : (letter == u'O' || letter == u'o') ? 8 : 0;
    if (radix == 0)
        return 0.0;
    cursor.advance();
    WholeNumber number;
    for (int value = radixDigit(cursor.peek(), radix); !cursor.atEnd() && value >= 0;
         cursor.advance(), value = radixDigit(cursor.peek(), radix))
        number.appendDigit(value, radix == 16 ? 4 : 3);
    return number.value();
}

double readPointDecimal(PointCursor& cursor) {
    DecimalDigits number;
    if (isSign(cursor.peek())) {
        number.sign(cursor.peek());
        cursor.advance();
    }
    bool sawPoint = false;
    for (; !cursor.atEnd(); cursor.advance()) {
        const char16_t c = cursor.peek();
        if (isDigit(c)) {
            number.digit(c);
        } else if (c == u'.' && !sawPoint) {
            sawPoint = true;
            number.point();
        } else {
            break;
        }
    }
    if (!number.hasDigits())
        return 0.0;
    const char16_t e = cursor.peek();
    if (e == u'E' || e == u'e' || e == u'D' || e == u'd') {
        // The exponent counts only with at least one digit; otherwise the
        // number ends before the letter.
        const std::size_t before = cursor.position();
        cursor.advance();
        bool negative = false;
        if (isSign(cursor.peek())) {
            negative = cursor.peek() == u'-';
            cursor.advance();
        }
        if (isDigit(cursor.peek())) {
            long exponent = 0;
            for (; isDigit(cursor.peek()); cursor.advance())
                accumulateExponent(exponent, cursor.peek());
            number.exponent(negative ? -exponent : exponent);
        } else {
            cursor.rewind(before);
        }
    }
    return number.value();
}

} // namespace

bool isNumber(std::u16string_view text, NumberFormat format) noexcept {
    if (radixOfPrefix(text) != 0)
        return scanWholeRadixForm(text, [](int, int) {});
    return scanLocaleNumber(text, format, nullptr);
}

std::optional<double> readLocaleNumber(std::u16string_view text, NumberFormat format) noexcept {
    try {
        if (radixOfPrefix(text) != 0) {
            WholeNumber number;
            if (!scanWholeRadixForm(text, [&](int value, int bits) { number.appendDigit(value, bits); }))
                return std::nullopt;
            return number.value();
        }
        DecimalDigits number;
        if (!scanLocaleNumber(text, format, &number))
            return std::nullopt;
        return number.value();
    } catch (const std::bad_alloc&) {
        // Only a text of a size beyond memory gets here.
        return std::nullopt;
    }
}

double readPointNumber(std::u16string_view text) noexcept {
    try {
        PointCursor cursor(text);
        if (cursor.peek() == u'&')
            return readPointRadix(cursor);
        return readPointDecimal(cursor);
    } catch (const std::bad_alloc&) {
        return 0.0;
    }
}

std::size_t formatResult(double value, NumberFormat format,
                         std::span<char16_t, kResultCapacity> out) noexcept {
    if (value == 0.0) {
        out[0] = u'0';
        return 1;
    }
    std::array<char, kResultCapacity> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, 15);
    const auto length = static_cast<std::size_t>(end - buffer.data());
    for (std::size_t i = 0; i < length; ++i) {
        const char c = buffer[i];
        if (c == '.')
            out[i] = format.decimalSeparator;
        else if (c >= 'a' && c <= 'z')
            out[i] = static_cast<char16_t>(c - 'a' + 'A');
        else
            out[i] = static_cast<char16_t>(c);
    }
    return length;
}

std::u16string formatResult(double value, NumberFormat format) {
    std::array<char16_t, kResultCapacity> buffer{};
    const std::size_t length = formatResult(value, format, buffer);
    return {buffer.data(), length};
}

} // namespace exercise
