// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dynamically typed value every window-level variable and intermediate
// result is held in, with the arithmetic and comparison rules the windows
// rely on: Integer and Long widen instead of overflowing, `/` always gives
// a Double, Empty reads as 0 or "".

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vx {

enum class VType { Empty, Integer, Long, Double, String, Boolean };

class Value {
public:
  Value() = default;
  // A whole-number literal takes the narrowest type that holds it, as the
  // window procedures' constants do: 1 is an Integer, 70000 a Long.
  Value(int number);                                    // NOLINT(google-explicit-constructor)
  Value(double number) : data_(number) {}               // NOLINT(google-explicit-constructor)
  Value(std::string text) : data_(std::move(text)) {}   // NOLINT(google-explicit-constructor)
  Value(const char *text) : data_(std::string(text)) {} // NOLINT(google-explicit-constructor)

  static Value integer(std::int16_t number);
  static Value longValue(std::int32_t number);
  static Value boolean(bool flag);

  [[nodiscard]] VType type() const { return static_cast<VType>(data_.index()); }
  [[nodiscard]] bool isEmpty() const { return type() == VType::Empty; }

  // Raw access; the caller has checked type().
  [[nodiscard]] std::int16_t asInteger() const { return std::get<std::int16_t>(data_); }
  [[nodiscard]] std::int32_t asLong() const { return std::get<std::int32_t>(data_); }
  [[nodiscard]] double asDouble() const { return std::get<double>(data_); }
  [[nodiscard]] const std::string &asString() const { return std::get<std::string>(data_); }
  [[nodiscard]] bool asBoolean() const { return std::get<bool>(data_); }

private:
  std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string, bool> data_;
};

// Arithmetic. Failures (division by zero, a result beyond a Double, text
// that is no number) throw CalcFailure.
Value operator+(const Value &a, const Value &b);
Value operator-(const Value &a, const Value &b);
Value operator*(const Value &a, const Value &b);
Value operator/(const Value &a, const Value &b);
Value operator-(const Value &a);

// Comparisons: numerically for numbers, by character code for two texts,
// Empty equal to 0 and to "". A text against a number reads the text as a
// number (CalcFailure when it is none).
bool operator==(const Value &a, const Value &b);
bool operator!=(const Value &a, const Value &b);
bool operator<(const Value &a, const Value &b);
bool operator<=(const Value &a, const Value &b);
bool operator>(const Value &a, const Value &b);
bool operator>=(const Value &a, const Value &b);

// Joins the two values as texts (the `&` of the window procedures).
std::string join(const Value &a, const Value &b);

} // namespace vx
