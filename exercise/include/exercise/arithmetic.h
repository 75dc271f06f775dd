// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four operations of the exercises, in double precision, with the
// floating-point status examined after each.
#pragma once

#include <exception>

namespace exercise {

enum class FaultCondition { InvalidOperation, DivisionByZero };

// Raised when an operation sets the invalid-operation or division-by-zero
// condition. Overflow, underflow and inexact results are no fault.
class ArithmeticFault : public std::exception {
public:
    explicit ArithmeticFault(FaultCondition condition) noexcept : condition_(condition) {}

    [[nodiscard]] FaultCondition condition() const noexcept { return condition_; }
    [[nodiscard]] const char* what() const noexcept override;

private:
    FaultCondition condition_;
};

// Each computes in IEEE binary64 and throws ArithmeticFault when the
// operation raises invalid-operation or division-by-zero.
[[nodiscard]] double add(double a, double b);
[[nodiscard]] double subtract(double a, double b);
[[nodiscard]] double multiply(double a, double b);
[[nodiscard]] double divide(double a, double b);

} // namespace exercise
