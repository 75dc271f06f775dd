// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversions between the texts of the boxes and numbers.
//
// Every number of an exercise lives only as the text of a box, so these four
// conversions are the whole road between what the pupil sees and what is
// computed. Two readers are in use and the difference between them shows:
// the number test and the locale reader follow the user's regional settings,
// the point reader never does and only ever takes a point as decimal separator.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace exercise {

// The user's regional settings for numbers. They come in as a value and are
// never looked up inside a conversion. A grouping separator equal to the
// decimal separator, or to the point, is ignored.
struct NumberFormat {
    char16_t decimalSeparator = u'.';
    char16_t groupSeparator = u',';

    friend bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

inline constexpr NumberFormat kEnglishFormat{u'.', u','};
inline constexpr NumberFormat kDutchFormat{u',', u'.'};

// The separators the exercise reads and writes by, from the user's regional
// settings: those settings where their decimal separator is a point or a
// comma, which every keyboard has; the point otherwise (the Arabic decimal
// separator, say), as the window asks the pupil to type it. So a result can
// always be typed back.
[[nodiscard]] constexpr NumberFormat typableFormat(NumberFormat settings) noexcept {
    if (settings.decimalSeparator == u'.' || settings.decimalSeparator == u',') return settings;
    return {u'.', settings.groupSeparator};
}

// The number test. True exactly when the whole text is
//   [blanks] [+|-] digits-with-grouping [decimal digits] [E|e [+|-] digits] [blanks]
// where a blank is a space or a tab, grouping separators may stand anywhere
// after the first digit (group sizes are not checked), the decimal separator
// is the point or the given one (one of them, once), the integer digits may
// be absent when a digit follows the decimal separator; or when the whole text
// is &H with one or more hexadecimal digits or &O with one or more octal
// digits (letters in either case). Only ASCII digits count. Does not throw.
[[nodiscard]] bool isNumber(std::u16string_view text, NumberFormat format) noexcept;

// The locale reader. The value of a text that passes the number test:
// grouping separators dropped, either decimal separator taken as the point,
// &H and &O read as unsigned whole numbers of any length. Rounds to the
// nearest double; beyond the double range it gives plus or minus infinity.
// Yields nothing for a text that fails the number test. Does not throw.
[[nodiscard]] std::optional<double> readLocaleNumber(std::u16string_view text,
                                                     NumberFormat format) noexcept;

// The point reader. Reads the leading number of any text and never fails:
// every space, tab and line feed is first taken out wherever it stands; then
// an optional sign, digits with at most one decimal separator, and an
// optional exponent (E, e, D or d, an optional sign and at least one digit);
// or &H / &O and hexadecimal / octal digits, as an unsigned whole number.
// The decimal separator is the point, and also the given one, so that a
// pupil's own decimal comma is understood; the two together still make at
// most one. Grouping separators are never understood. Reading stops at the
// first character that does not fit. Rounds to the nearest double; beyond
// the double range it gives plus or minus infinity. Does not throw.
//
// readLeadingNumber yields nothing for a text that does not start with a
// number once the blanks are out (an empty text, blanks only, abc, Error, a
// lone sign or point, &H without digits). readCompleteNumber yields the value
// only when the number is the whole text, blanks and line feeds left out:
// 2.5 and " 7 " yield one, 2,5 with the point alone, 1..5 and 8abc nothing.
// readPointNumber reads with the point alone, and reads no number as 0.
[[nodiscard]] std::optional<double> readLeadingNumber(std::u16string_view text,
                                                      char16_t decimalSeparator = u'.') noexcept;
[[nodiscard]] std::optional<double> readCompleteNumber(std::u16string_view text,
                                                       char16_t decimalSeparator) noexcept;
[[nodiscard]] double readPointNumber(std::u16string_view text) noexcept;

// The result formatter. The general format with 15 significant digits, as
// C's "%.15G": exponent form (1E+15, 1.5E-05) when the decimal exponent is
// below -4 or at least 15, fixed form otherwise, trailing zeros and a bare
// separator dropped, ties at the fifteenth digit rounded half to even on the
// exact binary value. The decimal separator is the given one. A zero is
// written "0", never "-0"; infinities and NaN as INF, -INF and NAN, a NaN
// without a sign whatever its sign bit (a sign says nothing of a NaN).
[[nodiscard]] std::u16string formatResult(double value, NumberFormat format);

// The result formatter's text for a box that keeps at most width characters
// (at least 10). A text that fits comes back as formatResult writes it. One
// that would keep its whole digits but lose decimals is rounded, half away
// from zero on the exact value of the double, at the last decimal place that
// fits, and written without trailing zeros or a separator last: 2/3 gives
// 0.66666667, 1234567.125 gives 1234567.13, 99999.9999999 gives 100000.
// Where the whole digits do not fit, even after such a rounding, the value
// is written in exponent form with as many significant digits, rounded, as
// fit: 1.111E+103, and 1E+10 for 9999999999.6.
[[nodiscard]] std::u16string formatResultToFit(double value, NumberFormat format,
                                               std::size_t width);

} // namespace exercise
