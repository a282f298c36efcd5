// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The port state window: the pins of an 8- or 16-bit port, its value in
// decimal and hexadecimal, and the complement a pull-down reading gives.

#include "forms/form.h"
#include "forms/registry.h"

#include <array>

namespace vx {

class port66 : public forms::Form {
public:
  explicit port66(forms::Registry &registry);

  using TextBox = forms::TextBox;
  using Label = forms::Label;
  using Button = forms::Button;

  static constexpr const char *pinTip = "Click to change port state ";
  static constexpr const char *pinTipTopRow = "Click to change port state  ";
  static constexpr const char *noteTip = "Enter port assignments here for ease of use";

  // Pin k of the lower byte is bit k; upper pin k + 8 is bit k + 8.
  TextBox Text1{*this, "Text1", pin(pinTip, true)};
  TextBox Text2{*this, "Text2", pin(pinTip, true)};
  TextBox Text3{*this, "Text3", pin(pinTip, true)};
  TextBox Text4{*this, "Text4", pin(pinTip, true)};
  TextBox Text5{*this, "Text5", pin(pinTip, true)};
  TextBox Text6{*this, "Text6", pin(pinTip, true)};
  TextBox Text7{*this, "Text7", pin(pinTipTopRow, true)};
  TextBox Text8{*this, "Text8", pin(pinTipTopRow, true)};
  TextBox Text21{*this, "Text21", pin(pinTip, false)};
  TextBox Text22{*this, "Text22", pin(pinTip, false)};
  TextBox Text23{*this, "Text23", pin(pinTip, false)};
  TextBox Text24{*this, "Text24", pin(pinTip, false)};
  TextBox Text25{*this, "Text25", pin(pinTip, false)};
  TextBox Text26{*this, "Text26", pin(pinTip, false)};
  TextBox Text27{*this, "Text27", pin(pinTipTopRow, false)};
  TextBox Text28{*this, "Text28", pin(pinTipTopRow, false)};

  TextBox Text9{
      *this,
      "Text9",
      {.text = "0",
       .toolTip = "Enter decimal number up to 255 for 8 bits or  > 255  to display 16 bits"}};

  TextBox Text10{*this, "Text10", note()};
  TextBox Text11{*this, "Text11", note()};
  TextBox Text12{*this, "Text12", note()};
  TextBox Text13{*this, "Text13", note()};
  TextBox Text14{*this, "Text14", note()};
  TextBox Text15{*this, "Text15", note()};
  TextBox Text16{*this, "Text16", note()};
  TextBox Text17{*this, "Text17", note()};

  Label Label1{*this, "Label1", {.caption = "0", .toolTip = ""}};
  Label Label2{*this, "Label2", {.caption = "1", .toolTip = ""}};
  Label Label3{*this, "Label3", {.caption = "2", .toolTip = ""}};
  Label Label4{*this, "Label4", {.caption = "3", .toolTip = ""}};
  Label Label5{*this, "Label5", {.caption = "4", .toolTip = ""}};
  Label Label6{*this, "Label6", {.caption = "5", .toolTip = ""}};
  Label Label7{*this, "Label7", {.caption = "6", .toolTip = ""}};
  Label Label8{*this, "Label8", {.caption = "7", .toolTip = ""}};
  Label Label21{*this, "Label21", {.caption = "8", .toolTip = "", .visible = false}};
  Label Label22{*this, "Label22", {.caption = "9", .toolTip = "", .visible = false}};
  Label Label23{*this, "Label23", {.caption = "A", .toolTip = "", .visible = false}};
  Label Label24{*this, "Label24", {.caption = "B", .toolTip = "", .visible = false}};
  Label Label25{*this, "Label25", {.caption = "C", .toolTip = "", .visible = false}};
  Label Label26{*this, "Label26", {.caption = "D", .toolTip = "", .visible = false}};
  Label Label27{*this, "Label27", {.caption = "E", .toolTip = "", .visible = false}};
  Label Label28{*this, "Label28", {.caption = "F", .toolTip = "", .visible = false}};

  Label Label_hex{*this,
                  "Label_hex",
                  {.caption = "0", .toolTip = "Hex value displayed for port used in pullup mode"}};
  Label Label_he{
      *this,
      "Label_he",
      {.caption = "FF", .toolTip = "Hex value displayed for port used in pulldown mode"}};
  Label Label_de{
      *this,
      "Label_de",
      {.caption = "255", .toolTip = "Decimal value displayed for port used in pulldown mode"}};
  Label Label9{*this,
               "Label9",
               {.caption = "hex", .toolTip = "Hex value displayed for port used in pullup mode"}};
  Label Label10{
      *this,
      "Label10",
      {.caption = "Dec", .toolTip = "Decimal value displayed for port used in pullup mode"}};
  Label Label13{
      *this,
      "Label13",
      {.caption = "/hex", .toolTip = "Hex value displayed for port used in pulldown mode"}};
  Label Label14{
      *this,
      "Label14",
      {.caption = "/dec", .toolTip = "Decimal value displayed for port used in pulldown mode"}};
  Label Label11{*this, "Label11", {.caption = "Select", .toolTip = ""}};

  forms::CheckBox Check1{*this, "Check1", {.caption = "16 Bit", .value = 0}};

  Button Command5{*this, "Command5", {.caption = "T", .toolTip = "Toggles lower 8 bits"}};
  Button Command6{
      *this, "Command6", {.caption = "T", .toolTip = "Toggles upper 8 bits", .visible = false}};
  Button Command2{*this, "Command2", {.caption = "Clear", .toolTip = "Master Clear"}};
  Button Command13{*this, "Command13", {.caption = "Info", .toolTip = "Display info"}};
  Button Command1{*this, "Command1", {.caption = "Calc", .toolTip = "Go back to the Calculator"}};
  Button Command3{
      *this, "Command3", {.caption = "Led", .toolTip = "Switches to led driver calculator"}};
  Button Command4{
      *this,
      "Command4",
      {.caption = "AVO", .toolTip = "Switches to Amps, Volts, Ohms and Watts calculator"}};
  Button Command7{*this, "Command7", {.caption = "C T", .toolTip = ""}};

  forms::Var cx1r{*this, "cx1r"};
  forms::Var li{*this, "li"};
  forms::Var lj{*this, "lj"};
  forms::Var lk{*this, "lk"};
  forms::Var ll{*this, "ll"};
  forms::Var lm{*this, "lm"};
  forms::Var ln{*this, "ln"};
  forms::Var lo{*this, "lo"};
  forms::Var lp{*this, "lp"};
  forms::Var inf{*this, "inf"};

  // Every pin flips on a click and on any key pressed in it.
  void Text1_Click() { toggle_pin(Text1); }
  void Text2_Click() { toggle_pin(Text2); }
  void Text3_Click() { toggle_pin(Text3); }
  void Text4_Click() { toggle_pin(Text4); }
  void Text5_Click() { toggle_pin(Text5); }
  void Text6_Click() { toggle_pin(Text6); }
  void Text7_Click() { toggle_pin(Text7); }
  void Text8_Click() { toggle_pin(Text8); }
  void Text21_Click() { toggle_pin(Text21); }
  void Text22_Click() { toggle_pin(Text22); }
  void Text23_Click() { toggle_pin(Text23); }
  void Text24_Click() { toggle_pin(Text24); }
  void Text25_Click() { toggle_pin(Text25); }
  void Text26_Click() { toggle_pin(Text26); }
  void Text27_Click() { toggle_pin(Text27); }
  void Text28_Click() { toggle_pin(Text28); }
  void Text1_KeyPress(int & /*keyAscii*/) { toggle_pin(Text1); }
  void Text2_KeyPress(int & /*keyAscii*/) { toggle_pin(Text2); }
  void Text3_KeyPress(int & /*keyAscii*/) { toggle_pin(Text3); }
  void Text4_KeyPress(int & /*keyAscii*/) { toggle_pin(Text4); }
  void Text5_KeyPress(int & /*keyAscii*/) { toggle_pin(Text5); }
  void Text6_KeyPress(int & /*keyAscii*/) { toggle_pin(Text6); }
  void Text7_KeyPress(int & /*keyAscii*/) { toggle_pin(Text7); }
  void Text8_KeyPress(int & /*keyAscii*/) { toggle_pin(Text8); }
  void Text21_KeyPress(int & /*keyAscii*/) { toggle_pin(Text21); }
  void Text22_KeyPress(int & /*keyAscii*/) { toggle_pin(Text22); }
  void Text23_KeyPress(int & /*keyAscii*/) { toggle_pin(Text23); }
  void Text24_KeyPress(int & /*keyAscii*/) { toggle_pin(Text24); }
  void Text25_KeyPress(int & /*keyAscii*/) { toggle_pin(Text25); }
  void Text26_KeyPress(int & /*keyAscii*/) { toggle_pin(Text26); }
  void Text27_KeyPress(int & /*keyAscii*/) { toggle_pin(Text27); }
  void Text28_KeyPress(int & /*keyAscii*/) { toggle_pin(Text28); }

  void Text9_Change();
  void Check1_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command13_Click();
  void Form_Unload();

  void calk();
  void decbin();
  void show_readings();
  void save_assign();
  void restore_assign();

  // The lines "Info" puts into the note fields Text10 to Text16.
  static const std::array<const char *, 7> infoLines;

private:
  using Byte = std::array<TextBox *, 8>;

  static TextBox::Design pin(const char *toolTip, bool visible) {
    return {.text = "0",
            .toolTip = toolTip,
            .visible = visible,
            .centred = true,
            .maxLength = 1,
            .locked = true};
  }
  static TextBox::Design note() { return {.text = "", .toolTip = noteTip, .borderless = true}; }

  void wirePins();
  void toggle_pin(TextBox &pin);
  // Eight bits of the value, lowest first, into the pins of one byte.
  static void take_bits(Value value, const Byte &pins);
  // Fills the byte when its first pin is 0, empties it otherwise.
  void toggle_byte(const Byte &pins);
  void show_upper(bool visible);
  // Leaves by the switch buttons show the next window, then close this one.
  void switch_to(const char *window);

  const Byte lower_{&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8};
  const Byte upper_{&Text21, &Text22, &Text23, &Text24, &Text25, &Text26, &Text27, &Text28};
  const std::array<Label *, 8> upperLabels_{&Label21, &Label22, &Label23, &Label24,
                                            &Label25, &Label26, &Label27, &Label28};
  const std::array<TextBox *, 8> notes_{&Text10, &Text11, &Text12, &Text13,
                                        &Text14, &Text15, &Text16, &Text17};
  const std::array<forms::Var *, 8> saved_{&li, &lj, &lk, &ll, &lm, &ln, &lo, &lp};
};

} // namespace vx
