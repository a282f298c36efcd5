// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ohms/wavo6.h"

#include "forms/registry.h"
#include "forms/virtual_keys.h"
#include "runtime/text_rules.h"

namespace vx {

namespace {
namespace vk = forms::vk;
// A typed character is read almost at once; deleting holds the rewriting
// of the field off for a minute so the user can finish.
constexpr int afterKeyInterval = 6;
constexpr int afterDeleteInterval = 60000;
} // namespace

wavo6::wavo6(forms::Registry &registry) : Form(registry, "wavo6", "AVO") {
  setTabOrder({&Textv, &Textr, &Texta, &Textw, &Command3, &Command1, &Command2, &Command4, &Checkv,
               &Checkr, &Checka, &Checkw, &Command5});
  setFirstFocus(&Textv);

  onLoad = [this] { Form_Load(); };
  onUnload = [this] { Form_Unload(); };
  onKeyDown = [this](int &keyCode, int shift) { Form_KeyDown(keyCode, shift); };
  Textv.onGotFocus = [this] { Textv_GotFocus(); };
  Textr.onGotFocus = [this] { Textr_GotFocus(); };
  Texta.onGotFocus = [this] { Texta_GotFocus(); };
  Textw.onGotFocus = [this] { Textw_GotFocus(); };
  Textv.onChange = [this] { Textv_Change(); };
  Textr.onChange = [this] { Textr_Change(); };
  Texta.onChange = [this] { Texta_Change(); };
  Textw.onChange = [this] { Textw_Change(); };
  Checkv.onClick = [this] { Checkv_Click(); };
  Checkr.onClick = [this] { Checkr_Click(); };
  Checka.onClick = [this] { Checka_Click(); };
  Checkw.onClick = [this] { Checkw_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Timer1.onTimer = [this] { Timer1_Timer(); };
}

void wavo6::Form_Load() {
  Timer1.setEnabled(false);
  clear_all();
}

void wavo6::Form_Unload() {
  if (cx1r == 0) {
    registry().close("vexlo");
  }
  cx1r = 0;
}

void wavo6::Form_KeyDown(int &KeyCode, int /*Shift*/) {
  if (KeyCode == vk::enter) {
    auto &answer = forms::as<forms::Label>(*registry().load("vexlo").control("answer"));
    const std::string caption = answer.caption();
    if (Val(caption) != 0) {
      for (const Quantity &q : quantities_) {
        if (q.focus == 1) {
          q.field.setText(caption + std::string(q.unitWord));
        }
      }
    }
  }
  const bool deleting = KeyCode == vk::del || KeyCode == vk::backspace;
  Timer1.setInterval(deleting ? afterDeleteInterval : afterKeyInterval);
}

void wavo6::focusInto(const Quantity &quantity) {
  for (const Quantity &q : quantities_) {
    q.focus = &q == &quantity ? 1 : 0;
  }
}

void wavo6::Textv_GotFocus() {
  focusInto(volts_);
}
void wavo6::Textr_GotFocus() {
  focusInto(ohms_);
}
void wavo6::Texta_GotFocus() {
  focusInto(amps_);
}
void wavo6::Textw_GotFocus() {
  focusInto(watts_);
}

// Only the field being typed in restarts the countdown; the results the
// tick writes into the others must not keep postponing it.
void wavo6::changed(const Quantity &quantity) {
  if (quantity.focus == 1) {
    restart_timer();
  }
}

void wavo6::Textv_Change() {
  changed(volts_);
}
void wavo6::Textr_Change() {
  changed(ohms_);
}
void wavo6::Texta_Change() {
  changed(amps_);
}
void wavo6::Textw_Change() {
  changed(watts_);
}

// A box stays ticked only beside a number; unticking empties the field.
void wavo6::givenClicked(const Quantity &quantity) {
  if (quantity.given.value() == 0 || Val(quantity.field.text()) == 0) {
    quantity.given.setValue(0);
    quantity.figure = 0;
    quantity.field.setText(std::string(quantity.unitWord));
    Timer1.setEnabled(false);
  }
}

void wavo6::Checkv_Click() {
  givenClicked(volts_);
}
void wavo6::Checkr_Click() {
  givenClicked(ohms_);
}
void wavo6::Checka_Click() {
  givenClicked(amps_);
}
void wavo6::Checkw_Click() {
  givenClicked(watts_);
}

void wavo6::restart_timer() {
  Timer1.setEnabled(false);
  Timer1.setEnabled(true);
}

void wavo6::clear_all() {
  Checkv.setValue(0);
  Checkr.setValue(0);
  Checka.setValue(0);
  Checkw.setValue(0);
  Textv.setText(" Volts");
  Texta.setText(" Amps");
  Textr.setText(" Ohms");
  Textw.setText(" Watts");
  tempv = 0;
  tempr = 0;
  tempa = 0;
  tempw = 0;
}

void wavo6::Command1_Click() {
  cx1r = 1;
  doEvents();
  registry().show("vexlo");
  registry().close("wavo6");
}

void wavo6::Command2_Click() {
  registry().show("port6");
  registry().close("wavo6");
}

void wavo6::Command3_Click() {
  registry().show("port66");
  registry().close("wavo6");
}

void wavo6::Command4_Click() {
  clear_all();
  Textv.setFocus();
}

void wavo6::Command5_Click() {
  registry().show("ct6");
  registry().close("wavo6");
}

} // namespace vx
