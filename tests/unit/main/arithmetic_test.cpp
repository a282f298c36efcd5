// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vexlo_fixture.h"

namespace vx::test {
namespace {

TEST_F(VexloTest, ButtonsWriteTheResultLineAndLeaveTheFields) {
  vexlo &f = form();
  fields("12", "30");
  const std::pair<forms::Button *, const char *> cases[] = {
      {&f.Command3, "42"}, {&f.Command2, "-18"}, {&f.Command1, "360"}, {&f.Command4, "0.4"}};
  for (const auto &[button, result] : cases) {
    button->userClicked();
    EXPECT_EQ(f.answer.caption(), result);
  }
  EXPECT_EQ(f.Text1.text(), "12");
  EXPECT_EQ(f.Text2.text(), "30");
  EXPECT_EQ(focused(), "Text2");

  fields("10", "-4");
  f.Command4.userClicked();
  EXPECT_EQ(f.answer.caption(), "-2.5");
  fields("10", "0");
  f.Command4.userClicked();
  EXPECT_EQ(f.answer.caption(), "cannot divide by 0 ");
}

TEST_F(VexloTest, SuffixesScaleByTheLastCharacterOnly) {
  vexlo &f = form();
  const std::pair<const char *, const char *> cases[] = {
      {"4.7k", "4700"}, {"4k7", "4"}, {"2m", "2000000"}, {"2M", "2000000"}, {"10 K", "10000"}};
  for (const auto &[typed, read] : cases) {
    fields(typed, "");
    f.Command3.userClicked();
    EXPECT_EQ(f.answer.caption(), read) << typed;
  }
}

TEST_F(VexloTest, EnterKeepsARunningTotalInField1) {
  vexlo &f = form();
  fields("5", "3");
  press(13);
  EXPECT_EQ(f.Text1.text(), "8");
  EXPECT_EQ(f.Text2.text(), "");
  f.Text2.userEdited("4", 1);
  press(13);
  EXPECT_EQ(f.Text1.text(), "12");
  EXPECT_EQ(f.answer.caption(), "Result"); // keys never write the result line
}

TEST_F(VexloTest, EveryOperatorKeyCodeComputes) {
  vexlo &f = form();
  const std::pair<int, const char *> cases[] = {{109, "4"},  {189, "4"}, {107, "8"}, {187, "8"},
                                                {106, "12"}, {111, "3"}, {191, "3"}};
  for (const auto &[code, result] : cases) {
    fields("6", "2");
    press(code);
    EXPECT_EQ(f.Text1.text(), result) << code;
  }
}

TEST_F(VexloTest, TheEightKeyMultipliesOnlyWhileShiftIsLatched) {
  vexlo &f = form();
  fields("6", "7");
  press(56);
  EXPECT_EQ(f.Text1.text(), "6");
  press(16);
  press(56);
  EXPECT_EQ(f.Text1.text(), "42");
  // Writing the product changed field 1, which released the latch.
  f.Text2.userEdited("2", 1);
  press(56);
  EXPECT_EQ(f.Text1.text(), "42");
}

TEST_F(VexloTest, DividingByZeroWithTheKeyIsAbandoned) {
  vexlo &f = form();
  fields("6", "0");
  press(111);
  EXPECT_EQ(f.Text1.text(), "6");
  EXPECT_EQ(f.Text2.text(), "0");
}

TEST_F(VexloTest, CopyingTheResultAlternatesBetweenTheFields) {
  vexlo &f = form();
  fields("2", "3");
  f.Command3.userClicked();
  f.Command13.userClicked();
  EXPECT_EQ(f.Text1.text(), "5");
  f.Command13.userClicked();
  EXPECT_EQ(f.Text1.text(), "2");
  EXPECT_EQ(f.Text2.text(), "5");

  // A message reads as 0.
  fields("7", "0");
  f.Command4.userClicked();
  f.Command13.userClicked();
  EXPECT_EQ(f.Text1.text(), "0");
}

TEST_F(VexloTest, MasterClearEmptiesFieldsLinesAndRegisters) {
  vexlo &f = form();
  fields("4", "5");
  f.Command3.userClicked();
  f.Command24.userClicked();
  f.Command22.userClicked();
  f.Command16.userClicked();
  f.Command21.userClicked();
  EXPECT_EQ(f.Text1.text() + f.Text2.text(), "");
  EXPECT_EQ(f.answer.caption(), "Result ");
  EXPECT_EQ(lines(), "|||||||");
  EXPECT_EQ(f.Command24.caption(), "M1+");
  EXPECT_EQ(f.memory_1, 0);
  EXPECT_EQ(f.pre1, 0);
  EXPECT_EQ(focused(), "Text1");
}

TEST_F(VexloTest, WholeNumberReadingFailsBeyond32Bits) {
  vexlo &f = form();
  fields("123456789", "-5");
  f.Command10.userClicked();
  EXPECT_EQ(f.Text1.text(), "23456789");
  EXPECT_EQ(f.tempb, -5);
  fields("3e9", "");
  f.Command10.userClicked();
  EXPECT_EQ(f.Text1.text(), "3e9");
}

TEST_F(VexloTest, OtherWindowsOpenBesideThisOne) {
  form().Command15.userClicked();
  form().Command29.userClicked();
  EXPECT_TRUE(registry.isOpen("wavo6"));
  EXPECT_TRUE(registry.isOpen("port66"));
  EXPECT_TRUE(registry.isOpen("vexlo"));
}

} // namespace
} // namespace vx::test
