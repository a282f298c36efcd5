// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every place the capacitor window chooses a unit word by a number's size,
// with the number exactly on the boundary and just on the other side: the
// entries the tick takes up, the results it writes (cut or through the
// field's text) and the time and frequency kept in step.

#include "fixture.h"

#include <vector>

namespace vx::test {
namespace {

struct Entry {
  forms::TextBox ct6::*field;
  const char *typed;
  const char *shown;
};

class Boundaries : public Ct6Test {
protected:
  // The number put in front of the field's designed unit word in one edit
  // and taken up by a tick; no key, so time and frequency are not
  // converted into each other meanwhile.
  void give(forms::TextBox &field, const std::string &number) {
    ct6 &w = form();
    w.te1 = 0;
    // Time and frequency are given together: the partner must not read 0.
    if (&field == &w.Textt) {
      w.Textf.setText("1 Hz");
    } else if (&field == &w.Textf) {
      w.Textt.setText("1 Secs");
    }
    paste(field, number + field.design().text);
    tick();
  }

  // As if typed: the change converts time and frequency into each other.
  void typeWhole(forms::TextBox &field, const std::string &number) {
    form().te1 = 1;
    paste(field, number + field.design().text);
  }

  // Every field back to its unit word and every box unticked.
  void clearAll() {
    ct6 &w = form();
    w.clear_all();
    for (forms::TextBox *field :
         {&w.Textv, &w.Textr, &w.Texta, &w.Textl, &w.Textt, &w.Textc, &w.Textd, &w.Textf}) {
      field->setText(field->design().text);
    }
    tick();
  }
};

// 1023/1024 and 1000.5 are exact binary fractions, so nothing but the
// rule decides their side.
TEST_F(Boundaries, TakenEntriesRangeAtOneAndAboveAThousand) {
  ct6 &w = form();
  const std::vector<Entry> cases = {
      {&ct6::Textv, "1", "1 Volts"},
      {&ct6::Textv, "0.9990234375", "999.023 mVolts"},
      {&ct6::Textl, "1", "1 Volts"},
      {&ct6::Textl, "0.9990234375", "999.023 mVolts"},
      // Only above a thousand: 1000 stays.
      {&ct6::Textr, "1000", "1000 Ohms"},
      {&ct6::Textr, "1000.5", "1 KOhms"},
      {&ct6::Textr, "1000000", "1000 KOhms"},
      {&ct6::Textr, "1000500", "1 MOhms"},
      {&ct6::Textd, "1000", "1000 Ohms"},
      {&ct6::Textd, "1000.5", "1 KOhms"},
      {&ct6::Textd, "1000000", "1000 KOhms"},
      {&ct6::Textd, "1000500", "1 MOhms"},
      // A bare number is amps or seconds; m is milli, u micro.
      {&ct6::Texta, "1", "1 Amps"},
      {&ct6::Texta, "0.9990234375", "999.023 mAmps"},
      {&ct6::Texta, "1m", "1 mAmps"},
      {&ct6::Texta, "0.9990234375m", "999.023 uAmps"},
      {&ct6::Textt, "1", "1 Secs"},
      {&ct6::Textt, "0.9990234375", "999.023 mSecs"},
      {&ct6::Textt, "1m", "1 mSecs"},
      {&ct6::Textt, "0.9990234375m", "999.023 uSecs"},
      {&ct6::Textc, "1", "1 uFarad"},
      {&ct6::Textc, "0.9990234375", "999.023 nFarad"},
      {&ct6::Textc, "1n", "1 nFarad"},
      {&ct6::Textc, "0.9990234375n", "999.023 pFarad"},
  };
  for (const Entry &c : cases) {
    SCOPED_TRACE(c.typed);
    clearAll();
    give(w.*c.field, c.typed);
    EXPECT_EQ((w.*c.field).text(), c.shown);
  }
}

TEST_F(Boundaries, TypedFrequenciesRangeAboveAThousand) {
  ct6 &w = form();
  const std::vector<Entry> cases = {
      {&ct6::Textf, "1000", "1000 Hz"},
      {&ct6::Textf, "1000.5", "1 KHz"},
      {&ct6::Textf, "1000k", "1000 KHz"},
      {&ct6::Textf, "1000.5k", "1 MHz"},
  };
  for (const Entry &c : cases) {
    SCOPED_TRACE(c.typed);
    clearAll();
    give(w.Textf, c.typed);
    EXPECT_EQ(w.Textf.text(), c.shown);
  }
}

struct Conversion {
  forms::TextBox ct6::*typedInto;
  const char *typed;
  forms::TextBox ct6::*other;
  const char *shown;
};

// A typed frequency gives the period below one second in mSecs, below one
// millisecond in uSecs; a typed time gives the frequency above a thousand
// hertz in KHz, above a thousand kilohertz in MHz.
TEST_F(Boundaries, TimeAndFrequencyConversionsRange) {
  ct6 &w = form();
  const std::vector<Conversion> cases = {
      {&ct6::Textf, "1", &ct6::Textt, "1 Secs"},    {&ct6::Textf, "2", &ct6::Textt, "500 mSecs"},
      {&ct6::Textf, "1k", &ct6::Textt, "1 mSecs"},  {&ct6::Textf, "2k", &ct6::Textt, "500 uSecs"},
      {&ct6::Textt, "1m", &ct6::Textf, "1000 Hz"},  {&ct6::Textt, "0.5m", &ct6::Textf, "2 KHz"},
      {&ct6::Textt, "1u", &ct6::Textf, "1000 KHz"}, {&ct6::Textt, "0.5u", &ct6::Textf, "2 MHz"},
  };
  for (const Conversion &c : cases) {
    SCOPED_TRACE(c.typed);
    clearAll();
    typeWhole(w.*c.typedInto, c.typed);
    EXPECT_EQ((w.*c.other).text(), c.shown);
  }
}

struct Result {
  const char *current; // mA, typed with its m
  const char *threshold;
  const char *time;
  const char *capacitance;
  forms::TextBox ct6::*field;
  const char *shown;
};

// The computed capacitance (cut, two blanks before the smaller words),
// time and threshold (both written through the field's text).
TEST_F(Boundaries, ComputedResultsRangeAtTheirBoundaries) {
  ct6 &w = form();
  const std::vector<Result> cases = {
      // C = I x t / V with 1 mA for 1 ms.
      {"1m", "1", "1m", nullptr, &ct6::Textc, "1 uFarad"},
      {"1m", "2", "1m", nullptr, &ct6::Textc, "500  nFarad"},
      {"1m", "1000", "1m", nullptr, &ct6::Textc, "1  nFarad"},
      {"1m", "2000", "1m", nullptr, &ct6::Textc, "500  pFarad"},
      // t = C x V / I with 1 uF and 1 V: below 1 ms in uSecs, above 1000 ms in Secs.
      {"1m", "1", nullptr, "1", &ct6::Textt, "1 mSecs"},
      {"2m", "1", nullptr, "1", &ct6::Textt, "500 uSecs"},
      {"1u", "1", nullptr, "1", &ct6::Textt, "1000 mSecs"},
      {"0.5u", "1", nullptr, "1", &ct6::Textt, "2 Secs"},
      // V = I x t / C with 1 mA for 1 ms.
      {"1m", nullptr, "1m", "1", &ct6::Textl, "1 Volts"},
      {"1m", nullptr, "1m", "2", &ct6::Textl, "500 mVolts"},
  };
  for (const Result &c : cases) {
    SCOPED_TRACE(std::string(c.current) +
                 (c.threshold != nullptr ? " " + std::string(c.threshold) : "") +
                 (c.time != nullptr ? " " + std::string(c.time) : "") +
                 (c.capacitance != nullptr ? " " + std::string(c.capacitance) : ""));
    clearAll();
    give(w.Texta, c.current);
    if (c.threshold != nullptr) {
      give(w.Textl, c.threshold);
    }
    if (c.time != nullptr) {
      give(w.Textt, c.time);
    }
    if (c.capacitance != nullptr) {
      give(w.Textc, c.capacitance);
    }
    EXPECT_EQ((w.*c.field).text(), c.shown);
  }
}

} // namespace
} // namespace vx::test
