// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program itself: its five windows, the Qt binding, the start with
// the main window shown.

#include "forms/registry.h"
#include "ui/binder.h"

namespace vx::ui {

class Application {
public:
  Application();

  [[nodiscard]] forms::Registry &registry() { return registry_; }
  [[nodiscard]] Binder &binder() { return binder_; }
  // Shows the start window.
  void start();

  static constexpr const char *startWindow = "vexlo";

private:
  forms::Registry registry_;
  Binder binder_;
};

} // namespace vx::ui
