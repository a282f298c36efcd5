// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/catalog.h"

#include "forms/form.h"
#include "ui/application.h"

#include <stdexcept>

namespace vx::random {

std::vector<std::string> WindowEntry::named(forms::ControlKind kind) const {
  std::vector<std::string> names;
  for (const ControlEntry &c : controls) {
    if (c.kind == kind) {
      names.push_back(c.name);
    }
  }
  return names;
}

const WindowEntry &Catalog::window(const std::string &name) const {
  for (const WindowEntry &w : windows) {
    if (w.name == name) {
      return w;
    }
  }
  throw std::out_of_range("no window " + name);
}

std::vector<std::string> propertiesOf(forms::ControlKind kind) {
  switch (kind) {
  case forms::ControlKind::TextBox:
    return {"", "tooltip", "caret", "visible"};
  case forms::ControlKind::Label:
  case forms::ControlKind::Button:
    return {"", "tooltip", "visible"};
  case forms::ControlKind::CheckBox:
  case forms::ControlKind::Image:
    return {"", "visible"};
  case forms::ControlKind::Timer:
    return {"", "interval"};
  case forms::ControlKind::Line:
    break;
  }
  return {};
}

// The window objects are made but never loaded or shown: only their
// control lists are read.
Catalog readCatalog() {
  ui::Application application;
  forms::Registry &registry = application.registry();
  Catalog catalog;
  for (const std::string &name : registry.names()) {
    WindowEntry window{name, {}};
    for (const forms::Control *control : registry.instance(name).controls()) {
      window.controls.push_back({control->name(), control->kind()});
    }
    catalog.windows.push_back(std::move(window));
  }
  return catalog;
}

} // namespace vx::random
