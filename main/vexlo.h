// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main calculator: two operands, a result line and eight display lines,
// with the arithmetic, the running total, eight memories, the number base
// conversions, the resistor colour code and the electronics functions.
// Every other window comes back here with its "Calc" button.

#include "forms/form.h"

#include <array>

namespace vx {

class vexlo : public forms::Form {
public:
  explicit vexlo(forms::Registry &registry);

  forms::TextBox Text1{*this, "Text1", {.text = "", .toolTip = "Enter number"}};
  forms::TextBox Text2{
      *this,
      "Text2",
      {.text = "", .toolTip = "Enter number only if the calculation requires a second number"}};
  forms::Label answer{*this, "answer", {.caption = "Result", .toolTip = ""}};
  forms::Label Label1{*this, "Label1", {}};
  forms::Label Label2{*this, "Label2", {}};
  forms::Label Label3{*this, "Label3", {}};
  forms::Label Label4{*this, "Label4", {}};
  forms::Label Label5{*this, "Label5", {}};
  forms::Label Label6{*this, "Label6", {}};
  forms::Label Label7{*this, "Label7", {}};
  forms::Label Label8{*this, "Label8", {}};

  forms::Button Command1{*this, "Command1", {.caption = "X", .toolTip = "Times"}};
  forms::Button Command2{*this, "Command2", {.caption = "-", .toolTip = "Subtraction"}};
  forms::Button Command3{
      *this, "Command3", {.caption = "+", .toolTip = "Add (press enter to perform running total)"}};
  forms::Button Command4{*this, "Command4", {.caption = "/", .toolTip = "Divide"}};
  forms::Button Command5{
      *this,
      "Command5",
      {.caption = "sq/P", .toolTip = "Square or power if a power is entered in the second field "}};
  forms::Button Command6{
      *this,
      "Command6",
      {.caption = "roots",
       .toolTip = "Enter desired root in field 2 or leave blank for square root"}};
  forms::Button Command7{
      *this, "Command7", {.caption = "%", .toolTip = "Percentage / add percentage"}};
  forms::Button Command8{*this, "Command8", {.caption = "Pi  ", .toolTip = "The value of PI"}};
  forms::Button Command9{
      *this,
      "Command9",
      {.caption = "bits",
       .toolTip = "Shows the maximum number that the number of binary bits can represent "}};
  forms::Button Command10{
      *this,
      "Command10",
      {.caption = "d/0x", .toolTip = "Converts a decimal number to hexidecimal format"}};
  forms::Button Command11{
      *this,
      "Command11",
      {.caption = "R==", .toolTip = "Displays parallel resistor/series capacitors value "}};
  forms::Button Command12{
      *this,
      "Command12",
      {.caption = "bin/d",
       .toolTip = "Converts an 8 or 16 bit binary number to decimal, for 16 bits use the 1st & "
                  "2nd number boxes (8 bits per box)"}};
  forms::Button Command13{
      *this,
      "Command13",
      {.caption = "( )", .toolTip = "Copies the calculation result to 1st/2nd input field"}};
  forms::Button Command14{
      *this, "Command14", {.caption = "M?", .toolTip = "Display / Hide memory contents"}};
  forms::Button Command15{
      *this,
      "Command15",
      {.caption = "AVO", .toolTip = "Switches to Amps, Volts, Ohms and Watts calculator"}};
  forms::Button Command16{
      *this, "Command16", {.caption = "R p v", .toolTip = "Displays resistor preferred values"}};
  forms::Button Command17{
      *this, "Command17", {.caption = "RMS", .toolTip = "Displays RMS and Peak voltages"}};
  forms::Button Command18{
      *this, "Command18", {.caption = "F/M", .toolTip = "Displays wavelength and frequency "}};
  forms::Button Command20{*this,
                          "Command20",
                          {.caption = "Rcc",
                           .toolTip = "Displays resistor color code from value in 1st field "
                                      "(enter 5 in 2nd field for five colors)"}};
  forms::Button Command21{*this, "Command21", {.caption = "all/C", .toolTip = "Master clear"}};
  forms::Button Command22{
      *this, "Command22", {.caption = "M2", .toolTip = "Increments memory position"}};
  forms::Button Command23{
      *this, "Command23", {.caption = "M8", .toolTip = "Decrements memory position"}};
  forms::Button Command24{
      *this, "Command24", {.caption = "M1+", .toolTip = "Add result to current memory "}};
  forms::Button Command25{
      *this, "Command25", {.caption = "M1-", .toolTip = "Subtract result to current memory "}};
  forms::Button Command26{
      *this, "Command26", {.caption = "M1C", .toolTip = "Clear current memory "}};
  forms::Button Command27{
      *this,
      "Command27",
      {.caption = "M1R", .toolTip = "Transfer current memory  to input field 1 or 2"}};
  forms::Button Command28{
      *this,
      "Command28",
      {.caption = "d/bin", .toolTip = "Converts a decimal number to 8  or 16 bit binary format "}};
  forms::Button Command29{
      *this,
      "Command29",
      {.caption = "Port", .toolTip = "Switches to port state/led driver calculator"}};

  forms::Var caps{*this, "caps"};
  forms::Var percent{*this, "percent"};
  forms::Var memloc{*this, "memloc"};
  forms::Var memlocu{*this, "memlocu"};
  forms::Var memlocd{*this, "memlocd"};
  forms::Var memory_1{*this, "memory_1"};
  forms::Var memory_2{*this, "memory_2"};
  forms::Var memory_3{*this, "memory_3"};
  forms::Var memory_4{*this, "memory_4"};
  forms::Var memory_5{*this, "memory_5"};
  forms::Var memory_6{*this, "memory_6"};
  forms::Var memory_7{*this, "memory_7"};
  forms::Var memory_8{*this, "memory_8"};
  forms::Var memory_a{*this, "memory_a"};
  forms::Var pre1{*this, "pre1"};
  forms::Var tempa{*this, "tempa"};
  forms::Var tempb{*this, "tempb"};
  forms::Var tempj{*this, "tempj"};
  forms::Var tempr{*this, "tempr"};
  forms::Var tempx{*this, "tempx"};

  // Window events.
  void Form_Load();
  void Form_Activate();
  void Form_KeyDown(int &KeyCode, int Shift);
  void Text1_Change();
  void Text2_Change();

  // Arithmetic, copying the result, clearing, switching windows.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command13_Click();
  void Command15_Click();
  void Command21_Click();
  void Command29_Click();

  // Memories.
  void Command14_Click();
  void Command22_Click();
  void Command23_Click();
  void Command24_Click();
  void Command25_Click();
  void Command26_Click();
  void Command27_Click();

  // Number bases.
  void Command9_Click();
  void Command10_Click();
  void Command12_Click();
  void Command28_Click();

  // Resistor colour code.
  void Command20_Click();

  // Electronics and scientific functions.
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command11_Click();
  void Command16_Click();
  void Command16_LostFocus();
  void Command17_Click();
  void Command18_Click();

  // Named procedures.
  void input_a();
  void input_k();
  void input_i();
  void swap();
  void aclear();
  void mtclear();
  void mlclear();
  void update_m();
  void memv();
  void decb();
  void bdec();
  void color_name();

private:
  void wireEvents();
  // The operator keys: the same steps with a different operation.
  void keyOperation(Value (*operation)(const Value &, const Value &));
  [[nodiscard]] forms::Var &memory(int position);
  [[nodiscard]] forms::Label &displayLine(int line);
  // The register in the memory display form, e.g. "12.5 M3".
  [[nodiscard]] std::string memoryLine(int position);
  // The current memory position, or 0 when it is none of 1 to 8.
  [[nodiscard]] int currentPosition() const;

  std::array<forms::Var *, 8> memories_{&memory_1, &memory_2, &memory_3, &memory_4,
                                        &memory_5, &memory_6, &memory_7, &memory_8};
  std::array<forms::Label *, 8> displayLines_{&Label1, &Label2, &Label3, &Label4,
                                              &Label5, &Label6, &Label7, &Label8};
};

} // namespace vx
