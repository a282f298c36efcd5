// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "portstate/port66.h"

namespace vx {

port66::port66(forms::Registry &registry) : Form(registry, "port66", "Port 8") {
  wirePins();
  Text9.onChange = [this] { Text9_Change(); };
  Check1.onClick = [this] { Check1_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command13.onClick = [this] { Command13_Click(); };
  onUnload = [this] { Form_Unload(); };
  // The value box is where typing makes sense; a key in a pin box flips it.
  setFirstFocus(&Text9);
}

void port66::wirePins() {
  Text1.onClick = [this] { Text1_Click(); };
  Text2.onClick = [this] { Text2_Click(); };
  Text3.onClick = [this] { Text3_Click(); };
  Text4.onClick = [this] { Text4_Click(); };
  Text5.onClick = [this] { Text5_Click(); };
  Text6.onClick = [this] { Text6_Click(); };
  Text7.onClick = [this] { Text7_Click(); };
  Text8.onClick = [this] { Text8_Click(); };
  Text21.onClick = [this] { Text21_Click(); };
  Text22.onClick = [this] { Text22_Click(); };
  Text23.onClick = [this] { Text23_Click(); };
  Text24.onClick = [this] { Text24_Click(); };
  Text25.onClick = [this] { Text25_Click(); };
  Text26.onClick = [this] { Text26_Click(); };
  Text27.onClick = [this] { Text27_Click(); };
  Text28.onClick = [this] { Text28_Click(); };
  Text1.onKeyPress = [this](int &key) { Text1_KeyPress(key); };
  Text2.onKeyPress = [this](int &key) { Text2_KeyPress(key); };
  Text3.onKeyPress = [this](int &key) { Text3_KeyPress(key); };
  Text4.onKeyPress = [this](int &key) { Text4_KeyPress(key); };
  Text5.onKeyPress = [this](int &key) { Text5_KeyPress(key); };
  Text6.onKeyPress = [this](int &key) { Text6_KeyPress(key); };
  Text7.onKeyPress = [this](int &key) { Text7_KeyPress(key); };
  Text8.onKeyPress = [this](int &key) { Text8_KeyPress(key); };
  Text21.onKeyPress = [this](int &key) { Text21_KeyPress(key); };
  Text22.onKeyPress = [this](int &key) { Text22_KeyPress(key); };
  Text23.onKeyPress = [this](int &key) { Text23_KeyPress(key); };
  Text24.onKeyPress = [this](int &key) { Text24_KeyPress(key); };
  Text25.onKeyPress = [this](int &key) { Text25_KeyPress(key); };
  Text26.onKeyPress = [this](int &key) { Text26_KeyPress(key); };
  Text27.onKeyPress = [this](int &key) { Text27_KeyPress(key); };
  Text28.onKeyPress = [this](int &key) { Text28_KeyPress(key); };
}

void port66::switch_to(const char *window) {
  registry().show(window);
  registry().close(name());
}

void port66::Command1_Click() {
  cx1r = 1;
  switch_to("vexlo");
}

void port66::Command3_Click() {
  switch_to("port6");
}

void port66::Command4_Click() {
  switch_to("wavo6");
}

void port66::Command7_Click() {
  switch_to("ct6");
}

// Leaving by any way but "Calc" takes the main calculator down too.
void port66::Form_Unload() {
  if (cx1r == 0) {
    registry().close("vexlo");
  }
  cx1r = 0;
}

} // namespace vx
