// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/number_text.h"
#include "number_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>

namespace exercise {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr NumberFormat kEnglish = kEnglishFormat;
constexpr NumberFormat kDutch = kDutchFormat;

using testing::everyText;

std::string narrow(std::u16string_view text) {
    std::string result;
    for (const char16_t c : text)
        result += c < 0x80 ? static_cast<char>(c) : '?';
    return result;
}

#define EXPECT_NUMBER(format, text) EXPECT_TRUE(isNumber(text, format)) << narrow(text)
#define EXPECT_NOT_NUMBER(format, text) EXPECT_FALSE(isNumber(text, format)) << narrow(text)
#define EXPECT_LOCALE_READS(expected, format, text)                                                \
    EXPECT_EQ(readLocaleNumber(text, format), std::optional<double>(expected)) << narrow(text)
#define EXPECT_POINT_READS(expected, text)                                                         \
    EXPECT_EQ(readPointNumber(text), expected) << narrow(text)
#define EXPECT_FORMATS(expected, format, value) EXPECT_EQ(formatResult(value, format), expected)

// ---------------------------------------------------------------------------
// The number test

TEST(NumberTest, AcceptsEveryPartOfTheForm) {
    for (const NumberFormat format : {kEnglish, kDutch}) {
        EXPECT_NUMBER(format, u"0");
        EXPECT_NUMBER(format, u"7");
        EXPECT_NUMBER(format, u"  7");
        EXPECT_NUMBER(format, u"7\t ");
        EXPECT_NUMBER(format, u"\t-7 ");
        EXPECT_NUMBER(format, u"+7");
        EXPECT_NUMBER(format, u"1E5");
        EXPECT_NUMBER(format, u"1e+5");
        EXPECT_NUMBER(format, u"1e-05");
        EXPECT_NUMBER(format, u"9E99");
        EXPECT_NUMBER(format, u"&H1F");
        EXPECT_NUMBER(format, u"&hff");
        EXPECT_NUMBER(format, u"&O17");
        EXPECT_NUMBER(format, u"&o0");
    }
}

TEST(NumberTest, FollowsTheLocaleSeparators) {
    EXPECT_NUMBER(kEnglish, u"1.5");
    EXPECT_NUMBER(kEnglish, u"1,5"); // grouping, sizes are not checked
    EXPECT_NUMBER(kEnglish, u".5");
    EXPECT_NUMBER(kEnglish, u"5.");
    EXPECT_NUMBER(kEnglish, u"1,000.25");
    EXPECT_NUMBER(kEnglish, u"1,,0,.5e3");
    EXPECT_NUMBER(kEnglish, u"1,");
    EXPECT_NOT_NUMBER(kEnglish, u"1.5.5");
    EXPECT_NOT_NUMBER(kEnglish, u",5");
    EXPECT_NOT_NUMBER(kEnglish, u"1.5,5"); // no grouping after the decimal separator

    // The point is a decimal separator beside the settings' own, so it
    // groups nothing, and the two together make one separator at most.
    EXPECT_NUMBER(kDutch, u"1,5");
    EXPECT_NUMBER(kDutch, u"1.5");
    EXPECT_NUMBER(kDutch, u",5");
    EXPECT_NUMBER(kDutch, u".5");
    EXPECT_NUMBER(kDutch, u"-.5");
    EXPECT_NUMBER(kDutch, u"5,");
    EXPECT_NUMBER(kDutch, u"0,5");
    EXPECT_NOT_NUMBER(kDutch, u"1,5,5");
    EXPECT_NOT_NUMBER(kDutch, u"1.000.000");
    EXPECT_NOT_NUMBER(kDutch, u"1.234,5");
    constexpr NumberFormat polish{u',', u'\u00a0'};
    EXPECT_NUMBER(polish, u"2.5");
    EXPECT_NUMBER(polish, u"1\u00a0000,5");
    EXPECT_NOT_NUMBER(polish, u"2.5,5");
}

TEST(NumberTest, RejectsWhatIsNotWhollyANumber) {
    for (const NumberFormat format : {kEnglish, kDutch}) {
        EXPECT_NOT_NUMBER(format, u"");
        EXPECT_NOT_NUMBER(format, u" ");
        EXPECT_NOT_NUMBER(format, u"\t\t");
        EXPECT_NOT_NUMBER(format, u"+");
        EXPECT_NOT_NUMBER(format, u"-");
        EXPECT_NOT_NUMBER(format, u".");
        EXPECT_NOT_NUMBER(format, u",");
        EXPECT_NOT_NUMBER(format, u"+-1");
        EXPECT_NOT_NUMBER(format, u"1 2");
        EXPECT_NOT_NUMBER(format, u"12abc");
        EXPECT_NOT_NUMBER(format, u"E5");
        EXPECT_NOT_NUMBER(format, u"1E");
        EXPECT_NOT_NUMBER(format, u"1E+");
        EXPECT_NOT_NUMBER(format, u"1E5.5");
        EXPECT_NOT_NUMBER(format, u"1\n");
        EXPECT_NOT_NUMBER(format, u"Error");
        // Forms this program does not take: trailing sign, parentheses,
        // currency, the D exponent.
        EXPECT_NOT_NUMBER(format, u"5-");
        EXPECT_NOT_NUMBER(format, u"(5)");
        EXPECT_NOT_NUMBER(format, u"\u20ac5");
        EXPECT_NOT_NUMBER(format, u"1D5");
        // The &H and &O forms only as the whole text.
        EXPECT_NOT_NUMBER(format, u"&H");
        EXPECT_NOT_NUMBER(format, u"&O8");
        EXPECT_NOT_NUMBER(format, u"&HG");
        EXPECT_NOT_NUMBER(format, u" &H1");
        EXPECT_NOT_NUMBER(format, u"&H1 ");
        EXPECT_NOT_NUMBER(format, u"-&H1");
        EXPECT_NOT_NUMBER(format, u"&X1");
        EXPECT_NOT_NUMBER(format, u"&");
    }
}

// ---------------------------------------------------------------------------
// The locale reader

TEST(LocaleReader, DropsGroupingAndTakesEitherDecimalSeparator) {
    EXPECT_LOCALE_READS(1.5, kDutch, u"1.5");
    EXPECT_LOCALE_READS(0.5, kDutch, u"0,5");
    EXPECT_LOCALE_READS(1.5, kDutch, u" 1,5 ");
    EXPECT_LOCALE_READS(1234.5, (NumberFormat{u',', u'\u202f'}), u"1\u202f234.5");
    EXPECT_LOCALE_READS(15.0, kEnglish, u"1,5");
    EXPECT_LOCALE_READS(5.0, kEnglish, u"0,5");
    EXPECT_LOCALE_READS(1.5, kEnglish, u"1.5");
    EXPECT_LOCALE_READS(-2500.0, kEnglish, u"-2.5e3");
    EXPECT_LOCALE_READS(0.25, kEnglish, u".25");
    EXPECT_LOCALE_READS(5.0, kDutch, u"5,");
}

TEST(LocaleReader, ReadsHexAndOctalAsUnsignedWholeNumbers) {
    for (const NumberFormat format : {kEnglish, kDutch}) {
        EXPECT_LOCALE_READS(65535.0, format, u"&HFFFF");
        EXPECT_LOCALE_READS(255.0, format, u"&hff");
        EXPECT_LOCALE_READS(15.0, format, u"&O17");
        EXPECT_LOCALE_READS(0.0, format, u"&H0");
        EXPECT_LOCALE_READS(18446744073709551615.0, format, u"&HFFFFFFFFFFFFFFFF");
        EXPECT_LOCALE_READS(0x1p64, format, u"&H10000000000000000");
    }
}

TEST(LocaleReader, BeyondTheDoubleRangeGivesInfinity) {
    EXPECT_LOCALE_READS(kInfinity, kEnglish, u"1E999");
    EXPECT_LOCALE_READS(-kInfinity, kDutch, u"-1E999");
    EXPECT_LOCALE_READS(0.0, kEnglish, u"1E-999");
    EXPECT_LOCALE_READS(4.9406564584124654e-324, kEnglish, u"5e-324");
}

TEST(LocaleReader, YieldsNothingForATextThatIsNoNumber) {
    EXPECT_EQ(readLocaleNumber(u"", kEnglish), std::nullopt);
    EXPECT_EQ(readLocaleNumber(u" ", kDutch), std::nullopt);
    EXPECT_EQ(readLocaleNumber(u"1,5,5", kDutch), std::nullopt);
    EXPECT_EQ(readLocaleNumber(u"12abc", kEnglish), std::nullopt);
    EXPECT_EQ(readLocaleNumber(u"&H", kEnglish), std::nullopt);
}

// A grouping separator equal to the decimal separator would make every
// separator ambiguous; it is then ignored.
TEST(LocaleReader, IgnoresAGroupingSeparatorEqualToTheDecimalOne) {
    constexpr NumberFormat same{u',', u','};
    EXPECT_LOCALE_READS(1.5, same, u"1,5");
    EXPECT_NOT_NUMBER(same, u"1,5,5");
}

// ---------------------------------------------------------------------------
// The point reader

TEST(PointReader, ReadsTheLeadingNumber) {
    EXPECT_POINT_READS(2.5, u"2.5");
    EXPECT_POINT_READS(0.5, u".5");
    EXPECT_POINT_READS(5.0, u"5.");
    EXPECT_POINT_READS(-2.5, u"-2.5");
    EXPECT_POINT_READS(2.5, u"+2.5");
    EXPECT_POINT_READS(12.0, u"12abc");
    EXPECT_POINT_READS(8.0, u"8abc");
    EXPECT_POINT_READS(1.5, u"1.5.5");
    EXPECT_POINT_READS(1e5, u"1E5");
    EXPECT_POINT_READS(1e5, u"1e+5");
    EXPECT_POINT_READS(1e-5, u"1D-5");
    EXPECT_POINT_READS(1e5, u"1d5");
    EXPECT_POINT_READS(1.0, u"1E");  // an exponent needs a digit
    EXPECT_POINT_READS(1.0, u"1E+"); // the letter is then not part of it
    EXPECT_POINT_READS(1.0, u"1Ex");
    EXPECT_POINT_READS(0.33333333, u"0.33333333");
}

TEST(PointReader, WithThePointAloneStopsAtAComma) {
    EXPECT_POINT_READS(2.0, u"2,5");
    EXPECT_POINT_READS(1.0, u"1,000");
    EXPECT_POINT_READS(0.0, u"0,5");
    EXPECT_POINT_READS(0.0, u",5");
}

#define EXPECT_READS_WITH(expected, separator, text)                                               \
    EXPECT_EQ(readLeadingNumber(text, separator).value_or(0.0), expected) << narrow(text)

TEST(PointReader, TakesTheUsersDecimalSeparatorAsWellAsThePoint) {
    EXPECT_READS_WITH(2.5, u',', u"2,5");
    EXPECT_READS_WITH(0.5, u',', u",5");
    EXPECT_READS_WITH(5.0, u',', u"5,");
    EXPECT_READS_WITH(-0.5, u',', u"- 0 , 5");
    EXPECT_READS_WITH(250.0, u',', u"2,5E2");
    EXPECT_READS_WITH(1.5, u',', u"1.5");   // the point still, as the hint asks
    EXPECT_READS_WITH(1.5, u',', u"1,5.5"); // two separators are no number
    EXPECT_READS_WITH(1.5, u',', u"1.5,5");
    EXPECT_READS_WITH(1.0, u',', u"&H1,8");
    EXPECT_READS_WITH(1.5, u'\u066b', u"1\u066b5"); // beyond ASCII too
    EXPECT_READS_WITH(15.0, u' ', u"1 5");          // a blank is taken out, whatever the settings
    EXPECT_READS_WITH(105.0, u'0', u"105");
    EXPECT_READS_WITH(2.0, u'.', u"2,5");
}

// Every text of up to four characters from a small alphabet: the user's
// separator reads exactly as a point would in its place.
TEST(PointReader, TheUsersSeparatorReadsAsAPointEverywhere) {
    everyText(u"1,.-E &H", 4, [](const std::u16string& text) {
        std::u16string pointed = text;
        std::replace(pointed.begin(), pointed.end(), u',', u'.');
        ASSERT_EQ(readLeadingNumber(text, u','), readLeadingNumber(pointed)) << narrow(text);
    });
}

TEST(PointReader, TakesOutBlanksAndLineFeedsWherever) {
    EXPECT_POINT_READS(12.0, u"1 2");
    EXPECT_POINT_READS(12.0, u" 1\t2\n");
    EXPECT_POINT_READS(-1.5, u"- 1 . 5");
    EXPECT_POINT_READS(1e12, u"1 E 1 2");
    EXPECT_POINT_READS(31.0, u"& H 1 F");
    EXPECT_POINT_READS(1.0, u"1\r2"); // a carriage return is no blank
}

// A text that holds no leading number is told apart from one that reads as
// 0, and read as 0 where a value is needed.
#define EXPECT_NO_LEADING_NUMBER(text)                                                             \
    EXPECT_EQ(readLeadingNumber(text, u','), std::nullopt) << narrow(text);                        \
    EXPECT_POINT_READS(0.0, text)

TEST(PointReader, ReadsNoLeadingNumberAsZero) {
    EXPECT_NO_LEADING_NUMBER(u"");
    EXPECT_NO_LEADING_NUMBER(u" ");
    EXPECT_NO_LEADING_NUMBER(u" \t\n");
    EXPECT_NO_LEADING_NUMBER(u"Error");
    EXPECT_NO_LEADING_NUMBER(u"x");
    EXPECT_NO_LEADING_NUMBER(u".");
    EXPECT_NO_LEADING_NUMBER(u",");
    EXPECT_NO_LEADING_NUMBER(u"-");
    EXPECT_NO_LEADING_NUMBER(u"+.");
    EXPECT_NO_LEADING_NUMBER(u"-,E5");
    EXPECT_NO_LEADING_NUMBER(u"E5");
    EXPECT_NO_LEADING_NUMBER(u"&");
    EXPECT_NO_LEADING_NUMBER(u"&H");
    EXPECT_NO_LEADING_NUMBER(u"&Hx");
    EXPECT_NO_LEADING_NUMBER(u"&O9");
    EXPECT_NO_LEADING_NUMBER(u"&X1");
    EXPECT_EQ(readLeadingNumber(u" 0"), 0.0);
    EXPECT_EQ(readLeadingNumber(u"-0"), 0.0);
    EXPECT_EQ(readLeadingNumber(u"&H0"), 0.0);
    EXPECT_EQ(readLeadingNumber(u"0Error"), 0.0);
    EXPECT_EQ(readLeadingNumber(u"5."), 5.0);
    EXPECT_EQ(readLeadingNumber(u",5", u','), 0.5);
}

// A text is read whole when the number takes every character but the
// blanks and line feeds.
#define EXPECT_READS_WHOLE(expected, separator, text)                                              \
    EXPECT_EQ(readCompleteNumber(text, separator), std::optional<double>(expected)) << narrow(text)
#define EXPECT_NOT_READ_WHOLE(separator, text)                                                     \
    EXPECT_EQ(readCompleteNumber(text, separator), std::nullopt) << narrow(text)

TEST(PointReader, TellsWhetherItReadTheWholeText) {
    EXPECT_READS_WHOLE(2.5, u'.', u"2.5");
    EXPECT_READS_WHOLE(0.5, u'.', u".5");
    EXPECT_READS_WHOLE(5.0, u'.', u"5.");
    EXPECT_READS_WHOLE(31.0, u'.', u"&H1F");
    EXPECT_READS_WHOLE(-7.0, u'.', u" -7\t\n");
    EXPECT_READS_WHOLE(1e5, u'.', u"+1E5");
    EXPECT_READS_WHOLE(1e5, u'.', u"1D5");
    EXPECT_READS_WHOLE(2.5, u',', u"2,5");
    EXPECT_READS_WHOLE(2.5, u',', u"2.5");
    EXPECT_READS_WHOLE(1.0, u',', u"1.000");
    EXPECT_READS_WHOLE(0.5, u',', u"5E-1");
    EXPECT_NOT_READ_WHOLE(u'.', u"2,5");
    EXPECT_NOT_READ_WHOLE(u'.', u"1,00");
    EXPECT_NOT_READ_WHOLE(u'.', u"8abc");
    EXPECT_NOT_READ_WHOLE(u'.', u"1E");
    EXPECT_NOT_READ_WHOLE(u'.', u"1D+");
    EXPECT_NOT_READ_WHOLE(u'.', u"&H1G");
    EXPECT_NOT_READ_WHOLE(u'.', u"7\r");
    EXPECT_NOT_READ_WHOLE(u'.', u"");
    EXPECT_NOT_READ_WHOLE(u'.', u" ");
    EXPECT_NOT_READ_WHOLE(u',', u"1..5");
    EXPECT_NOT_READ_WHOLE(u',', u"0.,5");
    EXPECT_NOT_READ_WHOLE(u',', u"1.5.");
    EXPECT_NOT_READ_WHOLE(u',', u"1,5,5");
    EXPECT_NOT_READ_WHOLE(u',', u"1.5\u00eb");
    // Beyond the stack copy of a box's text.
    EXPECT_READS_WHOLE(1.0, u'.', std::u16string(40, u'0') + u"1");
    EXPECT_NOT_READ_WHOLE(u'.', std::u16string(40, u'0') + u"1x");
}

// Every operand the number test takes and the point reader reads whole is
// zero to both readers or to neither, so the zero test sees every zero
// divisor the division would meet. Every text a box of four keeps, from a
// small alphabet.
TEST(PointReader, ATextReadWholeIsZeroToTheZeroTestExactlyWhenItIsZero) {
    for (const NumberFormat format : {kEnglish, kDutch}) {
        std::size_t numbers = 0;
        everyText(u"01,.-E &H", 4, [&](const std::u16string& text) {
            const auto whole = readCompleteNumber(text, format.decimalSeparator);
            if (!isNumber(text, format) || !whole) return;
            ++numbers;
            ASSERT_EQ(*readLocaleNumber(text, format) == 0.0, *whole == 0.0) << narrow(text);
        });
        EXPECT_GT(numbers, 100u);
    }
}

TEST(PointReader, ReadsHexAndOctalPrefixes) {
    EXPECT_POINT_READS(65535.0, u"&HFFFF");
    EXPECT_POINT_READS(255.0, u"&hffzz");
    EXPECT_POINT_READS(15.0, u"&O178");
    EXPECT_POINT_READS(0.0, u"-&H10");
    // Rounded once to the nearest double, ties to even: 2^53 + 1 is a tie.
    EXPECT_POINT_READS(9007199254740992.0, u"&H20000000000001");
    EXPECT_POINT_READS(9007199254740996.0, u"&H20000000000003");
    EXPECT_POINT_READS(0x1.fffffffffffffp+63, u"&HFFFFFFFFFFFFF7FF");
    EXPECT_POINT_READS(0x1p64, u"&HFFFFFFFFFFFFFC00");
    // A tie broken upwards by a bit far below the first 64.
    EXPECT_POINT_READS(0x1.0000000000001p+76, u"&H10000000000000800001");
}

TEST(PointReader, BeyondTheDoubleRangeGivesInfinityOrZero) {
    EXPECT_POINT_READS(kInfinity, u"1E999");
    EXPECT_POINT_READS(-kInfinity, u"-1E999");
    EXPECT_POINT_READS(kInfinity, u"1E99999999999999999999");
    EXPECT_POINT_READS(kInfinity, u"3E76901117872e01"); // beyond 32 bits on the way
    EXPECT_POINT_READS(0.0, u"1E-999");
    EXPECT_POINT_READS(0.0, u"0.0001E-99999999999999");
    EXPECT_POINT_READS(1e308, u"0.01E310"); // in range once the digits are counted
    EXPECT_POINT_READS(kInfinity, u"10E308");
    EXPECT_POINT_READS(1e-320, u"1E-320"); // subnormal, still in range
}

// ---------------------------------------------------------------------------
// The result formatter

TEST(ResultFormatter, WritesFifteenSignificantDigits) {
    EXPECT_FORMATS(u"8", kEnglish, 8.0);
    EXPECT_FORMATS(u"2.5", kEnglish, 2.5);
    EXPECT_FORMATS(u"-5", kEnglish, -5.0);
    EXPECT_FORMATS(u"0.333333333333333", kEnglish, 1.0 / 3.0);
    EXPECT_FORMATS(u"2.66666666666667", kEnglish, 8.0 / 3.0);
    EXPECT_FORMATS(u"0.3", kEnglish, 0.1 + 0.2);
    EXPECT_FORMATS(u"0.0001", kEnglish, 0.0001);
    EXPECT_FORMATS(u"100000000000000", kEnglish, 1e14);
    EXPECT_FORMATS(u"999999999999999", kEnglish, 999999999999999.0);
}

TEST(ResultFormatter, UsesExponentFormOutsideTheFixedRange) {
    EXPECT_FORMATS(u"1E+15", kEnglish, 1e15);
    EXPECT_FORMATS(u"1E-05", kEnglish, 0.00001);
    EXPECT_FORMATS(u"1.5E-05", kEnglish, 0.000015);
    EXPECT_FORMATS(u"8.1E+199", kEnglish, 9e99 * 9e99);
    EXPECT_FORMATS(u"1E+100", kEnglish, 1e100);
    EXPECT_FORMATS(u"-1.79769313486232E+308", kEnglish, -std::numeric_limits<double>::max());
    EXPECT_FORMATS(u"4.94065645841247E-324", kEnglish, std::numeric_limits<double>::denorm_min());
    // Rounding up to fifteen digits can carry into the exponent form.
    EXPECT_FORMATS(u"1E+15", kEnglish, 999999999999999.9);
}

TEST(ResultFormatter, WritesTheLocaleDecimalSeparator) {
    EXPECT_FORMATS(u"2,5", kDutch, 2.5);
    EXPECT_FORMATS(u"0,333333333333333", kDutch, 1.0 / 3.0);
    EXPECT_FORMATS(u"1,5E-05", kDutch, 0.000015);
    EXPECT_FORMATS(u"1E+15", kDutch, 1e15);
    EXPECT_FORMATS(u"1234567", kDutch, 1234567.0); // never grouped
}

TEST(ResultFormatter, RoundsTiesHalfToEvenOnTheBinaryValue) {
    EXPECT_FORMATS(u"1E+15", kEnglish, 1e15 + 5);                 // exactly a tie: down to even
    EXPECT_FORMATS(u"1.00000000000002E+15", kEnglish, 1e15 + 15); // exactly a tie: up to even
    EXPECT_FORMATS(u"1.00000000000001E+15", kEnglish, 1e15 + 6);
    // 0.15 lies below its decimal text, so it is no tie at one digit; at
    // fifteen the nearest is plain.
    EXPECT_FORMATS(u"0.15", kEnglish, 0.15);
}

TEST(ResultFormatter, WritesZeroWithoutSignAndNonFiniteValuesInCapitals) {
    EXPECT_FORMATS(u"0", kEnglish, 0.0);
    EXPECT_FORMATS(u"0", kEnglish, -0.0);
    EXPECT_FORMATS(u"0", kDutch, -0.0);
    EXPECT_FORMATS(u"INF", kEnglish, kInfinity);
    EXPECT_FORMATS(u"-INF", kEnglish, -kInfinity);
    EXPECT_FORMATS(u"NAN", kEnglish, std::numeric_limits<double>::quiet_NaN());
    EXPECT_FORMATS(u"NAN", kEnglish, -std::numeric_limits<double>::quiet_NaN());
}

// ---------------------------------------------------------------------------
// The result for a box of ten characters

#define EXPECT_FITS(expected, format, value)                                                       \
    EXPECT_EQ(formatResultToFit(value, format, 10), expected)

TEST(ResultToFit, WritesWhatFitsAsTheFormatterDoes) {
    EXPECT_FITS(u"8", kEnglish, 8.0);
    EXPECT_FITS(u"0.375", kEnglish, 0.375);
    EXPECT_FITS(u"8.1E+199", kEnglish, 9e99 * 9e99);
    EXPECT_FITS(u"1E+15", kEnglish, 1e15);
    EXPECT_FITS(u"1.5E-05", kEnglish, 0.000015);
    EXPECT_FITS(u"1234567890", kEnglish, 1234567890.0);
}

// Rounded half away from zero at the last decimal that fits, as pupils
// round, and written in its shortest form.
TEST(ResultToFit, RoundsAwayTheDecimalsThatDoNotFit) {
    EXPECT_FITS(u"0,66666667", kDutch, 2.0 / 3.0);
    EXPECT_FITS(u"0,28571429", kDutch, 2.0 / 7.0);
    EXPECT_FITS(u"-1,6666667", kDutch, -5.0 / 3.0);
    EXPECT_FITS(u"-142857143", kDutch, -1e9 / 7.0);
    EXPECT_FITS(u"-100010", kDutch, -1e9 / 9999.0); // not -100010,00
    EXPECT_FITS(u"176285714", kDutch, 1234 / 7e-6); // never a separator last
    EXPECT_FITS(u"-17628571", kEnglish, -123.4 / 7e-6);
    EXPECT_FITS(u"1234,00001", kDutch, 1234 + 7e-6);
    EXPECT_FITS(u"0,00012346", kDutch, 0.000123456789);
    EXPECT_FITS(u"0.33333333", kEnglish, 1.0 / 3.0);
    EXPECT_FITS(u"2.66666667", kEnglish, 8.0 / 3.0);
}

TEST(ResultToFit, RoundsTiesAwayFromZeroOnTheExactValue) {
    EXPECT_FITS(u"1234567,13", kDutch, 1234567.125);    // exactly a tie
    EXPECT_FITS(u"-123456,13", kDutch, -123456.125);    // exactly a tie
    EXPECT_FITS(u"1234567891", kEnglish, 1234567890.5); // exactly a tie, no decimal left
    EXPECT_FITS(u"12345678.3", kEnglish, 12345678.25);  // exactly a tie
    // Written with fifteen digits as 0.123456785, but the double lies below
    // that tie, and 0.123456775 lies above its own.
    EXPECT_FITS(u"0.12345678", kEnglish, 0.123456785);
    EXPECT_FITS(u"0.12345678", kEnglish, 0.123456775);
}

TEST(ResultToFit, CarriesIntoANewWholeDigit) {
    EXPECT_FITS(u"100000", kDutch, 99999.9999999);
    EXPECT_FITS(u"1000000000", kEnglish, 999999999.6);
    EXPECT_FITS(u"-10", kEnglish, -9.999999999);
    EXPECT_FITS(u"1E+10", kDutch, 9999999999.6); // whole digits no longer fit
}

TEST(ResultToFit, WritesShorterWhatACutWouldChangeInSize) {
    EXPECT_FITS(u"1.111E+103", kEnglish, 1234 * 9e99);
    EXPECT_FITS(u"1,111E+103", kDutch, 1234 * 9e99);
    EXPECT_FITS(u"-1.11E+103", kEnglish, -1234 * 9e99);
    EXPECT_FITS(u"1.4286E-06", kEnglish, 1 / 7e5);
    EXPECT_FITS(u"9.999E+13", kEnglish, 9999 * 1e10);
    EXPECT_FITS(u"1.2346E+10", kEnglish, 12345678901.0);
    EXPECT_FITS(u"-1.23E-308", kEnglish, -1.23456789012345e-308);
    EXPECT_FITS(u"1E+100", kEnglish, 1e100);
    EXPECT_FITS(u"1E+14", kEnglish, 99999999999999.99); // rounding carries into the next power
    EXPECT_FITS(u"4.941E-324", kEnglish, std::numeric_limits<double>::denorm_min());
    // Rounded, the largest double would read as beyond the range: cut instead.
    EXPECT_FITS(u"1.797E+308", kEnglish, std::numeric_limits<double>::max());
    EXPECT_FITS(u"-1.79E+308", kEnglish, -std::numeric_limits<double>::max());
}

// What is written fits the box and reads back as about the same number.
TEST(ResultToFit, ReadsBackCloseToTheValue) {
    std::mt19937_64 random(10);
    for (int n = 0; n < 200'000; ++n) {
        const double value = testing::doubleOfBits(random());
        if (!std::isfinite(value) || value == 0) continue;
        const std::u16string shown = formatResultToFit(value, kEnglish, 10);
        ASSERT_LE(shown.size(), 10u) << narrow(shown);
        const double back = readPointNumber(shown);
        ASSERT_TRUE(back == value || std::abs(back - value) < 0.05 * std::abs(value))
            << narrow(shown);
    }
}

// ---------------------------------------------------------------------------
// Any text at all goes through every reader.

TEST(BadInput, EveryReaderTakesAnyText) {
    const std::u16string million_digits(1'000'000, u'9');
    const std::u16string million_blanks(1'000'000, u' ');
    std::u16string million_zeros_then_one(1'000'000, u'0');
    million_zeros_then_one[1] = u'.';
    million_zeros_then_one.back() = u'1';
    std::u16string million_hex(1'000'000, u'F');
    million_hex[0] = u'&';
    million_hex[1] = u'H';
    const std::u16string with_nul(u"12\0"
                                  u"34",
                                  5);
    const char16_t lone_high[] = {0xD800, u'5', 0};
    const char16_t lone_low[] = {u'5', 0xDC00, 0};

    struct Case {
        std::u16string_view text;
        double pointValue;
    };
    const Case cases[] = {
        {u"", 0.0},
        {million_digits, kInfinity},
        {million_blanks, 0.0},
        {million_zeros_then_one, 0.0}, // 1E-999999: below the double range
        {million_hex, kInfinity},
        {with_nul, 12.0},
        {lone_high, 0.0},
        {lone_low, 5.0},
        {u"\u0661\u0662", 0.0}, // Arabic-Indic digits are no digits here
        {u"\uff11\uff12", 0.0}, // neither are full-width ones
        {u"\x01\x02\x7f", 0.0},
        {u"\U0001F600", 0.0},
        {u"1\uff125", 1.0},
    };
    for (const auto& [text, pointValue] : cases) {
        for (const NumberFormat format : {kEnglish, kDutch}) {
            EXPECT_NO_THROW({
                const bool number = isNumber(text, format);
                const auto value = readLocaleNumber(text, format);
                EXPECT_EQ(number, value.has_value());
            });
        }
        EXPECT_EQ(readPointNumber(text), pointValue) << text.size() << " characters";
    }
    EXPECT_TRUE(isNumber(million_digits, kEnglish));
    EXPECT_EQ(readLocaleNumber(million_digits, kDutch), kInfinity);
    EXPECT_FALSE(isNumber(million_blanks, kDutch));
    EXPECT_TRUE(isNumber(million_hex, kDutch));
}

} // namespace
} // namespace exercise
