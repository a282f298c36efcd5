// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every fuzz target of the number rules insists on: a rule either
// gives a result or throws CalcFailure; anything else stops the run with
// the rule's name.

#include "runtime/failure.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

namespace vx::fuzz {

[[noreturn]] inline void broken(std::string_view rule, std::string_view what) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(rule.size()), rule.data(),
               static_cast<int>(what.size()), what.data());
  std::abort();
}

inline void require(bool holds, std::string_view rule, std::string_view what) {
  if (!holds) {
    broken(rule, what);
  }
}

// True when the rule gave a result, false when it failed as a calculation.
template <typename Rule> bool succeeds(std::string_view name, Rule &&rule) {
  try {
    rule();
    return true;
  } catch (const CalcFailure &) {
    return false;
  } catch (const std::exception &e) {
    broken(name, e.what());
  } catch (...) {
    broken(name, "an exception that is no CalcFailure");
  }
}

} // namespace vx::fuzz
