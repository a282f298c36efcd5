// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A registry holding the LED window, a stand-in for the main calculator,
// and a platform that delivers a typed character when the window lets
// pending events run, as the toolkit does.

#include "forms/registry.h"
#include "leddriver/port6.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vx::test {

class StandIn : public forms::Form {
public:
  StandIn(forms::Registry &registry, const std::string &name) : Form(registry, name, name) {}
};

// Holds back the character of a key until the key-down procedure lets
// pending events run, or until it has finished.
class TypingPlatform : public forms::Platform {
public:
  void windowShown(forms::Form & /*form*/) override {}
  void windowClosed(forms::Form & /*form*/) override {}
  void processEvents() override { deliver(); }
  void programEnded() override {}

  void hold(forms::TextBox &box, std::string text) { pending_ = {&box, std::move(text)}; }
  void deliver() {
    if (pending_) {
      auto [box, text] = *pending_;
      pending_.reset();
      box->userEdited(text, box->length() + 1);
    }
  }

private:
  std::optional<std::pair<forms::TextBox *, std::string>> pending_;
};

class Port6Test : public ::testing::Test {
protected:
  static constexpr int keyBackspace = 8;
  static constexpr int keyEnter = 13;
  static constexpr int keyDelete = 46;
  static constexpr int keyShift = 16;

  Port6Test() {
    registry.setPlatform(&platform);
    registry.add("port6", [](forms::Registry &r) { return std::make_unique<port6>(r); });
    registry.add("vexlo", [](forms::Registry &r) { return std::make_unique<StandIn>(r, "vexlo"); });
    registry.show("vexlo");
    registry.show("port6");
  }

  port6 &form() { return static_cast<port6 &>(*registry.existing("port6")); }

  // Replaces the value box's text as typing would, caret at the end.
  void typeValue(const std::string &text) {
    form().Text9.setFocus();
    form().Text9.userEdited(text, static_cast<int>(text.size()));
  }

  // Types each character of the text at the end of the character box,
  // key-down first, the character arriving while the key is handled.
  void typeCharacters(const std::string &text) {
    port6 &f = form();
    f.Text27.setFocus();
    for (std::size_t at = 0; at < text.size();) {
      // One character: its lead byte and any continuation bytes.
      std::size_t end = at + 1;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        ++end;
      }
      const auto lead = static_cast<unsigned char>(text[at]);
      int code = std::isalnum(lead) != 0 ? std::toupper(lead) : 222;
      platform.hold(f.Text27, f.Text27.text() + text.substr(at, end - at));
      f.keyDown(&f.Text27, code, 0);
      platform.deliver();
      at = end;
    }
  }

  // A key without a character in the character box (Enter, Shift, ...).
  void pressKey(int code) {
    port6 &f = form();
    f.Text27.setFocus();
    f.keyDown(&f.Text27, code, 0);
  }

  // The pin states, pin 0 first, separated by blanks.
  std::string pinStates() {
    std::string states;
    for (const forms::TextBox *pin : form().pins) {
      states += (states.empty() ? "" : " ") + pin->text();
    }
    return states;
  }

  void setLetters(const std::array<const char *, 8> &letters) {
    for (std::size_t pin = 0; pin < letters.size(); ++pin) {
      form().letters[pin]->userEdited(letters[pin], 1);
    }
  }

  std::string notesText() {
    std::string texts;
    for (const forms::TextBox *note : form().notes) {
      texts += note->text() + "|";
    }
    return texts;
  }

  void typeNotes(const std::string &stem) {
    for (std::size_t row = 0; row < form().notes.size(); ++row) {
      const std::string text = stem + std::to_string(row);
      form().notes[row]->userEdited(text, static_cast<int>(text.size()));
    }
  }

  TypingPlatform platform;
  forms::Registry registry;
};

} // namespace vx::test
