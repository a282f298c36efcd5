// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text to number and number to text, a row a case.

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using vx::Value;

namespace {

TEST(Val, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
  const std::pair<const char *, double> decimal[] = {
      {"", 0},           {"   ", 0},       {"-", 0},    {".", 0},
      {"k", 0},          {" 1 000 ", 1e3}, {"1 2", 12}, {"\t3\n4", 34},
      {"2e3", 2000},     {"4k7", 4},       {"12k", 12}, {"1.5.3", 1.5},
      {"1,5", 1},        {"--5", 0},       {"+7", 7},   {"-1.5E-2", -.015},
      {"2D2", 200},      {"2d-1", 0.2},    {"1e", 1},   {"1e+", 1},
      {"- 3 . 5", -3.5}, {".5", 0.5},      {"007", 7},  {"5\xc3\xa9", 5},
      {"1e-999", 0}};
  const std::pair<const char *, double> hexOrOctal[] = {
      {"&HFF", 255},  {"&hff", 255},      {"&H7FFF", 32767},   {"&H8000", -32768},
      {"&HFFFF", -1}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},  {"&H00000000FF", 255},
      {"&O17", 15},   {"&o177777", -1},   {"&O200000", 65536}, {"&H", 0},
      {"&HG", 0},     {"-&H10", -16},     {"& H 1 F", 31},     {"&O8", 0}};
  for (const auto &[text, number] : decimal)
    EXPECT_DOUBLE_EQ(vx::Val(text), number) << '"' << text << '"';
  for (const auto &[text, number] : hexOrOctal)
    EXPECT_DOUBLE_EQ(vx::Val(text), number) << '"' << text << '"';
  EXPECT_DOUBLE_EQ(vx::Val("&H7FFFFFFF"), 2147483647);
  EXPECT_DOUBLE_EQ(vx::Val("&H80000000"), -2147483648.0);
  for (const char *text : {"1e999", "-1D400", "&HFFFFFFFFFF", "&O40000000000"})
    EXPECT_THROW(vx::Val(text), vx::CalcFailure) << text;
  // Hostile lengths are read quickly.
  EXPECT_THROW(vx::Val(std::string(10000, '9')), vx::CalcFailure);
  EXPECT_DOUBLE_EQ(vx::Val(std::string(10000, '0') + "42"), 42);
}

TEST(CStr, FifteenSignificantDigitsThenExponentForm) {
  const std::pair<double, const char *> longer[] = {
      {1.0 / 3, "0.333333333333333"},         {2.0 / 3, "0.666666666666667"},
      {1.00000000000001, "1.00000000000001"}, {123456789012345.6, "123456789012346"},
      {999999999999999.4, "999999999999999"}, {1.7976931348623157e308, "1.79769313486232E+308"}};
  const std::pair<double, const char *> shorter[] = {
      {0.1 + 0.2, "0.3"},       {2.5, "2.5"},
      {-2.5, "-2.5"},           {-0.0, "0"},
      {0.0001, "0.0001"},       {0.00001, "1E-05"},
      {1.000000000000001, "1"}, {999999999999999.9, "1E+15"},
      {1e20, "1E+20"},          {1.5e-7, "1.5E-07"},
      {-2.5e100, "-2.5E+100"}};
  for (const auto &[number, text] : longer)
    EXPECT_EQ(vx::CStr(number), text);
  for (const auto &[number, text] : shorter)
    EXPECT_EQ(vx::CStr(number), text);
  EXPECT_EQ(vx::CStr(Value()), "");
  EXPECT_EQ(vx::CStr(Value(-5)), "-5");
  EXPECT_EQ(vx::CStr(Value::longValue(-2147483647 - 1)), "-2147483648");
  EXPECT_EQ(vx::CStr(Value("12 Volts")), "12 Volts");
}

TEST(Format, PatternsRoundHalfAwayFromZero) {
  const std::pair<double, const char *> twoPlaces[] = {
      {3.456, "3.46"}, {0.5, ".5"},   {3, "3."},      {0, "."},     {0.125, ".13"},
      {2.675, "2.68"}, {-0.5, "-.5"}, {9.999, "10."}, {0.004, "."}, {-3197.277, "-3197.28"}};
  const std::pair<double, const char *> onePlace[] = {
      {12.34, "12.3"}, {12, "12."}, {0.05, ".1"}, {99.96, "100."}, {-0.04, "-."}, {1.25, "1.3"}};
  const std::pair<double, const char *> eightDigits[] = {
      {101, "00000101"}, {0, "00000000"},          {-5, "-00000005"},
      {2.5, "00000003"}, {123456789, "123456789"}, {11111111.4, "11111111"}};
  for (const auto &[number, text] : twoPlaces)
    EXPECT_EQ(vx::Format(number, "#.##"), text) << number;
  for (const auto &[number, text] : onePlace)
    EXPECT_EQ(vx::Format(number, "#.#"), text) << number;
  for (const auto &[number, text] : eightDigits)
    EXPECT_EQ(vx::Format(number, "00000000"), text) << number;
  EXPECT_EQ(vx::Format(Value(), "#.##"), ".");
  EXPECT_EQ(vx::Format(Value("12.5"), "#.#"), "12.5");
  EXPECT_EQ(vx::Format(1e300, "#.##"), "1" + std::string(300, '0') + ".");
  EXPECT_THROW(vx::Format(Value("abc"), "#.##"), vx::CalcFailure);
}

TEST(Like, StarsMatchAnyRunOtherCharactersThemselvesWithCase) {
  const std::pair<const char *, const char *> matching[] = {
      {"4k7", "*k*"}, {"12k", "*k*"}, {"12M", "*M*"},    {"250 mSecs", "*mSecs*"},
      {"4.7k", "*k"}, {"", "*"},      {"abcbc", "a*bc"}, {"3 \xce\xbc", "*\xce\xbc*"}};
  const std::pair<const char *, const char *> notMatching[] = {
      {"12K", "*k*"}, {"12m", "*M*"}, {"250 mSec", "*mSecs*"},
      {"4k7", "*k"},  {"a", ""},      {"abcb", "a*bc"}};
  for (const auto &[text, pattern] : matching)
    EXPECT_TRUE(vx::Like(text, pattern)) << text << ' ' << pattern;
  for (const auto &[text, pattern] : notMatching)
    EXPECT_FALSE(vx::Like(text, pattern)) << text << ' ' << pattern;
}

TEST(Hex, UpperCaseDigitsOfTheValueRoundedHalfToEven) {
  const std::pair<double, const char *> cases[] = {
      {255, "FF"}, {6699, "1A2B"},          {0, "0"}, {-1, "FFFFFFFF"}, {2.5, "2"},
      {3.5, "4"},  {2147483647, "7FFFFFFF"}};
  for (const auto &[number, text] : cases)
    EXPECT_EQ(vx::Hex(number), text) << number;
  EXPECT_EQ(vx::Hex(-2147483648.0), "80000000");
  EXPECT_EQ(vx::Hex(Value("255")), "FF");
  EXPECT_THROW(vx::Hex(2147483647.5), vx::CalcFailure);
  EXPECT_THROW(vx::Hex(4294967295.0), vx::CalcFailure);
}

TEST(Characters, LenCountsCharactersOfTheTextAscGivesTheFirstCode) {
  EXPECT_EQ(vx::Len(Value(1.0 / 3)), 17);
  EXPECT_EQ(vx::Len(Value()), 0);
  EXPECT_EQ(vx::Len(Value("h\xc3\xa9llo \xe2\x82\xac")), 7);
  EXPECT_EQ(vx::Asc("A"), 65);
  EXPECT_EQ(vx::Asc("\xc3\xa9"), 0xE9);
  EXPECT_EQ(vx::Asc("\xe2\x82\xac"), 0x20AC);
  EXPECT_EQ(vx::Asc("\xc3"), 0xC3);
  EXPECT_THROW(vx::Asc(""), vx::CalcFailure);
}

} // namespace
