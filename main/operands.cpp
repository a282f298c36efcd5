// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the two fields, the four operations by button and by key, and
// copying a value into a field.

#include "main/vexlo.h"

#include "forms/virtual_keys.h"
#include "runtime/text_rules.h"

namespace vx {

namespace {
namespace vk = forms::vk;

Value sum(const Value &a, const Value &b) {
  return a + b;
}
Value difference(const Value &a, const Value &b) {
  return a - b;
}
Value product(const Value &a, const Value &b) {
  return a * b;
}
Value quotient(const Value &a, const Value &b) {
  return a / b;
}

// A trailing k means kilo; a trailing m or M means mega (there is no milli).
Value withSuffix(const std::string &field, const Value &number) {
  Value scaled = number;
  if (Like(field, "*K") || Like(field, "*k")) {
    scaled = scaled * 1000;
  }
  if (Like(field, "*m") || Like(field, "*M")) {
    scaled = scaled * 1000000;
  }
  return scaled;
}
} // namespace

void vexlo::input_a() {
  tempa = Val(Text1.text());
  tempb = Val(Text2.text());
  Text2.setFocus();
  Text2.setSelStart(Text2.length());
}

void vexlo::input_k() {
  input_a();
  tempa = withSuffix(Text1.text(), tempa);
  tempb = withSuffix(Text2.text(), tempb);
}

void vexlo::input_i() {
  input_k();
  tempa = Mod(tempa, 100000000);
  tempb = Mod(tempb, 100000000);
  Text1.setText(CStr(tempa));
  if (tempa == 0) {
    Text1.setText("");
  }
  Text2.setText("");
}

void vexlo::Command3_Click() {
  input_k();
  answer.setCaption(CStr(tempa + tempb));
}

void vexlo::Command2_Click() {
  input_k();
  answer.setCaption(CStr(tempa - tempb));
}

void vexlo::Command1_Click() {
  input_k();
  answer.setCaption(CStr(tempa * tempb));
}

void vexlo::Command4_Click() {
  input_k();
  answer.setCaption("cannot divide by 0 ");
  if (tempb != 0) {
    answer.setCaption(CStr(tempa / tempb));
  }
}

// The key is passed on unchanged: the focused field still gets it.
void vexlo::Form_KeyDown(int &KeyCode, int /*Shift*/) {
  if (KeyCode == vk::shift) {
    caps = 1;
  }
  if (KeyCode == vk::keypadMinus || KeyCode == vk::minus) {
    keyOperation(difference);
  }
  if (KeyCode == vk::keypadPlus || KeyCode == vk::enter || KeyCode == vk::equals) {
    keyOperation(sum);
  }
  if (KeyCode == vk::keypadMultiply || (KeyCode == vk::digit(8) && caps == 1)) {
    keyOperation(product);
  }
  if (KeyCode == vk::keypadDivide || KeyCode == vk::slash) {
    keyOperation(quotient);
  }
}

// The result replaces field 1 and field 2 is emptied with the focus in it,
// so typing a number and pressing the key again keeps a running total.
void vexlo::keyOperation(Value (*operation)(const Value &, const Value &)) {
  input_k();
  Text1.setText(CStr(operation(tempa, tempb)));
  doEvents();
  Text2.setText("");
}

void vexlo::swap() {
  input_a();
  if (tempr == tempa) {
    Text1.setText(CStr(tempj));
    Text2.setText(CStr(tempr));
  } else {
    tempj = tempa;
    Text1.setText(CStr(tempr));
  }
}

void vexlo::Command13_Click() {
  tempr = Val(answer.caption());
  swap();
}

} // namespace vx
