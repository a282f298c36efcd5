// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A solver window opened on a registry of its own, with entries made the
// way a person makes them: focus the field, type, and let a tick take the
// entry up.

#include "forms/controls.h"
#include "forms/registry.h"

#include <memory>
#include <string>

namespace vx::bench {

template <typename Window> struct SolverWindow {
  forms::Registry registry;
  Window *window = nullptr;

  explicit SolverWindow(const char *name) {
    registry.add(name, [](forms::Registry &r) { return std::make_unique<Window>(r); });
    registry.show(name);
    window = static_cast<Window *>(registry.existing(name));
  }

  void enter(forms::TextBox &field, const std::string &text) const {
    field.setFocus();
    field.userEdited(text, 1);
    tick();
  }

  void tick() const { window->Timer1.expire(); }
};

} // namespace vx::bench
