// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's life: opening, clearing, and leaving for the calculator.

#include "leddriver/port6.h"
#include "runtime/text_rules.h"

namespace vx {

port6::port6(forms::Registry &registry) : Form(registry, "port6", "LED") {
  wire();
  onLoad = [this] { Form_Load(); };
  onUnload = [this] { Form_Unload(); };
  setFirstFocus(&Text9);
}

void port6::wire() {
  Text1.onClick = [this] { Text1_Click(); };
  Text2.onClick = [this] { Text2_Click(); };
  Text3.onClick = [this] { Text3_Click(); };
  Text4.onClick = [this] { Text4_Click(); };
  Text5.onClick = [this] { Text5_Click(); };
  Text6.onClick = [this] { Text6_Click(); };
  Text7.onClick = [this] { Text7_Click(); };
  Text8.onClick = [this] { Text8_Click(); };
  Text9.onChange = [this] { Text9_Change(); };
  Text27.onKeyDown = [this](int &keyCode, int shift) { Text27_KeyDown(keyCode, shift); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Command9.onClick = [this] { Command9_Click(); };
  Command10.onClick = [this] { Command10_Click(); };
  Command11.onClick = [this] { Command11_Click(); };
  Command12.onClick = [this] { Command12_Click(); };
  Command13.onClick = [this] { Command13_Click(); };
  Command14.onClick = [this] { Command14_Click(); };
  // Places 3 to 18 are the visible ones.
  for (int place = 3; place <= 18; ++place) {
    places[static_cast<std::size_t>(place - 1)]->onClick = [this, place] { Image_Click(place); };
  }
}

void port6::Form_Load() {
  resetall();
  defaultsegs();
}

// Closing by any way but "Calc" takes the main calculator down too.
void port6::Form_Unload() {
  if (cx1r == 0) {
    registry().close("vexlo");
  }
  cx1r = 0;
}

void port6::Command1_Click() {
  cx1r = 1;
  registry().show("vexlo");
  registry().close(name());
}

void port6::Command2_Click() {
  if (Like(Text11.text(), "*Check segment assignments*")) {
    defaultsegs();
  }
  for (int k = 0; k < 20; ++k) {
    Image1.setPicture("led0");
    store();
  }
  resetall();
}

void port6::defaultsegs() {
  const char *const names[] = {"a", "b", "c", "d", "e", "f", "g", "h"};
  for (std::size_t pin = 0; pin < letters.size(); ++pin) {
    letters[pin]->setText(names[pin]);
  }
  Text27.setText("");
}

void port6::resetall() {
  Image2.setPicture("ledp");
  // Twenty blank stores push every place of the row out.
  for (int k = 0; k < 20; ++k) {
    Image1.setPicture("led0");
    store();
  }
  clearnotes();
  ptempart = 0;
  Text9.setText("0");
  for (Var *state : segmentStates) {
    *state = 0;
  }
  for (Var *text : placeTexts) {
    *text = 0;
  }
  clearnotes();
  savenotes();
  Text9.setSelStart(Len(Text9.text()));
}

} // namespace vx
