// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "capcharge/ct6.h"

#include "forms/registry.h"
#include "forms/virtual_keys.h"
#include "runtime/text_rules.h"

namespace vx {

namespace {
namespace vk = forms::vk;
// A typed character is taken up almost at once; deleting or typing a point
// holds the rewriting of the field off for a minute, so that a number can
// be finished before the tick reads it.
constexpr int afterKeyInterval = 6;
constexpr int holdOffInterval = 60000;
} // namespace

ct6::ct6(forms::Registry &registry) : Form(registry, "ct6", "Cap charge time") {
  setTabOrder({&Textv,    &Textr,    &Textl,    &Textt,    &Textc,    &Texta,  &Textd,
               &Command4, &Command2, &Command1, &Command3, &Command5, &Checkv, &Checkr,
               &Checkl,   &Checkt,   &Checkc,   &Checka,   &Checkd,   &Textf,  &Checkf});
  setFirstFocus(&Textv);

  onLoad = [this] { Form_Load(); };
  onUnload = [this] { Form_Unload(); };
  onKeyDown = [this](int &keyCode, int shift) { Form_KeyDown(keyCode, shift); };
  Textv.onGotFocus = [this] { Textv_GotFocus(); };
  Textr.onGotFocus = [this] { Textr_GotFocus(); };
  Texta.onGotFocus = [this] { Texta_GotFocus(); };
  Textl.onGotFocus = [this] { Textl_GotFocus(); };
  Textt.onGotFocus = [this] { Textt_GotFocus(); };
  Textc.onGotFocus = [this] { Textc_GotFocus(); };
  Textf.onGotFocus = [this] { Textf_GotFocus(); };
  Textv.onChange = [this] { Textv_Change(); };
  Textr.onChange = [this] { Textr_Change(); };
  Texta.onChange = [this] { Texta_Change(); };
  Textl.onChange = [this] { Textl_Change(); };
  Textt.onChange = [this] { Textt_Change(); };
  Textc.onChange = [this] { Textc_Change(); };
  Textd.onChange = [this] { Textd_Change(); };
  Textf.onChange = [this] { Textf_Change(); };
  Checkv.onClick = [this] { Checkv_Click(); };
  Checkr.onClick = [this] { Checkr_Click(); };
  Checka.onClick = [this] { Checka_Click(); };
  Checkl.onClick = [this] { Checkl_Click(); };
  Checkt.onClick = [this] { Checkt_Click(); };
  Checkf.onClick = [this] { Checkf_Click(); };
  Checkc.onClick = [this] { Checkc_Click(); };
  Checkd.onClick = [this] { Checkd_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Timer1.onTimer = [this] { Timer1_Timer(); };
}

void ct6::Form_Load() {
  clear_all();
}

void ct6::Form_Unload() {
  if (cx1r == 0) {
    registry().close("vexlo");
  }
  cx1r = 0;
}

void ct6::Form_KeyDown(int &KeyCode, int /*Shift*/) {
  const bool holdsOff = KeyCode == vk::del || KeyCode == vk::backspace || KeyCode == vk::fullStop ||
                        KeyCode == vk::keypadPoint;
  if (holdsOff) {
    te1 = 0;
    Timer1.setInterval(holdOffInterval);
  } else {
    Timer1.setInterval(afterKeyInterval);
    te1 = 1;
  }
}

// The flags keep naming the last of the seven fields that had the focus;
// the leakage field, the boxes and the buttons leave them alone.
void ct6::focusInto(const forms::Var &flag) {
  for (forms::Var *f : focusFlags_) {
    *f = f == &flag ? 1 : 0;
  }
}

void ct6::Textv_GotFocus() {
  focusInto(fv);
}
void ct6::Textr_GotFocus() {
  focusInto(fr);
}
void ct6::Texta_GotFocus() {
  focusInto(fa);
}
void ct6::Textl_GotFocus() {
  focusInto(fl);
}
void ct6::Textt_GotFocus() {
  focusInto(ft);
}
void ct6::Textc_GotFocus() {
  focusInto(fc);
}
void ct6::Textf_GotFocus() {
  focusInto(ff);
}

// Only the field being typed in restarts the countdown; the results the
// tick writes into the others must not keep postponing it.
void ct6::changed(const Quantity &quantity) {
  if (*quantity.focus == 1) {
    restart_timer();
  }
}

void ct6::Textv_Change() {
  changed(volts_);
}
void ct6::Textr_Change() {
  changed(ohms_);
}
void ct6::Texta_Change() {
  changed(amps_);
}
void ct6::Textl_Change() {
  changed(threshold_);
}
void ct6::Textc_Change() {
  changed(farads_);
}

void ct6::Textt_Change() {
  if (ft == 1) {
    time_check();
    restart_timer();
  }
}

void ct6::Textf_Change() {
  if (ff == 1) {
    freq_check();
    restart_timer();
  }
}

// The tick takes a leakage entry up whichever field has the focus.
void ct6::Textd_Change() {}

void ct6::restart_timer() {
  Timer1.setEnabled(false);
  Timer1.setEnabled(true);
}

void ct6::Command1_Click() {
  cx1r = 1;
  registry().show("vexlo");
  registry().close(name());
}

void ct6::Command2_Click() {
  registry().show("port6");
  registry().close(name());
}

void ct6::Command3_Click() {
  registry().show("port66");
  registry().close(name());
}

void ct6::Command4_Click() {
  clear_all();
  Textv.setFocus();
}

// Closed before the Ohm's law window opens; the program keeps running
// through that moment because the click is still in progress.
void ct6::Command5_Click() {
  registry().close(name());
  registry().show("wavo6");
}

} // namespace vx
