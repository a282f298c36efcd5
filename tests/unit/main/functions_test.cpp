// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vexlo_fixture.h"

namespace vx::test {
namespace {

TEST_F(VexloTest, PowersAndRootsUseWholeExponentsFromTwo) {
  vexlo &f = form();
  struct Case {
    forms::Button *button;
    const char *first;
    const char *second;
    const char *power;
    const char *result;
  };
  const Case cases[] = {{&f.Command5, "3", "", "2", "9"},
                        {&f.Command5, "2", "10", "10", "1024"},
                        {&f.Command5, "2", "2.9", "2", "4"},
                        {&f.Command5, "1E200", "", "2", " overrange "},
                        {&f.Command6, "27", "3", "3", "3"},
                        {&f.Command6, "16", "", "2", "4"},
                        {&f.Command6, "-8", "3", "3", " overrange "}};
  for (const Case &c : cases) {
    fields(c.first, c.second);
    c.button->userClicked();
    EXPECT_EQ(f.Text2.text(), c.power) << c.first;
    EXPECT_EQ(f.answer.caption(), c.result) << c.first;
  }
  // A root of nothing leaves the result line alone.
  fields("", "3");
  f.Command6.userClicked();
  EXPECT_EQ(f.answer.caption(), " overrange ");
}

TEST_F(VexloTest, PercentThenSumWithoutAnEditBetween) {
  vexlo &f = form();
  fields("15", "200");
  f.Command7.userClicked();
  EXPECT_EQ(f.answer.caption(), "30");
  f.Command7.userClicked();
  EXPECT_EQ(f.answer.caption(), "215");
  f.Text2.userEdited("100", 3);
  f.Command7.userClicked();
  EXPECT_EQ(f.answer.caption(), "15");
}

TEST_F(VexloTest, PiGoesIntoField1ThenField2) {
  vexlo &f = form();
  fields("5", "");
  f.Command8.userClicked();
  EXPECT_EQ(f.Text1.text(), "3.14159265359");
  f.Command8.userClicked();
  EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text(), "5|3.14159265359");
  EXPECT_EQ(focused(), "Text2");
}

TEST_F(VexloTest, ParallelResistors) {
  vexlo &f = form();
  for (const auto &[first, second, result] :
       {std::tuple{"100", "100", "50."}, std::tuple{"4.7k", "10k", "3197.28"},
        std::tuple{"100", "", "Please enter Ohms"}}) {
    fields(first, second);
    f.Command11.userClicked();
    EXPECT_EQ(f.answer.caption(), result) << first;
  }
  fields("100", "-100"); // reciprocals that cancel: nothing is written
  f.Command11.userClicked();
  EXPECT_EQ(f.answer.caption(), "Please enter Ohms");
}

TEST_F(VexloTest, PreferredValueTableAndItsTooltip) {
  vexlo &f = form();
  f.Command16.setFocus();
  f.Command16.userClicked();
  EXPECT_EQ(f.Label1.caption(), " E6        E24         E12         E24");
  EXPECT_EQ(f.Label2.caption(), " ");
  EXPECT_EQ(f.Label8.caption(), "6.8         7.5          8.2          9.1 ");
  EXPECT_FALSE(f.Label1.toolTip().empty());
  f.Command16.userClicked();
  EXPECT_EQ(lines(), "|||||||");
  EXPECT_FALSE(f.Label1.toolTip().empty());
  f.Command16.setFocus();
  f.Text1.setFocus();
  EXPECT_EQ(f.Label1.toolTip(), "");
}

TEST_F(VexloTest, PeakWinsOverRms) {
  vexlo &f = form();
  fields("10", "");
  f.Command17.userClicked();
  EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text(), "10. V peak|6.4 Volts RMS");
  fields("", "10");
  f.Command17.userClicked();
  EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text(), "15.7 V peak|10. Volts RMS");
}

TEST_F(VexloTest, FrequencyAndWavelengthReadBackTheSame) {
  vexlo &f = form();
  const std::tuple<const char *, const char *, const char *> cases[] = {
      {"100MHz", "", "100 MHz|3 Meters"},
      {"2.4GHz", "", "2.4 GHz|125 MM"},
      {"1000k", "", "1000 KHz|0.3 Kilometers"},
      {"50", "", "50 Hz|6000 Kilometers"},
      {"", "5mm", "60 GHz|5 MM"},
      {"", "5", "60 MHz|5 Meters"},
      {"", "", "    Enter Hz|    or Meters"}};
  for (const auto &[first, second, shown] : cases) {
    fields(first, second);
    f.Command18.userClicked();
    EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text(), shown) << first << second;
    if (*first != '\0' || *second != '\0') {
      f.Command18.userClicked();
      EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text(), shown) << "again " << first << second;
    }
  }
}

} // namespace
} // namespace vx::test
