// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercises: what each button and the Enter key of the operand boxes do.
//
// Each command is a straight sequence of steps that reads the boxes afresh
// whenever it needs a value and writes each result as soon as it has it,
// rounded to the ten characters of its box, so that the equation and the
// answer check see what the box shows. Operands, results and answers are
// read with the point reader, which also understands the pupil's own decimal
// separator. Where the regional settings' decimal separator is neither a
// point nor a comma, the commands read and write the point. An operand box that holds no number, or a text that the point
// reader would not read whole, gives the "Geef een getal" message and
// changes nothing. An ArithmeticFault (an invalid operation or a division by zero)
// ends a command where it arises; the boxes written before keep their new
// texts and the fault goes on to the caller. With the operand check as it
// is, no division meets a zero divisor that the zero test did not see: the
// fault stays as the program's guard.
#pragma once

#include "exercise/window.h"

#include <optional>
#include <string_view>

namespace exercise {

inline constexpr std::u16string_view kNoNumberPrompt = u"Geef een getal";
inline constexpr std::u16string_view kNoNumberTitle = u"LET OP !";
inline constexpr std::u16string_view kZeroDivisorResult = u"Error";
inline constexpr std::u16string_view kZeroDivisorNotice = u"Delen door nul is niet mogelijk";
inline constexpr std::u16string_view kBlankNotice = u" ";

// The operators between the operands of the sums that the equation boxes
// show: sum, difference, product and quotient.
inline constexpr std::u16string_view kSumOperator = u" + ";
inline constexpr std::u16string_view kDifferenceOperator = u" - ";
inline constexpr std::u16string_view kProductOperator = u" x ";
inline constexpr std::u16string_view kQuotientOperator = u" : ";
// Between a sum and its result.
inline constexpr std::u16string_view kEqualsText = u" = ";

// The character code that the Return key and the keypad's Enter key give.
inline constexpr char16_t kEnterCode = 13;

class Commands {
public:
    Commands(WindowOperations& window, const RegionalSettings& settings) noexcept
        : window_(window), settings_(settings) {}

    // SOM, VERSCHIL, PRODUCT, QUOTIËNT: one operation with its answer check.
    // The difference is the larger operand minus the smaller.
    void sum();
    void difference();
    void product();
    void quotient();

    // ALLES: the four operations at once; all results, then all equations,
    // then all answer checks.
    void all();

    // A key typed into an operand box. Enter fills in all four results and
    // equations with a signed difference and checks no answer; every other
    // code does nothing.
    void operandKeyPress(char16_t keyAscii);

    // OPNIEUW: the boxes that the pupil types into become empty, so that all
    // their places are free; every other box becomes one blank; every answer
    // box is shown.
    void reset();

private:
    [[nodiscard]] NumberFormat format() const;
    [[nodiscard]] bool operandsAreNumbers();
    [[nodiscard]] std::optional<double> readNumber(Box box) const;
    [[nodiscard]] double read(Box box) const;
    [[nodiscard]] bool firstIsLarger() const;
    [[nodiscard]] bool divisorIsZero() const;

    void writeResult(Box box, double value);
    void sumResult();
    void differenceResult();
    void signedDifferenceResult();
    void productResult();
    void quotientResult();

    void writeEquation(Box equation, Box left, std::u16string_view operatorText, Box right,
                       Box result);
    void sumEquation();
    void differenceEquation();
    void signedDifferenceEquation();
    void productEquation();
    void quotientEquation();

    void checkAnswer(Box result, Box answer);

    WindowOperations& window_;
    const RegionalSettings& settings_;
};

} // namespace exercise
