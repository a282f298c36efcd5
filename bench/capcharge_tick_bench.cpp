// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One solver tick of the capacitor window: idle (nothing changed since the
// last tick) and solving a charge time from a newly typed capacitance.

#include "bench/solver_window.h"
#include "capcharge/ct6.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct CapWindow : vx::bench::SolverWindow<vx::ct6> {
  CapWindow() : SolverWindow("ct6") {
    enter(window->Textv, "5 Volts");
    enter(window->Textr, "1k Ohms");
    enter(window->Textc, "1 uFarads");
  }
};

void capIdleTick(benchmark::State &state) {
  CapWindow cap;
  for (auto _ : state) {
    cap.tick();
  }
}
BENCHMARK(capIdleTick);

void capSolvingTick(benchmark::State &state) {
  CapWindow cap;
  int microfarads = 0;
  for (auto _ : state) {
    cap.enter(cap.window->Textc, std::to_string(1 + (microfarads++ % 100)) + " uFarads");
  }
}
BENCHMARK(capSolvingTick);

} // namespace
