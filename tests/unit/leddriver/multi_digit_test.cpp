// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "port6_fixture.h"

namespace vx::test {
namespace {

class MultiDigitTest : public Port6Test {
protected:
  // The pictures of the 18 places, oldest first, without the "led".
  std::string row() {
    std::string pictures;
    for (const forms::Image *place : form().places) {
      pictures += (pictures.empty() ? "" : " ") + place->picture().substr(3);
    }
    return pictures;
  }
  void enter(const char *character) {
    typeCharacters(character);
    pressKey(keyEnter);
  }
};

TEST_F(MultiDigitTest, AddStoresFromAnyFocusAndReturnsToTheCharacterBox) {
  port6 &f = form();
  enter("1");
  typeCharacters("7");
  f.Text9.setFocus();
  f.Command4.userClicked();
  EXPECT_EQ(row(), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 35");
  EXPECT_EQ(f.s18, "35");
  EXPECT_EQ(f.Text27.text(), "");
  EXPECT_EQ(f.activeControl(), &f.Text27);
}

TEST_F(MultiDigitTest, ANineteenthStoreLosesTheFirstCharacterForGood) {
  port6 &f = form();
  enter("1");
  enter("2");
  for (int k = 0; k < 17; ++k) {
    enter("-");
  }
  f.Command3.userClicked();
  f.Command3.userClicked();
  EXPECT_EQ(f.Image3.picture(), "led109");
  f.Command3.userClicked();
  EXPECT_EQ(f.Image3.picture(), "led0");
  EXPECT_EQ(f.s3, 0);
  // The big digit and the port stay.
  EXPECT_EQ(f.Image1.picture(), "led64");
  EXPECT_EQ(f.Text9.text(), "64");
}

TEST_F(MultiDigitTest, DeleteAndBackspaceTakeBackWithoutALookup) {
  port6 &f = form();
  enter("4");
  enter("5");
  pressKey(keyDelete);
  EXPECT_EQ(f.Image18.picture(), "led83");
  EXPECT_EQ(f.Image1.picture(), "led118");
  typeCharacters("8");
  pressKey(keyBackspace);
  EXPECT_EQ(f.Image18.picture(), "led0");
  EXPECT_EQ(f.Image1.picture(), "led127");
  EXPECT_EQ(f.Text27.text(), "8");
  // An empty row only shifts blanks.
  for (int k = 0; k < 20; ++k) {
    pressKey(keyDelete);
  }
  EXPECT_EQ(row(), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
}

TEST_F(MultiDigitTest, APlaceRecallsItsPortValueNotItsPicture) {
  port6 &f = form();
  typeCharacters("3");
  f.Command12.userClicked();
  EXPECT_EQ(f.Image2.picture(), "leddp");
  pressKey(keyEnter);
  EXPECT_EQ(f.Image18.picture(), "led103");
  enter("-");
  f.Image17.userClicked();
  EXPECT_EQ(f.Text9.text(), "231");
  EXPECT_EQ(f.Text8.text(), "1");
  EXPECT_EQ(f.Image2.picture(), "leddp");

  // Through new letters the stored value draws something else.
  setLetters({"d", "b", "c", "a", "e", "f", "g", "h"});
  f.Image18.userClicked();
  f.Image17.userClicked();
  EXPECT_EQ(f.Image1.picture(), "led110");

  // A place never filled holds 0, which lights everything when pulled down.
  f.Command14.userClicked();
  f.Image3.userClicked();
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(f.Image1.picture(), "led127");
  EXPECT_EQ(f.Image2.picture(), "leddp");
}

} // namespace
} // namespace vx::test
