// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main calculator: the two fields and the result line at the top, the
// eight display lines below them, then the buttons in rows by what they do.

#include "ui/copyable_label.h"
#include "ui/layouts.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace vx::ui {

namespace {

// Rows of buttons: arithmetic and clearing, the memories, number bases and
// powers, electronics, and the other windows.
const std::array<std::array<const char *, 6>, 5> buttonRows{{
    {"Command1", "Command4", "Command3", "Command2", "Command13", "Command21"},
    {"Command22", "Command23", "Command24", "Command25", "Command27", "Command26"},
    {"Command28", "Command12", "Command10", "Command9", "Command5", "Command6"},
    {"Command20", "Command11", "Command16", "Command17", "Command18", "Command7"},
    {"Command14", "Command8", "Command15", "Command29", nullptr, nullptr},
}};

// The preferred value table is the widest text the display lines show.
constexpr int displayCharacters = 44;

} // namespace

void layoutVexlo(FormView &view) {
  auto *outer = new QVBoxLayout(&view);
  const QFont fixed = fixedPitchFont();
  const QFontMetrics metrics(fixed);
  const int width = metrics.horizontalAdvance(QString(displayCharacters, QLatin1Char('0')));

  for (const char *name : {"Text1", "Text2", "answer"}) {
    QWidget *widget = view.widget(name);
    widget->setFont(fixed);
    widget->setMinimumWidth(width);
    outer->addWidget(widget);
  }
  // Results can be selected and copied, the result line by a key as well.
  auto *result = qobject_cast<QLabel *>(view.widget("answer"));
  makeCopyable(*result);
  copyOnKey(view, *result);
  for (const char *name :
       {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"}) {
    auto *line = qobject_cast<QLabel *>(view.widget(name));
    line->setFont(fixed);
    // An empty line keeps its height so the table does not make the window jump.
    line->setMinimumHeight(metrics.height());
    makeCopyable(*line);
    outer->addWidget(line);
  }

  auto *buttons = new QGridLayout;
  for (std::size_t row = 0; row < buttonRows.size(); ++row) {
    for (std::size_t column = 0; column < buttonRows.at(row).size(); ++column) {
      if (const char *name = buttonRows.at(row).at(column)) {
        buttons->addWidget(view.widget(name), static_cast<int>(row), static_cast<int>(column));
      }
    }
  }
  outer->addLayout(buttons);
  outer->addStretch();
}

} // namespace vx::ui
