// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Powers, roots, percentages, pi, parallel resistors, the preferred value
// table, RMS and peak voltages, wavelength and frequency.

#include "main/vexlo.h"

#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <array>
#include <string>

namespace vx {

namespace {
const double pi = 3.14159265359;
// Kept as the calculator has always shown it, rather than the square root
// of two.
const double peakToRms = 1.5708;
// Metres times megahertz.
const double waveConstant = 300;
const char *const overrange = " overrange ";

const std::array<const char *, 8> preferredValues{
    " E6        E24         E12         E24",     " ",
    "1.0         1.1          1.2          1.3 ", "1.5         1.6          1.8          2.0 ",
    "2.2         2.4          2.7          3.0 ", "3.3         3.6          3.9          4.3 ",
    "4.7         5.1          5.6          6.2 ", "6.8         7.5          8.2          9.1 "};

bool containsEither(const std::string &text, const char *first, const char *second) {
  return Like(text, first) || Like(text, second);
}
} // namespace

// The power used (whole, at least 2) is written back into field 2.
void vexlo::Command5_Click() {
  try {
    input_k();
    tempb = Int(tempb);
    if (tempb < 2) {
      tempb = 2;
    }
    Text2.setText(CStr(tempb));
    answer.setCaption(CStr(Pow(tempa, tempb)));
  } catch (const CalcFailure &) {
    answer.setCaption(overrange);
  }
}

void vexlo::Command6_Click() {
  try {
    input_k();
    tempb = Int(tempb);
    if (tempb < 2) {
      tempb = 2;
    }
    Text2.setText(CStr(tempb));
    if (Val(Text1.text()) != 0) {
      answer.setCaption(CStr(Exp(Log(tempa) / tempb)));
    }
    Text1.setSelStart(Text1.length());
  } catch (const CalcFailure &) {
    answer.setCaption(overrange);
  }
}

// Without an edit in between, a second press adds the two operands.
void vexlo::Command7_Click() {
  if (percent == 0) {
    input_k();
    answer.setCaption(CStr(tempb * (tempa / 100)));
  } else {
    answer.setCaption(CStr(tempa + tempb));
    Text2.setFocus();
  }
  percent = 1;
}

void vexlo::Command8_Click() {
  tempr = pi;
  swap();
  Text2.setFocus();
}

void vexlo::Command11_Click() {
  input_k();
  if (tempa == 0 || tempb == 0) {
    answer.setCaption("Please enter Ohms");
  } else {
    answer.setCaption(Format(Value(1) / (Value(1) / tempa + Value(1) / tempb), "#.##"));
  }
}

void vexlo::Command16_Click() {
  pre1 = Mod(pre1 + 1, 2);
  for (std::size_t line = 0; line < preferredValues.size(); ++line) {
    displayLines_.at(line)->setCaption(preferredValues.at(line));
  }
  if (pre1 == 0) {
    mtclear();
  }
  Label1.setToolTip("(E6 values are displayed in E6 column), (E12 displayed in E6 & E12 "
                    "columns) and (E24 values are displayed in E6, E12 and E24 columns)");
}

void vexlo::Command16_LostFocus() {
  Label1.setToolTip("");
}

// Field 1 is the peak voltage, field 2 the RMS voltage; a peak wins.
void vexlo::Command17_Click() {
  input_a();
  if (tempa == 0) {
    tempa = tempb * peakToRms;
  }
  tempb = tempa / peakToRms;
  Text2.setText(Format(tempb, "#.#") + " Volts RMS");
  Text1.setText(Format(tempa, "#.#") + " V peak");
}

// Field 1 is the frequency, field 2 the wavelength; whichever is given
// gives the other, and its unit letters choose the pair of units.
void vexlo::Command18_Click() {
  input_a();
  if (tempa == 0 && tempb == 0) {
    Text1.setText("    Enter Hz");
    Text2.setText("    or Meters");
    return;
  }
  std::string frequencyText;
  std::string wavelengthText;
  const bool wavelengthGiven = tempa == 0;
  if (wavelengthGiven) {
    wavelengthText = Text2.text();
    tempa = Value(waveConstant) / tempb;
  } else {
    frequencyText = Text1.text();
    tempb = Value(waveConstant) / tempa;
  }
  const char *frequencyUnit = nullptr;
  const char *wavelengthUnit = nullptr;
  if (containsEither(frequencyText, "*k*", "*K*") || containsEither(wavelengthText, "*k*", "*K*")) {
    frequencyUnit = " KHz";
    wavelengthUnit = " Kilometers";
  } else if (containsEither(wavelengthText, "*mm*", "*MM*") ||
             containsEither(frequencyText, "*g*", "*G*")) {
    frequencyUnit = " GHz";
    wavelengthUnit = " MM";
  } else if (containsEither(frequencyText, "*m*", "*M*") ||
             containsEither(wavelengthText, "*m*", "*M*") || wavelengthGiven) {
    // A wavelength typed without a unit is read as metres.
    frequencyUnit = " MHz";
    wavelengthUnit = " Meters";
  } else {
    tempb = tempb * 1000;
    frequencyUnit = " Hz";
    wavelengthUnit = " Kilometers";
  }
  Text1.setText(CStr(tempa) + frequencyUnit);
  Text2.setText(CStr(tempb) + wavelengthUnit);
}

} // namespace vx
