// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace vx::test {
namespace {

class Solver : public Ct6Test {
protected:
  // Boxes ticked by hand beside numbers the tick has not taken up; the
  // letters name the fields.
  void give(const std::string &letters) {
    ct6 &w = form();
    const std::pair<forms::TextBox *, forms::CheckBox *> fields[] = {
        {&w.Textv, &w.Checkv}, {&w.Textr, &w.Checkr}, {&w.Texta, &w.Checka},
        {&w.Textl, &w.Checkl}, {&w.Textt, &w.Checkt}, {&w.Textc, &w.Checkc}};
    for (std::size_t i = 0; i < letters.size(); ++i) {
      auto [field, box] = fields[std::string("vraltc").find(letters[i])];
      field->setText("7 units");
      box->setValue(1);
    }
  }
};

TEST_F(Solver, CurrentSourceRowsWriteTheMissingQuantity) {
  ct6 &w = form();
  enter(w.Texta, "1m");
  enter(w.Textl, "5");
  enter(w.Textt, "1m"); // 0.2 uF: cut to four decimals, two blanks
  EXPECT_EQ(w.Textc.text(), "200  nFarad");
  paste(w.Textt, "1u");
  tick();
  EXPECT_EQ(w.Textc.text(), "200  pFarad");
  give("v"); // the full number, one blank
  tick();
  EXPECT_EQ(w.Textc.text(), "200 pFarad");
  EXPECT_EQ(w.Label1.caption(), "C / Ohms 29");
  w.Checkv.setValue(0);
  give("r");
  paste(w.Textt, "7m");
  tick();
  EXPECT_EQ(w.Textc.text(), "1.4 uFarad");
  EXPECT_EQ(w.Label1.caption(), "C / V 30");

  w.Checkt.setValue(0);
  paste(w.Textc, "1000"); // 5000 mSecs
  tick();
  EXPECT_EQ(w.Textt.text(), "5 Secs");
  EXPECT_EQ(w.Textf.text(), "0.2 Hz");
  EXPECT_EQ(w.Label1.caption(), "mS / V 46");
  paste(w.Textc, "100n");
  w.Checkr.setValue(0);
  give("v");
  tick();
  EXPECT_EQ(w.Textt.text(), "500 uSecs");
  EXPECT_EQ(w.Textf.text(), "2 KHz");
  EXPECT_EQ(w.Label1.caption(), "mS / Ohms 45");

  w.Checkl.setValue(0);
  paste(w.Textt, "0.2m");
  tick();
  EXPECT_EQ(w.Textl.text(), "2 Volts");
  EXPECT_EQ(w.Label1.caption(), "L / Ohms 53");
  paste(w.Textc, "1");
  w.Checkv.setValue(0);
  give("r");
  tick();
  EXPECT_EQ(w.Textl.text(), "200 mVolts");
  EXPECT_EQ(w.Label1.caption(), "L / V 54");
  EXPECT_EQ(w.Checkl.value(), 0);
}

TEST_F(Solver, ChargingThroughTheResistorGivesTheThreshold) {
  ct6 &w = form();
  enter(w.Textv, "5");
  enter(w.Textr, "1k");
  enter(w.Textt, "1m");
  enter(w.Textc, "1");
  // One time constant in a hundred equal steps from an empty capacitor.
  EXPECT_NEAR(number(w.templc), 5 * (1 - std::pow(0.99, 100)), 1e-9);
  EXPECT_EQ(w.Checkl.value(), 0);
  paste(w.Textc, "1000 uFarad");
  tick();
  EXPECT_NEAR(number(w.templc), 5 * (1 - std::pow(1 - 1e-5, 100)), 1e-12);
  EXPECT_EQ(w.Textl.text(), "4.997 mVolts");
}

TEST_F(Solver, OtherSumsOnlyNameTheMissingQuantity) {
  ct6 &w = form();
  const std::pair<const char *, const char *> rows[] = {
      {"v", "1"},       {"vrlt", "C 27"},  {"vrlc", "mS 43"}, {"ltc", "56"},    {"vltc", "O 57"},
      {"rltc", "V 58"}, {"valtc", "O 61"}, {"raltc", "V 62"}, {"vraltc", "63"}, {"", "0"}};
  for (const auto &[letters, status] : rows) {
    SCOPED_TRACE(status);
    w.clear_all();
    give(letters);
    const std::string threshold = w.Textl.text();
    tick();
    EXPECT_EQ(w.Label1.caption(), status);
    EXPECT_EQ(w.Textl.text(), threshold);
  }
}

TEST_F(Solver, AFailureStopsTheTickAndKeepsTheFields) {
  ct6 &w = form();
  give("c"); // a capacitance never taken up counts as zero
  enter(w.Texta, "2m");
  w.Textt.setFocus();
  w.Textt.userMovedCaret(0);
  type(w.Textt, "10m");
  tick();
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.Label1.caption(), "L ");
  EXPECT_EQ(w.Textl.text(), " Volts");

  // Numbers beyond a double, in the focused field or any other.
  const std::string huge(10000, '9');
  paste(w.Textv, huge);
  EXPECT_TRUE(w.Timer1.enabled());
  tick();
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.Textv.text(), huge);
  EXPECT_EQ(w.Label1.caption(), "L ");
  paste(w.Textv, " Volts");
  w.Textd.setText("1e999 Ohms");
  tick();
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.Checkt.value(), 1);
}

TEST_F(Solver, AnIdleTickWritesNothing) {
  struct Counter : forms::FormObserver {
    int changes = 0;
    void controlChanged(forms::Control &) override { ++changes; }
    void focusChanged(forms::Control *) override {}
  } counter;
  ct6 &w = form();
  auto idleChanges = [&] {
    w.setObserver(&counter);
    tick();
    tick();
    w.setObserver(nullptr);
    return std::exchange(counter.changes, 0);
  };
  enter(w.Texta, "2m");
  enter(w.Textl, "5");
  enter(w.Textc, "4"); // a time with its frequency, written each tick
  w.Textd.setText("1k Ohms");
  tick();
  EXPECT_EQ(idleChanges(), 0);
  w.Command4.userClicked();
  enter(w.Textv, "5");
  enter(w.Textr, "1k");
  enter(w.Textt, "1m");
  enter(w.Textc, "1"); // the charge integration
  EXPECT_EQ(idleChanges(), 0);
}

} // namespace
} // namespace vx::test
