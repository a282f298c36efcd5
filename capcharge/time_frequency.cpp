// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time and frequency kept in step: a frequency typed into its field gives
// the period in the time field, and a typed or computed time gives the
// frequency. The time's base value is kept in milliseconds here as
// everywhere else, so the solver's formulas can use it at any moment.

#include "capcharge/ct6.h"

#include "capcharge/figures.h"
#include "runtime/text_rules.h"

namespace vx {

using capcharge::cutFigure;
using capcharge::likeAny;

// Only a change made by a typed key converts, so that the fields written
// by a conversion do not convert back.
void ct6::freq_check() {
  if (ff == 1 && Val(Textf.text()) > 0 && te1 == 1) {
    freq_to_time();
  }
}

void ct6::time_check() {
  if (ft == 1 && Val(Textt.text()) > 0 && te1 == 1) {
    time_to_freq();
  }
}

void ct6::freq_to_time() {
  const std::string typed = Textf.text();
  if (Val(typed) <= 0) {
    return;
  }
  te1 = 0;
  const Value n = Val(typed);
  Value hertz = n;
  std::string_view word = " Hz";
  if (likeAny(typed, {"*k*", "*K*"})) {
    hertz = n * 1000;
    word = " KHz";
  } else if (likeAny(typed, {"*M*", "*m*"})) {
    hertz = n * 1000000;
    word = " MHz";
  }
  Textf.setText(join(n, std::string(word)));

  temptc = Value(1000) / hertz;
  // The period is shown from its text in seconds, ranged down from there.
  tempt = Val(CStr(Value(1) / hertz));
  word = " Secs";
  if (tempt < 1) {
    tempt = tempt * 1000;
    word = " mSecs";
  }
  if (tempt < 1) {
    tempt = tempt * 1000;
    word = " uSecs";
  }
  Textt.setText(cutFigure(tempt, 1000, word));
  Checkt.setValue(1);
}

// The number in the time field stays as typed; only its unit word is
// replaced.
void ct6::time_to_freq() {
  const std::string typed = Textt.text();
  if (Val(typed) <= 0) {
    return;
  }
  te1 = 0;
  tempt = Val(typed);
  Value seconds;
  if (likeAny(typed, {"*u*", "*U*"})) {
    temptc = tempt / 1000;
    seconds = tempt / 1000000;
    Textt.setText(join(tempt, " uSecs"));
  } else if (likeAny(typed, {"*mSecs*", "*m*", "*M*"})) {
    temptc = tempt.value();
    seconds = tempt / 1000;
    Textt.setText(join(tempt, " mSecs"));
  } else {
    Textt.setText(join(tempt, " Secs"));
    temptc = tempt * 1000;
    seconds = tempt.value();
  }
  Textt.setSelStart(Len(tempt));

  Value hertz = Val(CStr(Value(1) / seconds));
  std::string_view word = " Hz";
  if (hertz > 1000) {
    hertz = hertz / 1000;
    word = " KHz";
  }
  if (hertz > 1000) {
    hertz = hertz / 1000;
    word = " MHz";
  }
  Textf.setText(cutFigure(hertz, 1000, word));
}

} // namespace vx
