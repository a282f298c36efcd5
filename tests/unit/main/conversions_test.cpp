// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vexlo_fixture.h"

namespace vx::test {
namespace {

TEST_F(VexloTest, DecimalToBinaryInOneOrTwoBytes) {
  vexlo &f = form();
  const std::pair<const char *, const char *> cases[] = {{"5", "00000101 Lsb"},
                                                         {"255", "11111111 Lsb"},
                                                         {"256", "00000001   00000000 Lsb"},
                                                         {"65535", "11111111   11111111 Lsb"},
                                                         {"4.7k", "00010010   01011100 Lsb"},
                                                         {"65536", "not in range"},
                                                         {"-1", "not in range"}};
  for (const auto &[typed, shown] : cases) {
    fields(typed, "");
    f.Command28.userClicked();
    EXPECT_EQ(f.answer.caption(), shown) << typed;
    EXPECT_EQ(focused(), "Text1");
  }
  EXPECT_EQ(f.Text1.text(), "-1");
}

TEST_F(VexloTest, BinaryToDecimalReadsItsOwnOutputBack) {
  vexlo &f = form();
  fields("101", "");
  f.Command12.userClicked();
  EXPECT_EQ(f.Text1.text(), "00000101 Lsb");
  EXPECT_EQ(f.answer.caption(), "5");
  EXPECT_EQ(f.Text1.selStart(), 8);
  f.Command12.userClicked();
  EXPECT_EQ(f.Text1.text(), "00000101 Lsb");
  EXPECT_EQ(f.answer.caption(), "5");

  fields("1", "1");
  f.Command12.userClicked();
  EXPECT_EQ(f.Text1.text() + "|" + f.Text2.text(), "00000001 Lsb|00000001");
  EXPECT_EQ(f.answer.caption(), "257");

  // Digits count by their parity; only the last eight digits count.
  for (const auto &[typed, value] :
       {std::pair{"12", "2"}, std::pair{"111111111", "255"}, std::pair{"98765432", "170"}}) {
    fields(typed, "");
    f.Command12.userClicked();
    EXPECT_EQ(f.answer.caption(), value) << typed;
  }
}

TEST_F(VexloTest, HexadecimalOfWholeNumbers) {
  vexlo &f = form();
  for (const auto &[typed, hex] :
       {std::pair{"255", "FF"}, std::pair{"-1", "FFFFFFFF"}, std::pair{"6699", "1A2B"}}) {
    fields(typed, "");
    f.Command10.userClicked();
    EXPECT_EQ(f.answer.caption(), hex) << typed;
  }
  fields("0", "");
  f.Command10.userClicked();
  EXPECT_EQ(f.answer.caption(), "0");
  EXPECT_EQ(f.Text1.text(), "");
}

TEST_F(VexloTest, BitsGiveTwoToThePowerAndWiden) {
  vexlo &f = form();
  const std::pair<const char *, const char *> cases[] = {{"8", "256"},
                                                         {"16", "65536"},
                                                         {"1", "2"},
                                                         {"0", "0"},
                                                         {"", "0"},
                                                         {"-3", "2"},
                                                         {"31", "2147483648"},
                                                         {"32", "4294967296"},
                                                         {"50", "1.12589990684262E+15"}};
  for (const auto &[typed, count] : cases) {
    fields(typed, "");
    f.Command9.userClicked();
    EXPECT_EQ(f.answer.caption(), count) << typed;
  }
  fields("1024", "");
  f.Command9.userClicked();
  EXPECT_EQ(f.answer.caption(), "1.12589990684262E+15"); // the failed count wrote nothing
}

} // namespace
} // namespace vx::test
