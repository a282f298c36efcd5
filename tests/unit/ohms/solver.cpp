// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"

#include "runtime/text_rules.h"

#include <vector>

namespace vx::test {
namespace {

class Solver : public Wavo6Test {
protected:
  // Gives two quantities as a person would, each typed in front of its
  // unit word and read by the tick that follows.
  void give(forms::TextBox &first, std::string_view a, forms::TextBox &second, std::string_view b) {
    form().clear_all();
    enter(first, a);
    enter(second, b);
  }
};

struct Case {
  forms::TextBox wavo6::*first;
  std::string a;
  forms::TextBox wavo6::*second;
  std::string b;
  forms::TextBox wavo6::*result1;
  std::string shown1;
  forms::TextBox wavo6::*result2;
  std::string shown2;
};

constexpr auto V = &wavo6::Textv, R = &wavo6::Textr, A = &wavo6::Texta, W = &wavo6::Textw;

// Every pair of given quantities, and results ranged into their words and
// cut (not rounded) to four decimals.
TEST_F(Solver, EachPairGivesTheOtherTwoInRangedWords) {
  wavo6 &w = form();
  const std::vector<Case> cases = {
      {V, "12", R, "4", W, "36  Watts", A, "3  Amps"},
      {V, "5", A, "250m", W, "1.25  Watts", R, "20  Ohms"},
      {R, "4.7k", A, "2m", W, "18.8  milliWatts", V, "9.4  Volts"},
      {V, "230", W, "60", A, "260.8695  milliAmps", R, "881.6666  Ohms"},
      {R, "8", W, "2", A, "500  milliAmps", V, "4  Volts"},
      {A, "2", W, "10", R, "2.5  Ohms", V, "5  Volts"},
      {V, "10", R, "4.7m", A, "0.0021  milliAmps", W, "0.0212  milliWatts"}, // no micro word
      {V, "3000", A, "1m", R, "3  M Ohms", W, "3  Watts"},                   // divided twice
      {V, "12", A, "1m", R, "12  K Ohms", W, "12  milliWatts"},
      {V, "1", A, "2", R, "500  milliOhms", W, "2  Watts"},
      {R, "1k", A, "2", V, "2  K Volts", W, "4  K Watts"},
      {R, "3", A, "2m", V, "6  milliVolts", W, "0.012  milliWatts"},
      {V, "-12", R, "4", W, "36  Watts", A, "-3000  milliAmps"}, // negatives take milli
      {V, "-1", R, "3", A, "-333.3334  milliAmps", W, "333.3333  milliWatts"},
      {V, "1e-300", R, "1e300", A, "0  Amps", W, "0  Watts"}, // too small to hold
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.a + " and " + c.b);
    give(w.*c.first, c.a, w.*c.second, c.b);
    EXPECT_EQ((w.*c.result1).text(), c.shown1);
    EXPECT_EQ((w.*c.result2).text(), c.shown2);
  }
  EXPECT_EQ(w.Checka.value(), 0);
}

// The focus in a result makes it given: with three boxes nothing is solved.
TEST_F(Solver, ThreeGivenQuantitiesSolveNothing) {
  wavo6 &w = form();
  give(w.Textv, "12", w.Textr, "4");
  w.Texta.setFocus();
  tick();
  EXPECT_EQ(w.Checka.value(), 1);
  EXPECT_DOUBLE_EQ(toDouble(w.tempac), 3);
  paste(w.Textv, "48 Volts");
  tick();
  EXPECT_EQ(w.Textw.text(), "36  Watts");
  EXPECT_EQ(w.Texta.text(), "3 Amps");
}

TEST_F(Solver, FailedCalculationsStopTheTickAndKeepTheFields) {
  wavo6 &w = form();
  // Watts ticked by hand beside a result never read: no square root of
  // zero watts.
  give(w.Textv, "12", w.Textr, "4");
  w.Checkv.userClicked();
  w.Checkw.userClicked();
  EXPECT_EQ(w.Checkw.value(), 1);
  type(w.Textr, "x");
  tick();
  EXPECT_EQ(w.Texta.text(), "3  Amps");
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_TRUE(w.Timer1.enabled());

  // Overflow in a formula, and in a writer.
  give(w.Textv, "1e300", w.Texta, "1e300");
  EXPECT_DOUBLE_EQ(toDouble(w.tempr), 1);
  EXPECT_EQ(w.Textr.text(), " Ohms");
  EXPECT_EQ(w.Textw.text(), " Watts");

  give(w.Textr, "1.7e308", w.Texta, "1");
  EXPECT_EQ(w.Textw.text(), " Watts");
  EXPECT_EQ(w.Textv.text(), " Volts");
}

} // namespace
} // namespace vx::test
