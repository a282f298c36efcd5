// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The port window: eight rows of note field, lower pin and upper pin on
// the left, the value, its readings and the buttons on the right. The
// upper pin column collapses while it is hidden (8-bit mode).

#include "portstate/port66.h"
#include "ui/copyable_label.h"
#include "ui/layouts.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace vx::ui {

namespace {

constexpr const char *lowerPins[] = {"Text1", "Text2", "Text3", "Text4",
                                     "Text5", "Text6", "Text7", "Text8"};
constexpr const char *lowerLabels[] = {"Label1", "Label2", "Label3", "Label4",
                                       "Label5", "Label6", "Label7", "Label8"};
constexpr const char *upperPins[] = {"Text21", "Text22", "Text23", "Text24",
                                     "Text25", "Text26", "Text27", "Text28"};
constexpr const char *upperLabels[] = {"Label21", "Label22", "Label23", "Label24",
                                       "Label25", "Label26", "Label27", "Label28"};
constexpr const char *notes[] = {"Text10", "Text11", "Text12", "Text13",
                                 "Text14", "Text15", "Text16", "Text17"};

// Wide enough for the longest line of the help text "Info" shows there.
int noteWidth(const QFontMetrics &metrics) {
  int widest = 0;
  for (const char *line : port66::infoLines) {
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(line)));
  }
  return widest + metrics.averageCharWidth() * 2;
}

QGridLayout *pinRows(FormView &view) {
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  const int width = noteWidth(view.fontMetrics());
  for (int row = 0; row < 8; ++row) {
    QWidget *note = view.widget(notes[row]);
    note->setMinimumWidth(width);
    grid->addWidget(note, row, 0);
    shapeSquare(view.widget(lowerPins[row]));
    grid->addWidget(view.widget(lowerPins[row]), row, 1);
    centreLabel(view.widget(lowerLabels[row]));
    grid->addWidget(view.widget(lowerLabels[row]), row, 2);
    shapeSquare(view.widget(upperPins[row]));
    grid->addWidget(view.widget(upperPins[row]), row, 3);
    centreLabel(view.widget(upperLabels[row]));
    grid->addWidget(view.widget(upperLabels[row]), row, 4);
  }
  grid->addWidget(view.widget("Command5"), 8, 1, 1, 2);
  grid->addWidget(view.widget("Command6"), 8, 3, 1, 2);
  grid->setColumnStretch(0, 1);
  return grid;
}

// Titles beside the value box and the readings, "16 Bit" below them.
QGridLayout *readings(FormView &view) {
  auto *grid = new QGridLayout;
  const QFontMetrics metrics = view.fontMetrics();
  // Room for a negative value's eight hexadecimal digits.
  const int valueWidth = metrics.horizontalAdvance(QStringLiteral("FFFFFFFF")) + 12;
  const char *rows[][2] = {{"Label10", "Text9"},
                           {"Label9", "Label_hex"},
                           {"Label13", "Label_he"},
                           {"Label14", "Label_de"},
                           {"Label11", "Check1"}};
  int row = 0;
  for (const auto &[title, value] : rows) {
    grid->addWidget(view.widget(title), row, 0);
    view.widget(value)->setMinimumWidth(valueWidth);
    // The readings can be selected and copied, like the value box.
    if (auto *reading = qobject_cast<QLabel *>(view.widget(value))) {
      makeCopyable(*reading);
    }
    grid->addWidget(view.widget(value), row, 1);
    ++row;
  }
  return grid;
}

QGridLayout *buttons(FormView &view) {
  auto *grid = new QGridLayout;
  grid->addWidget(view.widget("Command2"), 0, 0);
  grid->addWidget(view.widget("Command13"), 0, 1);
  grid->addWidget(view.widget("Command1"), 1, 0);
  grid->addWidget(view.widget("Command3"), 1, 1);
  grid->addWidget(view.widget("Command4"), 2, 0);
  grid->addWidget(view.widget("Command7"), 2, 1);
  return grid;
}

} // namespace

void layoutPort66(FormView &view) {
  auto *side = new QVBoxLayout;
  side->addLayout(readings(view));
  side->addStretch(1);
  side->addLayout(buttons(view));

  auto *window = new QHBoxLayout(&view);
  window->addLayout(pinRows(view), 1);
  window->addSpacing(12);
  window->addLayout(side);
  view.resize(view.sizeHint());
}

} // namespace vx::ui
