// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A registry holding the main window and stand-ins for the windows its
// buttons open, with helpers that act as the person at the keyboard would.

#include "forms/registry.h"
#include "main/vexlo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vx::test {

class StandIn : public forms::Form {
public:
  StandIn(forms::Registry &registry, const std::string &name) : Form(registry, name, name) {}
};

class VexloTest : public ::testing::Test {
protected:
  VexloTest() {
    registry.add("vexlo", [](forms::Registry &r) { return std::make_unique<vexlo>(r); });
    for (const char *name : {"port66", "wavo6"}) {
      registry.add(name, [name](forms::Registry &r) { return std::make_unique<StandIn>(r, name); });
    }
    registry.show("vexlo");
  }

  vexlo &form() { return static_cast<vexlo &>(*registry.existing("vexlo")); }

  // Both fields as typed, caret at the end.
  void fields(const std::string &first, const std::string &second) {
    form().Text1.userEdited(first, static_cast<int>(first.size()));
    form().Text2.userEdited(second, static_cast<int>(second.size()));
  }
  void press(int keyCode) { form().keyDown(form().activeControl(), keyCode, 0); }
  std::string focused() {
    forms::Control *control = form().activeControl();
    return control == nullptr ? "" : control->name();
  }
  // Display lines 1 to n joined with "|".
  std::string lines(int count = 8) {
    std::string joined;
    forms::Label *labels[] = {&form().Label1, &form().Label2, &form().Label3, &form().Label4,
                              &form().Label5, &form().Label6, &form().Label7, &form().Label8};
    for (int line = 0; line < count; ++line) {
      joined += (line == 0 ? "" : "|") + labels[line]->caption();
    }
    return joined;
  }

  forms::Registry registry;
};

} // namespace vx::test
