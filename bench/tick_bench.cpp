// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One solver tick of the Ohm's law window, with a pair given and results
// to write, and idle (nothing changed since the last tick).

#include "bench/solver_window.h"
#include "ohms/wavo6.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct OhmsWindow : vx::bench::SolverWindow<vx::wavo6> {
  OhmsWindow() : SolverWindow("wavo6") {
    enter(window->Textv, "12 Volts");
    enter(window->Textr, "4 Ohms");
  }
};

void idleTick(benchmark::State &state) {
  OhmsWindow ohms;
  for (auto _ : state) {
    ohms.tick();
  }
}
BENCHMARK(idleTick);

void solvingTick(benchmark::State &state) {
  OhmsWindow ohms;
  int volts = 0;
  for (auto _ : state) {
    // A new voltage each time, typed into the focused field, so both
    // results are written again.
    ohms.enter(ohms.window->Textv, std::to_string(1 + (volts++ % 100)) + " Volts");
  }
}
BENCHMARK(solvingTick);

} // namespace
