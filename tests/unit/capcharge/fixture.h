// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The capacitor charge window, opened the way the Ohm's law window's "C T"
// opens it, with stand-ins for the windows it switches to, and the ways a
// person types into it.

#include "capcharge/ct6.h"

#include "forms/registry.h"
#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <string_view>

namespace vx::test {

class OtherWindow : public forms::Form {
public:
  OtherWindow(forms::Registry &registry, const std::string &name) : Form(registry, name, name) {}
};

class Ct6Test : public ::testing::Test {
protected:
  Ct6Test() {
    registry.add("ct6", [](forms::Registry &r) { return std::make_unique<vx::ct6>(r); });
    for (const char *name : {"vexlo", "wavo6", "port6", "port66"}) {
      registry.add(name,
                   [name](forms::Registry &r) { return std::make_unique<OtherWindow>(r, name); });
    }
    registry.show("vexlo");
    registry.show("ct6");
    form().activated();
  }

  vx::ct6 &form() { return static_cast<vx::ct6 &>(*registry.existing("ct6")); }

  // One key through the window's key preview to the focused control.
  void press(int keyCode) { form().keyDown(form().activeControl(), keyCode, 0); }

  // Types at the caret, one key at a time: key-down, then the edit.
  void type(forms::TextBox &field, std::string_view keys) {
    if (form().activeControl() != &field) {
      field.setFocus();
    }
    for (const char c : keys) {
      // The point and the minus have key codes of their own; 46 is delete.
      press(c == '.' ? 190 : c == '-' ? 189 : std::toupper(static_cast<unsigned char>(c)));
      std::string text = field.text();
      const int caret = field.selStart();
      text.insert(static_cast<std::size_t>(caret), 1, c);
      field.userEdited(text, caret + 1);
    }
  }

  // Types in front of the field's text and lets the tick take it up.
  void enter(forms::TextBox &field, std::string_view keys) {
    field.setFocus();
    field.userMovedCaret(0);
    type(field, keys);
    tick();
  }

  // Replaces the whole text in one edit, as a paste does (no key).
  void paste(forms::TextBox &field, std::string text) {
    field.setFocus();
    const int caret = static_cast<int>(text.size());
    field.userEdited(std::move(text), caret);
  }

  // One expiry, whether or not the timer is on: the tick's own rules are
  // under test, not the pacing.
  void tick() {
    form().dispatch([this] { form().Timer1_Timer(); });
  }

  static double number(const Value &value) { return toDouble(value); }

  forms::Registry registry;
};

} // namespace vx::test
