// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <limits>

using vx::CalcFailure;
using vx::Value;
using vx::VType;

TEST(Hex, UpperCaseDigitsOfTheNumberRoundedHalfToEven) {
  EXPECT_EQ(vx::Hex(255), "FF");
  EXPECT_EQ(vx::Hex(6699), "1A2B");
  EXPECT_EQ(vx::Hex(0), "0");
  EXPECT_EQ(vx::Hex(-1), "FFFFFFFF");
  EXPECT_EQ(vx::Hex(2.5), "2");
  EXPECT_EQ(vx::Hex(3.5), "4");
  EXPECT_EQ(vx::Hex(Value("255")), "FF");
  EXPECT_EQ(vx::Hex(2147483647), "7FFFFFFF");
  EXPECT_EQ(vx::Hex(-2147483648.0), "80000000");
  EXPECT_THROW(vx::Hex(4294967295.0), CalcFailure);
  EXPECT_THROW(vx::Hex(std::numeric_limits<double>::quiet_NaN()), CalcFailure);
}

TEST(Int, RoundsDownKeepingTheType) {
  EXPECT_EQ(vx::Int(-2.5).asDouble(), -3.0);
  EXPECT_EQ(vx::Int(Value(7)).type(), VType::Integer);
  EXPECT_EQ(vx::Int(Value(70000)).asLong(), 70000);
  EXPECT_EQ(vx::Int(Value("-2.5")).asDouble(), -3.0);
  EXPECT_EQ(vx::Int(Value()).type(), VType::Integer);
  EXPECT_EQ(vx::Int(Value::boolean(true)), Value(-1));
}

TEST(IntDivAndMod, OperandsAreRoundedHalfToEvenThenDivided) {
  EXPECT_EQ(vx::IntDiv(7, 2), Value(3));
  EXPECT_EQ(vx::IntDiv(7, 2).type(), VType::Integer);
  EXPECT_EQ(vx::IntDiv(2.5, 1), Value(2));
  EXPECT_EQ(vx::IntDiv(3.5, 1), Value(4));
  EXPECT_EQ(vx::IntDiv(7.0, 2).type(), VType::Long);
  EXPECT_EQ(vx::Mod(-5, 3), Value(-2));
  EXPECT_EQ(vx::Mod(5, -3), Value(2));
  EXPECT_EQ(vx::Mod(10.5, 4), Value(2));
  EXPECT_EQ(vx::Mod(123456789, 100000000), Value(23456789));
  EXPECT_EQ(vx::Mod(-5.0, 100000000), Value(-5));
  EXPECT_THROW(vx::IntDiv(5, 0), CalcFailure);
  EXPECT_THROW(vx::Mod(5, 0.4), CalcFailure);
  EXPECT_THROW(vx::Mod(3e9, 2), CalcFailure);
  EXPECT_THROW(vx::IntDiv(Value("x"), 2), CalcFailure);
}

TEST(IntDivAndMod, ExtremeOperandsWidenOrFail) {
  const Value minLong = Value::longValue(std::numeric_limits<std::int32_t>::min());
  EXPECT_THROW(vx::IntDiv(minLong, -1), CalcFailure);
  EXPECT_EQ(vx::Mod(minLong, -1), Value(0));
  const Value quotient = vx::IntDiv(Value::integer(-32768), -1);
  EXPECT_EQ(quotient.type(), VType::Long);
  EXPECT_EQ(quotient.asLong(), 32768);
}

TEST(WholeNumberConversion, RoundsHalfToEvenAndFailsBeyondRange) {
  EXPECT_EQ(vx::toLong(2.5), 2);
  EXPECT_EQ(vx::toLong(-2.5), -2);
  EXPECT_EQ(vx::toLong(2.500001), 3);
  EXPECT_EQ(vx::toLong(Value(" 12 ")), 12);
  EXPECT_EQ(vx::toLong(2147483647.4), 2147483647);
  EXPECT_THROW(vx::toLong(2147483647.5), CalcFailure);
  EXPECT_EQ(vx::toInteger(-32768.4), -32768);
  EXPECT_THROW(vx::toInteger(32767.5), CalcFailure);
  EXPECT_THROW(vx::toInteger(Value(70000)), CalcFailure);
  EXPECT_THROW(vx::toLong(std::numeric_limits<double>::infinity()), CalcFailure);
}
