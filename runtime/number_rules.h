// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the number rules; not part of the windows' interface.

#include <cstddef>
#include <string>
#include <string_view>

namespace vx::detail {

// A number read from the start of a text: its value, where reading stopped
// and whether any digit was seen.
struct ScannedNumber {
  double value = 0.0;
  std::size_t end = 0;
  bool hasDigits = false;
};

// Reads a number the way Val does. With `blanksInside` false no blank is
// skipped at all, which is what the strict conversion needs.
ScannedNumber scanNumber(std::string_view text, bool blanksInside);

// The whole text must be one number (blanks around it allowed); anything
// else is a CalcFailure.
double textToNumber(std::string_view text);

// The number itself; a CalcFailure ("overflow") when it is no finite number.
double finite(double number);

// Rounds to the nearest whole number, ties to the even one.
double roundHalfEven(double number);

// A finite Double as at most 15 significant decimal digits: the value is
// 0.<digits> times ten to the power `pointPos`. Zero has no digits.
struct DecimalForm {
  bool negative = false;
  std::string digits;
  int pointPos = 0;
};
DecimalForm decimalForm(double number);

} // namespace vx::detail
