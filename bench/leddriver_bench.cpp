// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED window's character lookup in its 72-entry table and the
// transpose of the pattern through the segment letters onto the pins.

#include "forms/registry.h"
#include "leddriver/character_table.h"
#include "leddriver/port6.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void lookupAndTranspose(benchmark::State &state) {
  vx::forms::Registry registry;
  registry.add("port6", [](vx::forms::Registry &r) { return std::make_unique<vx::port6>(r); });
  registry.show("port6");
  auto &window = static_cast<vx::port6 &>(*registry.existing("port6"));
  std::size_t next = 0;
  for (auto _ : state) {
    const std::string text(vx::characterTable[next++ % vx::characterTable.size()].text);
    window.Text27.userEdited(text, static_cast<int>(text.size()));
    window.lookup();
    window.transpose();
  }
}
BENCHMARK(lookupAndTranspose);

} // namespace
