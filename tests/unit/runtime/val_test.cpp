// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using vx::CalcFailure;
using vx::Val;

TEST(Val, ReadsTheLeadingNumberAndStopsAtTheFirstOtherCharacter) {
  const std::pair<const char *, double> cases[] = {
      {"", 0},           {"   ", 0},        {"-", 0},    {".", 0},
      {"k", 0},          {" 1 000 ", 1000}, {"1 2", 12}, {"\t3\n4", 34},
      {"2e3", 2000},     {"4k7", 4},        {"12k", 12}, {"1.5.3", 1.5},
      {"1,5", 1},        {"--5", 0},        {"+7", 7},   {"-1.5E-2", -0.015},
      {"2D2", 200},      {"2d-1", 0.2},     {"1e", 1},   {"1e+", 1},
      {"- 3 . 5", -3.5}, {".5", 0.5},       {"007", 7},  {"0.000123", 0.000123}};
  for (const auto &[text, expected] : cases)
    EXPECT_DOUBLE_EQ(Val(text), expected) << '"' << text << '"';
}

TEST(Val, HexadecimalAndOctalAreTwosComplementOf16Or32Bits) {
  const std::pair<const char *, double> cases[] = {{"&HFF", 255},
                                                   {"&hff", 255},
                                                   {"&HFFFF", -1},
                                                   {"&H8000", -32768},
                                                   {"&H10000", 65536},
                                                   {"&HFFFFFFFF", -1},
                                                   {"&H7FFFFFFF", 2147483647},
                                                   {"&H80000000", -2147483648.0},
                                                   {"&H00000000FF", 255},
                                                   {"&O17", 15},
                                                   {"&o177777", -1},
                                                   {"&O200000", 65536},
                                                   {"&H", 0},
                                                   {"&", 0},
                                                   {"&HG", 0},
                                                   {"-&H10", -16},
                                                   {"& H 1 F", 31},
                                                   {"&O8", 0}};
  for (const auto &[text, expected] : cases)
    EXPECT_DOUBLE_EQ(Val(text), expected) << '"' << text << '"';
  EXPECT_THROW(Val("&HFFFFFFFFFF"), CalcFailure);
  EXPECT_THROW(Val("&O40000000000"), CalcFailure);
}

TEST(Val, NumbersBeyondADoubleFailAndTinyOnesReadAsZero) {
  EXPECT_THROW(Val("1e999"), CalcFailure);
  EXPECT_THROW(Val("2e308"), CalcFailure);
  EXPECT_THROW(Val("-1D400"), CalcFailure);
  EXPECT_DOUBLE_EQ(Val("1.7976931348623157e308"), 1.7976931348623157e308);
  EXPECT_EQ(Val("1e-999"), 0.0);
  EXPECT_EQ(Val("-1e-350"), 0.0); // below the smallest Double, yet near enough to convert
  EXPECT_EQ(Val("1e-99999999999999999999"), 0.0);
}

TEST(Val, HostileTextsAreReadQuickly) {
  EXPECT_THROW(Val(std::string(10000, '9')), CalcFailure);
  EXPECT_EQ(Val(std::string(10000, ' ')), 0.0);
  EXPECT_EQ(Val(std::string(10000, '\xff')), 0.0);
  EXPECT_EQ(Val("0." + std::string(10000, '0') + "1"), 0.0);
  EXPECT_DOUBLE_EQ(Val(std::string(10000, '0') + "42"), 42);
  EXPECT_DOUBLE_EQ(Val("0.5" + std::string(10000, '3')), 0.5333333333333333);
  EXPECT_DOUBLE_EQ(Val("5\xc3\xa9"), 5);
  EXPECT_DOUBLE_EQ(Val(std::string("7\0"
                                   "8",
                                   3)),
                   7);
}
