// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a value as text without a pattern.

#include "runtime/number_rules.h"
#include "runtime/text_rules.h"

#include <cmath>
#include <string>

namespace vx {
namespace {

// Fixed form while the decimal exponent lies in -4..14, as a person writes
// numbers; exponent form beyond, with at least two exponent digits.
std::string doubleText(double number) {
  if (std::isnan(number))
    return "NaN";
  if (std::isinf(number))
    return number < 0 ? "-Infinity" : "Infinity";
  const detail::DecimalForm form = detail::decimalForm(number);
  if (form.digits.empty())
    return "0";
  std::string text = form.negative ? "-" : "";
  const int exponent = form.pointPos - 1;
  if (exponent < -4 || exponent >= 15) {
    text += form.digits.front();
    if (form.digits.size() > 1) {
      text += '.';
      text.append(form.digits, 1);
    }
    const std::string digits = std::to_string(std::abs(exponent));
    text += exponent < 0 ? "E-" : "E+";
    if (digits.size() < 2)
      text += '0';
    text += digits;
    return text;
  }
  const auto length = static_cast<int>(form.digits.size());
  if (form.pointPos <= 0) {
    text += "0." + std::string(static_cast<std::size_t>(-form.pointPos), '0') + form.digits;
  } else if (form.pointPos >= length) {
    text += form.digits + std::string(static_cast<std::size_t>(form.pointPos - length), '0');
  } else {
    const auto point = static_cast<std::size_t>(form.pointPos);
    text += form.digits.substr(0, point) + "." + form.digits.substr(point);
  }
  return text;
}

} // namespace

std::string CStr(const Value &value) {
  switch (value.type()) {
  case VType::Empty:
    return "";
  case VType::Integer:
    return std::to_string(value.asInteger());
  case VType::Long:
    return std::to_string(value.asLong());
  case VType::Double:
    return doubleText(value.asDouble());
  case VType::String:
    return value.asString();
  case VType::Boolean:
    return value.asBoolean() ? "True" : "False";
  }
  return ""; // GCOVR_EXCL_LINE: type() is always one of the cases above
}

std::string toText(const Value &value) {
  return CStr(value);
}

} // namespace vx
