// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"

namespace vx::test {
namespace {

using Window = Ct6Test;

TEST_F(Window, OpensAgainClearedButKeepsItsVariables) {
  ct6 &w = form();
  enter(w.Textv, "5");
  registry.close("ct6");
  registry.show("ct6");
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_EQ(w.Checkv.value(), 0);
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_DOUBLE_EQ(number(w.tempvc), 5);
}

TEST_F(Window, OnlyTheFocusedFieldRestartsTheCountdown) {
  ct6 &w = form();
  w.Textd.setFocus();
  w.Checkc.setFocus();
  EXPECT_EQ(w.fv, 1); // the leakage field and the boxes keep the flags
  w.Textf.setFocus();
  EXPECT_EQ(w.ff, 1);
  EXPECT_EQ(w.fv, 0);
  const auto restarts = w.Timer1.restarts();
  w.Textv.setText("1 Volts");
  w.Textd.setText("1 Ohms");
  EXPECT_EQ(w.Timer1.restarts(), restarts);
}

TEST_F(Window, KeysPaceTheTick) {
  ct6 &w = form();
  type(w.Textv, "1");
  EXPECT_TRUE(w.Timer1.enabled());
  EXPECT_EQ(w.Timer1.interval(), 6);
  for (const int holdOff : {8, 46, 190, 110}) {
    press(16);
    press(holdOff);
    EXPECT_EQ(w.Timer1.interval(), 60000);
    EXPECT_EQ(w.te1, 0);
  }
  w.Timer1.expire();
  EXPECT_EQ(w.Timer1.interval(), 600);
  EXPECT_EQ(w.Textv.text(), "1 Volts");
}

TEST_F(Window, BoxesStayTickedOnlyBesideANumber) {
  ct6 &w = form();
  enter(w.Textr, "4k");
  w.Checkr.userClicked();
  EXPECT_EQ(w.Textr.text(), " Ohms");
  EXPECT_DOUBLE_EQ(number(w.temprc), 4000);

  // Time and frequency go together, from either box.
  for (forms::CheckBox *box : {&w.Checkt, &w.Checkf}) {
    enter(w.Textt, "3m");
    box->userClicked();
    EXPECT_EQ(w.Checkt.value() + w.Checkf.value(), 0);
    EXPECT_EQ(w.Textt.text(), " mSecs");
    EXPECT_EQ(w.Textf.text(), " Hz");
    EXPECT_FALSE(w.Timer1.enabled());
  }
  w.Textd.setText("5 Ohms");
  w.Checkd.userClicked();
  EXPECT_EQ(w.Checkd.value(), 1);
}

TEST_F(Window, ClearResetsOnlyTheTickedFields) {
  ct6 &w = form();
  enter(w.Texta, "2m");
  enter(w.Textl, "5");
  enter(w.Textt, "10m");
  w.Checka.setValue(0);
  w.Checkl.setValue(0);
  w.Textv.setText("7 Volts");
  w.Checkv.setValue(1);
  w.Textr.setFocus();
  w.Command4.userClicked();
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_EQ(w.Textt.text(), " mSecs");
  EXPECT_EQ(w.Textf.text(), " Hz");
  EXPECT_EQ(w.Checkt.value() + w.Checkf.value() + w.Checkv.value(), 0);
  EXPECT_EQ(w.Textc.text(), "4 uFarad");
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.Timer1.interval(), 60000);
  EXPECT_EQ(w.fv, 1);
}

// Neither conversion acts on a field that holds no positive number, even
// when called straight after a computed time: the other field, the boxes
// and the kept time stay as they were.
TEST_F(Window, ConversionsTakeOnlyPositiveNumbers) {
  ct6 &w = form();
  for (const char *text : {"0 Hz", "-5 KHz", " Hz", "k", "-0.001"}) {
    w.Textf.setText(text);
    w.Textt.setText(text);
    w.freq_to_time();
    w.time_to_freq();
    EXPECT_EQ(w.Textf.text(), text);
    EXPECT_EQ(w.Textt.text(), text);
    EXPECT_EQ(w.Checkt.value() + w.Checkf.value(), 0) << text;
    EXPECT_TRUE(w.temptc.isEmpty()) << text;
  }
}

TEST_F(Window, TheTimeIsKeptInMillisecondsThroughAConversion) {
  ct6 &w = form();
  w.Textf.setFocus();
  type(w.Textf, "3");
  w.Textf.userMovedCaret(1);
  type(w.Textf, "M");
  EXPECT_EQ(w.Textf.text(), "3 MHz");
  EXPECT_EQ(w.Textt.text(), "0.333 uSecs");
  EXPECT_NEAR(number(w.temptc), 1.0 / 3000, 1e-15);
  // Straight after the typed frequency, before any tick reads the time.
  enter(w.Texta, "1m");
  enter(w.Textc, "1");
  EXPECT_EQ(w.Label1.caption(), "L 52");
  EXPECT_EQ(w.Textl.text(), "0.333333333333333 mVolts");
}

} // namespace
} // namespace vx::test
