// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Ohm's law window: any two of volts, ohms, amps and watts give the
// other two. There is no calculate button; the periodic tick reads what the
// user typed in the focused field and solves whenever two boxes are ticked.

#include "forms/form.h"

#include <array>
#include <string_view>

namespace vx {

class wavo6 : public forms::Form {
public:
  explicit wavo6(forms::Registry &registry);

  forms::TextBox Textv{
      *this,
      "Textv",
      {.text = " Volts",
       .toolTip = "Enter Volts (use k and m for kilo or milli)  Press enter to insert answer from "
                  "calc. Enter decimal point last"}};
  forms::TextBox Textr{*this,
                       "Textr",
                       {.text = " Ohms",
                        .toolTip = "Enter Ohms (use m for megohms and mi for milliohms)  Press "
                                   "enter twice to insert answer from calc. Enter decimal point "
                                   "last"}};
  forms::TextBox Texta{*this,
                       "Texta",
                       {.text = " Amps",
                        .toolTip = "Enter Amps (use k and m for kilo or milli) Press enter three "
                                   "times to insert answer from calc. Enter decimal point last"}};
  forms::TextBox Textw{*this,
                       "Textw",
                       {.text = " Watts",
                        .toolTip = "Enter Watts (use k and m for kilo or milli) Press enter four "
                                   "times to insert answer from calc. Enter decimal point last"}};
  forms::CheckBox Checkv{*this, "Checkv", {}};
  forms::CheckBox Checkr{*this, "Checkr", {}};
  forms::CheckBox Checka{*this, "Checka", {}};
  forms::CheckBox Checkw{*this, "Checkw", {}};
  forms::Button Command1{
      *this, "Command1", {.caption = "Calc", .toolTip = "Go back to the Calculator"}};
  forms::Button Command2{
      *this, "Command2", {.caption = "Led", .toolTip = "Switches to led drive calculator"}};
  forms::Button Command3{
      *this, "Command3", {.caption = "Port", .toolTip = "Switches to port state calculator"}};
  forms::Button Command5{*this, "Command5", {.caption = "C T", .toolTip = ""}};
  forms::Button Command4{*this, "Command4", {.caption = "Clear", .toolTip = "Master clear"}};
  forms::Timer Timer1{*this, "Timer1", {.interval = 750, .enabled = false}};

  forms::Var fv{*this, "fv"};
  forms::Var fr{*this, "fr"};
  forms::Var fa{*this, "fa"};
  forms::Var fw{*this, "fw"};
  forms::Var tempv{*this, "tempv"};
  forms::Var tempr{*this, "tempr"};
  forms::Var tempa{*this, "tempa"};
  forms::Var tempw{*this, "tempw"};
  forms::Var tempvc{*this, "tempvc"};
  forms::Var temprc{*this, "temprc"};
  forms::Var tempac{*this, "tempac"};
  forms::Var tempwc{*this, "tempwc"};
  forms::Var cx1r{*this, "cx1r"};

  void Form_Load();
  void Form_Unload();
  void Form_KeyDown(int &KeyCode, int Shift);
  void Textv_GotFocus();
  void Textr_GotFocus();
  void Texta_GotFocus();
  void Textw_GotFocus();
  void Textv_Change();
  void Textr_Change();
  void Texta_Change();
  void Textw_Change();
  void Checkv_Click();
  void Checkr_Click();
  void Checka_Click();
  void Checkw_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Timer1_Timer();

  void restart_timer();
  void clear_all();

  enum class Kind { Volts, Ohms, Amps, Watts };

private:
  // One of the four quantities: its field, given flag, figure, value in
  // base units and focus flag, which the procedures treat alike.
  struct Quantity {
    Kind kind;
    forms::TextBox &field;
    forms::CheckBox &given;
    forms::Var &figure;
    forms::Var &base;
    forms::Var &focus;
    std::string_view unitWord;
  };

  void focusInto(const Quantity &quantity);
  void changed(const Quantity &quantity);
  void givenClicked(const Quantity &quantity);
  void readEntry(const Quantity &quantity);
  void writeResult(const Quantity &quantity);

  // In the order v, r, a, w, in which every procedure visits them.
  std::array<Quantity, 4> quantities_{{
      {Kind::Volts, Textv, Checkv, tempv, tempvc, fv, " Volts"},
      {Kind::Ohms, Textr, Checkr, tempr, temprc, fr, " Ohms"},
      {Kind::Amps, Texta, Checka, tempa, tempac, fa, " Amps"},
      {Kind::Watts, Textw, Checkw, tempw, tempwc, fw, " Watts"},
  }};
  const Quantity &volts_ = quantities_[0];
  const Quantity &ohms_ = quantities_[1];
  const Quantity &amps_ = quantities_[2];
  const Quantity &watts_ = quantities_[3];
};

} // namespace vx
