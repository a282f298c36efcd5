// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using vx::Format;
using vx::Value;

TEST(Format, HashPatternsRoundHalfAwayAndWriteOnlyNonZeroDigits) {
  const std::tuple<double, const char *, const char *> cases[] = {
      {3.456, "#.##", "3.46"}, {0.5, "#.##", ".5"},     {3, "#.##", "3."},
      {0, "#.##", "."},        {2, "#.##", "2."},       {12.34, "#.#", "12.3"},
      {12, "#.#", "12."},      {2.675, "#.##", "2.68"}, {0.125, "#.##", ".13"},
      {-0.5, "#.##", "-.5"},   {9.999, "#.##", "10."},  {-3197.277, "#.##", "-3197.28"},
      {0.004, "#.##", "."},    {-0.004, "#.##", "-."},  {0.05, "#.#", ".1"},
      {99.96, "#.#", "100."},  {1e-300, "#.##", "."},   {1.0 / 3, "#.##", ".33"}};
  for (const auto &[number, pattern, text] : cases)
    EXPECT_EQ(Format(number, pattern), text) << number << ' ' << pattern;
}

TEST(Format, ZeroPatternPadsToEightDigits) {
  EXPECT_EQ(Format(101, "00000000"), "00000101");
  EXPECT_EQ(Format(0, "00000000"), "00000000");
  EXPECT_EQ(Format(123456789, "00000000"), "123456789");
  EXPECT_EQ(Format(-5, "00000000"), "-00000005");
  EXPECT_EQ(Format(2.5, "00000000"), "00000003");
  EXPECT_EQ(Format(11111111.4, "00000000"), "11111111");
}

TEST(Format, AnyValueIsWrittenInFull) {
  EXPECT_EQ(Format(1e300, "#.##"), "1" + std::string(300, '0') + ".");
  EXPECT_EQ(Format(-1e20, "00000000"), "-1" + std::string(20, '0'));
  EXPECT_EQ(Format(Value("12.5"), "#.#"), "12.5");
  EXPECT_EQ(Format(Value(), "#.##"), ".");
  EXPECT_EQ(Format(Value::longValue(40000), "#.##"), "40000.");
  EXPECT_THROW(Format(Value("abc"), "#.##"), vx::CalcFailure);
  EXPECT_EQ(Format(2.5, "0.000"), "2.5");
}
