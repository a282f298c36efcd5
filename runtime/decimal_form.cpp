// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The 15-significant-digit decimal form that both CStr and Format start
// from, so that 0.1 + 0.2 reads as 0.3 and 2.675 rounds like on paper.

#include "runtime/number_rules.h"

#include <array>
#include <charconv>

namespace vx::detail {

DecimalForm decimalForm(double number) {
  DecimalForm form;
  if (number == 0.0)
    return form;
  // d.dddddddddddddde±x: the rounding at the 15th digit is done here.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                    std::chars_format::scientific, 14);
  const char *p = buffer.data();
  if (*p == '-') {
    form.negative = true;
    ++p;
  }
  for (; p != result.ptr && *p != 'e'; ++p) {
    if (*p != '.')
      form.digits.push_back(*p);
  }
  int exponent = 0;
  std::from_chars(p + (*(p + 1) == '+' ? 2 : 1), result.ptr, exponent);
  while (!form.digits.empty() && form.digits.back() == '0')
    form.digits.pop_back();
  form.pointPos = exponent + 1;
  return form;
}

} // namespace vx::detail
