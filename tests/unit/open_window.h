// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One window of a fresh registry, shown as another window's button shows it.

#include "forms/registry.h"

#include <memory>

namespace vx::test {

template <typename Form> Form &openWindow(forms::Registry &registry, const char *name) {
  registry.add(name, [](forms::Registry &r) { return std::make_unique<Form>(r); });
  registry.show(name);
  return static_cast<Form &>(*registry.existing(name));
}

} // namespace vx::test
