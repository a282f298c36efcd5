// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every place a result's unit word is chosen by its size, with a result
// exactly on the boundary and one just on the other side: below one goes
// to milli, a thousand or more to K (and for ohms on to M).

#include "fixture.h"

#include <vector>

namespace vx::test {
namespace {

struct Boundary {
  forms::TextBox wavo6::*first;
  const char *a;
  forms::TextBox wavo6::*second;
  const char *b;
  forms::TextBox wavo6::*result;
  const char *shown;
};

constexpr auto V = &wavo6::Textv, R = &wavo6::Textr, A = &wavo6::Texta, W = &wavo6::Textw;

TEST_F(Wavo6Test, ResultWordsChangeExactlyAtTheirBoundaries) {
  wavo6 &w = form();
  // 1023/1024 and 1024.5 are exact binary fractions: no rounding blurs
  // which side of a boundary they are on.
  const std::vector<Boundary> cases = {
      // Amps: below one (not zero) is milli.
      {V, "1", R, "1", A, "1  Amps"},
      {V, "0.9990234375", R, "1", A, "999.0234  milliAmps"},
      // Watts: below one is milli, a thousand or more K.
      {V, "1", R, "1", W, "1  Watts"},
      {V, "0.9990234375", R, "0.9990234375", W, "999.0234  milliWatts"},
      {V, "1000", R, "1000", W, "1  K Watts"},
      {V, "999.5", R, "999.5", W, "999.5  Watts"},
      // Volts: below one is milli, a thousand or more K.
      {A, "1", W, "1", V, "1  Volts"},
      {A, "1", W, "0.9990234375", V, "999.0234  milliVolts"},
      {A, "1", W, "1000", V, "1  K Volts"},
      {A, "1", W, "999.5", V, "999.5  Volts"},
      // Ohms: a thousand or more K, below one milli, a thousand K or more M.
      {A, "1", W, "1", R, "1  Ohms"},
      {A, "1", W, "0.9990234375", R, "999.0234  milliOhms"},
      {A, "1", W, "1000", R, "1  K Ohms"},
      {A, "1", W, "999.5", R, "999.5  Ohms"},
      {V, "1000", A, "1m", R, "1  M Ohms"},
      {V, "999.5", A, "1m", R, "999.5  K Ohms"},
  };
  for (const Boundary &c : cases) {
    SCOPED_TRACE(std::string(c.a) + " and " + c.b);
    w.clear_all();
    enter(w.*c.first, c.a);
    enter(w.*c.second, c.b);
    EXPECT_EQ((w.*c.result).text(), c.shown);
  }
}

} // namespace
} // namespace vx::test
