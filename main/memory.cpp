// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight memory registers, the current position with its neighbours on
// the button captions, and the display of the registers.

#include "main/vexlo.h"

#include "runtime/text_rules.h"

#include <string>

namespace vx {

void vexlo::mlclear() {
  memloc = 1;
  memlocu = 2;
  memlocd = 8;
  update_m();
}

void vexlo::update_m() {
  Command22.setCaption(join("M", memlocu));
  Command23.setCaption(join("M", memlocd));
  Command24.setCaption(join(join("M", memloc), "+"));
  Command25.setCaption(join(join("M", memloc), "-"));
  Command27.setCaption(join(join("M", memloc), "R"));
  Command26.setCaption(join(join("M", memloc), "c"));
}

void vexlo::Command22_Click() {
  for (forms::Var *position : {&memloc, &memlocu, &memlocd}) {
    *position = *position + 1;
    if (*position > 8) {
      *position = 1;
    }
  }
  update_m();
}

void vexlo::Command23_Click() {
  for (forms::Var *position : {&memloc, &memlocu, &memlocd}) {
    *position = *position - 1;
    if (*position < 1) {
      *position = 8;
    }
  }
  update_m();
}

int vexlo::currentPosition() const {
  for (int position = 1; position <= 8; ++position) {
    if (memloc == position) {
      return position;
    }
  }
  return 0;
}

forms::Var &vexlo::memory(int position) {
  return *memories_.at(position - 1);
}

std::string vexlo::memoryLine(int position) {
  return join(memory(position), " M" + std::to_string(position));
}

void vexlo::memv() {
  const int position = currentPosition();
  if (position == 0) {
    return;
  }
  memory(position) = memory(position) + tempr;
  displayLine(position).setCaption(memoryLine(position));
}

void vexlo::Command24_Click() {
  tempr = Val(answer.caption());
  memv();
}

void vexlo::Command25_Click() {
  tempr = -Value(Val(answer.caption()));
  memv();
}

void vexlo::Command27_Click() {
  const int position = currentPosition();
  if (position != 0) {
    tempr = memory(position);
    displayLine(position).setCaption(memoryLine(position));
  }
  swap();
}

void vexlo::Command26_Click() {
  const int position = currentPosition();
  if (position != 0) {
    memory(position) = 0;
    displayLine(position).setCaption("");
  }
}

void vexlo::Command14_Click() {
  memory_a = Mod(memory_a + 1, 2);
  for (int position = 1; position <= 8; ++position) {
    displayLine(position).setCaption(memoryLine(position));
  }
  if (memory_a == 0) {
    mtclear();
  }
}

} // namespace vx
