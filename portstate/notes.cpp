// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The note fields beside the pin rows, and the help text "Info" shows in
// their place.

#include "portstate/port66.h"
#include "runtime/text_rules.h"

namespace vx {

const std::array<const char *, 7> port66::infoLines{
    "Click a pin, or press a key in it, to flip 0/1.",
    "Dec: type 0-255; above 255 switches to 16 bits.",
    "hex: the port as read with pull-up resistors.",
    "/hex /dec: the same pins read with pull-downs.",
    "T fills or empties a byte, as its first pin says.",
    "Untick 16 Bit to keep only the lower byte.",
    "Info again brings your own notes back here.",
};

void port66::save_assign() {
  for (std::size_t row = 0; row < notes_.size(); ++row) {
    *saved_[row] = notes_[row]->text();
  }
}

void port66::restore_assign() {
  for (std::size_t row = 0; row < notes_.size(); ++row) {
    notes_[row]->setText(toText(*saved_[row]));
  }
}

// Shows the help text in the note fields, or puts the notes back.
void port66::Command13_Click() {
  inf = Mod(inf + 1, 2);
  if (inf == 1) {
    save_assign();
    for (std::size_t row = 0; row < infoLines.size(); ++row) {
      notes_[row]->setText(infoLines[row]);
    }
    Text17.setText("");
  } else {
    restore_assign();
  }
}

} // namespace vx
