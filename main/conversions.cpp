// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decimal, binary and hexadecimal for 8- and 16-bit values. A binary number
// is held as a whole number whose decimal digits are its bits, most
// significant first, so 00000101 is the number 101.

#include "main/vexlo.h"

#include "runtime/text_rules.h"

#include <array>

namespace vx {

namespace {
const std::array<Value, 7> decimalWeights{10, 100, 1000, 10000, 100000, 1000000, 10000000};
const std::array<Value, 7> binaryWeights{2, 4, 8, 16, 32, 64, 128};

std::string eightDigits(const Value &bits) {
  return Format(bits, "00000000");
}
} // namespace

void vexlo::decb() {
  Value r = Mod(tempa, 2);
  tempa = IntDiv(tempa, 2);
  for (std::size_t i = 0; i < decimalWeights.size(); ++i) {
    r = r + Mod(tempa, 2) * decimalWeights.at(i);
    if (i + 1 < decimalWeights.size()) {
      tempa = IntDiv(tempa, 2);
    }
  }
  tempr = r;
}

// Every digit counts by its parity, so a mistyped 2 reads as a 0 bit.
void vexlo::bdec() {
  const Value digits = tempr;
  tempx = Mod(digits, 2);
  Value rest = IntDiv(digits, 10);
  for (const Value &weight : decimalWeights) {
    tempx = tempx + Mod(rest, 2) * weight;
    rest = IntDiv(rest, 10);
  }
  Value number = Mod(digits, 2);
  rest = IntDiv(digits, 10);
  for (const Value &weight : binaryWeights) {
    number = number + Mod(rest, 2) * weight;
    rest = IntDiv(rest, 10);
  }
  tempr = number;
}

void vexlo::Command28_Click() {
  answer.setCaption("not in range");
  input_i();
  if (tempa > -1 && tempa < 256) {
    decb();
    answer.setCaption(eightDigits(tempr) + " Lsb");
  } else if (tempa > -1 && tempa < 65536) {
    const Value whole = tempa;
    tempa = Mod(tempa, 256);
    decb();
    const Value low = tempr;
    tempa = IntDiv(whole, 256);
    decb();
    const Value high = tempr;
    tempa = whole;
    Text1.setText(CStr(tempa));
    answer.setCaption(eightDigits(high) + "   " + eightDigits(low) + " Lsb");
  }
  Text1.setFocus();
}

// Field 1 is the low byte, field 2 (when given) the high byte. The caret
// ends before " Lsb" so the digits can be edited and converted again.
void vexlo::Command12_Click() {
  input_i();
  tempr = tempa;
  bdec();
  tempa = tempx;
  Value number = tempr;
  Text1.setText(eightDigits(tempa) + " Lsb");
  if (tempb > 0) {
    tempr = tempb;
    bdec();
    tempb = tempx;
    number = number + tempr * 256;
    Text1.setText(eightDigits(tempa) + " Lsb");
    Text2.setText(eightDigits(tempb));
  }
  answer.setCaption(CStr(number));
  Text1.setFocus();
  Text1.setSelStart(8);
}

void vexlo::Command10_Click() {
  input_i();
  answer.setCaption(Hex(tempa));
}

// n bits take 2 to the power n values; the count widens as it grows.
void vexlo::Command9_Click() {
  input_i();
  Value count = Value::integer(2);
  while (tempa > 1) {
    count = count * 2;
    tempa = tempa - 1;
  }
  if (tempa == 0) {
    count = 0;
  }
  answer.setCaption(CStr(count));
}

} // namespace vx
