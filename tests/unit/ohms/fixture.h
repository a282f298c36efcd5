// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Ohm's law window, opened the way the main window's "AVO" opens it,
// with small stand-ins for the windows it switches to, and the ways a
// person types into it.

#include "ohms/wavo6.h"

#include "forms/registry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <string_view>

namespace vx::test {

// Just enough of the main window: its result line.
class MainWindow : public forms::Form {
public:
  explicit MainWindow(forms::Registry &registry) : Form(registry, "vexlo", "Vexlo") {}
  forms::Label answer{*this, "answer", {.caption = "Result", .toolTip = ""}};
};

class OtherWindow : public forms::Form {
public:
  OtherWindow(forms::Registry &registry, const std::string &name) : Form(registry, name, name) {}
};

class Wavo6Test : public ::testing::Test {
protected:
  Wavo6Test() {
    registry.add("vexlo", [](forms::Registry &r) { return std::make_unique<MainWindow>(r); });
    registry.add("wavo6", [](forms::Registry &r) { return std::make_unique<vx::wavo6>(r); });
    for (const char *name : {"port6", "port66", "ct6"}) {
      registry.add(name,
                   [name](forms::Registry &r) { return std::make_unique<OtherWindow>(r, name); });
    }
    registry.show("vexlo");
    registry.show("wavo6");
    form().activated();
  }

  vx::wavo6 &form() { return static_cast<vx::wavo6 &>(*registry.existing("wavo6")); }
  forms::Label &answer() { return static_cast<MainWindow &>(registry.load("vexlo")).answer; }

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

  // Types in front of the field's text and lets the tick read it.
  void enter(forms::TextBox &field, std::string_view keys) {
    field.setFocus();
    field.userMovedCaret(0);
    type(field, keys);
    tick();
  }

  // Replaces the whole text in one edit, as a paste does.
  void paste(forms::TextBox &field, std::string text) {
    field.setFocus();
    const int caret = static_cast<int>(text.size());
    field.userEdited(std::move(text), caret);
  }

  void tick() { form().Timer1.expire(); }

  forms::Registry registry;
};

} // namespace vx::test
