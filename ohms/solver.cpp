// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The periodic tick: reads the focused entry, solves the pair of given
// quantities with Ohm's law and the power law, and writes the other two
// with unit words chosen by their size.

#include "ohms/wavo6.h"

#include "runtime/text_rules.h"

#include <vector>

namespace vx {

namespace {

constexpr int tickInterval = 600;

// One ranging step of a result writer: below one (but not zero) goes up a
// thousand, a thousand or more down a thousand, each with its word.
struct RangeStep {
  bool belowOne;
  std::string_view word;
};

struct ResultWords {
  std::string_view plain;
  std::vector<RangeStep> steps;
};

// Results are written with two blanks before the word, entries with one.
// No micro word: tiny results show as fractions of milli.
const ResultWords voltsWords{"  Volts", {{true, "  milliVolts"}, {false, "  K Volts"}}};
const ResultWords ohmsWords{"  Ohms",
                            {{false, "  K Ohms"}, {true, "  milliOhms"}, {false, "  M Ohms"}}};
const ResultWords ampsWords{"  Amps", {{true, "  milliAmps"}}};
const ResultWords wattsWords{"  Watts", {{true, "  milliWatts"}, {false, "  K Watts"}}};

const ResultWords &resultWords(wavo6::Kind kind) {
  switch (kind) {
  case wavo6::Kind::Volts:
    return voltsWords;
  case wavo6::Kind::Ohms:
    return ohmsWords;
  case wavo6::Kind::Amps:
    return ampsWords;
  case wavo6::Kind::Watts:
    break;
  }
  return wattsWords;
}

} // namespace

// The figure is scaled in place, then cut (not rounded) to four decimals.
void wavo6::writeResult(const Quantity &quantity) {
  const ResultWords &words = resultWords(quantity.kind);
  forms::Var &x = quantity.figure;
  std::string_view word = words.plain;
  for (const RangeStep &step : words.steps) {
    if (step.belowOne && x < 1 && x != 0) {
      x = x * 1000;
      word = step.word;
    } else if (!step.belowOne && x >= 1000) {
      x = x / 1000;
      word = step.word;
    }
  }
  const Value shown = Int(x * 10000) / 10000;
  quantity.field.setText(join(shown, std::string(word)));
}

void wavo6::Timer1_Timer() {
  // The countdown starts anew after each expiry anyway; setting the same
  // interval again would only make an idle tick report a change.
  if (Timer1.interval() != tickInterval) {
    Timer1.setInterval(tickInterval);
  }
  for (const Quantity &q : quantities_) {
    readEntry(q);
  }
  int sum = 0;
  sum += Checkv.value() > 0 ? 1 : 0;
  sum += Checkr.value() > 0 ? 3 : 0;
  sum += Checka.value() > 0 ? 5 : 0;
  sum += Checkw.value() > 0 ? 9 : 0;
  switch (sum) {
  case 4:
    tempa = tempvc / temprc;
    tempw = tempvc * tempa;
    writeResult(watts_);
    writeResult(amps_);
    break;
  case 6:
    tempr = tempvc / tempac;
    tempw = tempvc * tempac;
    writeResult(watts_);
    writeResult(ohms_);
    break;
  case 8:
    tempv = tempac * temprc;
    tempw = tempv * tempac;
    writeResult(watts_);
    writeResult(volts_);
    break;
  case 10:
    tempa = tempwc / tempvc;
    tempr = tempvc / tempa;
    writeResult(amps_);
    writeResult(ohms_);
    break;
  case 12:
    // Log fails on a quotient that is not positive (watts and ohms of
    // opposite signs, or no watts): there is no current to show.
    tempa = Exp(Log(tempwc / temprc) / 2);
    tempv = tempa * temprc;
    writeResult(amps_);
    writeResult(volts_);
    break;
  case 14:
    tempv = tempwc / tempac;
    tempr = tempv / tempac;
    writeResult(ohms_);
    writeResult(volts_);
    break;
  default:
    break;
  }
}

} // namespace vx
