// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "port66_fixture.h"
#include "runtime/text_rules.h"

#include <algorithm>
#include <vector>

namespace vx::test {
namespace {

TEST_F(Port66Test, TextTheReadingsCannotUseLeavesTheWindowWorking) {
  port66 &f = form();
  type("1");
  f.Check1.userClicked();
  type("300x");
  EXPECT_EQ(f.Text9.text(), "300x");
  EXPECT_EQ(upperPins(), "10000000");
  EXPECT_EQ(readings(), "1 FFFE 65534"); // the readings step failed
  EXPECT_EQ(f.Text9.selStart(), 4);

  // Unticking cannot make a whole number of 300x: the row stays shown
  // until the box holds a number again.
  f.Check1.userClicked();
  EXPECT_TRUE(upperShown());
  type("12");
  EXPECT_EQ(lowerPins() + upperPins(), "0011000000000000");
  EXPECT_EQ(readings(), "C F3 243");
  f.Check1.userClicked();
  f.Check1.userClicked();
  EXPECT_TRUE(upperHidden());
}

TEST_F(Port66Test, NumbersBeyondReachLeaveThePinsAsTheyWere) {
  port66 &f = form();
  type("5");
  for (const std::string &text : {std::string("-3e9"), std::string(10000, '1')}) {
    type(text);
    EXPECT_EQ(f.Text9.text(), text);
    EXPECT_EQ(lowerPins() + upperPins(), "1010000000000000") << text;
    EXPECT_EQ(readings(), "5 FA 250") << text;
  }
  type(std::string(9999, '0') + "7");
  EXPECT_EQ(f.Text9.text(), "7");
  type(std::string(10000, 'a'));
  EXPECT_EQ(f.Text9.text(), "0");
  type(std::string(10000, '9'));
  EXPECT_EQ(f.Text9.text(), std::string(10000, '9')); // beyond a Double
  type(std::string(300, '9'));
  EXPECT_EQ(f.Text9.text(), "0");
}

// Every rewrite of the value box reads back as the number it wrote, so its
// change procedure nests once at most, whatever was typed.
TEST_F(Port66Test, ValueBoxRewritesSettleAtOnce) {
  port66 &f = form();
  const std::function<void()> original = f.Text9.onChange;
  int depth = 0;
  int deepest = 0;
  f.Text9.onChange = [&] {
    struct Nesting {
      int &depth;
      ~Nesting() { --depth; }
    } nesting{++depth};
    deepest = std::max(deepest, depth);
    original();
  };
  std::vector<std::string> texts{"012",   "1e-320", "-0", "1.5e-7", "-255.5", "&H100",
                                 "  7  ", "1d2",    ".",  "-",      "300x",   "65535.5"};
  texts.insert(texts.end(), {"0.333333333333333333", "255.99999999999999", "-2147483649",
                             "4.9e-324", std::string(5000, ' ')});
  for (const std::string &text : texts) {
    for (int bits16 : {0, 1}) {
      deepest = 0;
      f.Check1.setValue(bits16);
      type(text);
      EXPECT_LE(deepest, 2) << text;
      const double n = Val(f.Text9.text());
      if (n < 256) {
        EXPECT_EQ(f.Text9.text(), CStr(n)) << text;
      }
    }
  }
  deepest = 0;
  type("300");
  f.Check1.userClicked();
  EXPECT_EQ(deepest, 1);
  f.Text1.userClicked();
  EXPECT_EQ(f.Text9.text(), "45");
  EXPECT_EQ(readings(), "2D D2 210");
}

TEST_F(Port66Test, TextTypedOverTheHelpIsLostOnTheSecondPress) {
  port66 &f = form();
  f.Text16.userEdited("relay", 5);
  f.Command13.userClicked();
  EXPECT_EQ(f.Text16.text(), port66::infoLines.at(6));
  f.Text11.userEdited("typed over the help", 19);
  f.Command13.userClicked();
  EXPECT_EQ(f.Text11.text(), "");
  EXPECT_EQ(f.Text16.text(), "relay");
}

TEST_F(Port66Test, EveryWayOutButCalcClosesTheMainWindow) {
  for (const auto &[target, button] :
       std::initializer_list<std::pair<const char *, forms::Button port66::*>>{
           {"port6", &port66::Command3}, {"ct6", &port66::Command7}}) {
    registry.show("vexlo");
    (form().*button).userClicked();
    EXPECT_TRUE(registry.isOpen(target)) << target;
    EXPECT_FALSE(registry.isOpen("port66")) << target;
    EXPECT_FALSE(registry.isOpen("vexlo")) << target;
    registry.close(target);
    registry.show("port66");
  }
  registry.show("vexlo");
  registry.close("port66");
  EXPECT_FALSE(registry.isOpen("vexlo"));
}

} // namespace
} // namespace vx::test
