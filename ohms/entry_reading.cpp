// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the entry of the focused field: the unit marks the user may type
// and the words the field is rewritten with.

#include "ohms/wavo6.h"

#include "runtime/text_rules.h"

#include <vector>

namespace vx {

namespace {

// One row of marks: the first row any of whose patterns the whole text
// (unit word included) matches gives the scale and the word written back.
struct UnitMark {
  std::vector<std::string_view> patterns;
  bool divide;
  int factor;
  std::string_view word;
};

// The patterns must tell the field's own unit word apart from a mark: the
// m of Ohms and Amps is no mark, hence the blank after it in "*m *". The
// last row of ohms, amps and watts reads back the words the result
// writers use ("  milliOhms", "  milliAmps", "  K Watts") and the marks
// the tooltips name (mi for milliohms, k for kilowatts); they come after
// the older rows so that every text those matched keeps its meaning.
const std::vector<UnitMark> voltsMarks = {
    {{"*m*"}, true, 1000, " mVolts"},
    {{"*K*", "*k*"}, false, 1000, " KVolts"},
};
const std::vector<UnitMark> ohmsMarks = {
    {{"*M*", "*m *"}, false, 1000000, " MOhms"},
    {{"*K*", "*k*"}, false, 1000, " KOhms"},
    {{"*mi*"}, true, 1000, " milliOhms"},
};
const std::vector<UnitMark> ampsMarks = {
    {{"*U*", "*uAmps*", "*u*"}, true, 1000000, " uAmps"},
    {{"*M *", "*mA*", "*m *"}, true, 1000, " mAmps"},
    {{"*K*", "*k*"}, false, 1000, " KAmps"},
    {{"*milli*"}, true, 1000, " mAmps"},
};
const std::vector<UnitMark> wattsMarks = {
    {{"*m*", "*M*"}, true, 1000, " mWatts"},
    {{"*K*", "*k*"}, false, 1000, " KWatts"},
};

const std::vector<UnitMark> &unitMarks(wavo6::Kind kind) {
  switch (kind) {
  case wavo6::Kind::Volts:
    return voltsMarks;
  case wavo6::Kind::Ohms:
    return ohmsMarks;
  case wavo6::Kind::Amps:
    return ampsMarks;
  case wavo6::Kind::Watts:
    break;
  }
  return wattsMarks;
}

const UnitMark *matchingMark(wavo6::Kind kind, std::string_view text) {
  for (const UnitMark &mark : unitMarks(kind)) {
    for (std::string_view pattern : mark.patterns) {
      if (Like(text, pattern)) {
        return &mark;
      }
    }
  }
  return nullptr;
}

} // namespace

// Only the field that last had the focus is read, and only when it holds a
// number: that is what makes a quantity given.
void wavo6::readEntry(const Quantity &quantity) {
  const std::string text = quantity.field.text();
  const double number = Val(text);
  if (number == 0 || quantity.focus != 1) {
    return;
  }
  quantity.given.setValue(1);
  quantity.figure = number;
  std::string_view word = quantity.unitWord;
  if (const UnitMark *mark = matchingMark(quantity.kind, text)) {
    quantity.base = mark->divide ? Value(number) / mark->factor : Value(number) * mark->factor;
    word = mark->word;
  } else {
    quantity.base = quantity.figure.value();
  }
  quantity.field.setText(join(quantity.figure, std::string(word)));
  quantity.field.setSelStart(Len(quantity.figure));
}

} // namespace vx
