// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor colour code: four bands (two digits, multiplier, 5%) or
// five bands (three digits, multiplier, 1%) on display lines 1 to 5.

#include "main/vexlo.h"

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <array>

namespace vx {

namespace {
// Indexed by value + 2: the multipliers 0.01 and 0.1, then the digits.
const std::array<const char *, 12> colourNames{
    " Silver      ", " Gold       ", " Black     ",  " Brown    ",   " Red       ",  " Orange  ",
    " Yellow   ",    " Green    ",   " Blue       ", " Violet     ", " Grey       ", " White     "};
constexpr int lowestColour = -2;
const char *const overRange = " Over Range ";
const char *const outOfRange = " Out of range ";
} // namespace

void vexlo::color_name() {
  const Value number = tempr;
  tempr = overRange;
  for (int value = lowestColour; value < lowestColour + static_cast<int>(colourNames.size());
       ++value) {
    if (number == value) {
      tempr = colourNames.at(static_cast<std::size_t>(value - lowestColour));
    }
  }
}

void vexlo::Command20_Click() {
  answer.setCaption("         ");
  mtclear();
  Value exponent = -2;
  input_a();
  if (Like(Text1.text(), "*K*") || Like(Text1.text(), "*k*")) {
    exponent = exponent + 3;
  }
  if (Like(Text1.text(), "*M*") || Like(Text1.text(), "*m*")) {
    exponent = exponent + 6;
  }
  tempr = 0;
  if (tempa < 0.01) {
    Text1.setText(" Please enter Ohms here and");
    Text2.setText(" 5 here for if five colors required");
    return;
  }
  try {
    // Taken to two decimal places, then stripped of trailing zeros: tempr
    // ends as the lowest significant digit.
    tempa = tempa * 1000;
    while (tempr == 0) {
      exponent = exponent + 1;
      tempa = IntDiv(tempa, 10);
      tempr = Mod(tempa, 10);
    }
    tempa = IntDiv(tempa, 10);
    Value d1 = Mod(tempa, 10);
    tempa = IntDiv(tempa, 10);
    Value d2 = Mod(tempa, 10);
    tempa = IntDiv(tempa, 10);
    const Value d3 = Mod(tempa, 10);
    if (d3 != 0) {
      Label1.setCaption(outOfRange);
      return;
    }
    while (d2 == 0) {
      exponent = exponent - 1;
      d2 = d1;
      d1 = tempr;
      tempr = 0;
    }
    const Value third = tempr;
    color_name();
    const Value thirdColour = tempr;
    tempr = d1;
    color_name();
    Label2.setCaption(toText(tempr));
    tempr = d2;
    color_name();
    Label1.setCaption(toText(tempr));
    if (third != 0 || Val(Text2.text()) == 5) {
      Text2.setText(" 5 Colors");
      Label3.setCaption(toText(thirdColour));
      tempr = exponent - 1;
      color_name();
      Label4.setCaption(toText(tempr));
      Label5.setCaption("(1%)Brown");
    } else {
      Text2.setText(" 4 Colors");
      tempr = exponent;
      color_name();
      Label3.setCaption(toText(tempr));
      Label4.setCaption("(5%)Gold");
      Label5.setCaption("");
    }
  } catch (const CalcFailure &) {
    Label1.setCaption(outOfRange);
  }
}

} // namespace vx
