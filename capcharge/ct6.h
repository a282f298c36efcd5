// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The capacitor charge window: a capacitor charging through a resistor from
// a voltage source, or from a current source, up to a threshold voltage.
// Like the Ohm's law window it has no calculate button; the periodic tick
// takes up the focused entry and computes the missing quantity for the
// combinations of given quantities it knows. Time and frequency are one
// quantity shown in two fields.

#include "forms/form.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

class ct6 : public forms::Form {
public:
  explicit ct6(forms::Registry &registry);

  forms::TextBox Textv{*this, "Textv", {.text = " Volts", .toolTip = "Source Volts "}};
  forms::TextBox Textr{
      *this,
      "Textr",
      {.text = " Ohms", .toolTip = "Resistor Ohms (use m for megohms and k for killiohms) "}};
  forms::TextBox Textl{*this, "Textl", {.text = " Volts", .toolTip = "Threshold Volts"}};
  forms::TextBox Textt{
      *this, "Textt", {.text = " Secs", .toolTip = "Cap charge time in milliseconds"}};
  forms::TextBox Textc{*this, "Textc", {.text = " uFarads", .toolTip = "Cap value in microFarads"}};
  forms::TextBox Texta{
      *this,
      "Texta",
      {.text = " Amps",
       .toolTip = "enter mAmps if using current source and leave volts and ohms empty"}};
  forms::TextBox Textd{
      *this, "Textd", {.text = " Ohms", .toolTip = "Enter port/cap leakage or leave blank "}};
  forms::TextBox Textf{*this, "Textf", {.text = "Hz", .toolTip = ""}};
  forms::CheckBox Checkv{*this, "Checkv", {}};
  forms::CheckBox Checkr{*this, "Checkr", {}};
  forms::CheckBox Checkl{*this, "Checkl", {}};
  forms::CheckBox Checkt{*this, "Checkt", {}};
  forms::CheckBox Checkc{*this, "Checkc", {}};
  forms::CheckBox Checka{*this, "Checka", {}};
  forms::CheckBox Checkd{*this, "Checkd", {}};
  forms::CheckBox Checkf{*this, "Checkf", {}};
  forms::Label Label1{*this, "Label1", {.caption = "", .toolTip = ""}};
  forms::Label Label2{*this, "Label2", {.caption = "V", .toolTip = ""}};
  forms::Button Command1{
      *this, "Command1", {.caption = "Calc", .toolTip = "Go back to the Calculator"}};
  forms::Button Command2{
      *this, "Command2", {.caption = "Led", .toolTip = "Switches to led drive calculator"}};
  forms::Button Command3{
      *this, "Command3", {.caption = "Port", .toolTip = "Switches to port state calculator"}};
  forms::Button Command5{*this, "Command5", {.caption = "AVO", .toolTip = ""}};
  forms::Button Command4{*this, "Command4", {.caption = "Clear", .toolTip = "Master clear"}};
  forms::Timer Timer1{*this, "Timer1", {.interval = 600, .enabled = true}};

  // The schematic, in design units: a source terminal at the top, the
  // series resistor down to the capacitor node, the capacitor and the
  // leakage resistor side by side down to ground, and a sawtooth with its
  // axes to the right.
  forms::Line Line1{*this, "Line1", {.x1 = 50, .y1 = 10, .x2 = 70, .y2 = 10}};
  forms::Line Line2{*this, "Line2", {.x1 = 60, .y1 = 10, .x2 = 60, .y2 = 30}};
  forms::Line Line3{*this, "Line3", {.x1 = 60, .y1 = 30, .x2 = 68, .y2 = 35}};
  forms::Line Line4{*this, "Line4", {.x1 = 68, .y1 = 35, .x2 = 52, .y2 = 45}};
  forms::Line Line5{*this, "Line5", {.x1 = 52, .y1 = 45, .x2 = 68, .y2 = 55}};
  forms::Line Line6{*this, "Line6", {.x1 = 68, .y1 = 55, .x2 = 52, .y2 = 65}};
  forms::Line Line7{*this, "Line7", {.x1 = 52, .y1 = 65, .x2 = 68, .y2 = 75}};
  forms::Line Line8{*this, "Line8", {.x1 = 68, .y1 = 75, .x2 = 60, .y2 = 80}};
  forms::Line Line9{*this, "Line9", {.x1 = 60, .y1 = 80, .x2 = 60, .y2 = 100}};
  forms::Line Line10{*this, "Line10", {.x1 = 30, .y1 = 100, .x2 = 60, .y2 = 100}};
  forms::Line Line11{*this, "Line11", {.x1 = 60, .y1 = 100, .x2 = 110, .y2 = 100}};
  forms::Line Line12{*this, "Line12", {.x1 = 30, .y1 = 100, .x2 = 30, .y2 = 140}};
  forms::Line Line13{*this, "Line13", {.x1 = 15, .y1 = 140, .x2 = 45, .y2 = 140}};
  forms::Line Line14{*this, "Line14", {.x1 = 15, .y1 = 150, .x2 = 45, .y2 = 150}};
  forms::Line Line15{*this, "Line15", {.x1 = 30, .y1 = 150, .x2 = 30, .y2 = 200}};
  forms::Line Line16{*this, "Line16", {.x1 = 110, .y1 = 100, .x2 = 110, .y2 = 125}};
  forms::Line Line17{*this, "Line17", {.x1 = 110, .y1 = 125, .x2 = 118, .y2 = 130}};
  forms::Line Line18{*this, "Line18", {.x1 = 118, .y1 = 130, .x2 = 102, .y2 = 140}};
  forms::Line Line19{*this, "Line19", {.x1 = 102, .y1 = 140, .x2 = 118, .y2 = 150}};
  forms::Line Line20{*this, "Line20", {.x1 = 118, .y1 = 150, .x2 = 102, .y2 = 160}};
  forms::Line Line21{*this, "Line21", {.x1 = 102, .y1 = 160, .x2 = 118, .y2 = 170}};
  forms::Line Line22{*this, "Line22", {.x1 = 118, .y1 = 170, .x2 = 110, .y2 = 175}};
  forms::Line Line23{*this, "Line23", {.x1 = 110, .y1 = 175, .x2 = 110, .y2 = 200}};
  forms::Line Line24{*this, "Line24", {.x1 = 30, .y1 = 200, .x2 = 60, .y2 = 200}};
  forms::Line Line25{*this, "Line25", {.x1 = 60, .y1 = 200, .x2 = 110, .y2 = 200}};
  forms::Line Line26{*this, "Line26", {.x1 = 60, .y1 = 200, .x2 = 60, .y2 = 215}};
  forms::Line Line27{*this, "Line27", {.x1 = 44, .y1 = 215, .x2 = 76, .y2 = 215}};
  forms::Line Line28{*this, "Line28", {.x1 = 50, .y1 = 221, .x2 = 70, .y2 = 221}};
  forms::Line Line29{*this, "Line29", {.x1 = 56, .y1 = 227, .x2 = 64, .y2 = 227}};
  forms::Line Line30{*this, "Line30", {.x1 = 150, .y1 = 90, .x2 = 235, .y2 = 90}};
  forms::Line Line31{*this, "Line31", {.x1 = 150, .y1 = 90, .x2 = 150, .y2 = 35}};
  forms::Line Line32{*this, "Line32", {.x1 = 150, .y1 = 90, .x2 = 175, .y2 = 50}};
  forms::Line Line33{*this, "Line33", {.x1 = 175, .y1 = 50, .x2 = 175, .y2 = 90}};
  forms::Line Line34{*this, "Line34", {.x1 = 175, .y1 = 90, .x2 = 200, .y2 = 50}};
  forms::Line Line35{*this, "Line35", {.x1 = 200, .y1 = 50, .x2 = 200, .y2 = 90}};
  forms::Line Line36{*this, "Line36", {.x1 = 200, .y1 = 90, .x2 = 225, .y2 = 50}};
  forms::Line Line37{*this, "Line37", {.x1 = 225, .y1 = 50, .x2 = 225, .y2 = 90}};
  forms::Line Line38{*this, "Line38", {.x1 = 145, .y1 = 50, .x2 = 155, .y2 = 50}};
  forms::Line Line39{*this, "Line39", {.x1 = 74, .y1 = 6, .x2 = 80, .y2 = 6}};
  forms::Line Line40{*this, "Line40", {.x1 = 77, .y1 = 3, .x2 = 77, .y2 = 9}};

  forms::Var fv{*this, "fv"};
  forms::Var fr{*this, "fr"};
  forms::Var fa{*this, "fa"};
  forms::Var fl{*this, "fl"};
  forms::Var fc{*this, "fc"};
  forms::Var ft{*this, "ft"};
  forms::Var ff{*this, "ff"};
  forms::Var te1{*this, "te1"};
  forms::Var tempvc{*this, "tempvc"};
  forms::Var temprc{*this, "temprc"};
  forms::Var tempac{*this, "tempac"};
  forms::Var templc{*this, "templc"};
  forms::Var temptc{*this, "temptc"}; // always milliseconds
  forms::Var tempcc{*this, "tempcc"};
  forms::Var tempdc{*this, "tempdc"};
  forms::Var tempv{*this, "tempv"};
  forms::Var tempr{*this, "tempr"};
  forms::Var tempa{*this, "tempa"};
  forms::Var templ{*this, "templ"};
  forms::Var tempt{*this, "tempt"};
  forms::Var tempc{*this, "tempc"};
  forms::Var tempd{*this, "tempd"};
  forms::Var cx1r{*this, "cx1r"};

  void Form_Load();
  void Form_Unload();
  void Form_KeyDown(int &KeyCode, int Shift);
  void Textv_GotFocus();
  void Textr_GotFocus();
  void Texta_GotFocus();
  void Textl_GotFocus();
  void Textt_GotFocus();
  void Textc_GotFocus();
  void Textf_GotFocus();
  void Textv_Change();
  void Textr_Change();
  void Texta_Change();
  void Textl_Change();
  void Textt_Change();
  void Textc_Change();
  void Textd_Change();
  void Textf_Change();
  void Checkv_Click();
  void Checkr_Click();
  void Checka_Click();
  void Checkl_Click();
  void Checkt_Click();
  void Checkf_Click();
  void Checkc_Click();
  void Checkd_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Timer1_Timer();

  void clear_all();
  void restart_timer();
  void freq_check();
  void time_check();
  void freq_to_time();
  void time_to_freq();

  enum class Kind { Volts, Ohms, Amps, Threshold, Time, Farads, Leakage, Frequency };

private:
  // One field with its given box and the variables the tick keeps for it.
  // The leakage field has no focus flag; the frequency keeps no base value
  // or figure between ticks.
  struct Quantity {
    Kind kind;
    forms::TextBox &field;
    forms::CheckBox &given;
    forms::Var *focus;
    forms::Var *base;
    forms::Var *figure;
    std::string_view cleared; // the text the field gets back when unticked
  };

  void focusInto(const forms::Var &flag);
  void changed(const Quantity &quantity);
  void givenClicked(const Quantity &quantity);
  void timeClicked(const Quantity &tested);
  void takeEntry(const Quantity &quantity);
  int tickSum() const;
  int solve(int sum, std::string &status);
  [[nodiscard]] std::optional<Value> timeConstantsToThreshold() const;
  void chargeThreshold();
  void writeCapacitanceCut(const Value &microfarads);
  void writeCapacitance(const Value &microfarads);
  void writeTime(const Value &milliseconds);
  void writeVolts(forms::TextBox &field, const Value &volts);
  void writeResistance(const Value &ohms);

  // In the order v, r, a, l, t, c, d, f, in which the tick visits them.
  std::array<Quantity, 8> quantities_{{
      {Kind::Volts, Textv, Checkv, &fv, &tempvc, &tempv, " Volts"},
      {Kind::Ohms, Textr, Checkr, &fr, &temprc, &tempr, " Ohms"},
      {Kind::Amps, Texta, Checka, &fa, &tempac, &tempa, " Amps"},
      {Kind::Threshold, Textl, Checkl, &fl, &templc, &templ, " Volts"},
      {Kind::Time, Textt, Checkt, &ft, &temptc, &tempt, " mSecs"},
      {Kind::Farads, Textc, Checkc, &fc, &tempcc, &tempc, " uFarad"},
      {Kind::Leakage, Textd, Checkd, nullptr, &tempdc, &tempd, " Ohms"},
      {Kind::Frequency, Textf, Checkf, &ff, nullptr, nullptr, " Hz"},
  }};
  const Quantity &volts_ = quantities_[0];
  const Quantity &ohms_ = quantities_[1];
  const Quantity &amps_ = quantities_[2];
  const Quantity &threshold_ = quantities_[3];
  const Quantity &time_ = quantities_[4];
  const Quantity &farads_ = quantities_[5];
  const Quantity &leakage_ = quantities_[6];
  const Quantity &frequency_ = quantities_[7];
  // The focus flags in the order the focus procedures set them.
  std::array<forms::Var *, 7> focusFlags_{{&fv, &fr, &fa, &fl, &fc, &ft, &ff}};
};

} // namespace vx
