// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <stdexcept>

namespace vx {

// The one way a calculation fails: division by zero, overflow, or text
// that is no number where a number is needed. Event procedures are run
// through a dispatcher that catches it, which abandons the procedure at
// the failing step and keeps everything it had already written.
class CalcFailure : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace vx
