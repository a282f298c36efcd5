// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the number rules every field read and write goes through.

#include "runtime/text_rules.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void readNumber(benchmark::State &state) {
  const std::string text = "4.7 KOhms";
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx::Val(text));
  }
}
BENCHMARK(readNumber);

void readLongText(benchmark::State &state) {
  const std::string text(10000, '7');
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(vx::Val(text));
    } catch (...) {
      // Too many digits for a Double fails; the cost is what is measured.
    }
  }
}
BENCHMARK(readLongText);

void writeNumber(benchmark::State &state) {
  const vx::Value third = 1.0 / 3.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx::CStr(third));
  }
}
BENCHMARK(writeNumber);

void matchUnitMark(benchmark::State &state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx::Like("250 mAmps", "*mA*"));
  }
}
BENCHMARK(matchUnitMark);

void formatTwoDecimals(benchmark::State &state) {
  const vx::Value value = 3197.2789;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx::Format(value, "#.##"));
  }
}
BENCHMARK(formatTwoDecimals);

} // namespace
