#include "fixture.h"

#include "runtime/text_rules.h"

#include <vector>

namespace vx::test {
namespace {

using EntryReading = Wavo6Test;

struct Entry {
  forms::TextBox wavo6::*field;
  forms::Var wavo6::*base;
  std::string text; // typed in front of the unit word, or pasted whole
  std::string written;
  double inBase;
};

constexpr auto V = &wavo6::Textv, R = &wavo6::Textr, A = &wavo6::Texta, W = &wavo6::Textw;
constexpr auto Vb = &wavo6::tempvc, Rb = &wavo6::temprc, Ab = &wavo6::tempac, Wb = &wavo6::tempwc;

// Each entry in a freshly cleared field: rewritten, given, in base units,
// caret after the number; and read back the same at the next tick.
TEST_F(EntryReading, UnitMarksScaleTheEntryAndRenameItsUnit) {
  wavo6 &w = form();
  const std::vector<Entry> entries = {
      {V, Vb, "-3", "-3 Volts", -3},
      {V, Vb, "12m", "12 mVolts", 0.012},
      {V, Vb, "12k", "12 KVolts", 12000},
      {V, Vb, "12K", "12 KVolts", 12000},
      {V, Vb, "1.5mk", "1.5 mVolts", 0.0015}, // the first row wins
      {R, Rb, "4", "4 Ohms", 4},              // the m of Ohms is no mark
      {R, Rb, "4.7K", "4.7 KOhms", 4700},
      {R, Rb, "2m", "2 MOhms", 2000000},
      {R, Rb, "2M", "2 MOhms", 2000000},
      {R, Rb, "4mi", "4 milliOhms", 0.004},
      {A, Ab, "2", "2 Amps", 2}, // nor the m of Amps
      {A, Ab, "250m", "250 mAmps", 0.25},
      {A, Ab, "250M", "250 mAmps", 0.25},
      {A, Ab, "5u", "5 uAmps", 0.000005},
      {A, Ab, "5U", "5 uAmps", 0.000005},
      {A, Ab, "3k", "3 KAmps", 3000},
      {W, Wb, "500m", "500 mWatts", 0.5},
      {W, Wb, "500M", "500 mWatts", 0.5},
      {W, Wb, "3K", "3 KWatts", 3000},
  };
  for (const Entry &e : entries) {
    forms::TextBox &field = w.*e.field;
    SCOPED_TRACE(e.text + " in " + field.name());
    w.clear_all();
    enter(field, e.text);
    EXPECT_EQ(field.selStart(), static_cast<int>(e.written.find(' ')));
    for (int read = 0; read < 2; ++read, tick()) {
      EXPECT_EQ(field.text(), e.written);
      EXPECT_DOUBLE_EQ(toDouble(w.*e.base), e.inBase);
    }
    EXPECT_EQ(w.Checkv.value() + w.Checkr.value() + w.Checka.value() + w.Checkw.value(), 1);
  }
}

// A result moved into by the focus becomes given: it must be read as the
// quantity it shows, whatever word its size gave it.
TEST_F(EntryReading, ResultWordsReadBackAsTheQuantityShown) {
  wavo6 &w = form();
  const std::vector<Entry> results = {
      {V, Vb, "9.4  milliVolts", "", 0.0094},   {V, Vb, "2  K Volts", "", 2000},
      {R, Rb, "500  milliOhms", "", 0.5},       {R, Rb, "4.7  K Ohms", "", 4700},
      {R, Rb, "3  M Ohms", "", 3000000},        {A, Ab, "260.8695  milliAmps", "", 0.2608695},
      {W, Wb, "18.8  milliWatts", "", 0.0188}, {W, Wb, "1.5  K Watts", "", 1500},
  };
  for (const Entry &e : results) {
    forms::TextBox &field = w.*e.field;
    SCOPED_TRACE(e.text);
    w.clear_all();
    paste(field, e.text);
    tick();
    EXPECT_DOUBLE_EQ(toDouble(w.*e.base), e.inBase);
    const std::string rewritten = field.text();
    tick();
    EXPECT_EQ(field.text(), rewritten);
    EXPECT_DOUBLE_EQ(toDouble(w.*e.base), e.inBase);
  }
}

TEST_F(EntryReading, OnlyANonZeroNumberInTheFocusedFieldIsRead) {
  wavo6 &w = form();
  paste(w.Textr, "5 Ohms");
  w.Textv.setFocus();
  tick();
  EXPECT_EQ(w.Textr.text(), "5 Ohms");
  EXPECT_EQ(w.Checkr.value(), 0);
  EXPECT_TRUE(w.temprc.isEmpty());

  for (const std::string text : {" Volts", "0 Volts", "0m Volts", "Volts 12", "", "-0 Volts"}) {
    SCOPED_TRACE(text);
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

TEST_F(EntryReading, BadEntriesNeverCrashAndAreNotTaken) {
  wavo6 &w = form();
  for (const std::string &text : {std::string(10000, '1') + " Volts", std::string("1e999 Volts"),
                                  std::string("-1e999 Volts"), std::string("&H Volts")}) {
    SCOPED_TRACE(text.substr(0, 12));
    paste(w.Textv, text);
    tick();
    EXPECT_EQ(w.Textv.text(), text);
    EXPECT_EQ(w.Checkv.value(), 0);
  }

  // Long texts are read by their first number and first matching row.
  std::string marks;
  while (marks.size() < 10000) {
    marks += "2kmu ";
  }
  paste(w.Texta, marks);
  tick();
  EXPECT_EQ(w.Texta.text(), "2 uAmps");
  paste(w.Textr, std::string(9990, ' ') + "9k Ohms");
  tick();
  EXPECT_EQ(w.Textr.text(), "9 KOhms");

  // Beyond a Double once scaled: the reading stops before anything is
  // rewritten.
  paste(w.Textr, "1e308m Ohms");
  tick();
  EXPECT_EQ(w.Textr.text(), "1e308m Ohms");
  EXPECT_DOUBLE_EQ(toDouble(w.temprc), 9000);
}

} // namespace
} // namespace vx::test
