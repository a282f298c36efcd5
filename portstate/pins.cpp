// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pins, the value box and the readings, each kept in step with the others
// through Text9's change procedure.

#include "portstate/port66.h"
#include "runtime/text_rules.h"

namespace vx {

namespace {
// Upper pin k + 8 and lower pin k both weigh 2^k within their byte; a pin
// counts when its text reads above 0, hidden or not.
int byte_value(const std::array<forms::TextBox *, 8> &pins) {
  int sum = 0;
  int weight = 1;
  for (const forms::TextBox *pin : pins) {
    if (Val(pin->text()) > 0) {
      sum += weight;
    }
    weight *= 2;
  }
  return sum;
}
} // namespace

void port66::toggle_pin(TextBox &pin) {
  pin.setText(Val(pin.text()) == 0 ? "1" : "0");
  calk();
}

void port66::calk() {
  const Value sum = byte_value(upper_) * 256 + byte_value(lower_);
  Text9.setText(CStr(sum));
  show_readings();
}

void port66::Text9_Change() {
  if (Val(Text9.text()) > 65535) {
    Text9.setText("0");
  }
  decbin();
  Text9.setSelStart(Len(Val(Text9.text())));
}

void port66::take_bits(Value value, const Byte &pins) {
  for (TextBox *pin : pins) {
    pin->setText(CStr(Mod(value, 2)));
    value = IntDiv(value, 2);
  }
}

void port66::decbin() {
  const double n = Val(Text9.text());
  if (n < 256) {
    take_bits(n, lower_);
    for (TextBox *pin : upper_) {
      pin->setText("0");
    }
    // Re-raises this window's change procedure once at most: the rewritten
    // text reads back as the same number.
    Text9.setText(CStr(n));
  } else if (n < 65536) {
    Check1.setValue(1);
    show_upper(true);
    take_bits(Mod(n, 256), lower_);
    take_bits(IntDiv(Val(Text9.text()), 256), upper_);
  }
  show_readings();
}

void port66::show_readings() {
  // Text the arithmetic cannot read as a number (300x, left as typed in
  // 16-bit mode) fails here, before any reading is written.
  const double x = toDouble(Text9.text());
  const Value y = Value(Check1.value() == 0 ? 255 : 65535) - x;
  Label_hex.setCaption(Hex(x));
  Label_he.setCaption(Hex(y));
  Label_de.setCaption(CStr(y));
}

void port66::show_upper(bool visible) {
  Command6.setVisible(visible);
  for (TextBox *pin : upper_) {
    pin->setVisible(visible);
  }
  for (Label *label : upperLabels_) {
    label->setVisible(visible);
  }
}

void port66::Check1_Click() {
  if (Check1.value() != 0) {
    show_upper(true);
  } else {
    Text9.setText(CStr(Mod(Value::longValue(toLong(Text9.text())), 256)));
    show_upper(false);
  }
  show_readings();
}

void port66::toggle_byte(const Byte &pins) {
  const char *state = Val(pins[0]->text()) == 0 ? "1" : "0";
  for (TextBox *pin : pins) {
    pin->setText(state);
  }
  calk();
}

void port66::Command5_Click() {
  toggle_byte(lower_);
}

void port66::Command6_Click() {
  toggle_byte(upper_);
}

void port66::Command2_Click() {
  Text9.setText("0");
  show_upper(false);
  decbin();
}

} // namespace vx
