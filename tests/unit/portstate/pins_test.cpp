// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "port66_fixture.h"

#include <array>

namespace vx::test {
namespace {

// Each of the sixteen pins is wired to its own field and bit: a click or
// a key in it sets exactly that bit of the value, and again clears it.
TEST_F(Port66Test, EveryPinFlipsItsOwnBitByClickAndByKey) {
  port66 &f = form();
  f.Check1.userClicked();
  const std::array<forms::TextBox *, 16> pins{
      &f.Text1,  &f.Text2,  &f.Text3,  &f.Text4,  &f.Text5,  &f.Text6,  &f.Text7,  &f.Text8,
      &f.Text21, &f.Text22, &f.Text23, &f.Text24, &f.Text25, &f.Text26, &f.Text27, &f.Text28};
  for (std::size_t bit = 0; bit < pins.size(); ++bit) {
    for (const bool byKey : {false, true}) {
      std::string shown(pins.size(), '0');
      for (const char expected : {'1', '0'}) {
        if (byKey) {
          int ascii = 'q';
          pins[bit]->userKeyPress(ascii);
        } else {
          pins[bit]->userClicked();
        }
        shown[bit] = expected;
        EXPECT_EQ(lowerPins() + upperPins(), shown) << pins[bit]->name();
        EXPECT_EQ(f.Text9.text(), expected == '1' ? std::to_string(1U << bit) : "0")
            << pins[bit]->name();
      }
    }
  }
  EXPECT_EQ(f.Check1.value(), 1) << "pins never change the mode";
}

TEST_F(Port66Test, CalkCountsEveryPinReadingAboveZero) {
  port66 &f = form();
  f.Text2.setText("7");
  f.Text3.setText("-");
  f.Text5.setText("x");
  f.Text22.setText("1"); // hidden, still counted
  f.calk();
  EXPECT_EQ(f.Text9.text(), "514");
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(lowerPins(), "01000000");
  EXPECT_EQ(upperPins(), "01000000");
  EXPECT_EQ(readings(), "202 FDFD 65021");
}

TEST_F(Port66Test, OnlyValuesAbove255SwitchToSixteenBits) {
  port66 &f = form();
  type("255");
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_EQ(readings(), "FF 0 0");
  type("256");
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_TRUE(upperShown());
  EXPECT_EQ(lowerPins() + upperPins(), "0000000010000000");
  type("65535");
  EXPECT_EQ(lowerPins() + upperPins(), std::string(16, '1'));
  EXPECT_EQ(readings(), "FFFF 0 0");

  type("012");
  EXPECT_EQ(f.Text9.text(), "12");
  EXPECT_EQ(f.Text9.selStart(), 2);
  EXPECT_EQ(f.Check1.value(), 1); // a small value leaves the mode alone
  EXPECT_EQ(upperPins(), "00000000");
  EXPECT_EQ(readings(), "C FFF3 65523");
}

TEST_F(Port66Test, FractionalValuesFollowTheWholeNumberRules) {
  port66 &f = form();
  type("2.5"); // whole numbers first, half to even: 2
  EXPECT_EQ(lowerPins(), "01000000");
  EXPECT_EQ(readings(), "2 FC 252.5");

  type("3.5"); // 4, then 3.5 \ 2 gives 2
  EXPECT_EQ(lowerPins(), "00100000");
  EXPECT_EQ(f.Text9.text(), "3.5");

  type("300.5");
  EXPECT_EQ(lowerPins(), "00110100");
  EXPECT_EQ(upperPins(), "10000000");
  EXPECT_EQ(readings(), "12C FED2 65234.5");
}

TEST_F(Port66Test, ToggleButtonsFollowTheFirstPinOfTheirByte) {
  port66 &f = form();
  f.Text1.userClicked();
  f.Command5.userClicked();
  EXPECT_EQ(lowerPins(), "00000000");
  f.Text2.userClicked();
  f.Command5.userClicked();
  EXPECT_EQ(lowerPins(), "11111111");
  EXPECT_EQ(f.Text9.text(), "255");

  f.Check1.userClicked();
  f.Text22.userClicked();
  f.Command6.userClicked();
  EXPECT_EQ(upperPins(), "11111111");
  EXPECT_EQ(f.Text9.text(), "65535");
  f.Command6.userClicked();
  EXPECT_EQ(f.Text9.text(), "255");
  EXPECT_EQ(readings(), "FF FF00 65280");
}

} // namespace
} // namespace vx::test
