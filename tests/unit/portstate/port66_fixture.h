// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A registry holding the port window and stand-ins for the windows its
// buttons switch to.

#include "forms/registry.h"
#include "portstate/port66.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vx::test {

class StandIn : public forms::Form {
public:
  StandIn(forms::Registry &registry, const std::string &name) : Form(registry, name, name) {}
};

class Port66Test : public ::testing::Test {
protected:
  Port66Test() {
    registry.add("port66", [](forms::Registry &r) { return std::make_unique<port66>(r); });
    for (const char *name : {"vexlo", "port6", "wavo6", "ct6"}) {
      registry.add(name, [name](forms::Registry &r) { return std::make_unique<StandIn>(r, name); });
    }
    registry.show("port66");
  }

  port66 &form() { return static_cast<port66 &>(*registry.existing("port66")); }

  // Replaces the value box's text as typing would, caret at the end.
  void type(const std::string &text) {
    form().Text9.setFocus();
    form().Text9.userEdited(text, static_cast<int>(text.size()));
  }

  // Pin texts, pin 0 (or pin 8) first.
  std::string lowerPins() {
    port66 &f = form();
    return join({&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6, &f.Text7, &f.Text8});
  }
  std::string upperPins() {
    port66 &f = form();
    return join(
        {&f.Text21, &f.Text22, &f.Text23, &f.Text24, &f.Text25, &f.Text26, &f.Text27, &f.Text28});
  }
  // The pull-up hex reading, the pull-down hex and decimal readings.
  std::string readings() {
    port66 &f = form();
    return f.Label_hex.caption() + " " + f.Label_he.caption() + " " + f.Label_de.caption();
  }
  bool upperShown() {
    port66 &f = form();
    return f.Text21.visible() && f.Text28.visible() && f.Label21.visible() && f.Label28.visible() &&
           f.Command6.visible();
  }
  bool upperHidden() {
    port66 &f = form();
    return !f.Text21.visible() && !f.Text28.visible() && !f.Label21.visible() &&
           !f.Label28.visible() && !f.Command6.visible();
  }

  forms::Registry registry;

private:
  static std::string join(std::initializer_list<const forms::TextBox *> pins) {
    std::string texts;
    for (const forms::TextBox *pin : pins) {
      texts += pin->text();
    }
    return texts;
  }
};

} // namespace vx::test
