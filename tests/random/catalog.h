// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The windows and their controls by kind, read once from the window
// models, so that random events and checks name real controls.

#include "forms/control.h"

#include <map>
#include <string>
#include <vector>

namespace vx::random {

struct ControlEntry {
  std::string name;
  forms::ControlKind kind;
};

struct WindowEntry {
  std::string name;
  std::vector<ControlEntry> controls;

  [[nodiscard]] std::vector<std::string> named(forms::ControlKind kind) const;
};

struct Catalog {
  std::vector<WindowEntry> windows;

  [[nodiscard]] const WindowEntry &window(const std::string &name) const;
};

// The property names `get` reads for a kind of control ("" the main one).
std::vector<std::string> propertiesOf(forms::ControlKind kind);

Catalog readCatalog();

} // namespace vx::random
