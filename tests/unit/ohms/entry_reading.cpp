#include "fixture.h"

#include "runtime/text_rules.h"

#include <tuple>
#include <vector>

namespace vx::test {
namespace {

struct Entry {
  std::string typed;   // in front of the field's unit word
  std::string written; // after the tick
  double base;
};

class EntryReading : public Wavo6Test {
protected:
  // Each entry in a freshly cleared field: rewritten, given, in base units,
  // caret after the number; and read back the same at the next tick.
  void expectRows(forms::TextBox &field, forms::CheckBox &given, forms::Var &base,
                  const std::vector<Entry> &entries) {
    for (const Entry &e : entries) {
      SCOPED_TRACE(e.typed);
      form().clear_all();
      enter(field, e.typed);
      EXPECT_EQ(field.text(), e.written);
      EXPECT_EQ(given.value(), 1);
      EXPECT_DOUBLE_EQ(toDouble(base), e.base);
      EXPECT_EQ(field.selStart(), static_cast<int>(e.written.find(' ')));
      tick();
      EXPECT_EQ(field.text(), e.written);
      EXPECT_DOUBLE_EQ(toDouble(base), e.base);
    }
  }
};

TEST_F(EntryReading, VoltsMarks) {
  expectRows(form().Textv, form().Checkv, form().tempvc,
             {{"12", "12 Volts", 12},
              {"12m", "12 mVolts", 0.012},
              {"12k", "12 KVolts", 12000},
              {"12K", "12 KVolts", 12000},
              {"1.5mk", "1.5 mVolts", 0.0015},
              {"-3", "-3 Volts", -3}});
  EXPECT_EQ(form().tempv.type(), VType::Double);
}

TEST_F(EntryReading, OhmsMarksWithTheMOfOhmsNoMark) {
  expectRows(form().Textr, form().Checkr, form().temprc,
             {{"4", "4 Ohms", 4},
              {"4k", "4 KOhms", 4000},
              {"4.7K", "4.7 KOhms", 4700},
              {"2m", "2 MOhms", 2000000},
              {"2M", "2 MOhms", 2000000},
              {"4mi", "4 milliOhms", 0.004}});
}

TEST_F(EntryReading, AmpsMarksWithTheMOfAmpsNoMark) {
  expectRows(form().Texta, form().Checka, form().tempac,
             {{"2", "2 Amps", 2},
              {"250m", "250 mAmps", 0.25},
              {"250M", "250 mAmps", 0.25},
              {"5u", "5 uAmps", 0.000005},
              {"5U", "5 uAmps", 0.000005},
              {"3k", "3 KAmps", 3000},
              {"3K", "3 KAmps", 3000}});
}

TEST_F(EntryReading, WattsMarks) {
  expectRows(form().Textw, form().Checkw, form().tempwc,
             {{"60", "60 Watts", 60},
              {"500m", "500 mWatts", 0.5},
              {"500M", "500 mWatts", 0.5},
              {"3k", "3 KWatts", 3000},
              {"3K", "3 KWatts", 3000}});
}

// A result moved into by the focus becomes given: it must be read as the
// quantity it shows, whatever word its size gave it.
TEST_F(EntryReading, ResultWordsReadBackAsTheQuantityShown) {
  const std::vector<std::tuple<forms::TextBox *, forms::Var *, std::string, double>> results = {
      {&form().Textv, &form().tempvc, "12  Volts", 12},
      {&form().Textv, &form().tempvc, "9.4  milliVolts", 0.0094},
      {&form().Textv, &form().tempvc, "2  K Volts", 2000},
      {&form().Textr, &form().temprc, "20  Ohms", 20},
      {&form().Textr, &form().temprc, "500  milliOhms", 0.5},
      {&form().Textr, &form().temprc, "4.7  K Ohms", 4700},
      {&form().Textr, &form().temprc, "3  M Ohms", 3000000},
      {&form().Texta, &form().tempac, "3  Amps", 3},
      {&form().Texta, &form().tempac, "260.8695  milliAmps", 0.2608695},
      {&form().Textw, &form().tempwc, "36  Watts", 36},
      {&form().Textw, &form().tempwc, "18.8  milliWatts", 0.0188},
      {&form().Textw, &form().tempwc, "1.5  K Watts", 1500},
  };
  for (const auto &[field, base, text, expected] : results) {
    SCOPED_TRACE(text);
    form().clear_all();
    paste(*field, text);
    tick();
    EXPECT_DOUBLE_EQ(toDouble(*base), expected);
    const std::string rewritten = field->text();
    tick();
    EXPECT_EQ(field->text(), rewritten);
    EXPECT_DOUBLE_EQ(toDouble(*base), expected);
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
  const std::string longNumber(10000, '1');
  for (const std::string &text : {longNumber + " Volts", std::string("1e999 Volts"),
                                  std::string("-1e999 Volts"), std::string("&H Volts")}) {
    SCOPED_TRACE(text.substr(0, 12));
    form().clear_all();
    paste(w.Textv, text);
    tick();
    EXPECT_EQ(w.Textv.text(), text);
    EXPECT_EQ(w.Checkv.value(), 0);
  }

  // Long texts with many marks are read by their first number and first
  // matching row.
  std::string marks;
  while (marks.size() < 10000) {
    marks += "2kmu ";
  }
  paste(w.Texta, marks);
  tick();
  EXPECT_EQ(w.Texta.text(), "2 uAmps");
  EXPECT_DOUBLE_EQ(toDouble(w.tempac), 0.000002);

  paste(w.Textr, std::string(9990, ' ') + "9k" + " Ohms");
  tick();
  EXPECT_EQ(w.Textr.text(), "9 KOhms");
  EXPECT_DOUBLE_EQ(toDouble(w.temprc), 9000);

  // Beyond a Double once scaled: the reading stops before anything is
  // rewritten.
  paste(w.Textr, "1e308m Ohms");
  tick();
  EXPECT_EQ(w.Textr.text(), "1e308m Ohms");
  EXPECT_DOUBLE_EQ(toDouble(w.temprc), 9000);
}

} // namespace
} // namespace vx::test
