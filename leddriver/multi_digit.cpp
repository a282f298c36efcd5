// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The row of small digits: a shift register of 18 places, the two oldest
// hidden, each holding a copy of the big digit and the port value text that
// produced it.

#include "leddriver/port6.h"
#include "runtime/text_rules.h"

namespace vx {

void port6::store() {
  for (std::size_t k = 0; k + 1 < placeTexts.size(); ++k) {
    *placeTexts[k] = *placeTexts[k + 1];
  }
  *placeTexts.back() = Text9.text();
  for (std::size_t k = 0; k + 1 < places.size(); ++k) {
    places[k]->setPicture(places[k + 1]->picture());
  }
  places.back()->setPicture(Image1.picture());
}

// The big digit, the port value and the pins stay as they are.
void port6::unstore() {
  savenotes();
  for (std::size_t k = placeTexts.size() - 1; k > 0; --k) {
    *placeTexts[k] = *placeTexts[k - 1];
  }
  *placeTexts.front() = 0;
  for (std::size_t k = places.size() - 1; k > 0; --k) {
    places[k]->setPicture(places[k - 1]->picture());
  }
  places.front()->setPicture("led0");
}

void port6::store_character() {
  store();
  Text27.setFocus();
  Text27.setText("");
}

void port6::Command4_Click() {
  store_character();
}

void port6::Command3_Click() {
  unstore();
}

void port6::Image_Click(int place) {
  Text9.setText(CStr(*placeTexts[static_cast<std::size_t>(place - 1)]));
}

} // namespace vx
