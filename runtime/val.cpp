// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading numbers out of text: the forgiving Val rule and the strict
// conversion used when a text takes part in arithmetic.

#include "runtime/failure.h"
#include "runtime/number_rules.h"
#include "runtime/text_rules.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace vx::detail {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
  if (isDigit(c))
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

class Scanner {
public:
  Scanner(std::string_view text, bool blanksInside) : text_(text), blanksInside_(blanksInside) {}

  ScannedNumber scan() {
    skipBlanks();
    bool negative = false;
    if (peek() == '+' || peek() == '-') {
      negative = peek() == '-';
      ++pos_;
      skipBlanks();
    }
    ScannedNumber result = peek() == '&' ? scanPrefixed() : scanDecimal();
    if (negative && result.value != 0.0)
      result.value = -result.value;
    return result;
  }

private:
  [[nodiscard]] char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  void skipBlanks() {
    while (blanksInside_ && pos_ < text_.size() && isBlank(text_[pos_]))
      ++pos_;
  }

  // &H and &O numbers are 16-bit two's complement while they fit four
  // hexadecimal digits, 32-bit above that; more is an overflow.
  ScannedNumber scanPrefixed() {
    const std::size_t start = pos_;
    ++pos_;
    skipBlanks();
    const char letter = peek();
    int base = 0;
    if (letter == 'H' || letter == 'h')
      base = 16;
    else if (letter == 'O' || letter == 'o')
      base = 8;
    if (base == 0)
      return {0.0, start, false};
    ++pos_;
    std::uint64_t magnitude = 0;
    bool any = false;
    for (skipBlanks(); pos_ < text_.size(); skipBlanks()) {
      const int digit = hexDigitValue(text_[pos_]);
      if (digit < 0 || digit >= base)
        break;
      magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
      if (magnitude > 0xFFFFFFFFU)
        throw CalcFailure("overflow");
      any = true;
      ++pos_;
    }
    if (!any)
      return {0.0, start, false};
    std::int64_t number = static_cast<std::int64_t>(magnitude);
    if (magnitude <= 0xFFFFU) {
      if (magnitude >= 0x8000U)
        number -= 0x10000;
    } else if (magnitude >= 0x80000000U) {
      number -= 0x100000000;
    }
    return {static_cast<double>(number), pos_, true};
  }

  ScannedNumber scanDecimal() {
    // Significant digits only: the value is 0.<digits> x 10^shift.
    std::string digits;
    std::int64_t shift = 0;
    bool any = false;
    bool point = false;
    for (; pos_ < text_.size(); ++pos_, skipBlanks()) {
      const char c = text_[pos_];
      if (c == '.' && !point) {
        point = true;
      } else if (isDigit(c)) {
        any = true;
        if (digits.empty() && c == '0') {
          if (point)
            --shift;
        } else {
          digits.push_back(c);
          if (!point)
            ++shift;
        }
      } else {
        break;
      }
    }
    if (!any)
      return {0.0, pos_, false};
    const std::int64_t exponent = scanExponent();
    while (!digits.empty() && digits.back() == '0')
      digits.pop_back();
    return {toDouble(digits, shift + exponent), pos_, true};
  }

  // An exponent counts only when at least one digit follows its letter.
  std::int64_t scanExponent() {
    const char letter = peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd')
      return 0;
    std::size_t p = pos_ + 1;
    auto skip = [&] {
      while (blanksInside_ && p < text_.size() && isBlank(text_[p]))
        ++p;
    };
    skip();
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
      negative = text_[p] == '-';
      ++p;
      skip();
    }
    if (p >= text_.size() || !isDigit(text_[p]))
      return 0;
    constexpr std::int64_t saturation = 1'000'000'000;
    std::int64_t exponent = 0;
    for (; p < text_.size() && isDigit(text_[p]); ++p, skip())
      exponent = std::min(saturation, exponent * 10 + (text_[p] - '0'));
    pos_ = p;
    return negative ? -exponent : exponent;
  }

  static double toDouble(const std::string &digits, std::int64_t scale) {
    // Far beyond the Double range either way; no need to convert.
    constexpr std::int64_t farBeyond = 400;
    if (digits.empty() || scale < -farBeyond)
      return 0.0;
    if (scale > farBeyond)
      throw CalcFailure("overflow");
    const std::string text = "0." + digits + "e" + std::to_string(scale);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
      if (scale > 0)
        throw CalcFailure("overflow");
      return 0.0;
    }
    return value;
  }

  std::string_view text_;
  bool blanksInside_;
  std::size_t pos_ = 0;
};

} // namespace

ScannedNumber scanNumber(std::string_view text, bool blanksInside) {
  return Scanner(text, blanksInside).scan();
}

double textToNumber(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && isBlank(text[first]))
    ++first;
  std::size_t last = text.size();
  while (last > first && isBlank(text[last - 1]))
    --last;
  const std::string_view trimmed = text.substr(first, last - first);
  const ScannedNumber number = scanNumber(trimmed, false);
  if (!number.hasDigits || number.end != trimmed.size())
    throw CalcFailure("not a number");
  return number.value;
}

} // namespace vx::detail

namespace vx {

double Val(std::string_view text) {
  return detail::scanNumber(text, true).value;
}

} // namespace vx
