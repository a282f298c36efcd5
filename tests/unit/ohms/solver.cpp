#include "fixture.h"

#include "runtime/text_rules.h"

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

TEST_F(Solver, EachPairOfGivenQuantitiesGivesTheOtherTwo) {
  wavo6 &w = form();
  give(w.Textv, "12", w.Textr, "4"); // 4
  EXPECT_EQ(w.Textw.text(), "36  Watts");
  EXPECT_EQ(w.Texta.text(), "3  Amps");
  EXPECT_EQ(w.Checka.value(), 0);

  give(w.Textv, "5", w.Texta, "250m"); // 6
  EXPECT_EQ(w.Textw.text(), "1.25  Watts");
  EXPECT_EQ(w.Textr.text(), "20  Ohms");

  give(w.Textr, "4.7k", w.Texta, "2m"); // 8
  EXPECT_EQ(w.Textw.text(), "18.8  milliWatts");
  EXPECT_EQ(w.Textv.text(), "9.4  Volts");

  give(w.Textv, "230", w.Textw, "60"); // 10
  EXPECT_EQ(w.Texta.text(), "260.8695  milliAmps");
  EXPECT_EQ(w.Textr.text(), "881.6666  Ohms");
  EXPECT_NEAR(toDouble(w.tempa), 260.8695652, 1e-6); // scaled for display

  give(w.Textr, "8", w.Textw, "2"); // 12
  EXPECT_NEAR(Val(w.Texta.text()), 500, 0.0002);
  EXPECT_TRUE(w.Texta.text().ends_with("  milliAmps"));
  EXPECT_NEAR(Val(w.Textv.text()), 4, 0.0002);
  EXPECT_TRUE(w.Textv.text().ends_with("  Volts"));

  give(w.Texta, "2", w.Textw, "10"); // 14
  EXPECT_EQ(w.Textr.text(), "2.5  Ohms");
  EXPECT_EQ(w.Textv.text(), "5  Volts");
}

TEST_F(Solver, ResultsAreRangedAndCutToFourDecimals) {
  wavo6 &w = form();
  give(w.Textv, "10", w.Textr, "4.7m"); // no micro word
  EXPECT_EQ(w.Texta.text(), "0.0021  milliAmps");
  EXPECT_EQ(w.Textw.text(), "0.0212  milliWatts");

  give(w.Textv, "3000", w.Texta, "1m"); // divided twice
  EXPECT_EQ(w.Textr.text(), "3  M Ohms");
  EXPECT_EQ(w.Textw.text(), "3  Watts");

  give(w.Textv, "12", w.Texta, "1m");
  EXPECT_EQ(w.Textr.text(), "12  K Ohms");

  give(w.Textv, "1", w.Texta, "2");
  EXPECT_EQ(w.Textr.text(), "500  milliOhms");

  give(w.Textr, "1k", w.Texta, "2");
  EXPECT_EQ(w.Textv.text(), "2  K Volts");
  EXPECT_EQ(w.Textw.text(), "4  K Watts");

  give(w.Textr, "3", w.Texta, "2m");
  EXPECT_EQ(w.Textv.text(), "6  milliVolts");

  give(w.Textv, "-12", w.Textr, "4"); // negatives take the milli word
  EXPECT_EQ(w.Textw.text(), "36  Watts");
  EXPECT_EQ(w.Texta.text(), "-3000  milliAmps");

  give(w.Textv, "-1", w.Textr, "3"); // cut downwards, also below zero
  EXPECT_EQ(w.Texta.text(), "-333.3334  milliAmps");
  EXPECT_EQ(w.Textw.text(), "333.3333  milliWatts");

  give(w.Textv, "1e-300", w.Textr, "1e300"); // too small to hold
  EXPECT_EQ(w.Texta.text(), "0  Amps");
  EXPECT_EQ(w.Textw.text(), "0  Watts");
}

TEST_F(Solver, ResultsFollowTheGivenPairOnly) {
  wavo6 &w = form();
  give(w.Textv, "12", w.Textr, "4");
  paste(w.Textv, "24 Volts");
  tick();
  EXPECT_EQ(w.Textw.text(), "144  Watts");
  EXPECT_EQ(w.Texta.text(), "6  Amps");

  // The focus in a result makes it given: three boxes, nothing solved.
  w.Texta.setFocus();
  tick();
  EXPECT_EQ(w.Checka.value(), 1);
  EXPECT_DOUBLE_EQ(toDouble(w.tempac), 6);
  paste(w.Textv, "48 Volts");
  tick();
  EXPECT_EQ(w.Textw.text(), "144  Watts");

  // Unticking one box leaves a pair again.
  w.Checka.userClicked();
  EXPECT_EQ(w.Texta.text(), " Amps");
  paste(w.Textv, "12 Volts");
  tick();
  EXPECT_EQ(w.Textw.text(), "36  Watts");
  EXPECT_EQ(w.Texta.text(), "3  Amps");
}

TEST_F(Solver, FailedCalculationsStopTheTickAndKeepTheFields) {
  wavo6 &w = form();
  // A box ticked by hand beside a result never read has no base value.
  give(w.Textv, "12", w.Textr, "4");
  w.Checkr.userClicked();
  w.Checka.userClicked();
  EXPECT_EQ(w.Checka.value(), 1);
  type(w.Textr, "x");
  tick();
  EXPECT_EQ(w.Textw.text(), "36  Watts");
  EXPECT_EQ(w.Textr.text(), "x Ohms");
  EXPECT_TRUE(w.Timer1.enabled());

  // No square root of a negative quotient, nor of zero watts.
  give(w.Textr, "8", w.Textw, "-2");
  EXPECT_EQ(w.Texta.text(), " Amps");
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_EQ(w.tempa.type(), VType::Integer);

  give(w.Textv, "12", w.Textr, "4");
  w.Checkv.userClicked();
  w.Checkw.userClicked();
  EXPECT_EQ(w.Checkw.value(), 1);
  type(w.Textr, "x");
  tick();
  EXPECT_EQ(w.Texta.text(), "3  Amps");
  EXPECT_EQ(w.Textv.text(), " Volts");

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
