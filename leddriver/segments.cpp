// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The segment side: a typed character or a segment button gives the
// pattern of lit segments, the segment letters of the pins turn it into a
// port value, and the pins light the big digit through the same letters.

#include "forms/virtual_keys.h"
#include "leddriver/character_table.h"
#include "leddriver/port6.h"
#include "runtime/text_rules.h"

#include <string>

namespace vx {

namespace {
namespace vk = forms::vk;
constexpr const char *segmentLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h"};
} // namespace

void port6::Text27_KeyDown(int &keyCode, int /*shift*/) {
  if (keyCode == vk::enter) {
    store_character();
    return;
  }
  if (keyCode == vk::del || keyCode == vk::backspace) {
    unstore();
    return;
  }
  // The character of this key reaches the box only once pending events
  // have run; every key, Shift included, looks up the whole text.
  doEvents();
  lookup();
  if (updn == 1) {
    ptempart = 255 - ptempart;
  }
  transpose();
}

void port6::lookup() {
  ptempart = 0;
  for (const LedCharacter &character : characterTable) {
    if (Text27.text() == character.text) {
      ptempart = character.pattern;
    }
  }
}

void port6::transpose() {
  ptempa = 0;
  ptempf = ptempart;
  db();
  for (int pin = 0; pin < 8; ++pin) {
    ptempb = letters[static_cast<std::size_t>(pin)]->text();
    ptempc = Value(1 << pin);
    bbb();
  }
  outp();
  decbin();
}

void port6::db() {
  t1 = Mod(ptempf, 2);
  for (std::size_t k = 1; k < segmentStates.size(); ++k) {
    ptempf = IntDiv(ptempf, 2);
    *segmentStates[k] = Mod(ptempf, 2);
  }
}

// Two pins with the same letter both follow that segment; a pin whose
// letter names no segment stays low.
void port6::bbb() {
  for (std::size_t segment = 0; segment < segmentStates.size(); ++segment) {
    if (ptempb == segmentLetters[segment]) {
      ptempa = ptempa + *segmentStates[segment] * ptempc;
    }
  }
}

void port6::add() {
  Value pattern = 0;
  for (std::size_t segment = 0; segment < segmentStates.size(); ++segment) {
    pattern = pattern + Value(1 << segment) * *segmentStates[segment];
  }
  ptempart = pattern;
}

// In pull-down mode the pattern is held complemented, so the button still
// toggles its own segment while the pin moves the other way.
void port6::toggle_segment(int segment) {
  Var &state = *segmentStates[static_cast<std::size_t>(segment)];
  ptempf = ptempart;
  db();
  state = Mod(state + 1, 2);
  add();
  transpose();
}

void port6::Command14_Click() {
  updn = Mod(updn + 1, 2);
  Command14.setCaption(updn == 1 ? "pulldn" : "pullup");
  led();
}

void port6::led() {
  Value pattern = 0;
  for (std::size_t pin = 0; pin < pins.size(); ++pin) {
    ptempv = letters[pin]->text();
    times();
    pattern = pattern + Val(pins[pin]->text()) * ptempw;
  }
  ptempart = pattern;
  ldigit();
}

void port6::times() {
  ptempw = 0;
  for (std::size_t segment = 0; segment < std::size(segmentLetters); ++segment) {
    if (ptempv == segmentLetters[segment]) {
      ptempw = Value(1 << segment);
    }
  }
}

void port6::ldigit() {
  Value lit = ptempart;
  dp = 0;
  if (updn == 1) {
    lit = 255 - ptempart;
  }
  if (lit > 127) {
    dp = 1;
  }
  const Value glyph = Mod(lit, 128);
  if (glyph >= 0 && glyph <= 127) {
    Image1.setPicture("led" + CStr(glyph));
  }
  Image2.setPicture(dp == 1 ? "leddp" : "ledp");
}

} // namespace vx
