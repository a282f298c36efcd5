// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using vx::CStr;
using vx::Value;

TEST(CStr, DoublesHaveAtMost15SignificantDigitsWithoutTrailingZeros) {
  const std::pair<double, const char *> cases[] = {{1.0 / 3, "0.333333333333333"},
                                                   {2.0 / 3, "0.666666666666667"},
                                                   {2.5, "2.5"},
                                                   {0.1 + 0.2, "0.3"},
                                                   {-2.5, "-2.5"},
                                                   {0.0, "0"},
                                                   {-0.0, "0"},
                                                   {100, "100"},
                                                   {0.0001, "0.0001"},
                                                   {123456789012345, "123456789012345"},
                                                   {999999999999999.4, "999999999999999"},
                                                   {3.14159265358979, "3.14159265358979"}};
  for (const auto &[number, text] : cases)
    EXPECT_EQ(CStr(number), text);
}

TEST(CStr, VeryLargeAndSmallDoublesUseExponentForm) {
  const std::pair<double, const char *> cases[] = {
      {1e15, "1E+15"},
      {1e20, "1E+20"},
      {1.5e-7, "1.5E-07"},
      {0.00001, "1E-05"},
      {-2.5e100, "-2.5E+100"},
      {999999999999999.9, "1E+15"},
      {1.7976931348623157e308, "1.79769313486232E+308"},
      {5e-324, "4.94065645841247E-324"}};
  for (const auto &[number, text] : cases)
    EXPECT_EQ(CStr(number), text);
}

TEST(CStr, OtherTypes) {
  EXPECT_EQ(CStr(Value()), "");
  EXPECT_EQ(CStr(Value(-5)), "-5");
  EXPECT_EQ(CStr(Value(70000)), "70000");
  EXPECT_EQ(CStr(Value::longValue(-2147483647 - 1)), "-2147483648");
  EXPECT_EQ(CStr(Value::boolean(true)), "True");
  EXPECT_EQ(CStr(Value("12 Volts")), "12 Volts");
  EXPECT_FALSE(CStr(std::numeric_limits<double>::quiet_NaN()).empty());
  EXPECT_FALSE(CStr(-std::numeric_limits<double>::infinity()).empty());
}

TEST(Characters, LenCountsCharactersOfTheTextAndAscGivesTheFirstCode) {
  EXPECT_EQ(vx::Len(Value(1.0 / 3)), 17);
  EXPECT_EQ(vx::Len(Value(-12)), 3);
  EXPECT_EQ(vx::Len(Value()), 0);
  EXPECT_EQ(vx::Len(Value("h\xc3\xa9llo \xe2\x82\xac")), 7);
  EXPECT_EQ(vx::Asc("A"), 65);
  EXPECT_EQ(vx::Asc("\xc3\xa9"), 0xE9);
  EXPECT_EQ(vx::Asc("\xe2\x82\xac"), 0x20AC);
  EXPECT_EQ(vx::Asc("\xc3"), 0xC3);
  EXPECT_EQ(vx::Asc("\xc3"
                    "A"),
            0xC3); // a lead byte without its continuation is taken alone
  EXPECT_THROW(vx::Asc(""), vx::CalcFailure);
  EXPECT_THROW(vx::Asc("\xef\xbf\xbd"), vx::CalcFailure);
}
