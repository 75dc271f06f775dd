// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/number_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <system_error>

namespace exercise {
namespace {

// Room for any double in the general format with 15 significant digits.
constexpr std::size_t kResultCapacity = 32;
// Decimals enough to write every double of the fixed form exactly, and room
// for them behind up to fifteen whole digits.
constexpr int kExactDecimals = 70;
constexpr std::size_t kExactCapacity = 16 + 1 + kExactDecimals;

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

// 16 for the H of "&H", 8 for the O of "&O", 0 for any other letter.
constexpr int radixOfLetter(char16_t letter) noexcept {
    switch (letter) {
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

// 16 for "&H", 8 for "&O" at the start of text, 0 otherwise.
constexpr int radixOfPrefix(std::u16string_view text) noexcept {
    return text.size() < 2 || text[0] != u'&' ? 0 : radixOfLetter(text[1]);
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

// Exponents are read up to this bound: beyond it every text is out of the
// double range anyway, however many digits its mantissa has.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

// The value of a number in plain ASCII that lies beyond the double range:
// infinity when it is too large, zero when too small, told apart by the place
// of its first significant digit. The text is an optional minus, digits with
// at most one point, and an optional exponent (e, an optional sign, digits).
double beyondRange(std::string_view text) noexcept {
    const bool negative = text.front() == '-';
    std::int64_t integerDigits = 0, fractionZeros = 0;
    bool significant = false, fraction = false;
    std::size_t i = negative ? 1 : 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            fraction = true;
        } else if (!fraction) {
            significant = significant || c != '0';
            integerDigits += significant ? 1 : 0;
        } else if (!significant) {
            significant = c != '0';
            fractionZeros += significant ? 0 : 1;
        }
    }
    std::int64_t exponent = 0;
    bool negativeExponent = false;
    if (i < text.size()) {
        ++i;
        if (text[i] == '+' || text[i] == '-') negativeExponent = text[i++] == '-';
        for (; i < text.size() && exponent < kExponentLimit; ++i)
            exponent = exponent * 10 + (text[i] - '0');
    }
    if (negativeExponent) exponent = -exponent;
    const std::int64_t magnitude =
        integerDigits > 0 ? exponent + integerDigits : exponent - fractionZeros;
    const double size = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -size : size;
}

// The conversions of doubles from and to plain ASCII. The standard library
// does them where its feature macro says that it has them for doubles;
// elsewhere (libc++ 13 for WebAssembly, say) the C library does, which
// there knows no locale but C's. Both read only what std::from_chars reads:
// no blanks, no plus, no hexadecimal form.
struct Parsed {
    double value;
    std::size_t length;
    bool outOfRange;
};

Parsed parseDouble(std::string_view text) noexcept {
#if defined(__cpp_lib_to_chars)
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return {value, static_cast<std::size_t>(end - text.data()),
            ec == std::errc::result_out_of_range};
#else
    const std::size_t plain = text.find_first_not_of("0123456789.eE+-");
    char local[64];
    std::string longer;
    const std::string_view number = text.substr(0, plain);
    const char* start = local;
    if (number.size() < sizeof local) {
        std::memcpy(local, number.data(), number.size());
        local[number.size()] = '\0';
    } else {
        longer.assign(number);
        start = longer.c_str();
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(start, &end);
    const bool beyond = errno == ERANGE && (value == 0.0 || std::isinf(value));
    return {value, static_cast<std::size_t>(end - start), beyond};
#endif
}

// The characters written into buffer, none when it has too little room.
std::string_view printDouble(std::span<char> buffer, double value, std::chars_format format,
                             int precision) noexcept {
#if defined(__cpp_lib_to_chars)
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (ec != std::errc{}) return {};
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
#else
    const char* pattern = format == std::chars_format::fixed        ? "%.*f"
                          : format == std::chars_format::scientific ? "%.*e"
                                                                    : "%.*g";
    const int written = std::snprintf(buffer.data(), buffer.size(), pattern, precision, value);
    if (written < 0 || static_cast<std::size_t>(written) >= buffer.size()) return {};
    return {buffer.data(), static_cast<std::size_t>(written)};
#endif
}

struct Reading {
    double value;
    std::size_t length; // characters read
};

// Reads the longest prefix of text that is a decimal number in plain ASCII:
// an optional minus, digits with at most one point, and an optional exponent
// (e or E, an optional sign and at least one digit). std::from_chars rounds
// correctly and ignores the C locale. The caller makes sure that the text
// starts with a digit or a point, after the minus, so that the words inf and
// nan that std::from_chars also knows never come this far.
Reading readDecimalPrefix(std::string_view text) noexcept {
    const Parsed parsed = parseDouble(text);
    const double value =
        parsed.outOfRange ? beyondRange(text.substr(0, parsed.length)) : parsed.value;
    return {value, parsed.length};
}

// Takes a whole text of the form &H hex-digits or &O octal-digits, handing
// each digit's value and width in bits to the sink. False when the text is
// not wholly of that form.
template <typename Sink> bool scanWholeRadixForm(std::u16string_view text, Sink&& sink) {
    const int radix = radixOfPrefix(text);
    if (radix == 0 || text.size() == 2) return false;
    for (const char16_t c : text.substr(2)) {
        const int value = radixDigit(c, radix);
        if (value < 0) return false;
        sink(value, radix == 16 ? 4 : 3);
    }
    return true;
}

// The grammar of the number test. When given a string, it writes there the
// number in the plain form that readDecimalPrefix reads, so that the number test
// and the locale reader share one grammar. The integer digits come first and
// the decimal separator is looked for only after them, so a grouping
// separator is never mistaken for it. The point is a decimal separator
// whatever the settings, as the window asks, so it groups nothing.
bool scanLocaleNumber(std::u16string_view text, NumberFormat format, std::string* out) {
    const char16_t decimal = format.decimalSeparator;
    const char16_t group = format.groupSeparator;
    const bool grouping = group != decimal && group != u'.';
    const std::size_t n = text.size();
    auto emit = [out](char16_t c) {
        if (out) out->push_back(static_cast<char>(c));
    };
    std::size_t i = 0;

    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && isSign(text[i])) {
        if (text[i] == u'-') emit(u'-');
        ++i;
    }
    std::size_t integerDigits = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i];
        if (isDigit(c)) {
            ++integerDigits;
            emit(c);
        } else if (!(grouping && c == group && integerDigits > 0)) {
            break;
        }
    }
    std::size_t fractionDigits = 0;
    if (i < n && (text[i] == decimal || text[i] == u'.')) {
        ++i;
        emit(u'.');
        for (; i < n && isDigit(text[i]); ++i, ++fractionDigits)
            emit(text[i]);
    }
    if (integerDigits == 0 && fractionDigits == 0) return false;
    if (i < n && isExponentLetter(text[i])) {
        ++i;
        emit(u'e');
        if (i < n && isSign(text[i])) emit(text[i++]);
        if (i == n || !isDigit(text[i])) return false;
        for (; i < n && isDigit(text[i]); ++i)
            emit(text[i]);
    }
    while (i < n && isBlank(text[i]))
        ++i;
    return i == n;
}

// What the point reader does with each character before it reads: passes
// over blanks and line feeds, keeps what may be part of a number, and stops
// at anything else (every character beyond ASCII among them).
enum class PointClass : std::uint8_t { Stop, Skip, Keep };

constexpr std::array<PointClass, 128> kPointClasses = [] {
    std::array<PointClass, 128> classes{};
    for (char16_t c = 0; c < 128; ++c) {
        if (isBlank(c) || c == u'\n')
            classes[c] = PointClass::Skip;
        else if (isDigit(c) || isSign(c) || c == u'.' || c == u'&' || (c >= u'a' && c <= u'z') ||
                 (c >= u'A' && c <= u'Z'))
            classes[c] = PointClass::Keep;
    }
    return classes;
}();

constexpr PointClass pointClass(char16_t c) noexcept {
    return c < 128 ? kPointClasses[c] : PointClass::Stop;
}

// What the point reader made of a text: its value, if the text starts with
// a number, and how many of the characters it was given that number took.
struct PointReading {
    std::optional<double> value;
    std::size_t length = 0;
};

// The point reader's &H and &O forms, on text without blanks that starts
// with '&'. Nothing without at least one digit.
PointReading readPointRadix(std::string_view text) noexcept {
    const int radix = text.size() < 2 ? 0 : radixOfLetter(static_cast<char16_t>(text[1]));
    if (radix == 0) return {};
    WholeNumber number;
    std::size_t i = 2;
    for (; i < text.size(); ++i) {
        const int value = radixDigit(static_cast<char16_t>(text[i]), radix);
        if (value < 0) break;
        number.appendDigit(value, radix == 16 ? 4 : 3);
    }
    if (i == 2) return {};
    return {number.value(), i};
}

// The point reader's decimal form, on text without blanks.
PointReading readPointDecimal(std::span<char> text) noexcept {
    const char first = text[0];
    const std::size_t begin = first == '+' ? 1 : 0; // std::from_chars takes no plus
    const std::size_t mantissa = isSign(static_cast<char16_t>(first)) ? 1 : 0;
    if (mantissa == text.size() ||
        !(isDigit(static_cast<char16_t>(text[mantissa])) || text[mantissa] == '.'))
        return {};
    const std::string_view plain(text.data() + begin, text.size() - begin);
    const Reading reading = readDecimalPrefix(plain);
    // A lone point, with or without a sign, is no number.
    if (reading.length == 0) return {};
    // D is an exponent letter here too: when the number stops at a D with
    // digits after it, it is read again with an E in its place.
    const std::size_t end = reading.length;
    if (end == plain.size() || (plain[end] != 'D' && plain[end] != 'd'))
        return {reading.value, begin + end};
    const std::size_t digit =
        end + 1 < plain.size() && isSign(static_cast<char16_t>(plain[end + 1])) ? end + 2 : end + 1;
    if (digit >= plain.size() || !isDigit(static_cast<char16_t>(plain[digit])))
        return {reading.value, begin + end};
    text[begin + end] = 'e';
    const Reading again = readDecimalPrefix(plain);
    return {again.value, begin + again.length};
}

PointReading readPointPlain(std::span<char> text) noexcept {
    if (text.empty()) return {};
    return text[0] == '&' ? readPointRadix({text.data(), text.size()}) : readPointDecimal(text);
}

// The point reader on a box's text: every blank and line feed out, up to the
// first character that cannot be part of a number. complete tells whether
// the number took every character that was left.
struct PointResult {
    std::optional<double> value;
    bool complete;
};

PointResult readPoint(std::u16string_view text, char16_t decimalSeparator) noexcept {
    // The user's own decimal separator counts as a point, unless it could
    // be nothing but a blank or a digit.
    const bool ownSeparator = decimalSeparator != u'.' && !isDigit(decimalSeparator) &&
                              pointClass(decimalSeparator) != PointClass::Skip;
    // What a box holds is copied on the stack; only a longer text needs the
    // heap.
    std::array<char, 32> local;
    std::string longer;
    std::size_t length = 0;
    bool stopped = false;
    for (char16_t c : text) {
        if (ownSeparator && c == decimalSeparator) c = u'.';
        const PointClass kind = pointClass(c);
        if (kind == PointClass::Stop) {
            stopped = true;
            break;
        }
        if (kind == PointClass::Skip) continue;
        if (length < local.size()) {
            local[length] = static_cast<char>(c);
        } else {
            if (longer.empty()) longer.assign(local.data(), length);
            longer.push_back(static_cast<char>(c));
        }
        ++length;
    }
    const PointReading reading =
        length <= local.size() ? readPointPlain({local.data(), length}) : readPointPlain(longer);
    return {reading.value, reading.value && !stopped && reading.length == length};
}

// The decimals of a value in fixed form rounded, half away from zero, to
// the last place at which the text fits width characters, in plain ASCII
// with trailing zeros and a bare point dropped. Nothing when even the
// rounded whole digits do not fit. The digits to round come from the exact
// value of the double, never from a text that is rounded already.
std::optional<std::string> roundedToFit(double value, std::size_t width) {
    // Every double from 2^-14 up has at most 66 decimals, so these digits
    // are exact for every value that the fixed form writes.
    std::array<char, kExactCapacity> buffer{};
    const std::string_view exact =
        printDouble(buffer, std::abs(value), std::chars_format::fixed, kExactDecimals);
    if (exact.empty()) return std::nullopt;
    const std::size_t sign = std::signbit(value) ? 1 : 0;
    const std::size_t point = exact.find('.');
    if (sign + point > width) return std::nullopt;
    const std::size_t decimals = sign + point + 1 < width ? width - sign - point - 1 : 0;

    std::string digits(exact.substr(0, point));
    digits += exact.substr(point + 1, decimals);
    if (exact[point + 1 + decimals] >= '5') {
        auto digit = digits.rbegin();
        for (; digit != digits.rend() && *digit == '9'; ++digit)
            *digit = '0';
        if (digit == digits.rend())
            digits.insert(digits.begin(), '1');
        else
            ++*digit;
    }
    std::string plain = sign != 0 ? "-" : "";
    plain += std::string_view(digits).substr(0, digits.size() - decimals);
    std::string_view fraction = std::string_view(digits).substr(digits.size() - decimals);
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    if (!fraction.empty()) (plain += '.') += fraction;
    if (plain.size() > width) return std::nullopt;
    return plain;
}

} // namespace

bool isNumber(std::u16string_view text, NumberFormat format) noexcept {
    if (radixOfPrefix(text) != 0) return scanWholeRadixForm(text, [](int, int) {});
    return scanLocaleNumber(text, format, nullptr);
}

std::optional<double> readLocaleNumber(std::u16string_view text, NumberFormat format) noexcept {
    if (radixOfPrefix(text) != 0) {
        WholeNumber number;
        if (!scanWholeRadixForm(text,
                                [&](int value, int bits) { number.appendDigit(value, bits); }))
            return std::nullopt;
        return number.value();
    }
    std::string plain;
    if (!scanLocaleNumber(text, format, &plain)) return std::nullopt;
    return readDecimalPrefix(plain).value;
}

std::optional<double> readLeadingNumber(std::u16string_view text,
                                        char16_t decimalSeparator) noexcept {
    return readPoint(text, decimalSeparator).value;
}

std::optional<double> readCompleteNumber(std::u16string_view text,
                                         char16_t decimalSeparator) noexcept {
    const PointResult result = readPoint(text, decimalSeparator);
    return result.complete ? result.value : std::nullopt;
}

double readPointNumber(std::u16string_view text) noexcept {
    return readLeadingNumber(text, u'.').value_or(0.0);
}

std::u16string formatResult(double value, NumberFormat format) {
    if (value == 0.0) return u"0";
    if (!std::isfinite(value)) return std::isnan(value) ? u"NAN" : (value < 0 ? u"-INF" : u"INF");
    std::array<char, kResultCapacity> buffer{};
    const std::string_view general = printDouble(buffer, value, std::chars_format::general, 15);
    // Digits, a minus, a point, an e and an exponent sign: widened as they
    // are, then the point and the e put right.
    std::u16string text(general.begin(), general.end());
    if (const auto point = text.find(u'.'); point != std::u16string::npos)
        text[point] = format.decimalSeparator;
    if (const auto e = text.find(u'e', 1); e != std::u16string::npos) text[e] = u'E';
    return text;
}

std::u16string formatResultToFit(double value, NumberFormat format, std::size_t width) {
    std::u16string text = formatResult(value, format);
    if (text.size() <= width) return text;
    if (text.find(u'E') == std::u16string::npos) {
        if (const auto rounded = roundedToFit(value, width)) {
            text.assign(rounded->begin(), rounded->end());
            std::replace(text.begin(), text.end(), u'.', format.decimalSeparator);
            return text;
        }
    }

    // The value in exponent form with the given number of digits after the
    // point, trailing zeros dropped as the result formatter drops them.
    auto exponentText = [value](int digits) {
        std::array<char, kResultCapacity + 8> buffer{};
        std::string plain(printDouble(buffer, value, std::chars_format::scientific, digits));
        const auto e = plain.find('e');
        auto last = plain.find_last_not_of('0', e - 1);
        if (plain[last] == '.') --last;
        plain.erase(last + 1, e - last - 1);
        return plain;
    };
    std::string plain;
    for (int digits = 14; digits >= 0; --digits) {
        plain = exponentText(digits);
        if (plain.size() <= width) break;
    }
    // Rounded up at the very top of the range, the text would name a number
    // beyond it; there the mantissa is cut instead.
    if (!std::isfinite(readDecimalPrefix(plain).value)) {
        const std::string full = exponentText(14);
        const auto e = full.find('e');
        const std::string exponent = full.substr(e);
        std::string mantissa = full.substr(0, std::min(e, width - exponent.size()));
        mantissa.erase(mantissa.find_last_not_of("0.") + 1);
        plain = mantissa + exponent;
    }
    text.assign(plain.begin(), plain.end());
    for (char16_t& c : text) {
        if (c == u'.')
            c = format.decimalSeparator;
        else if (c == u'e')
            c = u'E';
    }
    return text;
}

} // namespace exercise
