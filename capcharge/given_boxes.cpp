// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The given boxes: a box stays ticked only beside a number; unticking one
// gives its field back the bare unit word and stops the tick until the
// user types again. The base values are kept; the tick counts a quantity
// as given only through its box.

#include "capcharge/ct6.h"

#include "runtime/text_rules.h"

namespace vx {

namespace {
constexpr int clearedInterval = 60000;
} // namespace

void ct6::givenClicked(const Quantity &quantity) {
  if (quantity.given.value() == 0 || Val(quantity.field.text()) == 0) {
    quantity.given.setValue(0);
    quantity.field.setText(std::string(quantity.cleared));
    Timer1.setEnabled(false);
  }
}

// Time and frequency are one quantity: clearing either clears both.
void ct6::timeClicked(const Quantity &tested) {
  if (tested.given.value() == 0 || Val(tested.field.text()) == 0) {
    Checkt.setValue(0);
    Checkf.setValue(0);
    Textt.setText(std::string(time_.cleared));
    Textf.setText(std::string(frequency_.cleared));
    Timer1.setEnabled(false);
  }
}

void ct6::Checkv_Click() {
  givenClicked(volts_);
}
void ct6::Checkr_Click() {
  givenClicked(ohms_);
}
void ct6::Checka_Click() {
  givenClicked(amps_);
}
void ct6::Checkl_Click() {
  givenClicked(threshold_);
}
void ct6::Checkc_Click() {
  givenClicked(farads_);
}
void ct6::Checkd_Click() {
  givenClicked(leakage_);
}
void ct6::Checkt_Click() {
  timeClicked(time_);
}
void ct6::Checkf_Click() {
  timeClicked(frequency_);
}

// Only boxes that were ticked reset their fields; a computed result beside
// an unticked box stays. The frequency box goes with the time box.
void ct6::clear_all() {
  Timer1.setEnabled(false);
  Timer1.setInterval(clearedInterval);
  for (forms::CheckBox *box : {&Checkv, &Checkr, &Checka, &Checkl, &Checkt, &Checkc, &Checkd}) {
    box->setValue(0);
  }
  Timer1.setEnabled(false);
}

} // namespace vx
