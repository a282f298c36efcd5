// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main/vexlo.h"

#include "forms/registry.h"

namespace vx {

vexlo::vexlo(forms::Registry &registry) : Form(registry, "vexlo", "Vexlo") {
  wireEvents();
  setFirstFocus(&Text1);
}

void vexlo::wireEvents() {
  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  onKeyDown = [this](int &keyCode, int shift) { Form_KeyDown(keyCode, shift); };
  Text1.onChange = [this] { Text1_Change(); };
  Text2.onChange = [this] { Text2_Change(); };
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
  Command15.onClick = [this] { Command15_Click(); };
  Command16.onClick = [this] { Command16_Click(); };
  Command16.onLostFocus = [this] { Command16_LostFocus(); };
  Command17.onClick = [this] { Command17_Click(); };
  Command18.onClick = [this] { Command18_Click(); };
  Command20.onClick = [this] { Command20_Click(); };
  Command21.onClick = [this] { Command21_Click(); };
  Command22.onClick = [this] { Command22_Click(); };
  Command23.onClick = [this] { Command23_Click(); };
  Command24.onClick = [this] { Command24_Click(); };
  Command25.onClick = [this] { Command25_Click(); };
  Command26.onClick = [this] { Command26_Click(); };
  Command27.onClick = [this] { Command27_Click(); };
  Command28.onClick = [this] { Command28_Click(); };
  Command29.onClick = [this] { Command29_Click(); };
}

void vexlo::Form_Load() {
  mlclear();
}

void vexlo::Form_Activate() {
  Text1.setFocus();
}

// Any edit starts a new calculation: the next "%" computes a percentage
// again, and a Shift pressed earlier no longer turns the 8 key into "times".
void vexlo::Text1_Change() {
  percent = 0;
  caps = 0;
}

void vexlo::Text2_Change() {
  percent = 0;
}

void vexlo::Command29_Click() {
  registry().show("port66");
}

void vexlo::Command15_Click() {
  registry().show("wavo6");
}

void vexlo::Command21_Click() {
  aclear();
  mtclear();
}

void vexlo::aclear() {
  for (forms::Var *memory : memories_) {
    *memory = 0;
  }
  memory_a = 0;
  pre1 = 0;
  mlclear();
  Text2.setText("");
  Text1.setText("");
  answer.setCaption("Result ");
  Text1.setFocus();
}

void vexlo::mtclear() {
  for (forms::Label *line : displayLines_) {
    line->setCaption("");
  }
  Text1.setFocus();
}

forms::Label &vexlo::displayLine(int line) {
  return *displayLines_.at(line - 1);
}

} // namespace vx
