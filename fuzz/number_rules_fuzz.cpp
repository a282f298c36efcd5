// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the number rules with any Values and texts: every rule gives a
// result or fails as a calculation, CStr and Val give numbers back, and `\`
// and Mod divide. The input is two Values (a type byte, then the bytes that
// type needs), a pattern (a length byte and its bytes) and a text (the rest).

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using vx::Value;

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
  } catch (...) {
    require(false, "a rule failed other than as a calculation");
  }
  return false;
}

struct Input {
  const std::uint8_t *data;
  std::size_t size;
  std::string text(std::size_t length) {
    length = std::min(length, size);
    std::string out(reinterpret_cast<const char *>(data), length);
    data += length;
    size -= length;
    return out;
  }
  std::uint8_t byte() { return static_cast<std::uint8_t>(text(1).append(1, '\0')[0]); }
  template <typename T> T raw() {
    T value;
    std::memcpy(&value, text(sizeof(T)).append(sizeof(T), '\0').data(), sizeof(T));
    return value;
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

// 15 significant digits that read back to within half a unit of the last,
// and write again as the same text.
void checkRoundTrip(const Value &value) {
  std::string text;
  require(succeeds([&] { text = vx::CStr(value); }), "CStr failed");
  const double x = value.type() == vx::VType::Double ? value.asDouble() : 0.0;
  if (value.type() == vx::VType::Integer || value.type() == vx::VType::Long) {
    require(vx::Val(text) == vx::toDouble(value), "Val(CStr) of a whole number: " + text);
  } else if (std::isfinite(x) && std::fabs(x) >= DBL_MIN && std::fabs(x) <= 1.79769313486231e308) {
    const double back = vx::Val(text);
    require(std::fabs(back - x) <= std::fabs(x) * 5.2e-15, "Val(CStr) not 15 digits: " + text);
    require(vx::CStr(Value(back)) == text, "CStr(Val(CStr)) changed: " + text);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Input input{data, size};
  const Value a = input.value();
  const Value b = input.value();
  const std::string pattern = input.text(input.byte());
  const std::string text = input.text(300);
  checkRoundTrip(a);
  checkRoundTrip(b);
  // On the operands rounded to whole numbers, a = q * b + r, |r| < |b|,
  // and r has the sign of a.
  Value q;
  Value r;
  if (succeeds([&] { q = vx::IntDiv(a, b); }) && succeeds([&] { r = vx::Mod(a, b); })) {
    const std::int64_t x = vx::toLong(a);
    const std::int64_t rest = vx::toLong(r);
    require(vx::toLong(q) * vx::toLong(b) + rest == x &&
                std::llabs(rest) < std::llabs(vx::toLong(b)) &&
                (rest == 0 || (rest < 0) == (x < 0)),
            "IntDiv and Mod");
  }
  for (const Value &v : {a, b}) {
    for (const char *format : {"#.##", "#.#", "00000000", "0.00"}) {
      (void)succeeds([&] { (void)vx::Format(v, format); });
    }
    (void)succeeds([&] { (void)vx::Hex(v); });
    (void)succeeds([&] { (void)(v + b), (void)(a - v), (void)(v * b), (void)(a / v); });
    (void)succeeds([&] { (void)(-v), (void)(v < b), (void)(a == v), (void)vx::join(a, v); });
    (void)succeeds([&] { (void)vx::Int(v), (void)vx::Len(v), (void)vx::toInteger(v); });
    (void)succeeds([&] { (void)vx::Pow(a, v), (void)vx::Log(v), (void)vx::Exp(v); });
  }
  double read = 0.0;
  require(!succeeds([&] { read = vx::Val(text); }) || std::isfinite(read), "Val not finite");
  (void)succeeds([&] { (void)vx::Asc(text), (void)vx::Like(text, pattern); });
  return 0;
}
