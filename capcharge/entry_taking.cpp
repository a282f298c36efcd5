// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking up an entry: the unit marks a field understands, the base value
// kept for the solver and the auto-ranged figure and unit word the field
// is rewritten with. Every rewritten text reads back to the same base
// value at the next tick.

#include "capcharge/ct6.h"

#include "capcharge/figures.h"
#include "runtime/text_rules.h"

#include <vector>

namespace vx {

namespace {

struct Scale {
  bool divide;
  int factor;
};

Value scaled(const Value &number, Scale scale) {
  return scale.divide ? number / scale.factor : number * scale.factor;
}

// A row of marks: the first row any of whose patterns the whole text
// (unit word included) matches gives the scale to the base unit.
struct UnitMark {
  std::vector<std::string_view> patterns;
  Scale scale;
};

// A range step: below one goes up a thousand, above a thousand down a
// thousand, each with its word.
struct RangeStep {
  bool belowOne;
  std::string_view word;
};

struct Reading {
  std::vector<UnitMark> marks;
  Scale otherwise; // no mark found
  Scale toFigure;  // from the base unit to the plain unit word
  std::string_view word;
  std::vector<RangeStep> steps;
};

constexpr Scale unscaled{false, 1};
constexpr Scale kilo{false, 1000};
constexpr Scale mega{false, 1000000};
constexpr Scale milli{true, 1000};
constexpr Scale micro{true, 1000000};

// The words Ohms, Amps and their kin hold an m of their own, so a lower-case
// milli or mega mark there needs a blank after it ("2m Ohms").
const Reading voltsReading{
    {{{"*m*", "*M*"}, milli}}, unscaled, unscaled, " Volts", {{true, " mVolts"}}};
const Reading ohmsReading{{{{"*M*", "*m *"}, mega}, {{"*K*", "*k*"}, kilo}},
                          unscaled,
                          unscaled,
                          " Ohms",
                          {{false, " KOhms"}, {false, " MOhms"}}};
// Milliamps are the base unit: a bare number is amps.
const Reading ampsReading{{{{"*u*", "*U*"}, milli}, {{"*M *", "*m *", "*mA*"}, unscaled}},
                          kilo,
                          milli,
                          " Amps",
                          {{true, " mAmps"}, {true, " uAmps"}}};
// Milliseconds are the base unit: a bare number is seconds.
const Reading timeReading{{{{"*u*", "*U*"}, milli}, {{"*m*", "*M*"}, unscaled}},
                          kilo,
                          milli,
                          " Secs",
                          {{true, " mSecs"}, {true, " uSecs"}}};
// Microfarads are the base unit; only a lower-case n is nano.
const Reading faradsReading{{{{"*P*", "*p*"}, micro}, {{"*n*"}, milli}},
                            unscaled,
                            unscaled,
                            " uFarad",
                            {{true, " nFarad"}, {true, " pFarad"}}};
const Reading frequencyReading{{{{"*M*", "*m *"}, mega}, {{"*K*", "*k*"}, kilo}},
                               unscaled,
                               unscaled,
                               " Hz",
                               {{false, " KHz"}, {false, " MHz"}}};

const Reading &reading(ct6::Kind kind) {
  switch (kind) {
  case ct6::Kind::Volts:
  case ct6::Kind::Threshold:
    return voltsReading;
  case ct6::Kind::Ohms:
  case ct6::Kind::Leakage:
    return ohmsReading;
  case ct6::Kind::Amps:
    return ampsReading;
  case ct6::Kind::Time:
    return timeReading;
  case ct6::Kind::Farads:
    return faradsReading;
  case ct6::Kind::Frequency:
    break;
  }
  return frequencyReading;
}

Scale scaleOf(const Reading &r, std::string_view text) {
  for (const UnitMark &mark : r.marks) {
    for (std::string_view pattern : mark.patterns) {
      if (Like(text, pattern)) {
        return mark.scale;
      }
    }
  }
  return r.otherwise;
}

} // namespace

// A field is taken up while it has the focus and holds a positive number;
// the leakage field whichever field has the focus.
void ct6::takeEntry(const Quantity &quantity) {
  const std::string text = quantity.field.text();
  const Value n = Val(text);
  if (n <= 0 || (quantity.focus != nullptr && *quantity.focus != 1)) {
    return;
  }
  const Reading &r = reading(quantity.kind);
  const Value base = scaled(n, scaleOf(r, text));
  if (quantity.base != nullptr) {
    *quantity.base = base;
  }
  Value figure = scaled(base, r.toFigure);

  std::string_view word = r.word;
  for (const RangeStep &step : r.steps) {
    if (step.belowOne ? figure < 1 : figure > 1000) {
      figure = step.belowOne ? figure * 1000 : figure / 1000;
      word = step.word;
    }
  }
  if (quantity.figure != nullptr) {
    *quantity.figure = figure;
  }
  const Value shown = Int(figure * 1000) / 1000;
  quantity.field.setText(join(shown, std::string(word)));
  quantity.field.setSelStart(Len(shown));
  if (quantity.kind == Kind::Time || quantity.kind == Kind::Frequency) {
    Checkt.setValue(1);
    Checkf.setValue(1);
  } else if (quantity.kind != Kind::Leakage) {
    quantity.given.setValue(1);
  }
}

} // namespace vx
