// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The port side: pin states and the decimal value kept in step with each
// other, and the check that the segment letters name every segment once.

#include "leddriver/port6.h"
#include "runtime/text_rules.h"

namespace vx {

namespace {
// The codes of "a" to "h", and of "a" to "g" with a blank for the unused
// decimal point.
constexpr int allEightSegments = 804;
constexpr int sevenSegmentsNoPoint = 732;
} // namespace

const std::array<const char *, 6> port6::warningLines{
    "Check segment assignments",       "       for missing or multiple ",
    "                       entrys  ", "   All segments except ",
    "       h segment must be ",       "                  assigned ",
};

void port6::toggle_pin(int pin) {
  TextBox &box = *pins[static_cast<std::size_t>(pin)];
  box.setText(CStr(Mod(Val(box.text()) + 1, 2)));
  calk();
}

void port6::calk() {
  ptempa = 0;
  for (int pin = 0; pin < 8; ++pin) {
    if (Val(pins[static_cast<std::size_t>(pin)]->text()) > 0) {
      ptempa = ptempa + Pow(2, pin);
    }
  }
  outp();
}

void port6::outp() {
  ptempb = 255 - ptempa;
  Text9.setText(CStr(ptempa));
  Label_de.setCaption(CStr(ptempb));
  led();
  chq();
}

void port6::decbin() {
  ptempf = Val(Text9.text());
  if (ptempf >= 256) {
    return;
  }
  ptempa = ptempf;
  for (std::size_t pin = 0; pin < pins.size(); ++pin) {
    pins[pin]->setText(CStr(Mod(ptempf, 2)));
    if (pin < 7) {
      ptempf = IntDiv(ptempf, 2);
    }
  }
  outp();
}

void port6::Text9_Change() {
  decbin();
  Text9.setSelStart(Len(Text9.text()));
  if (showingWarning()) {
    restorenotes();
  } else {
    savenotes();
  }
  chq();
}

// Only the sum of the letters' codes is checked, so any mix with the same
// sum passes as well.
void port6::chq() {
  int sum = 0;
  for (TextBox *letter : letters) {
    if (letter->text().empty()) {
      letter->setText(" ");
    }
    sum += Asc(letter->text());
  }
  if (sum != allEightSegments && sum != sevenSegmentsNoPoint) {
    // The notes typed since the value last changed are kept aside before
    // the warning first covers them.
    savenotes();
    for (std::size_t line = 0; line < warningLines.size(); ++line) {
      notes[line + 1]->setText(warningLines[line]);
    }
  }
}

bool port6::showingWarning() const {
  return Text11.text() == warningMark;
}

} // namespace vx
