#include "port66_fixture.h"

namespace vx::test {
namespace {

TEST_F(Port66Test, OpensInEightBitModeWithItsDesignedTexts) {
  port66 &f = form();
  EXPECT_EQ(f.caption(), "Port 8");
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(lowerPins(), "00000000");
  EXPECT_EQ(upperPins(), "00000000");
  EXPECT_EQ(readings(), "0 FF 255");
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_EQ(f.Check1.caption(), "16 Bit");
  EXPECT_TRUE(upperHidden());
  EXPECT_TRUE(f.Text1.visible() && f.Label1.visible() && f.Command5.visible());
  EXPECT_EQ(f.Text6.toolTip(), "Click to change port state ");
  EXPECT_EQ(f.Text7.toolTip(), "Click to change port state  ");
  EXPECT_EQ(f.Text27.toolTip(), "Click to change port state  ");
  EXPECT_EQ(f.Text28.toolTip(), "Click to change port state  ");
  EXPECT_EQ(f.Text26.toolTip(), "Click to change port state ");
  EXPECT_EQ(f.Label26.caption(), "D");
  EXPECT_TRUE(f.Text1.design().locked && f.Text28.design().centred);
  EXPECT_EQ(f.Text21.design().maxLength, 1);
  EXPECT_TRUE(f.Text10.text().empty() && f.Text17.design().borderless);
  f.activated();
  EXPECT_EQ(f.activeControl(), &f.Text9);
}

TEST_F(Port66Test, ClicksAndKeysFlipPinsAndUpdateTheValue) {
  port66 &f = form();
  f.Text1.userClicked();
  EXPECT_EQ(f.Text1.text(), "1");
  EXPECT_EQ(f.Text9.text(), "1");
  EXPECT_EQ(readings(), "1 FE 254");

  f.Text8.userClicked();
  EXPECT_EQ(f.Text9.text(), "129");
  EXPECT_EQ(f.Text9.selStart(), 3);
  EXPECT_EQ(readings(), "81 7E 126");

  // Any key flips the pin and its character never reaches the box.
  for (const int key : std::initializer_list<int>{'x', '1', ' ', 8, 13, 27}) {
    const std::string before = f.Text4.text();
    int ascii = key;
    f.Text4.userKeyPress(ascii);
    EXPECT_NE(f.Text4.text(), before) << key;
    EXPECT_EQ(f.Text4.length(), 1);
  }
  EXPECT_EQ(f.Text9.text(), "129");
  int ascii = 'q';
  f.Text1.userKeyPress(ascii);
  EXPECT_EQ(f.Text9.text(), "128");
  EXPECT_EQ(readings(), "80 7F 127");
  EXPECT_EQ(f.Check1.value(), 0);
}

TEST_F(Port66Test, UpperPinsWeighEightToFifteenBits) {
  port66 &f = form();
  f.Check1.userClicked();
  EXPECT_TRUE(upperShown());
  EXPECT_EQ(readings(), "0 FFFF 65535");
  f.Text21.userClicked();
  int ascii = 'a';
  f.Text28.userKeyPress(ascii);
  f.Text2.userClicked();
  EXPECT_EQ(f.Text9.text(), "33026");
  EXPECT_EQ(readings(), "8102 7EFD 32509");
  EXPECT_EQ(upperPins(), "10000001");
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

TEST_F(Port66Test, TypedValuesSetThePins) {
  port66 &f = form();
  type("255");
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_EQ(readings(), "FF 0 0");
  type("256");
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(lowerPins() + upperPins(), "0000000010000000");

  type("300");
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_TRUE(upperShown());
  EXPECT_EQ(lowerPins(), "00110100");
  EXPECT_EQ(upperPins(), "10000000");
  EXPECT_EQ(readings(), "12C FED3 65235");
  EXPECT_EQ(f.Text9.text(), "300");
  EXPECT_EQ(f.Text9.selStart(), 3);

  type("65535");
  EXPECT_EQ(lowerPins() + upperPins(), std::string(16, '1'));
  EXPECT_EQ(readings(), "FFFF 0 0");

  type("70000");
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(lowerPins() + upperPins(), std::string(16, '0'));

  type("");
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(f.Text9.selStart(), 1);

  type("12a");
  EXPECT_EQ(f.Text9.text(), "12");
  EXPECT_EQ(f.Text9.selStart(), 2);
  EXPECT_EQ(lowerPins(), "00110000");

  type("012");
  EXPECT_EQ(f.Text9.text(), "12");
  EXPECT_EQ(f.Check1.value(), 1); // a small value leaves the mode alone
  EXPECT_EQ(readings(), "C FFF3 65523");
}

TEST_F(Port66Test, UntickingKeepsTheLowByteAndHidesTheUpperRow) {
  port66 &f = form();
  type("300");
  f.Check1.userClicked();
  EXPECT_EQ(f.Text9.text(), "44");
  EXPECT_EQ(readings(), "2C D3 211");
  EXPECT_TRUE(upperHidden());
  EXPECT_EQ(upperPins(), "00000000");
  EXPECT_EQ(lowerPins(), "00110100");

  f.Check1.userClicked();
  EXPECT_TRUE(upperShown());
  EXPECT_EQ(readings(), "2C FFD3 65491");
}

TEST_F(Port66Test, NegativeAndFractionalValuesFollowTheWholeNumberRules) {
  port66 &f = form();
  type("-1");
  EXPECT_EQ(f.Text1.text().front(), '-'); // as much of "-1" as a pin box holds
  EXPECT_EQ(lowerPins().substr(f.Text1.text().size()), "0000000");
  EXPECT_EQ(f.Text9.text(), "-1");
  EXPECT_EQ(readings(), "FFFFFFFF 100 256");

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
  f.Command6.userClicked();
  EXPECT_EQ(upperPins(), "11111111");
  EXPECT_EQ(f.Text9.text(), "65535");
  f.Text21.userClicked();
  f.Command6.userClicked();
  EXPECT_EQ(upperPins(), "11111111");
  f.Command6.userClicked();
  EXPECT_EQ(f.Text9.text(), "255");
  EXPECT_EQ(readings(), "FF FF00 65280");
}

TEST_F(Port66Test, ClearEmptiesThePortButLeavesSixteenBitTicked) {
  port66 &f = form();
  f.Text10.userEdited("LED", 3);
  type("300");
  f.Command2.userClicked();
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(lowerPins() + upperPins(), std::string(16, '0'));
  EXPECT_TRUE(upperHidden());
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(readings(), "0 FFFF 65535");
  EXPECT_EQ(f.Text10.text(), "LED");

  f.Check1.userClicked();
  EXPECT_EQ(readings(), "0 FF 255");
}

} // namespace
} // namespace vx::test
