// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the number rules with any Values and texts: every rule gives a
// result or fails as a calculation, and the properties the windows rely on
// hold. The input is two Values (a type byte, then the bytes that type
// needs), a pattern (a length byte and its bytes) and a text (the rest).

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using vx::Value;
using vx::VType;

void require(bool holds, const std::string &what) {
  if (!holds) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
  }
}

template <typename Rule> bool succeeds(Rule &&rule) {
  try {
    rule();
    return true;
  } catch (const vx::CalcFailure &) {
    return false;
  } catch (const std::exception &e) {
    require(false, std::string("no calculation failure: ") + e.what());
  } catch (...) {
    require(false, "an exception that is no calculation failure");
  }
  return false;
}

struct Input {
  const std::uint8_t *data;
  std::size_t size;
  std::uint8_t byte() {
    if (size == 0) {
      return 0;
    }
    --size;
    return *data++;
  }
  template <typename T> T raw() {
    unsigned char bytes[sizeof(T)];
    for (unsigned char &b : bytes) {
      b = byte();
    }
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
  }
  std::string text(std::size_t length) {
    std::string out;
    while (out.size() < length && size > 0) {
      out += static_cast<char>(byte());
    }
    return out;
  }
  // Doubles as raw bit patterns (NaN, infinities, subnormals) and as
  // eighths, which reach the round values the bit patterns rarely hit.
  Value value() {
    switch (byte() % 7) {
    case 0:
      return {};
    case 1:
      return Value::integer(raw<std::int16_t>());
    case 2:
      return Value::longValue(raw<std::int32_t>());
    case 3:
      return {raw<double>()};
    case 4:
      return {text(byte())};
    case 5:
      return Value::boolean((byte() & 1U) != 0);
    default:
      return {static_cast<double>(raw<std::int32_t>()) / 8.0};
    }
  }
};

// CStr writes 15 significant digits that Val reads back to within half a
// unit of the last, and writing that again gives the same text.
void checkRoundTrip(const Value &value) {
  std::string text;
  require(succeeds([&] { text = vx::CStr(value); }), "CStr failed");
  if (value.type() == VType::Integer || value.type() == VType::Long) {
    require(vx::Val(text) == vx::toDouble(value), "Val(CStr) of a whole number: " + text);
  }
  const double x = value.type() == VType::Double ? value.asDouble() : 0.0;
  if (std::isfinite(x) && std::fabs(x) >= DBL_MIN && std::fabs(x) <= 1.79769313486231e308) {
    const double back = vx::Val(text);
    require(std::fabs(back - x) <= std::fabs(x) * 5.2e-15, "Val(CStr) not 15 digits: " + text);
    require(vx::CStr(Value(back)) == text, "CStr(Val(CStr)) changed: " + text);
  }
}

// Upper-case digits without a leading zero, eight for a negative number.
void checkHex(const Value &value) {
  std::string text;
  if (succeeds([&] { text = vx::Hex(value); })) {
    require(!text.empty() && text.size() <= 8 && (text == "0" || text[0] != '0') &&
                text.find_first_not_of("0123456789ABCDEF") == std::string::npos,
            "Hex digits: " + text);
    const auto whole = static_cast<std::uint32_t>(vx::toLong(value));
    require(std::stoul(text, nullptr, 16) == whole && (whole < 0x80000000U || text.size() == 8),
            "Hex value: " + text);
  }
}

// "#.##", "#.#": one point, no lone zero before it, no trailing zero after
// it, within the rounding; "00000000": at least eight digits, rounded whole.
void checkFormat(const Value &value) {
  double x = 0.0;
  const bool number = succeeds([&] { x = vx::toDouble(value); }) && std::isfinite(x);
  for (const auto &[pattern, places] : {std::pair{"#.##", 2}, {"#.#", 1}, {"00000000", 0}}) {
    std::string text;
    require(succeeds([&] { text = vx::Format(value, pattern); }) || !number, "Format failed");
    if (!number) {
      continue;
    }
    const std::size_t start = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    if (places == 0) {
      require(text.size() >= start + 8 &&
                  text.find_first_not_of("0123456789", start) == std::string::npos,
              "Format 00000000: " + text);
    } else {
      require(point != std::string::npos && text.find('.', point + 1) == std::string::npos &&
                  text.size() - point - 1 <= static_cast<std::size_t>(places) &&
                  (point == text.size() - 1 || text.back() != '0') &&
                  (point == start || text[start] != '0'),
              std::string("Format ") + pattern + ": " + text);
    }
    require(std::fabs(x) >= 1e300 || std::fabs(vx::Val(text) - x) <=
                                         0.5 * std::pow(10.0, -places) + std::fabs(x) * 1e-14,
            std::string("Format ") + pattern + " value: " + text);
  }
}

// Like against the plain definition of a `*` pattern, by a table.
void checkLike(const std::string &text, const std::string &pattern) {
  bool matched = false;
  require(succeeds([&] { matched = vx::Like(text, pattern); }), "Like failed");
  std::vector<bool> row(text.size() + 1, false);
  row[0] = true;
  for (const char p : pattern) {
    std::vector<bool> next(text.size() + 1, p == '*' && row[0]);
    for (std::size_t t = 1; t <= text.size(); ++t) {
      next[t] = p == '*' ? (row[t] || next[t - 1]) : (row[t - 1] && text[t - 1] == p);
    }
    row = std::move(next);
  }
  require(matched == row[text.size()], "Like: " + text + " against " + pattern);
}

// On the operands rounded to whole numbers, a = q * b + r with |r| < |b|
// and r of the sign of a.
void checkDivision(const Value &a, const Value &b) {
  Value q;
  Value r;
  if (succeeds([&] { q = vx::IntDiv(a, b); }) && succeeds([&] { r = vx::Mod(a, b); })) {
    const std::int64_t x = vx::toLong(a);
    const std::int64_t y = vx::toLong(b);
    const std::int64_t rest = vx::toLong(r);
    require(vx::toLong(q) * y + rest == x && std::llabs(rest) < std::llabs(y) &&
                (rest == 0 || (rest < 0) == (x < 0)),
            "IntDiv and Mod");
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Input input{data, size};
  const Value a = input.value();
  const Value b = input.value();
  const std::string pattern = input.text(input.byte());
  const std::string text = input.text(input.size);
  for (const Value &v : {a, b}) {
    checkRoundTrip(v);
    checkHex(v);
    checkFormat(v);
  }
  checkLike(text.substr(0, 300), pattern);
  checkDivision(a, b);
  // The other rules only have to give a result or fail as a calculation.
  (void)succeeds([&] { (void)(a + b), (void)(a - b), (void)(a * b), (void)(a / b); });
  (void)succeeds([&] { (void)(-a), (void)(a < b), (void)(a == b), (void)vx::join(a, b); });
  (void)succeeds([&] { (void)vx::Int(a), (void)vx::Len(a), (void)vx::toInteger(a); });
  (void)succeeds([&] { (void)vx::Pow(a, b), (void)vx::Log(a), (void)vx::Exp(a); });
  (void)succeeds([&] { (void)vx::Asc(text); });
  double read = 0.0;
  require(!succeeds([&] { read = vx::Val(text); }) || std::isfinite(read), "Val not finite");
  return 0;
}
