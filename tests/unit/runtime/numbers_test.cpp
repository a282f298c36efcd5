// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Arithmetic, comparison and whole numbers on Values, a row a case: each
// result is written as its type and text ("Long 32768"), a failure of the
// calculation as "fails".

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

using vx::Value;

namespace {

std::string described(const std::function<Value()> &calculation) {
  static const std::array<const char *, 6> types{"Empty",  "Integer", "Long",
                                                 "Double", "String",  "Boolean"};
  try {
    const Value result = calculation();
    return std::string(types.at(static_cast<std::size_t>(result.type()))) + " " +
           vx::toText(result);
  } catch (const vx::CalcFailure &) {
    return "fails";
  }
}

const Value maxLong = Value::longValue(2147483647);
const Value minLong = Value::longValue(-2147483647 - 1);

TEST(ValueArithmetic, WholeNumbersWidenDivisionGivesADoubleTextIsReadStrictly) {
  const std::pair<std::function<Value()>, const char *> cases[] = {
      {[] { return Value(32766) + Value(1); }, "Integer 32767"},
      {[] { return Value(32767) + Value(1); }, "Long 32768"},
      {[] { return Value(-32767) - Value(1); }, "Integer -32768"},
      {[] { return Value(-32768) - Value(1); }, "Long -32769"},
      {[] { return -Value::integer(-32768); }, "Long 32768"},
      {[] { return Value(181) * Value(181); }, "Integer 32761"},
      {[] { return Value(182) * Value(182); }, "Long 33124"},
      {[] { return maxLong + Value(1); }, "Double 2147483648"},
      {[] { return Value(1) + Value(0.5); }, "Double 1.5"},
      {[] { return Value(4) / Value(2); }, "Double 2"},
      {[] { return Value(1) / Value(0); }, "fails"},
      {[] { return Value(1e308) * Value(10); }, "fails"},
      {[] { return Value() + Value(); }, "Integer 0"},
      {[] { return Value("12") + Value("30"); }, "String 1230"},
      {[] { return Value() + Value("x"); }, "String x"},
      {[] { return Value(" 12 ") + Value(30); }, "Double 42"},
      {[] { return Value("abc") + Value(1); }, "fails"},
      {[] { return Value("1 2") - Value(1); }, "fails"}};
  for (std::size_t row = 0; row < std::size(cases); ++row)
    EXPECT_EQ(described(cases[row].first), cases[row].second) << "row " << row;
}

TEST(WholeNumbers, IntRoundsDownDivAndModRoundHalfToEvenFirst) {
  const std::pair<std::function<Value()>, const char *> cases[] = {
      {[] { return vx::Int(-2.5); }, "Double -3"},
      {[] { return vx::Int(2.9); }, "Double 2"},
      {[] { return vx::Int(Value(7)); }, "Integer 7"},
      {[] { return vx::Int(Value(70000)); }, "Long 70000"},
      {[] { return vx::IntDiv(-7, 2); }, "Integer -3"},
      {[] { return vx::IntDiv(7.0, 2); }, "Long 3"},
      {[] { return vx::IntDiv(2.5, 1); }, "Long 2"},
      {[] { return vx::IntDiv(3.5, 1); }, "Long 4"},
      {[] { return vx::IntDiv(Value::integer(-32768), -1); }, "Long 32768"},
      {[] { return vx::IntDiv(minLong, -1); }, "fails"},
      {[] { return vx::IntDiv(5, 0); }, "fails"},
      {[] { return vx::Mod(-5, 3); }, "Integer -2"},
      {[] { return vx::Mod(5, -3); }, "Integer 2"},
      {[] { return vx::Mod(10.5, 4); }, "Long 2"},
      {[] { return vx::Mod(11.5, 4); }, "Long 0"},
      {[] { return vx::Mod(123456789, 100000000); }, "Long 23456789"},
      {[] { return vx::Mod(2147483647.4, 2); }, "Long 1"},
      {[] { return vx::Mod(2147483647.5, 2); }, "fails"},
      {[] { return vx::Mod(5, 0.4); }, "fails"},
      {[] { return Value::longValue(vx::toLong(2.5)); }, "Long 2"},
      {[] { return Value::longValue(vx::toLong(-2.5)); }, "Long -2"},
      {[] { return Value::longValue(vx::toLong(-2147483648.5)); }, "Long -2147483648"},
      {[] { return Value::longValue(vx::toLong(-2147483649.0)); }, "fails"},
      {[] { return Value::integer(vx::toInteger(-32768.4)); }, "Integer -32768"},
      {[] { return Value::integer(vx::toInteger(32766.5)); }, "Integer 32766"},
      {[] { return Value::integer(vx::toInteger(32767.5)); }, "fails"},
      {[] { return vx::Pow(2, 10); }, "Double 1024"},
      {[] { return vx::Pow(-2, 3); }, "Double -8"},
      {[] { return vx::Pow(0, -1); }, "fails"},
      {[] { return vx::Pow(-8, 1.0 / 3); }, "fails"},
      {[] { return vx::Log(vx::Exp(2)); }, "Double 2"},
      {[] { return vx::Log(0); }, "fails"},
      {[] { return vx::Exp(1000); }, "fails"}};
  for (std::size_t row = 0; row < std::size(cases); ++row)
    EXPECT_EQ(described(cases[row].first), cases[row].second) << "row " << row;
}

// Each pair as all six comparison operators see it: "<", "=" or ">".
std::string order(const Value &a, const Value &b) {
  try {
    const bool consistent =
        (a != b) == !(a == b) && (a <= b) == (a < b || a == b) && (a >= b) == (a > b || a == b);
    const std::string seen =
        std::string(a < b ? "<" : "") + (a == b ? "=" : "") + (a > b ? ">" : "");
    return consistent ? seen : "inconsistent " + seen;
  } catch (const vx::CalcFailure &) {
    return "fails";
  }
}

TEST(ValueComparison, NumbersNumericallyTextsByCharacterCode) {
  const std::tuple<Value, Value, const char *> cases[] = {
      {2, 10.5, "<"},      {"K", "k", "<"},
      {"10", "9", "<"},    {"\xc3\xa9", "z", ">"},
      {Value(), 0, "="},   {Value(), "", "="},
      {Value(), "a", "<"}, {"12", 12, "="},
      {" 3 ", 2.5, ">"},   {Value::boolean(true), -1, "="},
      {70000, 32767, ">"}, {"abc", 1, "fails"}};
  for (const auto &[a, b, expected] : cases)
    EXPECT_EQ(order(a, b), expected) << vx::toText(a) << " against " << vx::toText(b);
}

} // namespace
