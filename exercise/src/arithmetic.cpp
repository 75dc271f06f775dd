// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/arithmetic.h"

#include <cfenv>

namespace exercise {
namespace {

// The status flags are cleared before an operation and read right after it.
// The result passes through a volatile so that the compiler neither moves the
// operation across the flag calls nor folds it away.
template <typename Operation> double checked(Operation operation, double a, double b) {
    volatile double x = a;
    volatile double y = b;
    std::feclearexcept(FE_INVALID | FE_DIVBYZERO);
    volatile double result = operation(x, y);
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO);
    if (raised & FE_INVALID) throw ArithmeticFault(FaultCondition::InvalidOperation);
    if (raised & FE_DIVBYZERO) throw ArithmeticFault(FaultCondition::DivisionByZero);
    return result;
}

} // namespace

const char* ArithmeticFault::what() const noexcept {
    return condition_ == FaultCondition::DivisionByZero ? "division by zero" : "invalid operation";
}

double add(double a, double b) {
    return checked([](double x, double y) { return x + y; }, a, b);
}

double subtract(double a, double b) {
    return checked([](double x, double y) { return x - y; }, a, b);
}

double multiply(double a, double b) {
    return checked([](double x, double y) { return x * y; }, a, b);
}

double divide(double a, double b) {
    return checked([](double x, double y) { return x / y; }, a, b);
}

} // namespace exercise
