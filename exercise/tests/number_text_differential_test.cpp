// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions against independent formulations: the grammars written as
// regular expressions, the values taken from the C library's strtod and
// snprintf, the rounding done in whole numbers on the double's bits. Every
// text of up to four characters from a small alphabet, and many seeded
// random texts and doubles.
#include "exercise/number_text.h"
#include "number_helpers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <string>

namespace exercise {
namespace {

std::u16string widen(const std::string& text) { return {text.begin(), text.end()}; }

std::string narrowAscii(std::u16string_view text) {
    std::string result;
    for (const char16_t c : text)
        result += static_cast<char>(c);
    return result;
}

std::string regexEscape(char c) {
    return std::string(std::strchr(".+*?^$()[]{}|\\", c) ? "\\" : "") + c;
}

bool sameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

class CLocale : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// ---------------------------------------------------------------------------
// The number test and the locale reader, written as a regular expression.

// The point is a decimal separator besides the settings' own, and so groups
// nothing.
struct LocaleReference {
    explicit LocaleReference(NumberFormat format)
        : decimal(static_cast<char>(format.decimalSeparator)),
          group(format.groupSeparator == u'.' ? decimal : static_cast<char>(format.groupSeparator)),
          grammar("[ \\t]*[+-]?(?:[0-9][0-9" + (group == decimal ? "" : regexEscape(group)) +
                  "]*(?:" + decimals() +
                  "[0-9]*)?|" + decimals() + "[0-9]+)(?:[eE][+-]?[0-9]+)?[ \\t]*" +
                  "|&[hH][0-9a-fA-F]+|&[oO][0-7]+") {}

    [[nodiscard]] std::string decimals() const { return "[." + regexEscape(decimal) + "]"; }

    [[nodiscard]] bool accepts(const std::string& text) const {
        return std::regex_match(text, grammar);
    }

    [[nodiscard]] double value(const std::string& text) const {
        if (text.size() > 1 && text[0] == '&') {
            const int base = (text[1] == 'h' || text[1] == 'H') ? 16 : 8;
            return static_cast<double>(std::strtoull(text.c_str() + 2, nullptr, base));
        }
        std::string plain;
        for (const char c : text) {
            if ((c == group && c != decimal) || c == ' ' || c == '\t') continue;
            plain += c == decimal ? '.' : c;
        }
        return std::strtod(plain.c_str(), nullptr);
    }

    char decimal;
    char group;
    std::regex grammar;
};

// ---------------------------------------------------------------------------
// The point reader: blanks and line feeds out, then the longest prefix of the
// form, read by strtod.

double pointReference(const std::string& raw) {
    static const std::regex decimal("^[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eEdD][+-]?[0-9]+)?");
    static const std::regex hex("^&[hH]([0-9a-fA-F]*)");
    static const std::regex octal("^&[oO]([0-7]*)");
    std::string text;
    for (const char c : raw)
        if (c != ' ' && c != '\t' && c != '\n') text += c;
    std::smatch match;
    if (std::regex_search(text, match, hex))
        return match[1].length() == 0 ? 0.0 : std::strtod(("0x" + match[1].str()).c_str(), nullptr);
    if (std::regex_search(text, match, octal))
        return match[1].length() == 0
                   ? 0.0
                   : std::strtod(testing::hexOfOctal(match[1].str()).c_str(), nullptr);
    if (std::regex_search(text, match, decimal)) {
        std::string number = match[0].str();
        for (char& c : number)
            if (c == 'd' || c == 'D') c = 'e';
        return std::strtod(number.c_str(), nullptr);
    }
    return 0.0;
}

// Every text of up to four characters from the alphabet, in order.
template <typename Visit>
std::size_t everyText(const std::string& alphabet, std::size_t maxLength, Visit visit) {
    std::size_t count = 0;
    std::string text;
    auto extend = [&](auto&& self) -> void {
        visit(text);
        ++count;
        if (text.size() == maxLength) return;
        for (const char c : alphabet) {
            text.push_back(c);
            self(self);
            text.pop_back();
        }
    };
    extend(extend);
    return count;
}

TEST_F(CLocale, NumberTestAndLocaleReaderAgreeWithTheGrammarOnEveryShortText) {
    const std::string alphabet = "019.,+-Ee&HO \tx";
    for (const NumberFormat format : {kEnglishFormat, kDutchFormat}) {
        const LocaleReference reference(format);
        std::size_t disagreements = 0;
        const std::size_t count = everyText(alphabet, 4, [&](const std::string& text) {
            const std::u16string wide = widen(text);
            const bool expected = reference.accepts(text);
            const auto value = readLocaleNumber(wide, format);
            if (isNumber(wide, format) != expected || value.has_value() != expected ||
                (expected && !sameDouble(*value, reference.value(text)))) {
                if (++disagreements <= 10)
                    ADD_FAILURE() << "\"" << text << "\" with decimal " << reference.decimal;
            }
        });
        std::printf("number test and locale reader (decimal '%c'): %zu texts, %zu disagreed\n",
                    reference.decimal, count, disagreements);
        EXPECT_EQ(disagreements, 0u);
    }
}

TEST_F(CLocale, PointReaderAgreesWithStrtodOnEveryShortText) {
    std::size_t disagreements = 0;
    const std::size_t count = everyText("019.,+-EeDd&HO \n", 4, [&](const std::string& text) {
        if (!sameDouble(readPointNumber(widen(text)), pointReference(text)) &&
            ++disagreements <= 10)
            ADD_FAILURE() << "\"" << text << "\"";
    });
    std::printf("point reader, short texts: %zu texts, %zu disagreed\n", count, disagreements);
    EXPECT_EQ(disagreements, 0u);
}

TEST_F(CLocale, PointReaderAgreesWithStrtodOnRandomTexts) {
    std::mt19937_64 random(20261208);
    const std::string alphabet = "0123456789012345678901234567890123456789..+-eEdD \t\n,&hHoOxF";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::size_t disagreements = 0;
    constexpr std::size_t kTexts = 200'000;
    for (std::size_t n = 0; n < kTexts; ++n) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += alphabet[pick(random)];
        // Every fourth text starts like a number, so that long mantissas and
        // exponents are met often.
        if (n % 4 == 0) text = std::to_string(static_cast<double>(random()) * 1e-10) + text;
        if (!sameDouble(readPointNumber(widen(text)), pointReference(text)) &&
            ++disagreements <= 10)
            ADD_FAILURE() << "\"" << text << "\"";
    }
    std::printf("point reader, random texts: %zu texts, %zu disagreed\n", kTexts, disagreements);
    EXPECT_EQ(disagreements, 0u);
}

// ---------------------------------------------------------------------------
// The result formatter against snprintf("%.15G") with the separator swapped.

std::u16string printfReference(double value, char16_t decimal) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::u16string text = widen(buffer);
    if (text == u"-0") text.erase(0, 1); // a zero is written without its sign
    // and a NaN too, which C libraries write with a sign or without.
    if (std::isnan(value)) text = u"NAN";
    for (char16_t& c : text)
        if (c == u'.') c = decimal;
    return text;
}

class FormatterComparison {
public:
    void compare(double value) {
        for (const NumberFormat format : {kEnglishFormat, kDutchFormat}) {
            ++count_;
            if (formatResult(value, format) != printfReference(value, format.decimalSeparator) &&
                ++disagreements_ <= 10)
                ADD_FAILURE() << "differs for " << std::hexfloat << value;
        }
    }
    void report(const char* what) const {
        std::printf("result formatter, %s: %zu comparisons, %zu disagreed\n", what, count_,
                    disagreements_);
        EXPECT_EQ(disagreements_, 0u);
    }

private:
    std::size_t count_ = 0;
    std::size_t disagreements_ = 0;
};

TEST_F(CLocale, ResultFormatterAgreesWithPrintfOnRandomDoubles) {
    FormatterComparison comparison;
    std::mt19937_64 random(1440);
    for (int n = 0; n < 1'000'000; ++n) {
        const double value = testing::doubleOfBits(random());
        comparison.compare(value);
    }
    comparison.report("random bit patterns");
}

TEST_F(CLocale, ResultFormatterAgreesWithPrintfOnIntegersAndPowersOfTen) {
    FormatterComparison comparison;
    for (int n = -1'000'000; n <= 1'000'000; ++n)
        comparison.compare(n);
    for (int exponent = -20; exponent <= 20; ++exponent)
        comparison.compare(std::strtod(("1e" + std::to_string(exponent)).c_str(), nullptr));
    // Ties at the fifteenth digit, and their neighbours.
    for (int n = 0; n < 100; ++n)
        for (const double delta : {-1.0, 0.0, 1.0})
            comparison.compare(1e15 + 10 * n + 5 + delta);
    comparison.report("integers, powers of ten and ties");
}

// What the formatter writes, the point reader reads back as the value rounded
// to fifteen significant digits.
TEST_F(CLocale, PointReaderReadsTheFormatterBack) {
    std::mt19937_64 random(15);
    std::size_t disagreements = 0;
    for (int n = 0; n < 200'000; ++n) {
        const double value = testing::doubleOfBits(random());
        if (!std::isfinite(value)) continue;
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.14e", value);
        const double back = readPointNumber(formatResult(value, kEnglishFormat));
        if (!sameDouble(back, value == 0 ? 0.0 : std::strtod(rounded, nullptr)) &&
            ++disagreements <= 10)
            ADD_FAILURE() << std::hexfloat << value;
    }
    EXPECT_EQ(disagreements, 0u);
}

// ---------------------------------------------------------------------------
// The rounding of a result to its box, against whole-number arithmetic on
// the double's exact value: |value| = mantissa / 2^shift.

struct ExactValue {
    explicit ExactValue(double value) : negative(std::signbit(value)) {
        int exponent = 0;
        const double fraction = std::frexp(std::abs(value), &exponent);
        mantissa = static_cast<unsigned __int128>(std::ldexp(fraction, 53));
        shift = 53 - exponent;
    }

    // The whole part, for a value below 2^64.
    [[nodiscard]] std::string wholeDigits() const {
        return std::to_string(static_cast<std::uint64_t>(mantissa >> shift));
    }

    // The value rounded half away from zero to the given decimals, written
    // out with trailing zeros and a bare point dropped. For values from
    // 2^-14 to 2^40 and up to nine decimals, everything fits 128 bits.
    [[nodiscard]] std::string roundedHalfAway(int decimals) const {
        unsigned __int128 scaled = mantissa;
        for (int i = 0; i < decimals; ++i)
            scaled *= 10;
        const unsigned __int128 one = static_cast<unsigned __int128>(1) << shift;
        unsigned __int128 quotient = scaled >> shift;
        if (2 * (scaled - (quotient << shift)) >= one) ++quotient;
        std::string digits;
        for (; quotient > 0; quotient /= 10)
            digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(quotient % 10)));
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
        std::string fraction = digits.substr(text.size());
        fraction.erase(fraction.find_last_not_of('0') + 1);
        if (!fraction.empty()) text += "." + fraction;
        return (negative && text != "0" ? "-" : "") + text;
    }

    bool negative;
    unsigned __int128 mantissa;
    int shift;
};

// Random values from 10^-4 to 10^11, and values with few binary decimals,
// among them exact ties at every place.
TEST(RoundingToTheBox, AgreesWithExactWholeNumberArithmetic) {
    constexpr std::size_t kWidth = 10;
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> power(-4.0, 11.0);
    std::size_t rounded = 0, exponentForm = 0, disagreements = 0;
    for (int n = 0; n < 300'000; ++n) {
        double value = 0.0;
        if (n % 2 == 0)
            value = std::pow(10.0, power(random));
        else
            value = std::ldexp(static_cast<double>(random() % 10'000'000'000), -(n % 12) - 1);
        if (random() % 2 == 0) value = -value;
        if (value == 0.0) continue;
        const std::string written = narrowAscii(formatResult(value, kEnglishFormat));
        const std::string fitted = narrowAscii(formatResultToFit(value, kEnglishFormat, kWidth));
        std::string expected = written;
        if (written.size() > kWidth && written.find('E') == std::string::npos) {
            ++rounded;
            const ExactValue exact(value);
            const std::size_t whole = (exact.negative ? 1 : 0) + exact.wholeDigits().size();
            const int decimals = whole + 1 < kWidth ? static_cast<int>(kWidth - whole - 1) : 0;
            expected = whole <= kWidth ? exact.roundedHalfAway(decimals) : "";
        }
        if (expected.empty() || expected.size() > kWidth) {
            ++exponentForm;
            expected =
                fitted.find('E') != std::string::npos && fitted.size() <= kWidth ? fitted : "E";
        }
        if (fitted != expected && ++disagreements <= 10)
            ADD_FAILURE() << std::hexfloat << value << ": " << fitted << ", not " << expected;
    }
    EXPECT_EQ(disagreements, 0u);
    EXPECT_GT(rounded, 100'000u);
    EXPECT_GT(exponentForm, 1'000u);
}

} // namespace
} // namespace exercise
