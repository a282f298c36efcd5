// One solver tick of the capacitor window: idle (nothing changed since the
// last tick) and solving a charge time from a newly typed capacitance.

#include "capcharge/ct6.h"
#include "forms/registry.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

struct CapWindow {
  vx::forms::Registry registry;
  vx::ct6 *window = nullptr;

  CapWindow() {
    registry.add("ct6", [](vx::forms::Registry &r) { return std::make_unique<vx::ct6>(r); });
    registry.show("ct6");
    window = static_cast<vx::ct6 *>(registry.existing("ct6"));
    enter(window->Textv, "5 Volts");
    enter(window->Textr, "1k Ohms");
    enter(window->Textc, "1 uFarads");
  }

  void enter(vx::forms::TextBox &field, const std::string &text) const {
    field.setFocus();
    field.userEdited(text, 1);
    window->Timer1.expire();
  }
};

void capIdleTick(benchmark::State &state) {
  CapWindow cap;
  for (auto _ : state) {
    cap.window->Timer1.expire();
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
