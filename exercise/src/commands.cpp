// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/commands.h"

#include "exercise/arithmetic.h"

#include <optional>
#include <string>

namespace exercise {

// ---------------------------------------------------------------------------
// Shared steps

// The regional settings' separators where a pupil can type them, the point
// where not.
NumberFormat Commands::format() const { return typableFormat(settings_.numberFormat()); }

// An operand holds a number only when the number test takes it and the
// point reader, which computes with it, reads all of it: 2,5 under English
// settings would otherwise be computed as 2, and 1..5 under Dutch as 1.
bool Commands::operandsAreNumbers() {
    // The first operand is always tested first, and one message is enough.
    for (const Box box : {Box::Text1, Box::Text2}) {
        const std::u16string text = window_.text(box);
        const NumberFormat format = this->format();
        if (!isNumber(text, format) || !readCompleteNumber(text, format.decimalSeparator)) {
            window_.showMessage(kNoNumberPrompt, kNoNumberTitle, kMessageCritical);
            return false;
        }
    }
    return true;
}

// The point reader takes the pupil's own decimal separator as well as the
// point, so a comma written by the result formatter reads back whole.
std::optional<double> Commands::readNumber(Box box) const {
    return readLeadingNumber(window_.text(box), format().decimalSeparator);
}

double Commands::read(Box box) const { return readNumber(box).value_or(0.0); }

bool Commands::firstIsLarger() const { return read(Box::Text2) < read(Box::Text1); }

// The zero test reads the divisor by the regional settings, unlike the
// division itself, which reads it with the point reader.
bool Commands::divisorIsZero() const {
    const auto divisor = readLocaleNumber(window_.text(Box::Text2), format());
    // The operand check has passed, so the divisor is a number; should it not
    // be, the division is not attempted.
    return !divisor || *divisor == 0.0;
}

// A result longer than its box is rounded to fit it, so the box never cuts
// a digit off.
void Commands::writeResult(Box box, double value) {
    window_.setText(box, formatResultToFit(value, format(), maximumLength(box)));
}

void Commands::writeEquation(Box equation, Box left, std::u16string_view operatorText, Box right,
                             Box result) {
    std::u16string line = window_.text(left);
    line += operatorText;
    line += window_.text(right);
    line += kEqualsText;
    line += window_.text(result);
    window_.setText(equation, line);
}

// Compares the texts as the boxes hold them, not the computed value. A box
// that does not start with a number, such as an empty answer or the result
// Error, is never a right answer. Only ever hides: a wrong answer leaves the
// box as it is.
void Commands::checkAnswer(Box result, Box answer) {
    const std::optional<double> expected = readNumber(result);
    const std::optional<double> given = readNumber(answer);
    if (expected && given && *expected == *given) window_.setAnswerVisible(answer, false);
}

// ---------------------------------------------------------------------------
// Result and equation steps of each operation

void Commands::sumResult() { writeResult(Box::Text3, add(read(Box::Text1), read(Box::Text2))); }

void Commands::differenceResult() {
    if (firstIsLarger())
        writeResult(Box::Text4, subtract(read(Box::Text1), read(Box::Text2)));
    else
        writeResult(Box::Text4, subtract(read(Box::Text2), read(Box::Text1)));
}

void Commands::signedDifferenceResult() {
    writeResult(Box::Text4, subtract(read(Box::Text1), read(Box::Text2)));
}

void Commands::productResult() {
    writeResult(Box::Text5, multiply(read(Box::Text1), read(Box::Text2)));
}

void Commands::quotientResult() {
    if (divisorIsZero()) window_.setText(Box::Text6, kZeroDivisorResult);
    window_.setText(Box::Text11, divisorIsZero() ? kZeroDivisorNotice : kBlankNotice);
    if (!divisorIsZero()) writeResult(Box::Text6, divide(read(Box::Text1), read(Box::Text2)));
}

void Commands::sumEquation() {
    writeEquation(Box::Text7, Box::Text1, kSumOperator, Box::Text2, Box::Text3);
}

// The larger operand first; with equal operands the second.
void Commands::differenceEquation() {
    if (firstIsLarger())
        writeEquation(Box::Text8, Box::Text1, kDifferenceOperator, Box::Text2, Box::Text4);
    else
        writeEquation(Box::Text8, Box::Text2, kDifferenceOperator, Box::Text1, Box::Text4);
}

void Commands::signedDifferenceEquation() {
    writeEquation(Box::Text8, Box::Text1, kDifferenceOperator, Box::Text2, Box::Text4);
}

void Commands::productEquation() {
    writeEquation(Box::Text9, Box::Text1, kProductOperator, Box::Text2, Box::Text5);
}

void Commands::quotientEquation() {
    writeEquation(Box::Text10, Box::Text1, kQuotientOperator, Box::Text2, Box::Text6);
}

// ---------------------------------------------------------------------------
// The commands

void Commands::sum() {
    if (!operandsAreNumbers()) return;
    sumResult();
    sumEquation();
    checkAnswer(Box::Text3, Box::Text12);
}

void Commands::difference() {
    if (!operandsAreNumbers()) return;
    differenceResult();
    differenceEquation();
    checkAnswer(Box::Text4, Box::Text13);
}

void Commands::product() {
    if (!operandsAreNumbers()) return;
    productResult();
    productEquation();
    checkAnswer(Box::Text5, Box::Text14);
}

void Commands::quotient() {
    if (!operandsAreNumbers()) return;
    quotientResult();
    quotientEquation();
    checkAnswer(Box::Text6, Box::Text15);
}

void Commands::all() {
    if (!operandsAreNumbers()) return;
    sumResult();
    differenceResult();
    productResult();
    quotientResult();
    sumEquation();
    differenceEquation();
    productEquation();
    quotientEquation();
    checkAnswer(Box::Text3, Box::Text12);
    checkAnswer(Box::Text4, Box::Text13);
    checkAnswer(Box::Text5, Box::Text14);
    checkAnswer(Box::Text6, Box::Text15);
}

void Commands::operandKeyPress(char16_t keyAscii) {
    if (keyAscii != kEnterCode || !operandsAreNumbers()) return;
    sumResult();
    signedDifferenceResult();
    productResult();
    quotientResult();
    sumEquation();
    signedDifferenceEquation();
    productEquation();
    quotientEquation();
}

void Commands::reset() {
    for (int number = 1; number <= kBoxCount; ++number) {
        const auto box = static_cast<Box>(number);
        window_.setText(box, takesTyping(box) ? u"" : u" ");
    }
    for (const Box box : {Box::Text12, Box::Text13, Box::Text14, Box::Text15})
        window_.setAnswerVisible(box, true);
}

} // namespace exercise
