// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"

#include "runtime/text_rules.h"

#include <vector>

namespace vx::test {
namespace {

struct Entry {
  forms::TextBox wavo6::*field;
  forms::Var wavo6::*base;
  std::string text; // typed in front of the unit word, or pasted whole
  std::string written;
  double inBase;
};

constexpr auto V = &wavo6::Textv, R = &wavo6::Textr, A = &wavo6::Texta, W = &wavo6::Textw;
constexpr auto Vb = &wavo6::tempvc, Rb = &wavo6::temprc, Ab = &wavo6::tempac, Wb = &wavo6::tempwc;

class EntryReading : public Wavo6Test {
protected:
  // Each entry, in a freshly cleared field, is rewritten with its unit
  // word, made given and held in base units; the next tick reads it back
  // the same.
  void expectRead(const std::vector<Entry> &entries, bool typed) {
    wavo6 &w = form();
    for (const Entry &e : entries) {
      forms::TextBox &field = w.*e.field;
      SCOPED_TRACE(e.text + " in " + field.name());
      w.clear_all();
      if (typed) {
        enter(field, e.text);
        EXPECT_EQ(field.selStart(), static_cast<int>(e.written.find(' ')));
      } else {
        paste(field, e.text);
        tick();
      }
      for (int read = 0; read < 2; ++read, tick()) {
        EXPECT_EQ(field.text(), e.written);
        EXPECT_DOUBLE_EQ(toDouble(w.*e.base), e.inBase);
      }
      EXPECT_EQ(w.Checkv.value() + w.Checkr.value() + w.Checka.value() + w.Checkw.value(), 1);
    }
  }
};

// Typed marks; the m of Ohms and of Amps is no mark, and the first matching
// row wins.
TEST_F(EntryReading, UnitMarksScaleTheEntryAndRenameItsUnit) {
  expectRead({{V, Vb, "-3", "-3 Volts", -3},
              {V, Vb, "12m", "12 mVolts", 0.012},
              {V, Vb, "12k", "12 KVolts", 12000},
              {V, Vb, "1.5mk", "1.5 mVolts", 0.0015},
              {R, Rb, "4", "4 Ohms", 4},
              {R, Rb, "4.7K", "4.7 KOhms", 4700},
              {R, Rb, "2m", "2 MOhms", 2000000},
              {R, Rb, "2M", "2 MOhms", 2000000},
              {R, Rb, "4mi", "4 milliOhms", 0.004},
              {A, Ab, "2", "2 Amps", 2},
              {A, Ab, "250m", "250 mAmps", 0.25},
              {A, Ab, "250M", "250 mAmps", 0.25},
              {A, Ab, "5u", "5 uAmps", 0.000005},
              {A, Ab, "5U", "5 uAmps", 0.000005},
              {A, Ab, "3k", "3 KAmps", 3000},
              {W, Wb, "500m", "500 mWatts", 0.5},
              {W, Wb, "500M", "500 mWatts", 0.5},
              {W, Wb, "3K", "3 KWatts", 3000}},
             true);
}

// A result moved into by the focus becomes given: it must be read as the
// quantity it shows, whatever word its size gave it.
TEST_F(EntryReading, ResultWordsReadBackAsTheQuantityShown) {
  expectRead({{V, Vb, "9.4  milliVolts", "9.4 mVolts", 0.0094},
              {V, Vb, "2  K Volts", "2 KVolts", 2000},
              {R, Rb, "500  milliOhms", "500 milliOhms", 0.5},
              {R, Rb, "4.7  K Ohms", "4.7 KOhms", 4700},
              {R, Rb, "3  M Ohms", "3 MOhms", 3000000},
              {A, Ab, "260.8695  milliAmps", "260.8695 mAmps", 0.2608695},
              {W, Wb, "18.8  milliWatts", "18.8 mWatts", 0.0188},
              {W, Wb, "1.5  K Watts", "1.5 KWatts", 1500}},
             false);
}

// Bad input is never taken, nor does it crash the window.
TEST_F(EntryReading, OnlyANonZeroNumberInTheFocusedFieldIsTaken) {
  wavo6 &w = form();
  paste(w.Textr, "5 Ohms");
  w.Textv.setFocus();
  tick();
  EXPECT_EQ(w.Textr.text(), "5 Ohms");
  EXPECT_EQ(w.Checkr.value(), 0);
  EXPECT_TRUE(w.temprc.isEmpty());

  for (const std::string &text :
       {std::string(" Volts"), std::string("0m Volts"), std::string("Volts 12"), std::string(),
        std::string("-0 Volts"), std::string(10000, '1') + " Volts", std::string("1e999 Volts"),
        std::string("-1e999 Volts"), std::string("&H Volts")}) {
    SCOPED_TRACE(text.substr(0, 12));
    paste(w.Textv, text);
    tick();
    EXPECT_EQ(w.Textv.text(), text);
    EXPECT_EQ(w.Checkv.value(), 0);
  }

  // A given box keeps its state beside a field emptied by deleting.
  enter(w.Textv, "7");
  paste(w.Textv, " Volts");
  tick();
  EXPECT_EQ(w.Checkv.value(), 1);
  EXPECT_DOUBLE_EQ(toDouble(w.tempvc), 7);

  // Long texts are read by their first number and first matching row.
  std::string marks;
  while (marks.size() < 10000) {
    marks += "2kmu ";
  }
  paste(w.Texta, marks);
  tick();
  EXPECT_EQ(w.Texta.text(), "2 uAmps");

  // Beyond a Double once scaled: the reading stops before anything is
  // rewritten.
  paste(w.Textr, "9k Ohms");
  tick();
  paste(w.Textr, "1e308m Ohms");
  tick();
  EXPECT_EQ(w.Textr.text(), "1e308m Ohms");
  EXPECT_DOUBLE_EQ(toDouble(w.temprc), 9000);
}

TEST_F(EntryReading, DecimalPointOnlyCountsBetweenDigits) {
  wavo6 &w = form();
  enter(w.Textv, "1.");
  EXPECT_EQ(w.Textv.text(), "1 Volts");
  w.clear_all();
  enter(w.Textv, "15");
  w.Textv.userMovedCaret(1);
  type(w.Textv, ".");
  tick();
  EXPECT_EQ(w.Textv.text(), "1.5 Volts");
  EXPECT_EQ(w.Textv.selStart(), 3);
}

} // namespace
} // namespace vx::test
