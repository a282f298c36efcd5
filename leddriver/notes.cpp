// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The note boxes beside the pins. They take turns holding the user's own
// notes, the segment assignment warning and the information message; the
// user's notes are kept aside while one of the other two is showing.

#include "leddriver/port6.h"
#include "runtime/text_rules.h"

namespace vx {

const std::array<const char *, 7> port6::infoLines{
    "Pins or Dec set the port;", "a character or the segment", "buttons set the digit.",
    "Letters a-h: the segment",  "each pin drives.",           "pullup/pulldn: LED wiring.",
    "add or Enter: to the row.",
};

// While the warning or the information message fills the boxes, the notes
// kept aside are the user's and must not be replaced by the message.
void port6::savenotes() {
  if (showingWarning() || showingInfo()) {
    return;
  }
  for (std::size_t row = 0; row < notes.size(); ++row) {
    *saved_[row] = notes[row]->text();
  }
}

void port6::restorenotes() {
  for (std::size_t row = 0; row < notes.size(); ++row) {
    notes[row]->setText(CStr(*saved_[row]));
  }
}

void port6::clearnotes() {
  for (TextBox *note : notes) {
    note->setText("");
  }
}

void port6::Command13_Click() {
  inf = Mod(inf + 1, 2);
  if (inf == 1) {
    savenotes();
    for (std::size_t row = 0; row < infoLines.size(); ++row) {
      notes[row]->setText(infoLines[row]);
    }
    Text17.setText("");
  } else {
    restorenotes();
  }
}

bool port6::showingInfo() const {
  for (std::size_t row = 0; row < infoLines.size(); ++row) {
    if (notes[row]->text() != infoLines[row]) {
      return false;
    }
  }
  return true;
}

} // namespace vx
