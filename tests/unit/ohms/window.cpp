// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"

#include "runtime/text_rules.h"

namespace vx::test {
namespace {

using Window = Wavo6Test;

TEST_F(Window, OnlyTheFieldBeingTypedInRestartsTheCountdown) {
  wavo6 &w = form();
  w.Textw.setFocus();
  const auto restarts = w.Timer1.restarts();
  w.Textv.setText("1 Volts");
  EXPECT_EQ(w.Timer1.restarts(), restarts);
  type(w.Textw, "2");
  EXPECT_GT(w.Timer1.restarts(), restarts);

  // Unticking stops the tick until the focused field changes again.
  tick();
  w.Checkw.userClicked();
  EXPECT_FALSE(w.Timer1.enabled());
  type(w.Textw, "5");
  EXPECT_TRUE(w.Timer1.enabled());
}

TEST_F(Window, AnIdleTickTellsTheViewOfNothing) {
  struct Counter : forms::FormObserver {
    int changes = 0;
    void controlChanged(forms::Control &) override { ++changes; }
    void focusChanged(forms::Control *) override {}
  } counter;
  wavo6 &w = form();
  enter(w.Textv, "12");
  enter(w.Textr, "4");
  tick();
  w.setObserver(&counter);
  tick();
  tick();
  w.setObserver(nullptr);
  EXPECT_EQ(counter.changes, 0);
  EXPECT_EQ(w.Timer1.interval(), 600);
}

TEST_F(Window, EnterInsertsOnlyANumberFromTheMainWindow) {
  wavo6 &w = form();
  for (const char *nothing : {"Result", "0", "cannot divide by 0 ", " overrange "}) {
    answer().setCaption(nothing);
    press(13);
    EXPECT_EQ(w.Textv.text(), " Volts");
  }
  EXPECT_EQ(w.Timer1.interval(), 6);
  answer().setCaption("3.3");
  press(13);
  EXPECT_EQ(w.Textv.text(), "3.3 Volts"); // the focus at opening set the flag

  // With the main window closed, a fresh one is created unshown to be read.
  registry.close("vexlo");
  w.Textr.setFocus();
  press(13);
  EXPECT_TRUE(registry.isLoaded("vexlo"));
  EXPECT_FALSE(registry.isOpen("vexlo"));
  EXPECT_EQ(w.Textr.text(), " Ohms");
}

TEST_F(Window, SwitchingOrClosingTakesTheMainWindowAlong) {
  wavo6 &w = form();
  for (forms::Button *button : {&w.Command2, &w.Command5}) {
    button->userClicked();
    EXPECT_FALSE(registry.isOpen("wavo6"));
    EXPECT_FALSE(registry.isLoaded("vexlo"));
    registry.show("vexlo");
    registry.show("wavo6");
  }
  EXPECT_TRUE(registry.isOpen("port6"));
  EXPECT_TRUE(registry.isOpen("ct6"));
  registry.close("wavo6"); // the close box
  EXPECT_FALSE(registry.isLoaded("vexlo"));
}

} // namespace
} // namespace vx::test
