// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Value: construction, the numeric reading of a value, and the arithmetic
// and comparison rules.

#include "runtime/value.h"

#include "runtime/failure.h"
#include "runtime/number_rules.h"
#include "runtime/text_rules.h"

#include <cmath>
#include <compare>
#include <limits>

namespace vx {
namespace {

template <typename Whole> bool fits(std::int64_t number) {
  return number >= std::numeric_limits<Whole>::min() && number <= std::numeric_limits<Whole>::max();
}

// The number a value stands for in arithmetic: Empty is 0, True -1, a text
// is read strictly.
struct Number {
  enum class Kind { Integer, Long, Double } kind = Kind::Integer;
  std::int64_t whole = 0;
  double real = 0.0;

  [[nodiscard]] double asDouble() const {
    return kind == Kind::Double ? real : static_cast<double>(whole);
  }
};

Number numberOf(const Value &value) {
  switch (value.type()) {
  case VType::Empty:
    return {};
  case VType::Boolean:
    return {Number::Kind::Integer, value.asBoolean() ? -1 : 0, 0.0};
  case VType::Integer:
    return {Number::Kind::Integer, value.asInteger(), 0.0};
  case VType::Long:
    return {Number::Kind::Long, value.asLong(), 0.0};
  case VType::Double:
    return {Number::Kind::Double, 0, value.asDouble()};
  case VType::String:
    return {Number::Kind::Double, 0, detail::textToNumber(value.asString())};
  }
  return {}; // GCOVR_EXCL_LINE: type() is always one of the cases above
}

// An Integer result that overflows becomes a Long, a Long one a Double.
Value widened(std::int64_t result, bool integer) {
  if (integer && fits<std::int16_t>(result))
    return Value::integer(static_cast<std::int16_t>(result));
  if (fits<std::int32_t>(result))
    return Value::longValue(static_cast<std::int32_t>(result));
  return {static_cast<double>(result)};
}

// Operands are at most 32-bit, so the 64-bit result never overflows.
template <typename Operation> Value arithmetic(const Value &a, const Value &b, Operation op) {
  const Number x = numberOf(a);
  const Number y = numberOf(b);
  if (x.kind == Number::Kind::Double || y.kind == Number::Kind::Double)
    return detail::finite(op(x.asDouble(), y.asDouble()));
  return widened(op(x.whole, y.whole),
                 x.kind == Number::Kind::Integer && y.kind == Number::Kind::Integer);
}

bool isText(const Value &v) {
  return v.type() == VType::String;
}

// Two texts, or a text and Empty, are handled as texts: `+` joins them and
// comparisons go by character code.
bool textOperation(const Value &a, const Value &b) {
  return (isText(a) || a.isEmpty()) && (isText(b) || b.isEmpty()) && (isText(a) || isText(b));
}

std::partial_ordering compare(const Value &a, const Value &b) {
  if (textOperation(a, b))
    return std::string_view(toText(a)) <=> std::string_view(toText(b));
  const Number x = numberOf(a);
  const Number y = numberOf(b);
  if (x.kind != Number::Kind::Double && y.kind != Number::Kind::Double)
    return x.whole <=> y.whole;
  return x.asDouble() <=> y.asDouble();
}

} // namespace

Value::Value(int number) {
  if (fits<std::int16_t>(number))
    data_ = static_cast<std::int16_t>(number);
  else
    data_ = static_cast<std::int32_t>(number);
}

Value Value::integer(std::int16_t number) {
  Value value;
  value.data_ = number;
  return value;
}

Value Value::longValue(std::int32_t number) {
  Value value;
  value.data_ = number;
  return value;
}

Value Value::boolean(bool flag) {
  Value value;
  value.data_ = flag;
  return value;
}

double toDouble(const Value &value) {
  return numberOf(value).asDouble();
}

Value operator+(const Value &a, const Value &b) {
  if (textOperation(a, b))
    return {join(a, b)};
  return arithmetic(a, b, [](auto x, auto y) { return x + y; });
}

Value operator-(const Value &a, const Value &b) {
  return arithmetic(a, b, [](auto x, auto y) { return x - y; });
}

Value operator*(const Value &a, const Value &b) {
  return arithmetic(a, b, [](auto x, auto y) { return x * y; });
}

Value operator/(const Value &a, const Value &b) {
  const double divisor = toDouble(b);
  const double dividend = toDouble(a);
  if (divisor == 0.0)
    throw CalcFailure("division by zero");
  return detail::finite(dividend / divisor);
}

Value operator-(const Value &a) {
  const Number x = numberOf(a);
  if (x.kind == Number::Kind::Double)
    return {-x.real};
  return widened(-x.whole, x.kind == Number::Kind::Integer);
}

bool operator==(const Value &a, const Value &b) {
  return compare(a, b) == 0;
}
bool operator!=(const Value &a, const Value &b) {
  return !(a == b);
}
bool operator<(const Value &a, const Value &b) {
  return compare(a, b) < 0;
}
bool operator<=(const Value &a, const Value &b) {
  return compare(a, b) <= 0;
}
bool operator>(const Value &a, const Value &b) {
  return compare(a, b) > 0;
}
bool operator>=(const Value &a, const Value &b) {
  return compare(a, b) >= 0;
}

std::string join(const Value &a, const Value &b) {
  return toText(a) + toText(b);
}

double detail::finite(double number) {
  if (!std::isfinite(number))
    throw CalcFailure("overflow");
  return number;
}

} // namespace vx
