// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three patterns the windows format numbers with. Rounding is done on
// the decimal digits, never through a whole-number type, so any Double
// (1E+300 included) is written in full.

#include "runtime/number_rules.h"
#include "runtime/text_rules.h"

#include <cmath>
#include <string>

namespace vx {
namespace {

// The digits of |number| rounded half away from zero to `places` decimals:
// the whole part (without leading zeros, empty for zero) and exactly
// `places` decimal digits.
struct RoundedDigits {
  bool negative = false;
  std::string whole;
  std::string fraction;
};

RoundedDigits roundToPlaces(double number, int places) {
  const detail::DecimalForm form = detail::decimalForm(number);
  RoundedDigits rounded{form.negative, "", ""};
  std::string digits = form.digits;
  int pointPos = form.pointPos;
  const int keep = pointPos + places;
  if (keep < 0 || digits.empty()) {
    digits.clear();
    pointPos = 0;
  } else if (keep < static_cast<int>(digits.size())) {
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      auto i = digits.size();
      while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++pointPos;
      } else {
        ++digits[i - 1];
      }
    }
  }
  // Spread the digits over the places before and after the point.
  std::string all;
  if (pointPos < 0) {
    all = std::string(static_cast<std::size_t>(-pointPos), '0') + digits;
    pointPos = 0;
  } else {
    all = digits;
  }
  if (static_cast<int>(all.size()) < pointPos + places)
    all.resize(static_cast<std::size_t>(pointPos) + static_cast<std::size_t>(places), '0');
  rounded.whole = all.substr(0, static_cast<std::size_t>(pointPos));
  rounded.fraction =
      all.substr(static_cast<std::size_t>(pointPos), static_cast<std::size_t>(places));
  const auto firstNonZero = rounded.whole.find_first_not_of('0');
  rounded.whole.erase(0, firstNonZero == std::string::npos ? rounded.whole.size() : firstNonZero);
  return rounded;
}

std::string hashPattern(double number, int places) {
  RoundedDigits rounded = roundToPlaces(number, places);
  const auto lastNonZero = rounded.fraction.find_last_not_of('0');
  rounded.fraction.resize(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
  return (rounded.negative ? "-" : "") + rounded.whole + "." + rounded.fraction;
}

std::string zeroPattern(double number, std::size_t width) {
  const RoundedDigits rounded = roundToPlaces(number, 0);
  std::string text = rounded.whole;
  if (text.size() < width)
    text.insert(0, width - text.size(), '0');
  return (rounded.negative ? "-" : "") + text;
}

} // namespace

// Patterns other than the three are not used by the windows; such a value
// is written as CStr writes it.
std::string Format(const Value &value, std::string_view pattern) {
  const double number = toDouble(value);
  if (!std::isfinite(number))
    return CStr(value);
  if (pattern == "#.##")
    return hashPattern(number, 2);
  if (pattern == "#.#")
    return hashPattern(number, 1);
  if (pattern == "00000000")
    return zeroPattern(number, 8);
  return CStr(value);
}

} // namespace vx
