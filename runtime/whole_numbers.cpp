// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-number conversions and the operations built on them: Hex, Int,
// `\` and Mod.

#include "runtime/failure.h"
#include "runtime/number_rules.h"
#include "runtime/text_rules.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace vx::detail {

double roundHalfEven(double number) {
  const double below = std::floor(number);
  const double fraction = number - below;
  if (fraction < 0.5)
    return below;
  if (fraction > 0.5)
    return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace vx::detail

namespace vx {
namespace {

template <typename Whole> Whole toWhole(const Value &value) {
  switch (value.type()) {
  case VType::Integer:
    return static_cast<Whole>(value.asInteger());
  case VType::Long:
    if (value.asLong() < std::numeric_limits<Whole>::min() ||
        value.asLong() > std::numeric_limits<Whole>::max())
      throw CalcFailure("overflow");
    return static_cast<Whole>(value.asLong());
  default:
    break;
  }
  const double rounded = detail::roundHalfEven(toDouble(value));
  // Written so that NaN, which compares false, fails too.
  if (!(rounded >= std::numeric_limits<Whole>::min() &&
        rounded <= std::numeric_limits<Whole>::max()))
    throw CalcFailure("overflow");
  return static_cast<Whole>(rounded);
}

// Integer operands (Empty and Boolean count as Integer) keep an Integer
// result where it fits; anything else gives a Long.
bool bothInteger(const Value &a, const Value &b) {
  auto integerLike = [](const Value &v) {
    return v.type() == VType::Integer || v.type() == VType::Empty || v.type() == VType::Boolean;
  };
  return integerLike(a) && integerLike(b);
}

Value wholeResult(std::int64_t number, bool integer) {
  if (integer && number >= std::numeric_limits<std::int16_t>::min() &&
      number <= std::numeric_limits<std::int16_t>::max())
    return Value::integer(static_cast<std::int16_t>(number));
  if (number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::int32_t>::max())
    throw CalcFailure("overflow");
  return Value::longValue(static_cast<std::int32_t>(number));
}

// Both operands as whole numbers; a zero divisor fails.
std::pair<std::int64_t, std::int64_t> wholeOperands(const Value &a, const Value &b) {
  const std::int64_t dividend = toLong(a);
  const std::int64_t divisor = toLong(b);
  if (divisor == 0)
    throw CalcFailure("division by zero");
  return {dividend, divisor};
}

} // namespace

std::int32_t toLong(const Value &value) {
  return toWhole<std::int32_t>(value);
}

std::int16_t toInteger(const Value &value) {
  return toWhole<std::int16_t>(value);
}

std::string Hex(const Value &value) {
  auto number = static_cast<std::uint32_t>(toLong(value));
  if (number == 0)
    return "0";
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text;
  for (; number != 0; number >>= 4U)
    text.insert(text.begin(), digits[number & 0xFU]);
  return text;
}

Value Int(const Value &value) {
  switch (value.type()) {
  case VType::Empty:
    return Value::integer(0);
  case VType::Boolean:
    return Value::integer(value.asBoolean() ? -1 : 0);
  case VType::Integer:
  case VType::Long:
    return value;
  default:
    return {std::floor(toDouble(value))};
  }
}

// Computed in 64 bits: the quotient of -2147483648 by -1 does not fit a
// Long and fails instead of overflowing.
Value IntDiv(const Value &a, const Value &b) {
  const auto [dividend, divisor] = wholeOperands(a, b);
  return wholeResult(dividend / divisor, bothInteger(a, b));
}

Value Mod(const Value &a, const Value &b) {
  const auto [dividend, divisor] = wholeOperands(a, b);
  return wholeResult(dividend % divisor, bothInteger(a, b));
}

} // namespace vx
