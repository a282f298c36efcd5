// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The LED driver window: which value of an 8-bit port lights a
// seven-segment digit whose segments are wired to the pins in any order,
// for LEDs driven through pull-up or pull-down wiring, with a row of small
// digits that collects the characters composed on the big one.

#include "forms/form.h"
#include "forms/registry.h"

#include <array>

namespace vx {

class port6 : public forms::Form {
public:
  explicit port6(forms::Registry &registry);

  using TextBox = forms::TextBox;
  using Label = forms::Label;
  using Button = forms::Button;
  using Image = forms::Image;
  using Var = forms::Var;

  static constexpr const char *pinTip = "Click to change port state ";
  static constexpr const char *pinTipTop = "Click to change port state  ";
  static constexpr const char *noteTip = "You may enter pin assignment info here if required";
  static constexpr const char *letterTip =
      "Enter the LED segment  that this pin is connected to (a - h) ";
  // The first line of the segment assignment warning; its presence in
  // Text11 is how the window knows the warning is showing.
  static constexpr const char *warningMark = "Check segment assignments";

  // The value box comes first so that it holds the focus at opening.
  TextBox Text9{*this, "Text9", {.text = "0", .toolTip = "Enter decimal number for the port "}};
  TextBox Text27{*this,
                 "Text27",
                 {.text = "",
                  .toolTip = "Enter desired led display digit. Note decimal point must be manualy "
                             "entered and will not be displayed on the multi digit display"}};

  // Pin states, pin 0 first.
  TextBox Text1{*this, "Text1", pin(pinTip)};
  TextBox Text2{*this, "Text2", pin(pinTip)};
  TextBox Text3{*this, "Text3", pin(pinTip)};
  TextBox Text4{*this, "Text4", pin(pinTip)};
  TextBox Text5{*this, "Text5", pin(pinTip)};
  TextBox Text6{*this, "Text6", pin(pinTip)};
  TextBox Text7{*this, "Text7", pin(pinTipTop)};
  TextBox Text8{*this, "Text8", pin(pinTipTop)};

  // The segment letter each pin drives.
  TextBox Text18{*this, "Text18", {.text = "", .toolTip = letterTip}};
  TextBox Text19{*this, "Text19", {.text = "", .toolTip = letterTip}};
  TextBox Text20{*this, "Text20", {.text = "", .toolTip = letterTip}};
  TextBox Text21{*this, "Text21", {.text = "", .toolTip = letterTip}};
  TextBox Text22{*this, "Text22", {.text = "", .toolTip = letterTip}};
  TextBox Text23{*this, "Text23", {.text = "", .toolTip = letterTip}};
  TextBox Text24{*this, "Text24", {.text = "", .toolTip = letterTip}};
  TextBox Text25{*this, "Text25", {.text = "", .toolTip = letterTip}};

  // Free notes beside the pins, also borrowed for the warning and Info.
  TextBox Text10{*this, "Text10", {.text = "", .toolTip = noteTip}};
  TextBox Text11{*this, "Text11", {.text = "", .toolTip = noteTip}};
  TextBox Text12{*this, "Text12", {.text = "", .toolTip = noteTip}};
  TextBox Text13{*this, "Text13", {.text = "", .toolTip = noteTip}};
  TextBox Text14{*this, "Text14", {.text = "", .toolTip = noteTip}};
  TextBox Text15{*this, "Text15", {.text = "", .toolTip = noteTip}};
  TextBox Text16{*this, "Text16", {.text = "", .toolTip = noteTip}};
  TextBox Text17{*this, "Text17", {.text = "", .toolTip = noteTip}};

  Label Label1{*this, "Label1", {.caption = "0", .toolTip = ""}};
  Label Label2{*this, "Label2", {.caption = "1", .toolTip = ""}};
  Label Label3{*this, "Label3", {.caption = "2", .toolTip = ""}};
  Label Label4{*this, "Label4", {.caption = "3", .toolTip = ""}};
  Label Label5{*this, "Label5", {.caption = "4", .toolTip = ""}};
  Label Label6{*this, "Label6", {.caption = "5", .toolTip = ""}};
  Label Label7{*this, "Label7", {.caption = "6", .toolTip = ""}};
  Label Label8{*this, "Label8", {.caption = "7", .toolTip = ""}};

  Label Label_de{
      *this,
      "Label_de",
      {.caption = "255", .toolTip = "Decimal value displayed for port used in pulldown mode"}};
  Label Label10{
      *this,
      "Label10",
      {.caption = "Dec", .toolTip = "Decimal value displayed for port used in pullup mode"}};
  Label Label14{
      *this,
      "Label14",
      {.caption = "/dec", .toolTip = "Decimal value displayed for port used in pulldown mode"}};

  // Segment toggles a to h.
  Button Command5{
      *this, "Command5", {.caption = "", .toolTip = "Toggles  segment (a) on the display "}};
  Button Command6{
      *this, "Command6", {.caption = "", .toolTip = "Toggles  segment (b) on the display"}};
  Button Command7{
      *this, "Command7", {.caption = "", .toolTip = "Toggles  segment (c) on the display"}};
  Button Command8{
      *this, "Command8", {.caption = "", .toolTip = "Toggles segment (d) on the display"}};
  Button Command9{
      *this, "Command9", {.caption = "", .toolTip = "Toggles segment (e) on the display"}};
  Button Command10{
      *this, "Command10", {.caption = "", .toolTip = "Toggles segment (f) on the display"}};
  Button Command11{
      *this, "Command11", {.caption = "", .toolTip = "Toggles segment (g) on the display"}};
  Button Command12{
      *this, "Command12", {.caption = "", .toolTip = "Toggles segment (h) on the display"}};

  Button Command14{*this,
                   "Command14",
                   {.caption = "pullup", .toolTip = "Toggles from led pullup to pulldown mode"}};
  Button Command4{
      *this,
      "Command4",
      {.caption = "add", .toolTip = "Add the led character to the multi digit display"}};
  Button Command3{
      *this,
      "Command3",
      {.caption = "c", .toolTip = "Clear the last led character in the multi digit display"}};
  Button Command2{*this, "Command2", {.caption = "Clear", .toolTip = "Clears form "}};
  Button Command13{*this, "Command13", {.caption = "Info", .toolTip = "Display info"}};
  Button Command1{*this, "Command1", {.caption = "Calc", .toolTip = "Go back to the calculator"}};

  // The big digit and its decimal point.
  Image Image1{*this, "Image1", {.picture = ""}};
  Image Image2{*this, "Image2", {.picture = ""}};
  // The multi-digit display: two hidden places, then sixteen left to right.
  Image Image21{*this, "Image21", {.picture = "", .visible = false}};
  Image Image22{*this, "Image22", {.picture = "", .visible = false}};
  Image Image3{*this, "Image3", {.picture = ""}};
  Image Image4{*this, "Image4", {.picture = ""}};
  Image Image5{*this, "Image5", {.picture = ""}};
  Image Image6{*this, "Image6", {.picture = ""}};
  Image Image7{*this, "Image7", {.picture = ""}};
  Image Image8{*this, "Image8", {.picture = ""}};
  Image Image9{*this, "Image9", {.picture = ""}};
  Image Image10{*this, "Image10", {.picture = ""}};
  Image Image11{*this, "Image11", {.picture = ""}};
  Image Image12{*this, "Image12", {.picture = ""}};
  Image Image13{*this, "Image13", {.picture = ""}};
  Image Image14{*this, "Image14", {.picture = ""}};
  Image Image15{*this, "Image15", {.picture = ""}};
  Image Image16{*this, "Image16", {.picture = ""}};
  Image Image17{*this, "Image17", {.picture = ""}};
  Image Image18{*this, "Image18", {.picture = ""}};

  Var cx1r{*this, "cx1r"};
  Var ptempa{*this, "ptempa"};
  Var ptempb{*this, "ptempb"};
  Var ptempf{*this, "ptempf"};
  Var ptempart{*this, "ptempart"};
  Var t1{*this, "t1"};
  Var t2{*this, "t2"};
  Var t3{*this, "t3"};
  Var t4{*this, "t4"};
  Var t5{*this, "t5"};
  Var t6{*this, "t6"};
  Var t7{*this, "t7"};
  Var t8{*this, "t8"};
  Var ptempc{*this, "ptempc"};
  Var ptempv{*this, "ptempv"};
  Var ptempw{*this, "ptempw"};
  Var updn{*this, "updn"};
  Var dp{*this, "dp"};
  Var s1{*this, "s1"};
  Var s2{*this, "s2"};
  Var s3{*this, "s3"};
  Var s4{*this, "s4"};
  Var s5{*this, "s5"};
  Var s6{*this, "s6"};
  Var s7{*this, "s7"};
  Var s8{*this, "s8"};
  Var s9{*this, "s9"};
  Var s10{*this, "s10"};
  Var s11{*this, "s11"};
  Var s12{*this, "s12"};
  Var s13{*this, "s13"};
  Var s14{*this, "s14"};
  Var s15{*this, "s15"};
  Var s16{*this, "s16"};
  Var s17{*this, "s17"};
  Var s18{*this, "s18"};
  Var li{*this, "li"};
  Var lj{*this, "lj"};
  Var lk{*this, "lk"};
  Var ll{*this, "ll"};
  Var lm{*this, "lm"};
  Var ln{*this, "ln"};
  Var lo{*this, "lo"};
  Var lp{*this, "lp"};
  Var inf{*this, "inf"};
  // Never assigned: the notes come back as soon as the warning shows, with
  // no half-second hold-off.
  Var durt{*this, "durt"};

  // Window life.
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void Command2_Click();
  void defaultsegs();
  void resetall();

  // Pins and the port value.
  void Text1_Click() { toggle_pin(0); }
  void Text2_Click() { toggle_pin(1); }
  void Text3_Click() { toggle_pin(2); }
  void Text4_Click() { toggle_pin(3); }
  void Text5_Click() { toggle_pin(4); }
  void Text6_Click() { toggle_pin(5); }
  void Text7_Click() { toggle_pin(6); }
  void Text8_Click() { toggle_pin(7); }
  void Text9_Change();
  void calk();
  void decbin();
  void outp();
  void chq();

  // Notes, the warning and the information message.
  void Command13_Click();
  void savenotes();
  void restorenotes();
  void clearnotes();

  // Characters and segments.
  void Text27_KeyDown(int &keyCode, int shift);
  void Command5_Click() { toggle_segment(0); }
  void Command6_Click() { toggle_segment(1); }
  void Command7_Click() { toggle_segment(2); }
  void Command8_Click() { toggle_segment(3); }
  void Command9_Click() { toggle_segment(4); }
  void Command10_Click() { toggle_segment(5); }
  void Command11_Click() { toggle_segment(6); }
  void Command12_Click() { toggle_segment(7); }
  void Command14_Click();
  void lookup();
  void transpose();
  void db();
  void bbb();
  void add();
  void led();
  void times();
  void ldigit();

  // The multi-digit display.
  void Command3_Click();
  void Command4_Click();
  void store();
  void unstore();
  // Place K of the row is Image_Click(K), K = 3 to 18.
  void Image_Click(int place);

  // The lines "Info" shows in Text10 to Text16.
  static const std::array<const char *, 7> infoLines;
  // The warning's lines for Text11 to Text16.
  static const std::array<const char *, 6> warningLines;

  // Row by row, pin 0 first.
  const std::array<TextBox *, 8> pins{&Text1, &Text2, &Text3, &Text4,
                                      &Text5, &Text6, &Text7, &Text8};
  const std::array<TextBox *, 8> letters{&Text18, &Text19, &Text20, &Text21,
                                         &Text22, &Text23, &Text24, &Text25};
  const std::array<TextBox *, 8> notes{&Text10, &Text11, &Text12, &Text13,
                                       &Text14, &Text15, &Text16, &Text17};
  // Segments a to h.
  const std::array<Var *, 8> segmentStates{&t1, &t2, &t3, &t4, &t5, &t6, &t7, &t8};
  const std::array<Button *, 8> segmentButtons{&Command5, &Command6,  &Command7,  &Command8,
                                               &Command9, &Command10, &Command11, &Command12};
  // Places 1 to 18 of the multi-digit display, oldest first.
  const std::array<Image *, 18> places{&Image21, &Image22, &Image3,  &Image4,  &Image5,  &Image6,
                                       &Image7,  &Image8,  &Image9,  &Image10, &Image11, &Image12,
                                       &Image13, &Image14, &Image15, &Image16, &Image17, &Image18};
  const std::array<Var *, 18> placeTexts{&s1,  &s2,  &s3,  &s4,  &s5,  &s6,  &s7,  &s8,  &s9,
                                         &s10, &s11, &s12, &s13, &s14, &s15, &s16, &s17, &s18};

private:
  static TextBox::Design pin(const char *toolTip) {
    // No length limit: a negative port value writes -1 into a pin.
    return {.text = "0", .toolTip = toolTip, .centred = true, .locked = true};
  }

  void wire();
  void toggle_pin(int pin);
  void toggle_segment(int segment);
  // "add" and Enter in the character box.
  void store_character();
  [[nodiscard]] bool showingWarning() const;
  [[nodiscard]] bool showingInfo() const;

  const std::array<Var *, 8> saved_{&li, &lj, &lk, &ll, &lm, &ln, &lo, &lp};
};

} // namespace vx
