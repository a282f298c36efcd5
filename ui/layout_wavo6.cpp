// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Ohm's law window: the four fields one under another, each with its
// "given" box beside it, and the buttons in a row below.

#include "ui/layouts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vx::ui {

void layoutWavo6(FormView &view) {
  auto *outer = new QVBoxLayout(&view);
  auto *fields = new QGridLayout;
  fields->setColumnStretch(0, 1);
  int row = 0;
  for (const char *letter : {"v", "r", "a", "w"}) {
    QWidget *field = view.widget(std::string("Text") + letter);
    QWidget *given = view.widget(std::string("Check") + letter);
    shapeResultField(field);
    fields->addWidget(field, row, 0);
    fields->addWidget(given, row, 1);
    ++row;
  }
  outer->addLayout(fields);

  auto *buttons = new QHBoxLayout;
  for (const char *name : {"Command3", "Command1", "Command2", "Command4", "Command5"}) {
    buttons->addWidget(view.widget(name));
  }
  outer->addLayout(buttons);
  outer->addStretch();
}

} // namespace vx::ui
