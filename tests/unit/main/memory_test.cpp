// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vexlo_fixture.h"

namespace vx::test {
namespace {

std::string captions(vexlo &f) {
  std::string joined;
  for (forms::Button *button :
       {&f.Command22, &f.Command23, &f.Command24, &f.Command25, &f.Command27, &f.Command26}) {
    joined += button->caption() + " ";
  }
  return joined;
}

TEST_F(VexloTest, PositionWrapsAroundAndTheCaptionsFollow) {
  vexlo &f = form();
  EXPECT_EQ(captions(f), "M2 M8 M1+ M1- M1R M1c ");
  f.Command23.userClicked();
  EXPECT_EQ(captions(f), "M1 M7 M8+ M8- M8R M8c ");
  f.Command22.userClicked();
  EXPECT_EQ(captions(f), "M2 M8 M1+ M1- M1R M1c ");
  for (int step = 0; step < 7; ++step) {
    f.Command22.userClicked();
  }
  EXPECT_EQ(captions(f), "M1 M7 M8+ M8- M8R M8c ");
}

TEST_F(VexloTest, AddingAndSubtractingShowTheRegisterEvenWhileHidden) {
  vexlo &f = form();
  fields("40", "2");
  f.Command3.userClicked();
  f.Command24.userClicked();
  f.Command24.userClicked();
  EXPECT_EQ(f.Label1.caption(), "84 M1");
  f.Command22.userClicked();
  f.Command25.userClicked();
  EXPECT_EQ(f.Label2.caption(), "-42 M2");
  fields("1", "0");
  f.Command4.userClicked();
  f.Command25.userClicked(); // a message adds nothing
  EXPECT_EQ(f.Label2.caption(), "-42 M2");
}

TEST_F(VexloTest, ShowingTheRegistersAlternatesAndClearingOneEmptiesItsLine) {
  vexlo &f = form();
  f.Command14.userClicked();
  EXPECT_EQ(lines(3), " M1| M2| M3");
  f.Command14.userClicked();
  EXPECT_EQ(lines(), "|||||||");
  fields("12.5", "0");
  f.Command3.userClicked();
  f.Command24.userClicked();
  f.Command26.userClicked();
  EXPECT_EQ(f.Label1.caption(), "");
  f.Command14.userClicked();
  EXPECT_EQ(lines(2), "0 M1| M2");
}

TEST_F(VexloTest, RecallPutsTheRegisterIntoAField) {
  vexlo &f = form();
  fields("7", "3");
  f.Command1.userClicked();
  f.Command24.userClicked();
  fields("1", "");
  f.Command27.userClicked();
  EXPECT_EQ(f.Text1.text(), "21");
  f.Command27.userClicked();
  EXPECT_EQ(f.Text1.text(), "1");
  EXPECT_EQ(f.Text2.text(), "21");

  // A register never used is empty and empties field 1.
  f.Command22.userClicked();
  fields("9", "");
  f.Command27.userClicked();
  EXPECT_EQ(f.Text1.text(), "");
}

TEST_F(VexloTest, RegistersOutliveClosingTheWindow) {
  fields("6", "0");
  form().Command3.userClicked();
  form().Command24.userClicked();
  form().Command22.userClicked();
  registry.close("vexlo");
  registry.show("vexlo");
  EXPECT_EQ(form().Label1.caption(), "");
  EXPECT_EQ(captions(form()), "M2 M8 M1+ M1- M1R M1c ");
  EXPECT_EQ(form().memory_1, 6);
}

} // namespace
} // namespace vx::test
