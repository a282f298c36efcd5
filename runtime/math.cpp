// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `^`, Log and Exp: Double results, and no result that is not a finite
// number.

#include "runtime/failure.h"
#include "runtime/number_rules.h"
#include "runtime/text_rules.h"

#include <cmath>

namespace vx {
Value Pow(const Value &base, const Value &exponent) {
  const double b = toDouble(base);
  const double e = toDouble(exponent);
  if (b == 0.0 && e < 0.0)
    throw CalcFailure("division by zero");
  return detail::finite(std::pow(b, e));
}

Value Log(const Value &value) {
  const double x = toDouble(value);
  if (!(x > 0.0))
    throw CalcFailure("invalid argument");
  return detail::finite(std::log(x));
}

Value Exp(const Value &value) {
  return detail::finite(std::exp(toDouble(value)));
}

} // namespace vx
