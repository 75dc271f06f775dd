// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace exercise {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

FaultCondition faultOf(double (*operation)(double, double), double a, double b) {
    try {
        (void)operation(a, b);
    } catch (const ArithmeticFault& fault) {
        return fault.condition();
    }
    ADD_FAILURE() << "no fault for " << a << ", " << b;
    return FaultCondition::InvalidOperation;
}

TEST(Arithmetic, ComputesInDoublePrecision) {
    EXPECT_EQ(add(0.1, 0.2), 0.30000000000000004);
    EXPECT_EQ(subtract(3, 8), -5);
    EXPECT_EQ(multiply(9e99, 9e99), 9e99 * 9e99);
    EXPECT_EQ(divide(1, 3), 1.0 / 3.0);
    EXPECT_EQ(divide(8, 3), 8.0 / 3.0);
}

TEST(Arithmetic, DivisionByZeroIsAFault) {
    EXPECT_EQ(faultOf(divide, 5, 0), FaultCondition::DivisionByZero);
    EXPECT_EQ(faultOf(divide, -5, 0), FaultCondition::DivisionByZero);
    EXPECT_EQ(faultOf(divide, 5, -0.0), FaultCondition::DivisionByZero);
}

TEST(Arithmetic, InvalidOperationIsAFault) {
    EXPECT_EQ(faultOf(divide, 0, 0), FaultCondition::InvalidOperation);
    EXPECT_EQ(faultOf(divide, kInfinity, kInfinity), FaultCondition::InvalidOperation);
    EXPECT_EQ(faultOf(subtract, kInfinity, kInfinity), FaultCondition::InvalidOperation);
    EXPECT_EQ(faultOf(add, kInfinity, -kInfinity), FaultCondition::InvalidOperation);
    EXPECT_EQ(faultOf(multiply, 0, kInfinity), FaultCondition::InvalidOperation);
    // A signalling NaN is an invalid operation too, a quiet one is no fault.
    const double signalling = std::numeric_limits<double>::signaling_NaN();
    EXPECT_EQ(faultOf(add, 1, signalling), FaultCondition::InvalidOperation);
    EXPECT_EQ(faultOf(multiply, signalling, 2), FaultCondition::InvalidOperation);
    EXPECT_TRUE(std::isnan(add(1, std::numeric_limits<double>::quiet_NaN())));
}

// Overflow, underflow and inexact results are ordinary values.
TEST(Arithmetic, OverflowAndUnderflowAreNoFault) {
    EXPECT_EQ(multiply(kMax, 10), kInfinity);
    EXPECT_EQ(add(kMax, kMax), kInfinity);
    EXPECT_EQ(divide(1e-300, 1e300), 0.0);
    EXPECT_EQ(divide(1, kInfinity), 0.0);
    EXPECT_EQ(divide(1, 1e-320), kInfinity);
}

// A fault left behind by one operation must not be blamed on the next.
TEST(Arithmetic, EachOperationStartsWithCleanFlags) {
    EXPECT_THROW((void)divide(1, 0), ArithmeticFault);
    EXPECT_NO_THROW((void)add(1, 2));
    EXPECT_NO_THROW((void)divide(1, 2));
}

TEST(Arithmetic, FaultNamesItsCondition) {
    EXPECT_STREQ(ArithmeticFault(FaultCondition::DivisionByZero).what(), "division by zero");
    EXPECT_STREQ(ArithmeticFault(FaultCondition::InvalidOperation).what(), "invalid operation");
}

} // namespace
} // namespace exercise
