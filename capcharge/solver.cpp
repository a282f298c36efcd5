// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The periodic tick: takes up the focused entry, works out from the given
// boxes which quantities are known and computes the missing one for the
// combinations it has a rule for. With a current source I × t = C × V;
// with a voltage source and a resistor the charge law
// V_th = V × (1 − e^(−t / RC)) gives the capacitance, the time, the
// resistance or the source volts, while the threshold from the other four
// is still found by charging the capacitor step by step. The status line
// names the missing quantity and the tick sum.

#include "capcharge/ct6.h"

#include "capcharge/figures.h"
#include "runtime/failure.h"
#include "runtime/text_rules.h"

#include <initializer_list>
#include <optional>
#include <utility>

namespace vx {

using capcharge::cutFigure;

namespace {

constexpr int tickInterval = 600;
constexpr int chargeSteps = 100;
// Milliamps times milliseconds over volts is microfarads, so the current
// source formulas need no factor; ohms times microfarads is microseconds,
// so a time constant is R × C / 1000 in the tick's milliseconds.
constexpr int microsecondsPerMs = 1000;

// A step of a result written through its field: the number is read back
// from the field's text before each step.
struct TextStep {
  bool belowOne; // below one: up a thousand; otherwise above a thousand: down
  std::string_view word;
};

std::string writtenThroughText(const Value &result, std::string_view word,
                               std::initializer_list<TextStep> steps) {
  std::string text = CStr(result);
  text = join(Val(text), std::string(word));
  for (const TextStep &step : steps) {
    const double n = Val(text);
    if (step.belowOne ? n < 1 : n > 1000) {
      text = join(step.belowOne ? n * 1000 : n / 1000, std::string(step.word));
    }
  }
  return text;
}

} // namespace

void ct6::Timer1_Timer() {
  // The countdown starts anew after each expiry anyway; setting the same
  // interval again would only make an idle tick report a change.
  if (Timer1.interval() != tickInterval) {
    Timer1.setInterval(tickInterval);
  }
  // The status is gathered here and shown once, so an idle tick repaints
  // nothing; a failure shows what had been gathered up to it.
  std::string status;
  bool statusStarted = false;
  try {
    for (const Quantity &q : quantities_) {
      if (Val(q.field.text()) == 0) {
        q.given.setValue(0);
      }
    }
    for (const Quantity &q : quantities_) {
      takeEntry(q);
    }
    statusStarted = true;
    const int sum = solve(tickSum(), status);
    Label1.setCaption(status + CStr(Value(sum)));
  } catch (const CalcFailure &) {
    Timer1.setEnabled(false);
    if (statusStarted) {
      Label1.setCaption(status);
    }
  }
}

int ct6::tickSum() const {
  const std::initializer_list<std::pair<const forms::CheckBox *, int>> weights = {
      {&Checkv, 1}, {&Checkr, 2}, {&Checka, 4}, {&Checkl, 8}, {&Checkt, 16}, {&Checkc, 32}};
  int sum = 0;
  for (const auto &[box, weight] : weights) {
    if (box->value() > 0) {
      sum += weight;
    }
  }
  return sum;
}

// The letters name the missing quantity: C the capacitance, mS the time,
// L the threshold (level), O the ohms, V the source volts. A source voltage
// or resistance given beside a current source is ignored, and the status
// says which of the two it was.
int ct6::solve(int sum, std::string &status) {
  switch (sum) {
  case 27:
    status = "C ";
    if (const std::optional<Value> n = timeConstantsToThreshold()) {
      writeCapacitance(temptc * microsecondsPerMs / (temprc * *n));
    }
    break;
  case 43:
    status = "mS ";
    if (const std::optional<Value> n = timeConstantsToThreshold()) {
      writeTime(temprc * tempcc * *n / microsecondsPerMs);
      time_to_freq();
    }
    break;
  case 51:
    chargeThreshold();
    return solve(56, status);
  case 28:
    status = "C ";
    writeCapacitanceCut(tempac * temptc / templc);
    break;
  case 29:
  case 30:
    status = sum == 29 ? "C / Ohms " : "C / V ";
    writeCapacitance(tempac * temptc / templc);
    break;
  case 44:
  case 45:
  case 46:
    status = sum == 44 ? "mS " : sum == 45 ? "mS / Ohms " : "mS / V ";
    writeTime(tempcc * templc / tempac);
    time_to_freq();
    break;
  case 52:
  case 53:
  case 54:
    status = sum == 52 ? "L " : sum == 53 ? "L / Ohms " : "L / V ";
    writeVolts(Textl, tempac * temptc / tempcc);
    break;
  case 57:
    status = "O ";
    if (const std::optional<Value> n = timeConstantsToThreshold()) {
      writeResistance(temptc * microsecondsPerMs / (tempcc * *n));
    }
    break;
  case 58:
    status = "V ";
    writeVolts(Textv, templc / (1 - Exp(-(temptc * microsecondsPerMs / (temprc * tempcc)))));
    break;
  case 61:
    status = "O ";
    break;
  case 62:
    status = "V ";
    break;
  default:
    break;
  }
  return sum;
}

// How many time constants the charge from an empty capacitor takes to
// reach the threshold, ln(V / (V − V_th)); none when the threshold is not
// below the source, which the capacitor never reaches.
std::optional<Value> ct6::timeConstantsToThreshold() const {
  if (templc >= tempvc) {
    return std::nullopt;
  }
  return Log(tempvc / (tempvc - templc));
}

// A forward-Euler charge from an empty capacitor through the resistor, in
// equal steps over the charge time; the result becomes the threshold's
// base value, with its box left as it was. The steps overshoot the charge
// law the other rows use a little: by 0.3 % at one time constant.
void ct6::chargeThreshold() {
  const Value dt = temptc / chargeSteps;
  Value vc = 0;
  Value vr = tempvc.value();
  for (int counter = 1; counter <= chargeSteps; ++counter) {
    vc = vc + vr / temprc * dt / tempcc * microsecondsPerMs;
    vr = tempvc - vc;
  }
  templ = vc;
  templc = vc;
  std::string_view word = " Volts";
  if (Int(vc) < 1 && templ != 0) {
    templ = templ * 1000;
    word = " mVolts";
  }
  Textl.setText(cutFigure(templ, 1000, word));
}

// The capacitance cut to four decimals; the smaller words take two blanks.
void ct6::writeCapacitanceCut(const Value &microfarads) {
  tempc = microfarads;
  std::string_view word = " uFarad";
  if (tempc < 1 && tempc != 0) {
    tempc = tempc * 1000;
    word = "  nFarad";
  }
  if (tempc < 1 && tempc != 0) {
    tempc = tempc * 1000;
    word = "  pFarad";
  }
  Textc.setText(cutFigure(tempc, 10000, word));
}

void ct6::writeCapacitance(const Value &microfarads) {
  Textc.setText(writtenThroughText(microfarads, " uFarad", {{true, " nFarad"}, {true, " pFarad"}}));
}

void ct6::writeTime(const Value &milliseconds) {
  Textt.setText(writtenThroughText(milliseconds, " mSecs", {{true, " uSecs"}, {false, " Secs"}}));
}

void ct6::writeVolts(forms::TextBox &field, const Value &volts) {
  field.setText(writtenThroughText(volts, " Volts", {{true, " mVolts"}}));
}

void ct6::writeResistance(const Value &ohms) {
  Textr.setText(writtenThroughText(ohms, " Ohms", {{false, " KOhms"}, {false, " MOhms"}}));
}

} // namespace vx
