// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/failure.h"
#include "runtime/value.h"

#include <gtest/gtest.h>

#include <limits>

using vx::CalcFailure;
using vx::Value;
using vx::VType;

TEST(ValueArithmetic, WholeNumbersWidenInsteadOfOverflowing) {
  EXPECT_EQ(Value(1).type(), VType::Integer);
  EXPECT_EQ(Value(70000).type(), VType::Long);
  EXPECT_EQ((Value(12) + Value(30)).type(), VType::Integer);
  const Value sum = Value(32767) + Value(1);
  EXPECT_EQ(sum.type(), VType::Long);
  EXPECT_EQ(sum.asLong(), 32768);
  EXPECT_EQ((Value(200) * Value(200)).asLong(), 40000);
  const Value big = Value::longValue(std::numeric_limits<std::int32_t>::max()) + Value(1);
  EXPECT_EQ(big.type(), VType::Double);
  EXPECT_EQ(big.asDouble(), 2147483648.0);
  const Value negated = -Value::integer(-32768);
  EXPECT_EQ(negated.type(), VType::Long);
  EXPECT_EQ(negated.asLong(), 32768);
  EXPECT_EQ((Value(1) + Value(0.5)).asDouble(), 1.5);
}

TEST(ValueArithmetic, DivisionAlwaysGivesADoubleAndFailsOnZero) {
  EXPECT_EQ((Value(7) / Value(2)).asDouble(), 3.5);
  EXPECT_EQ((Value(4) / Value(2)).type(), VType::Double);
  EXPECT_THROW(Value(1) / Value(0), CalcFailure);
  EXPECT_THROW(Value(0) / Value(), CalcFailure);
  EXPECT_THROW(Value(1e308) * Value(10), CalcFailure);
  EXPECT_THROW(Value(1e308) / Value(1e-10), CalcFailure);
}

TEST(ValueArithmetic, TextsJoinWithPlusAndAreReadStrictlyOtherwise) {
  EXPECT_EQ((Value("12") + Value("30")).asString(), "1230");
  EXPECT_EQ((Value() + Value("x")).asString(), "x");
  EXPECT_EQ((Value() + Value()).type(), VType::Integer);
  EXPECT_EQ((Value(" 12 ") + Value(30)).asDouble(), 42.0);
  EXPECT_EQ((Value("12") - Value("2")).asDouble(), 10.0);
  EXPECT_EQ((Value("1.5e1") * Value(2)).asDouble(), 30.0);
  EXPECT_EQ((Value::boolean(true) + Value(1)).asInteger(), 0);
  EXPECT_THROW(Value("abc") + Value(1), CalcFailure);
  EXPECT_THROW(Value("") + Value(1), CalcFailure);
  EXPECT_THROW(Value("--5") - Value(1), CalcFailure);
  EXPECT_THROW(Value("1 2") - Value(1), CalcFailure);
  EXPECT_THROW(-Value("1e999"), CalcFailure);
  EXPECT_EQ(vx::join(Value(12.5), " M3"), "12.5 M3");
  EXPECT_EQ(vx::join(Value(), " M3"), " M3");
}

TEST(ValueComparison, NumbersNumericallyTextsByCharacterCode) {
  EXPECT_TRUE(Value(2) < Value(10.5));
  EXPECT_TRUE(Value("k") != Value("K"));
  EXPECT_TRUE(Value("K") < Value("k"));
  EXPECT_TRUE(Value("10") < Value("9"));
  EXPECT_TRUE(Value("\xc3\xa9") > Value("z"));
  EXPECT_TRUE(Value() == Value(0));
  EXPECT_TRUE(Value() == Value(""));
  EXPECT_TRUE(Value() < Value("a"));
  EXPECT_TRUE(Value("12") == Value(12));
  EXPECT_TRUE(Value(" 3 ") >= Value(2.5));
  EXPECT_TRUE(Value::boolean(true) == Value(-1));
  EXPECT_THROW((void)(Value("abc") == Value(1)), CalcFailure);
  const Value notANumber(std::numeric_limits<double>::quiet_NaN());
  EXPECT_FALSE(notANumber == notANumber);
  EXPECT_TRUE(notANumber != notANumber);
}
