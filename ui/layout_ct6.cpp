// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitor charge window: the schematic in the middle, the source,
// resistor and capacitor fields to its left beside those parts, the
// threshold, time and frequency beside the sawtooth and the leakage beside
// its resistor to its right, each field with its given box; the status
// under the fields and the buttons in a row below.

#include "ui/layouts.h"
#include "ui/schematic_widget.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <initializer_list>
#include <string>

namespace vx::ui {

namespace {

// The drawing's height is shared by four bands of fields, top to bottom:
// source, resistor and node, capacitor and leakage, ground.
constexpr int bands = 4;

// The fields of one band, one under another, each with its box beside it.
QVBoxLayout *band(FormView &view, std::initializer_list<const char *> letters) {
  auto *column = new QVBoxLayout;
  column->addStretch();
  for (const char *letter : letters) {
    QWidget *field = view.widget(std::string("Text") + letter);
    shapeResultField(field);
    auto *row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(view.widget(std::string("Check") + letter));
    column->addLayout(row);
  }
  column->addStretch();
  return column;
}

} // namespace

void layoutCt6(FormView &view) {
  auto *outer = new QVBoxLayout(&view);
  auto *grid = new QGridLayout;
  grid->setColumnStretch(1, 1);

  grid->addLayout(band(view, {"v", "a"}), 0, 0);
  grid->addLayout(band(view, {"r"}), 1, 0);
  grid->addLayout(band(view, {"c"}), 2, 0);
  QWidget *status = view.widget("Label1");
  status->setFont(fixedPitchFont());
  grid->addWidget(status, 3, 0, Qt::AlignLeft | Qt::AlignVCenter);

  grid->addWidget(new SchematicWidget(view.lines(), &view), 0, 1, bands, 1);

  // The volts axis of the sawtooth, with the threshold level beside it.
  auto *level = new QHBoxLayout;
  level->addWidget(view.widget("Label2"));
  level->addLayout(band(view, {"l"}), 1);
  grid->addLayout(level, 0, 2);
  grid->addLayout(band(view, {"t", "f"}), 1, 2);
  grid->addLayout(band(view, {"d"}), 2, 2);
  for (int row = 0; row < bands; ++row) {
    grid->setRowStretch(row, 1);
  }
  outer->addLayout(grid, 1);

  auto *buttons = new QHBoxLayout;
  for (const char *name : {"Command4", "Command2", "Command1", "Command3", "Command5"}) {
    buttons->addWidget(view.widget(name));
  }
  outer->addLayout(buttons);
}

} // namespace vx::ui
