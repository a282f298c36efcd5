// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessible_names.h"

#include <QStringList>
#include <QWidget>

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace vx::ui {

namespace {

using Table = std::map<std::string, QString, std::less<>>;

// The buttons that move between windows read alike everywhere.
const char *const backToCalculator = "Back to calculator";
const char *const toOhmsLaw = "Switch to Ohm's law calculator";
const char *const toPortState = "Switch to port state calculator";
const char *const toLedDriver = "Switch to LED driver calculator";
const char *const toCapacitorCharge = "Switch to capacitor charge calculator";

// Row labels counted from `first`: pins 0 to 7, the upper byte 8 to F.
QStringList rowLabels(int first, int count, int base = 10) {
  QStringList labels;
  for (int row = first; row < first + count; ++row) {
    labels << QString::number(row, base).toUpper();
  }
  return labels;
}

// Controls prefix+first, prefix+first+1, ... one per row, each named by
// the pattern filled with its row's label.
void addRows(Table &table, std::string_view prefix, int first, const QStringList &rows,
             const QString &pattern) {
  for (int row = 0; row < rows.size(); ++row) {
    table.emplace(std::string(prefix) + std::to_string(first + row), pattern.arg(rows.at(row)));
  }
}

// A solver window's field and the check box that marks it given share
// the quantity's letter.
void addQuantities(Table &table,
                   std::initializer_list<std::pair<const char *, const char *>> quantities) {
  for (const auto &[letter, name] : quantities) {
    table.emplace(std::string("Text") + letter, name);
    table.emplace(std::string("Check") + letter, QString(name) + " given");
  }
}

Table vexloNames() {
  Table names{{"Text1", "First number"},
              {"Text2", "Second number"},
              {"answer", "Result"},
              {"Command1", "Multiply"},
              {"Command2", "Subtract"},
              {"Command3", "Add"},
              {"Command4", "Divide"},
              {"Command5", "Square or power"},
              {"Command6", "Root"},
              {"Command7", "Percentage"},
              {"Command8", "Pi"},
              {"Command9", "Largest number for bits"},
              {"Command10", "Decimal to hexadecimal"},
              {"Command11", "Parallel resistors or series capacitors"},
              {"Command12", "Binary to decimal"},
              {"Command13", "Swap results into fields"},
              {"Command14", "Show or hide memories"},
              {"Command15", toOhmsLaw},
              {"Command16", "Resistor preferred values"},
              {"Command17", "RMS and peak voltage"},
              {"Command18", "Wavelength and frequency"},
              {"Command20", "Resistor colour code"},
              {"Command21", "Master clear"},
              {"Command22", "Next memory"},
              {"Command23", "Previous memory"},
              {"Command24", "Add result to memory"},
              {"Command25", "Subtract result from memory"},
              {"Command26", "Clear memory"},
              {"Command27", "Recall memory"},
              {"Command28", "Decimal to binary"},
              {"Command29", toPortState}};
  addRows(names, "Label", 1, rowLabels(1, 8), "Display line %1");
  return names;
}

Table wavo6Names() {
  Table names{{"Command1", backToCalculator},
              {"Command2", toLedDriver},
              {"Command3", toPortState},
              {"Command5", toCapacitorCharge}};
  addQuantities(names, {{"v", "Volts"}, {"r", "Ohms"}, {"a", "Amps"}, {"w", "Watts"}});
  return names;
}

Table ct6Names() {
  Table names{{"Label1", "Computation status"}, {"Label2", "Waveform volts axis"},
              {"Command1", backToCalculator},   {"Command2", toLedDriver},
              {"Command3", toPortState},        {"Command5", toOhmsLaw}};
  addQuantities(names, {{"v", "Source volts"},
                        {"r", "Series resistance"},
                        {"l", "Threshold volts"},
                        {"t", "Charge time"},
                        {"c", "Capacitance"},
                        {"a", "Source current"},
                        {"d", "Leakage resistance"},
                        {"f", "Frequency"}});
  return names;
}

Table port66Names() {
  Table names{{"Text9", "Port value"},
              {"Label_hex", "Hex value"},
              {"Label_he", "Pull-down hex value"},
              {"Label_de", "Pull-down decimal value"},
              {"Label9", "Hex value heading"},
              {"Label10", "Port value heading"},
              {"Label13", "Pull-down hex value heading"},
              {"Label14", "Pull-down decimal value heading"},
              {"Label11", "Port width heading"},
              {"Check1", "16 bit port"},
              {"Command5", "Toggle pins 0 to 7"},
              {"Command6", "Toggle pins 8 to F"},
              {"Command13", "Show or hide information"},
              {"Command1", backToCalculator},
              {"Command3", toLedDriver},
              {"Command4", toOhmsLaw},
              {"Command7", toCapacitorCharge}};
  const QStringList lower = rowLabels(0, 8, 16);
  const QStringList upper = rowLabels(8, 8, 16);
  addRows(names, "Text", 1, lower, "Pin %1");
  addRows(names, "Text", 21, upper, "Pin %1");
  addRows(names, "Text", 10, lower, "Note for pin %1");
  addRows(names, "Label", 1, lower, "Pin number %1");
  addRows(names, "Label", 21, upper, "Pin number %1");
  return names;
}

Table port6Names() {
  Table names{{"Text9", "Port value"},
              {"Text27", "Character to show"},
              {"Label_de", "Pull-down port value"},
              {"Label10", "Port value heading"},
              {"Label14", "Pull-down port value heading"},
              {"Command14", "Pull-up or pull-down mode"},
              {"Command4", "Add character to display row"},
              {"Command3", "Remove last character from display row"},
              {"Command13", "Show or hide information"},
              {"Command1", backToCalculator},
              {"Image1", "Digit"},
              {"Image2", "Decimal point"},
              {"Image21", "Hidden place 1"},
              {"Image22", "Hidden place 2"}};
  const QStringList pins = rowLabels(0, 8);
  addRows(names, "Text", 1, pins, "Pin %1");
  addRows(names, "Text", 18, pins, "Segment letter for pin %1");
  addRows(names, "Text", 10, pins, "Note for pin %1");
  addRows(names, "Label", 1, pins, "Pin number %1");
  addRows(names, "Command", 5, {"a", "b", "c", "d", "e", "f", "g", "h"}, "Segment %1");
  addRows(names, "Image", 3, rowLabels(1, 16), "Place %1");
  return names;
}

// Each window's table is made when that window is first shown, not at
// start-up.
template <Table (*make)()> const Table &cached() {
  static const Table table = make();
  return table;
}

const Table *tableFor(std::string_view formName) {
  if (formName == "vexlo") {
    return &cached<vexloNames>();
  }
  if (formName == "wavo6") {
    return &cached<wavo6Names>();
  }
  if (formName == "ct6") {
    return &cached<ct6Names>();
  }
  if (formName == "port66") {
    return &cached<port66Names>();
  }
  if (formName == "port6") {
    return &cached<port6Names>();
  }
  return nullptr;
}

// A caption that already says what the control does ("Clear") names it;
// the design name is the last resort, so no control goes unnamed.
QString fallbackName(const forms::Control &control) {
  std::string caption;
  if (const auto *button = forms::as<forms::Button>(&control)) {
    caption = button->caption();
  } else if (const auto *check = forms::as<forms::CheckBox>(&control)) {
    caption = check->caption();
  }
  const QString name = QString::fromStdString(caption).simplified();
  return name.isEmpty() ? QString::fromStdString(control.name()) : name;
}

// Where each window writes its results: the main window's fields take
// the operator keys' results too.
bool isResultOf(std::string_view formName, std::string_view controlName) {
  static const std::map<std::string_view, std::set<std::string_view>> results{
      {"vexlo",
       {"Text1", "Text2", "answer", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
        "Label7", "Label8"}},
      {"wavo6", {"Textv", "Textr", "Texta", "Textw"}},
      {"ct6", {"Textv", "Textr", "Textl", "Textt", "Textc", "Texta", "Textd", "Textf", "Label1"}},
      {"port66", {"Text9", "Label_hex", "Label_he", "Label_de"}},
      {"port6", {"Text9", "Label_de"}},
  };
  const auto found = results.find(formName);
  return found != results.end() && found->second.count(controlName) != 0;
}

} // namespace

bool showsResult(const forms::Form &form, const forms::Control &control) {
  return isResultOf(form.name(), control.name());
}

QString spokenResult(const QString &name, const QString &shown) {
  QString value = shown.simplified();
  if (value.isEmpty()) {
    return name;
  }
  if (value.contains(name, Qt::CaseInsensitive)) {
    return value;
  }
  return name + QLatin1Char(' ') + value;
}

QString accessibleName(const forms::Form &form, const forms::Control &control) {
  if (const Table *names = tableFor(form.name())) {
    const auto found = names->find(control.name());
    if (found != names->end()) {
      return found->second;
    }
  }
  return fallbackName(control);
}

void makeAccessible(QWidget &widget, const forms::Form &form, const forms::Control &control) {
  widget.setAccessibleName(accessibleName(form, control));
  if (const auto *image = forms::as<forms::Image>(&control); image != nullptr && image->onClick) {
    // Tab only: a mouse click on a picture leaves the focus where it was.
    widget.setFocusPolicy(Qt::TabFocus);
  }
}

} // namespace vx::ui
