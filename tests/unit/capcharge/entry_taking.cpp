// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"

#include <vector>

namespace vx::test {
namespace {

struct Case {
  const char *typed; // in front of the field's unit word
  const char *shown;
  double base;
};

class Entries : public Ct6Test {
protected:
  // Each row of marks and each range step of one field, typed in front of
  // what the field showed before, as a person would.
  void expectEntries(forms::TextBox &field, forms::CheckBox &given, const forms::Var &base,
                     const std::vector<Case> &cases) {
    for (const Case &c : cases) {
      SCOPED_TRACE(c.typed);
      given.setValue(0); // back to the bare unit word
      enter(field, c.typed);
      EXPECT_EQ(field.text(), c.shown);
      EXPECT_NEAR(toDouble(base), c.base, c.base * 1e-12);
      EXPECT_EQ(field.selStart(), static_cast<int>(std::string(c.shown).find(' ')));
      EXPECT_EQ(given.value(), 1);
    }
  }
};

TEST_F(Entries, VoltsAndThresholdTakeMilli) {
  ct6 &w = form();
  const std::vector<Case> volts = {{"500m", "500 mVolts", 0.5},
                                   {"2M", "2 mVolts", 0.002},
                                   {"5k", "5 Volts", 5},
                                   {"12.3456", "12.345 Volts", 12.3456}};
  expectEntries(w.Textv, w.Checkv, w.tempvc, volts);
  expectEntries(w.Textl, w.Checkl, w.templc, volts);
  // The rewritten text reads back as it shows.
  tick();
  EXPECT_NEAR(number(w.templc), 12.345, 1e-12);
}

TEST_F(Entries, OhmsAndLeakageRangeUpToMega) {
  ct6 &w = form();
  const std::vector<Case> ohms = {{"4.7k", "4.7 KOhms", 4700},       {"1000", "1000 Ohms", 1000},
                                  {"2m", "2 MOhms", 2000000},        {"3M", "3 MOhms", 3000000},
                                  {"1500000", "1.5 MOhms", 1500000}, {"47K", "47 KOhms", 47000}};
  expectEntries(w.Textr, w.Checkr, w.temprc, ohms);

  // The leakage is taken whichever field has the focus, and ticks nothing.
  w.Textd.setText("220k Ohms");
  tick();
  EXPECT_EQ(w.Textd.text(), "220 KOhms");
  EXPECT_EQ(w.Textd.selStart(), 3);
  EXPECT_DOUBLE_EQ(number(w.tempdc), 220000);
  EXPECT_EQ(w.Checkd.value(), 0);
  EXPECT_EQ(w.fr, 1);
}

TEST_F(Entries, CurrentIsKeptInMilliamps) {
  ct6 &w = form();
  expectEntries(w.Texta, w.Checka, w.tempac,
                {{"5", "5 Amps", 5000},
                 {"5u", "5 uAmps", 0.005},
                 {"3U", "3 uAmps", 0.003},
                 {"0.2", "200 mAmps", 200},
                 {"7mA", "7 mAmps", 7}});
}

TEST_F(Entries, TimeIsKeptInMillisecondsAndTicksBothTimeBoxes) {
  ct6 &w = form();
  expectEntries(w.Textt, w.Checkt, w.temptc,
                {{"10", "10 Secs", 10000}, {"250u", "250 uSecs", 0.25}, {"0.5", "500 uSecs", 0.5}});
  EXPECT_EQ(w.Checkf.value(), 1);
  EXPECT_EQ(w.Textf.text(), "2 KHz");
}

TEST_F(Entries, CapacitanceRangesDownToPico) {
  ct6 &w = form();
  expectEntries(w.Textc, w.Checkc, w.tempcc,
                {{"100n", "100 nFarad", 0.1},
                 {"47p", "47 pFarad", 0.000047},
                 {"0.5", "500 nFarad", 0.5},
                 {"3N", "3 uFarad", 3}});
}

TEST_F(Entries, FrequencyIsTakenButNotKept) {
  ct6 &w = form();
  // Written from code, so no key converted it into a time.
  w.Textt.setText("3 mSecs");
  w.Textf.setFocus();
  w.Textf.setText("5k Hz");
  tick();
  EXPECT_EQ(w.Textf.text(), "5 KHz");
  EXPECT_EQ(w.Textf.selStart(), 1);
  EXPECT_EQ(w.Checkt.value() + w.Checkf.value(), 2);
  EXPECT_TRUE(w.temptc.isEmpty());
  EXPECT_EQ(w.Textt.text(), "3 mSecs");

  // Without a time beside it, the time box it ticks clears both again.
  w.Checkf.setValue(0);
  w.Textf.setText("2M Hz");
  tick();
  EXPECT_EQ(w.Checkt.value() + w.Checkf.value(), 0);
  EXPECT_EQ(w.Textt.text(), " mSecs");
  EXPECT_EQ(w.Textf.text(), " Hz");
  EXPECT_FALSE(w.Timer1.enabled());
}

TEST_F(Entries, OnlyPositiveNumbersInTheFocusedFieldAreTaken) {
  ct6 &w = form();
  // A number in a field without the focus waits for the focus.
  w.Textr.setText("470 Ohms");
  tick();
  EXPECT_EQ(w.Checkr.value(), 0);
  EXPECT_TRUE(w.temprc.isEmpty());

  // Emptied: unticked, the unit word back, the timer off, the rest of the
  // tick still done.
  enter(w.Textc, "2");
  w.Textc.userEdited(" uFarad", 0);
  w.Textd.setText("2k Ohms");
  tick();
  EXPECT_EQ(w.Checkc.value(), 0);
  EXPECT_EQ(w.Textc.text(), " uFarad");
  EXPECT_EQ(w.Textd.text(), "2 KOhms");
  EXPECT_FALSE(w.Timer1.enabled());
}

} // namespace
} // namespace vx::test
