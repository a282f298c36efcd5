// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Length and first character code of a value's text, counted in
// characters of the UTF-8 text rather than bytes.

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace vx {
namespace {

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0U) == 0x80U;
}

} // namespace

std::int32_t Len(const Value &value) {
  const std::string text = toText(value);
  std::int64_t count = 0;
  for (const char c : text)
    count += isContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

// A byte that does not start a well-formed sequence counts as its own code.
// Codes beyond the 16-bit range overflow the Integer result and fail.
std::int16_t Asc(std::string_view text) {
  if (text.empty())
    throw CalcFailure("empty text");
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  std::uint32_t code = lead;
  if ((lead & 0xE0U) == 0xC0U) {
    length = 2;
    code = lead & 0x1FU;
  } else if ((lead & 0xF0U) == 0xE0U) {
    length = 3;
    code = lead & 0x0FU;
  } else if ((lead & 0xF8U) == 0xF0U) {
    length = 4;
    code = lead & 0x07U;
  }
  if (length > 1) {
    if (text.size() < length)
      return static_cast<std::int16_t>(lead);
    for (std::size_t i = 1; i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if (!isContinuation(byte))
        return static_cast<std::int16_t>(lead);
      code = (code << 6U) | (byte & 0x3FU);
    }
  }
  if (code > static_cast<std::uint32_t>(std::numeric_limits<std::int16_t>::max()))
    throw CalcFailure("overflow");
  return static_cast<std::int16_t>(code);
}

} // namespace vx
