// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vexlo_fixture.h"

namespace vx::test {
namespace {

struct Bands {
  const char *value;
  const char *second;
  const char *lines;
  const char *form;
};

TEST_F(VexloTest, FourOrFiveBandsWithTheirExactTexts) {
  vexlo &f = form();
  const Bands cases[] = {
      {"4700", "", " Yellow   | Violet     | Red       |(5%)Gold|", " 4 Colors"},
      {"4.7k", "", " Yellow   | Violet     | Red       |(5%)Gold|", " 4 Colors"},
      {"4.7", "", " Yellow   | Violet     | Gold       |(5%)Gold|", " 4 Colors"},
      {"0.47", "", " Yellow   | Violet     | Silver      |(5%)Gold|", " 4 Colors"},
      {"10", "", " Brown    | Black     | Black     |(5%)Gold|", " 4 Colors"},
      {"2.2M", "", " Red       | Red       | Green    |(5%)Gold|", " 4 Colors"},
      {"4k7", "", " Yellow   | Black     | Red       |(5%)Gold|", " 4 Colors"},
      {"123", "", " Brown    | Red       | Orange  | Black     |(1%)Brown", " 5 Colors"},
      {"4700", "5", " Yellow   | Violet     | Black     | Brown    |(1%)Brown", " 5 Colors"},
      {"4.75", "", " Yellow   | Violet     | Green    | Silver      |(1%)Brown", " 5 Colors"},
      {"0.47", "5", " Yellow   | Violet     | Black     | Over Range |(1%)Brown", " 5 Colors"},
  };
  for (const Bands &bands : cases) {
    fields(bands.value, bands.second);
    f.Command20.userClicked();
    EXPECT_EQ(lines(5), bands.lines) << bands.value;
    EXPECT_EQ(f.Text2.text(), bands.form) << bands.value;
    EXPECT_EQ(f.answer.caption(), "         ");
  }
}

TEST_F(VexloTest, TheFiveBandFormStaysChosenUntilField2Changes) {
  vexlo &f = form();
  fields("4700", "5");
  f.Command20.userClicked();
  f.Command20.userClicked();
  EXPECT_EQ(f.Text2.text(), " 5 Colors");
}

TEST_F(VexloTest, ValuesTheBandsCannotShow) {
  vexlo &f = form();
  for (const char *tooSmall : {"0.005", "0", "", "-47", "ohms"}) {
    fields(tooSmall, "");
    f.Command20.userClicked();
    EXPECT_EQ(f.Text1.text(), " Please enter Ohms here and") << tooSmall;
    EXPECT_EQ(f.Text2.text(), " 5 here for if five colors required");
    EXPECT_EQ(lines(), "|||||||");
  }
  for (const char *tooMany : {"1234", "3000000", "1e300"}) {
    fields(tooMany, "");
    f.Command20.userClicked();
    EXPECT_EQ(lines(2), " Out of range |") << tooMany;
    EXPECT_EQ(f.Text1.text(), tooMany);
  }
}

} // namespace
} // namespace vx::test
