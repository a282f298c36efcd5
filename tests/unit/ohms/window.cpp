#include "fixture.h"

#include "runtime/text_rules.h"

#include <vector>

namespace vx::test {
namespace {

using Window = Wavo6Test;

std::vector<std::string> names(const std::vector<forms::Control *> &controls) {
  std::vector<std::string> result;
  for (const forms::Control *c : controls) {
    result.push_back(c->name());
  }
  return result;
}

TEST_F(Window, OpensClearedWithTheTimerOffAndTheFocusInVolts) {
  wavo6 &w = form();
  EXPECT_EQ(w.caption(), "AVO");
  EXPECT_TRUE(w.keyPreview());
  EXPECT_EQ(names(w.tabOrder()),
            (std::vector<std::string>{"Textv", "Textr", "Texta", "Textw", "Command3", "Command1",
                                      "Command2", "Command4", "Checkv", "Checkr", "Checka",
                                      "Checkw", "Command5"}));
  EXPECT_EQ(w.activeControl(), &w.Textv);
  EXPECT_EQ(w.fv, 1);
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_EQ(w.Timer1.interval(), 750);
  EXPECT_EQ(w.tempv.type(), VType::Integer);
  EXPECT_EQ(w.tempw, 0);

  // Open again after a session: designed controls, variables kept.
  enter(w.Textv, "12");
  enter(w.Textr, "4");
  registry.close("wavo6");
  registry.show("vexlo");
  registry.show("wavo6");
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_EQ(w.Texta.text(), " Amps");
  EXPECT_EQ(w.Checkv.value(), 0);
  EXPECT_FALSE(w.Timer1.enabled());
  EXPECT_DOUBLE_EQ(toDouble(w.tempvc), 12);
  EXPECT_EQ(w.tempa, 0);
}

TEST_F(Window, FocusFlagsNameTheLastField) {
  wavo6 &w = form();
  w.Texta.setFocus();
  w.Command4.setFocus();
  w.Checkw.setFocus();
  EXPECT_EQ(w.fa, 1);
  EXPECT_EQ(w.fv, 0);
  EXPECT_EQ(w.fr, 0);
  EXPECT_EQ(w.fw, 0);
  // A result written into another field does not restart the countdown.
  w.Textw.setFocus();
  const auto restarts = w.Timer1.restarts();
  w.Textv.setText("1 Volts");
  EXPECT_EQ(w.Timer1.restarts(), restarts);
}

TEST_F(Window, KeysPaceTheTick) {
  wavo6 &w = form();
  type(w.Textv, "1");
  EXPECT_TRUE(w.Timer1.enabled());
  EXPECT_EQ(w.Timer1.interval(), 6);
  press(8);
  EXPECT_EQ(w.Timer1.interval(), 60000);
  press(16);
  EXPECT_EQ(w.Timer1.interval(), 6);
  press(46);
  EXPECT_EQ(w.Timer1.interval(), 60000);
  tick();
  EXPECT_EQ(w.Timer1.interval(), 600);

  // An idle tick tells the window's view of nothing.
  struct Counter : forms::FormObserver {
    int changes = 0;
    void controlChanged(forms::Control &) override { ++changes; }
    void focusChanged(forms::Control *) override {}
  } counter;
  enter(w.Textr, "4");
  tick();
  w.setObserver(&counter);
  tick();
  tick();
  w.setObserver(nullptr);
  EXPECT_EQ(counter.changes, 0);

  // Unticking stops it until the focused field changes again.
  w.Checkr.userClicked();
  EXPECT_FALSE(w.Timer1.enabled());
  type(w.Textr, "5");
  EXPECT_TRUE(w.Timer1.enabled());
}

TEST_F(Window, EnterInsertsTheMainWindowsResult) {
  wavo6 &w = form();
  for (const char *nothing : {"Result", "0", "cannot divide by 0 ", " overrange "}) {
    answer().setCaption(nothing);
    press(13);
    EXPECT_EQ(w.Textv.text(), " Volts");
  }
  EXPECT_EQ(w.Timer1.interval(), 6);

  answer().setCaption("3.3");
  w.Textr.setFocus();
  press(13);
  EXPECT_EQ(w.Textr.text(), "3.3 Ohms");
  EXPECT_EQ(w.Textv.text(), " Volts");
  tick();
  EXPECT_DOUBLE_EQ(toDouble(w.temprc), 3.3);

  answer().setCaption("12.5");
  w.Checkv.setFocus(); // the flag still names the ohms field
  press(13);
  EXPECT_EQ(w.Textr.text(), "12.5 Ohms");

  // With the main window closed, it is created unshown to be read.
  registry.close("vexlo");
  press(13);
  EXPECT_TRUE(registry.isLoaded("vexlo"));
  EXPECT_FALSE(registry.isOpen("vexlo"));
  EXPECT_EQ(w.Textr.text(), "12.5 Ohms");
}

TEST_F(Window, CheckBoxesStayTickedOnlyBesideANumber) {
  wavo6 &w = form();
  type(w.Textv, "x");
  w.Checkv.userClicked();
  EXPECT_EQ(w.Checkv.value(), 0);
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_FALSE(w.Timer1.enabled());

  enter(w.Textv, "12");
  enter(w.Textr, "4");
  w.Checkv.userClicked();
  EXPECT_EQ(w.Checkv.value(), 0);
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_EQ(w.tempv.type(), VType::Integer);
  EXPECT_DOUBLE_EQ(toDouble(w.tempvc), 12);
  EXPECT_FALSE(w.Timer1.enabled());

  w.Checka.userClicked(); // beside the result 3  Amps
  EXPECT_EQ(w.Checka.value(), 1);
  EXPECT_EQ(w.Texta.text(), "3  Amps");
}

TEST_F(Window, ClearEmptiesEveryFieldAndFocusesVolts) {
  wavo6 &w = form();
  enter(w.Textv, "12");
  enter(w.Textr, "4");
  w.Command4.userClicked();
  EXPECT_EQ(w.Textv.text(), " Volts");
  EXPECT_EQ(w.Textr.text(), " Ohms");
  EXPECT_EQ(w.Texta.text(), " Amps");
  EXPECT_EQ(w.Textw.text(), " Watts");
  EXPECT_EQ(w.Checkv.value() + w.Checkr.value() + w.Checka.value() + w.Checkw.value(), 0);
  EXPECT_EQ(w.tempa.type(), VType::Integer);
  EXPECT_EQ(w.tempa, 0);
  EXPECT_DOUBLE_EQ(toDouble(w.temprc), 4);
  EXPECT_EQ(w.activeControl(), &w.Textv);
  EXPECT_EQ(w.fv, 1);
  EXPECT_FALSE(w.Timer1.enabled());
}

TEST_F(Window, OnlyCalcKeepsTheMainWindowOpen) {
  wavo6 &w = form();
  w.Command1.userClicked();
  EXPECT_TRUE(registry.isOpen("vexlo"));
  EXPECT_FALSE(registry.isOpen("wavo6"));
  EXPECT_EQ(w.cx1r, 0);

  for (forms::Button *button : {&w.Command2, &w.Command3, &w.Command5}) {
    registry.show("vexlo");
    registry.show("wavo6");
    button->userClicked();
    EXPECT_FALSE(registry.isOpen("wavo6"));
    EXPECT_FALSE(registry.isLoaded("vexlo"));
  }
  EXPECT_TRUE(registry.isOpen("port6"));
  EXPECT_TRUE(registry.isOpen("port66"));
  EXPECT_TRUE(registry.isOpen("ct6"));

  registry.show("vexlo");
  registry.show("wavo6");
  registry.close("wavo6"); // the close box
  EXPECT_FALSE(registry.isLoaded("vexlo"));
}

} // namespace
} // namespace vx::test
