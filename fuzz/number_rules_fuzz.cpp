// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the number rules with arbitrary Values and texts and checks the
// properties the windows rely on.

#include "fuzz/fuzz_input.h"
#include "fuzz/rule_checks.h"
#include "runtime/text_rules.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using vx::Value;
using vx::VType;
using vx::fuzz::require;
using vx::fuzz::succeeds;

// The largest magnitude whose 15-digit form still reads back as a Double.
constexpr double largestReadable = 1.79769313486231e308;

// CStr writes 15 significant digits and Val reads them back: the number
// comes back to within half a unit of the 15th digit, and writing it
// again gives the same text.
void checkRoundTrip(const Value &value) {
  std::string text;
  require(succeeds("CStr", [&] { text = vx::CStr(value); }), "CStr", "failed");
  if (value.type() == VType::Integer || value.type() == VType::Long) {
    const double back = vx::Val(text);
    require(back == (value.type() == VType::Integer ? value.asInteger() : value.asLong()),
            "Val(CStr)", "whole number not given back: " + text);
    return;
  }
  if (value.type() != VType::Double) {
    return;
  }
  const double x = value.asDouble();
  if (!std::isfinite(x) || std::fabs(x) < DBL_MIN || std::fabs(x) > largestReadable) {
    return;
  }
  double back = 0.0;
  require(succeeds("Val", [&] { back = vx::Val(text); }), "Val(CStr)", "failed on " + text);
  require(std::fabs(back - x) <= std::fabs(x) * 5.2e-15, "Val(CStr)", "not 15 digits: " + text);
  require(vx::CStr(Value(back)) == text, "CStr(Val(CStr))", "text changed: " + text);
}

bool isUpperHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

void checkHex(const Value &value) {
  std::string text;
  if (!succeeds("Hex", [&] { text = vx::Hex(value); })) {
    return;
  }
  require(!text.empty() && text.size() <= 8, "Hex", "length of " + text);
  for (const char c : text) {
    require(isUpperHexDigit(c), "Hex", "not an upper-case digit in " + text);
  }
  require(text == "0" || text.front() != '0', "Hex", "leading zero in " + text);
  const std::int32_t whole = vx::toLong(value);
  const auto written = static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
  require(written == static_cast<std::uint32_t>(whole), "Hex", "wrong digits " + text);
  require(whole >= 0 || text.size() == 8, "Hex", "negative not in eight digits: " + text);
}

// "#.##" and "#.#": one point, no zero before it standing alone, no
// trailing zero after it, and the number within the rounding of `places`.
void checkHashPattern(double x, const std::string &pattern, int places) {
  std::string text;
  require(succeeds("Format", [&] { text = vx::Format(Value(x), pattern); }), "Format", "failed");
  const auto point = text.find('.');
  require(point != std::string::npos && text.find('.', point + 1) == std::string::npos, "Format",
          pattern + " point in " + text);
  const std::string fraction = text.substr(point + 1);
  require(static_cast<int>(fraction.size()) <= places, "Format", pattern + " places in " + text);
  require(fraction.empty() || fraction.back() != '0', "Format", pattern + " trailing 0 " + text);
  const std::size_t wholeStart = text.front() == '-' ? 1 : 0;
  require(point == wholeStart || text[wholeStart] != '0', "Format", pattern + " leading 0 " + text);
  if (std::fabs(x) < 1e300) {
    const double allowed = 0.5 * std::pow(10.0, -places) + std::fabs(x) * 1e-14;
    require(std::fabs(vx::Val(text) - x) <= allowed, "Format", pattern + " value of " + text);
  }
}

void checkZeroPattern(double x) {
  std::string text;
  require(succeeds("Format", [&] { text = vx::Format(Value(x), "00000000"); }), "Format", "failed");
  const std::size_t start = text.front() == '-' ? 1 : 0;
  require(text.size() >= start + 8, "Format", "00000000 too short: " + text);
  for (std::size_t i = start; i < text.size(); ++i) {
    require(text[i] >= '0' && text[i] <= '9', "Format", "00000000 not digits: " + text);
  }
  if (std::fabs(x) < 1e300) {
    require(std::fabs(vx::Val(text) - x) <= 0.5 + std::fabs(x) * 1e-14, "Format",
            "00000000 value of " + text);
  }
}

void checkFormat(const Value &value) {
  double x = 0.0;
  if (!succeeds("toDouble", [&] { x = vx::toDouble(value); }) || !std::isfinite(x)) {
    for (const char *pattern : {"#.##", "#.#", "00000000"}) {
      (void)succeeds("Format", [&] { (void)vx::Format(value, pattern); });
    }
    return;
  }
  checkHashPattern(x, "#.##", 2);
  checkHashPattern(x, "#.#", 1);
  checkZeroPattern(x);
}

// The plain definition of a `*` pattern, by dynamic programming.
bool matchesByTable(const std::string &text, const std::string &pattern) {
  std::vector<bool> row(text.size() + 1, false);
  row[0] = true;
  for (const char p : pattern) {
    std::vector<bool> next(text.size() + 1, false);
    next[0] = p == '*' && row[0];
    for (std::size_t t = 1; t <= text.size(); ++t) {
      next[t] = p == '*' ? (row[t] || next[t - 1]) : (row[t - 1] && text[t - 1] == p);
    }
    row = std::move(next);
  }
  return row[text.size()];
}

// Long texts are checked only against the containment rule below, which
// keeps each run fast.
constexpr std::size_t tableLimit = 300;

void checkLike(const std::string &text, const std::string &pattern) {
  bool matched = false;
  require(succeeds("Like", [&] { matched = vx::Like(text, pattern); }), "Like", "failed");
  if (text.size() <= tableLimit) {
    require(matched == matchesByTable(text, pattern), "Like", text + " against " + pattern);
  }
  std::string fixed;
  for (const char c : pattern) {
    if (c != '*') {
      fixed += c;
    }
  }
  require(vx::Like(text, "*" + fixed + "*") == (text.find(fixed) != std::string::npos), "Like",
          text + " containing " + fixed);
}

// a = q * b + r, |r| < |b|, r has the sign of a, on the operands rounded
// to whole numbers.
void checkDivision(const Value &a, const Value &b) {
  Value quotient;
  Value remainder;
  const bool divided = succeeds("IntDiv", [&] { quotient = vx::IntDiv(a, b); });
  const bool reduced = succeeds("Mod", [&] { remainder = vx::Mod(a, b); });
  if (!divided || !reduced) {
    return;
  }
  const std::int64_t x = vx::toLong(a);
  const std::int64_t y = vx::toLong(b);
  const std::int64_t q = vx::toLong(quotient);
  const std::int64_t r = vx::toLong(remainder);
  require(q * y + r == x, "IntDiv/Mod", "a <> q * b + r");
  require(std::llabs(r) < std::llabs(y), "Mod", "remainder not below the divisor");
  require(r == 0 || (r < 0) == (x < 0), "Mod", "remainder without the sign of a");
}

// The remaining operations only have to give a result or fail cleanly.
void checkOthers(const Value &a, const Value &b, const std::string &text) {
  (void)succeeds("+", [&] { (void)(a + b); });
  (void)succeeds("-", [&] { (void)(a - b); });
  (void)succeeds("*", [&] { (void)(a * b); });
  (void)succeeds("/", [&] { (void)(a / b); });
  (void)succeeds("unary -", [&] { (void)(-a); });
  (void)succeeds("<", [&] { (void)(a < b); });
  (void)succeeds("=", [&] { (void)(a == b); });
  (void)succeeds("&", [&] { (void)vx::join(a, b); });
  (void)succeeds("Int", [&] { (void)vx::Int(a); });
  (void)succeeds("Len", [&] { (void)vx::Len(a); });
  (void)succeeds("toInteger", [&] { (void)vx::toInteger(a); });
  (void)succeeds("Pow", [&] { (void)vx::Pow(a, b); });
  (void)succeeds("Log", [&] { (void)vx::Log(a); });
  (void)succeeds("Exp", [&] { (void)vx::Exp(a); });
  (void)succeeds("Asc", [&] { (void)vx::Asc(text); });
  double read = 0.0;
  if (succeeds("Val", [&] { read = vx::Val(text); })) {
    require(std::isfinite(read), "Val", "not a finite number: " + text);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  vx::fuzz::FuzzInput input(data, size);
  const Value a = input.value();
  const Value b = input.value();
  const std::string pattern = input.text();
  const std::string text = input.rest();
  for (const Value &v : {a, b}) {
    checkRoundTrip(v);
    checkHex(v);
    checkFormat(v);
  }
  checkLike(text, pattern);
  checkDivision(a, b);
  checkOthers(a, b, text);
  return 0;
}
