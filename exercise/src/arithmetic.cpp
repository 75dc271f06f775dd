// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/arithmetic.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace exercise {
namespace {

#if defined(FE_INVALID) && defined(FE_DIVBYZERO)

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

#else

// A NaN whose quiet bit is clear, which IEEE 754 operations report as an
// invalid operation.
bool isSignalling(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return std::isnan(value) && (bits & (std::uint64_t{1} << 51)) == 0;
}

// Where the floating-point environment keeps no exception flags (WebAssembly
// has none), the fault is read from the operands and the result, as the
// flags would have it for the four operations: a NaN from operands that are
// no NaN, or a signalling NaN among them, is an invalid operation; an
// infinity from a finite number and a zero, which only a division gives, is
// a division by zero.
template <typename Operation> double checked(Operation operation, double a, double b) {
    const double result = operation(a, b);
    if ((std::isnan(result) && !std::isnan(a) && !std::isnan(b)) || isSignalling(a) ||
        isSignalling(b))
        throw ArithmeticFault(FaultCondition::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && b == 0.0)
        throw ArithmeticFault(FaultCondition::DivisionByZero);
    return result;
}

#endif

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
