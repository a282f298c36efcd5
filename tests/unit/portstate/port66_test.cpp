// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The port window's value rules as tables: the bit each pin field stands
// for, and what a value typed into the Dec box gives on the pins and the
// readings, each side of every boundary.

#include "forms/registry.h"
#include "portstate/port66.h"
#include "unit/open_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vx::test {
namespace {

struct Window {
  forms::Registry registry;
  port66 &f = openWindow<port66>(registry, "port66");

  void type(const std::string &text) {
    f.Text9.setFocus();
    f.Text9.userEdited(text, static_cast<int>(text.size()));
  }
  // The lower pins, a blank, the upper pins; pin 0 and pin 8 first.
  std::string pins() const {
    std::string texts;
    for (const forms::TextBox *pin :
         {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6, &f.Text7, &f.Text8}) {
      texts += pin->text();
    }
    texts += ' ';
    for (const forms::TextBox *pin :
         {&f.Text21, &f.Text22, &f.Text23, &f.Text24, &f.Text25, &f.Text26, &f.Text27, &f.Text28}) {
      texts += pin->text();
    }
    return texts;
  }
  // hex, /hex, /dec
  std::string readings() const {
    return f.Label_hex.caption() + " " + f.Label_he.caption() + " " + f.Label_de.caption();
  }
};

TEST(Port66, EachPinFieldStandsForItsOwnBitByClickAndByKey) {
  using Pin = forms::TextBox port66::*;
  const std::pair<Pin, int> wiring[] = {
      {&port66::Text1, 0},   {&port66::Text2, 1},   {&port66::Text3, 2},   {&port66::Text4, 3},
      {&port66::Text5, 4},   {&port66::Text6, 5},   {&port66::Text7, 6},   {&port66::Text8, 7},
      {&port66::Text21, 8},  {&port66::Text22, 9},  {&port66::Text23, 10}, {&port66::Text24, 11},
      {&port66::Text25, 12}, {&port66::Text26, 13}, {&port66::Text27, 14}, {&port66::Text28, 15}};
  for (const auto &[pin, bit] : wiring) {
    for (const bool byKey : {false, true}) {
      Window w;
      w.f.Check1.userClicked();
      std::string shown = "00000000 00000000";
      for (const char state : {'1', '0'}) {
        int ascii = 'q';
        if (byKey) {
          (w.f.*pin).userKeyPress(ascii);
        } else {
          (w.f.*pin).userClicked();
        }
        shown[static_cast<std::size_t>(bit < 8 ? bit : bit + 1)] = state;
        const std::string where = (w.f.*pin).name() + (byKey ? " key" : " click");
        EXPECT_EQ(w.pins(), shown) << where;
        EXPECT_EQ(w.f.Text9.text(), state == '1' ? std::to_string(1 << bit) : "0") << where;
      }
      EXPECT_EQ(w.f.Check1.value(), 1) << "pins never change the mode";
    }
  }
}

struct Typed {
  const char *before; // typed first, from the opening state
  const char *typed;
  const char *shown;
  int sixteenBits;
  int caret;
  const char *pins;
  const char *readings;
};

// Whole numbers are taken half to even (2.5 as 2, 3.5 as 4); a step that
// fails (text that is no number, a bit of a value beyond 32 bits) leaves
// what it had not yet written as it was.
constexpr Typed typedValues[] = {
    {"", "255", "255", 0, 3, "11111111 00000000", "FF 0 0"},
    {"", "256", "256", 1, 3, "00000000 10000000", "100 FEFF 65279"},
    {"", "300", "300", 1, 3, "00110100 10000000", "12C FED3 65235"},
    {"", "65535", "65535", 1, 5, "11111111 11111111", "FFFF 0 0"},
    {"", "65536", "0", 0, 1, "00000000 00000000", "0 FF 255"},
    {"300", "70000", "0", 1, 1, "00000000 00000000", "0 FFFF 65535"},
    {"300", "12", "12", 1, 2, "00110000 00000000", "C FFF3 65523"},
    {"", "0300", "0300", 1, 3, "00110100 10000000", "12C FED3 65235"},
    {"", "12a", "12", 0, 2, "00110000 00000000", "C F3 243"},
    {"5", "", "0", 0, 1, "00000000 00000000", "0 FF 255"},
    {"", "2.5", "2.5", 0, 3, "01000000 00000000", "2 FC 252.5"},
    {"", "3.5", "3.5", 0, 3, "00100000 00000000", "4 FC 251.5"},
    {"", "255.5", "255.5", 0, 5, "00000000 00000000", "100 0 -0.5"},
    {"", "300.5", "300.5", 1, 5, "00110100 10000000", "12C FED2 65234.5"},
    {"", "-1", "-1", 0, 2, "-10000000 00000000", "FFFFFFFF 100 256"},
    {"", "-3", "-3", 0, 2, "-1-1000000 00000000", "FFFFFFFD 102 258"},
    {"5", "-2147483648", "-2147483648", 0, 11, "00000000 00000000", "80000000 FA 250"},
    {"5", "-2147483649", "-2147483649", 0, 11, "10100000 00000000", "5 FA 250"},
    {"300", "1e999", "1e999", 1, 5, "00110100 10000000", "12C FED3 65235"},
    {"1", "300x", "300x", 1, 4, "00110100 10000000", "1 FE 254"},
};

TEST(Port66, TypedValuesSetThePinsAndTheReadings) {
  for (const Typed &row : typedValues) {
    SCOPED_TRACE(std::string(row.before) + " then " + row.typed);
    Window w;
    w.type(row.before);
    w.type(row.typed);
    EXPECT_EQ(w.f.Text9.text(), row.shown);
    EXPECT_EQ(w.f.Check1.value(), row.sixteenBits);
    EXPECT_EQ(w.f.Text21.visible(), row.sixteenBits == 1);
    EXPECT_EQ(w.f.Text9.selStart(), row.caret);
    EXPECT_EQ(w.pins(), row.pins);
    EXPECT_EQ(w.readings(), row.readings);
  }
}

} // namespace
} // namespace vx::test
