// One solver tick of the Ohm's law window, with a pair given and results
// to write, and idle (nothing changed since the last tick).

#include "forms/registry.h"
#include "ohms/wavo6.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct OhmsWindow {
  vx::forms::Registry registry;
  vx::wavo6 *window = nullptr;

  OhmsWindow() {
    registry.add("wavo6", [](vx::forms::Registry &r) { return std::make_unique<vx::wavo6>(r); });
    registry.show("wavo6");
    window = static_cast<vx::wavo6 *>(registry.existing("wavo6"));
    enter(window->Textv, "12 Volts");
    enter(window->Textr, "4 Ohms");
  }

  void enter(vx::forms::TextBox &field, const char *text) {
    field.setFocus();
    field.userEdited(text, 2);
    window->Timer1.expire();
  }
};

void idleTick(benchmark::State &state) {
  OhmsWindow ohms;
  for (auto _ : state) {
    ohms.window->Timer1.expire();
  }
}
BENCHMARK(idleTick);

void solvingTick(benchmark::State &state) {
  OhmsWindow ohms;
  int volts = 0;
  for (auto _ : state) {
    // A new voltage each time, so both results are written again.
    ohms.window->Textv.userEdited(std::to_string(1 + (volts++ % 100)) + " Volts", 1);
    ohms.window->Timer1.expire();
  }
}
BENCHMARK(solvingTick);

} // namespace
