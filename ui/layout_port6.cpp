// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED window: the pin rows with the value below them on the left; the
// big digit inside its segment buttons, the character box and the buttons
// on the right; the row of small digits along the bottom.

#include "leddriver/port6.h"
#include "ui/copyable_label.h"
#include "ui/layouts.h"
#include "ui/visible_edge.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace vx::ui {

namespace {

constexpr const char *pinBoxes[] = {"Text1", "Text2", "Text3", "Text4",
                                    "Text5", "Text6", "Text7", "Text8"};
constexpr const char *pinLabels[] = {"Label1", "Label2", "Label3", "Label4",
                                     "Label5", "Label6", "Label7", "Label8"};
constexpr const char *letterBoxes[] = {"Text18", "Text19", "Text20", "Text21",
                                       "Text22", "Text23", "Text24", "Text25"};
constexpr const char *noteBoxes[] = {"Text10", "Text11", "Text12", "Text13",
                                     "Text14", "Text15", "Text16", "Text17"};

// A glyph keeps the proportions of its 36 by 45 design.
QSize glyphSize(int height) {
  return {height * 36 / 45, height};
}

// The notes carry the warning, whose blanks line its words up, so they
// use the fixed-pitch font and are wide enough for its longest line.
void shapeNote(QWidget *note) {
  note->setFont(fixedPitchFont());
  const QFontMetrics metrics(note->font());
  int widest = 0;
  for (const char *line : port6::warningLines) {
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(line)));
  }
  for (const char *line : port6::infoLines) {
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(line)));
  }
  note->setMinimumWidth(widest + metrics.averageCharWidth() * 2);
}

QGridLayout *segmentRows(FormView &view) {
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  for (int row = 0; row < 8; ++row) {
    QWidget *note = view.widget(noteBoxes[row]);
    shapeNote(note);
    grid->addWidget(note, row, 0);
    centreLabel(view.widget(pinLabels[row]));
    grid->addWidget(view.widget(pinLabels[row]), row, 1);
    shapeSquare(view.widget(pinBoxes[row]));
    grid->addWidget(view.widget(pinBoxes[row]), row, 2);
    QWidget *letter = view.widget(letterBoxes[row]);
    // Room for a letter or two.
    letter->setFixedWidth(letter->sizeHint().height() * 3 / 2);
    grid->addWidget(letter, row, 3);
  }
  grid->setColumnStretch(0, 1);
  return grid;
}

// "Dec" with the value box, "/dec" with the pull-down reading.
QHBoxLayout *values(FormView &view) {
  auto *row = new QHBoxLayout;
  const int width = view.fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) + 12;
  view.widget("Text9")->setMinimumWidth(width);
  view.widget("Label_de")->setMinimumWidth(width);
  // The reading can be selected and copied, like the value box.
  makeCopyable(*qobject_cast<QLabel *>(view.widget("Label_de")));
  row->addStretch(1);
  row->addWidget(view.widget("Label10"));
  row->addWidget(view.widget("Text9"));
  row->addSpacing(12);
  row->addWidget(view.widget("Label14"));
  row->addWidget(view.widget("Label_de"));
  return row;
}

// The segment buttons stand where their segments are: f above the digit,
// e, g and d down its left, a and b down its right, c below it, and h
// below the decimal point at the digit's lower right.
QGridLayout *digit(FormView &view) {
  const int line = view.fontMetrics().height();
  const QSize big = glyphSize(line * 8);
  const int thin = std::max(10, line * 2 / 3);
  const QSize across(big.width() * 2 / 3, thin);
  const QSize upright(thin, big.height() * 2 / 5);

  auto *grid = new QGridLayout;
  grid->setSpacing(4);
  view.widget("Image1")->setFixedSize(big);
  view.widget("Image2")->setFixedSize(glyphSize(line * 8 * 5 / 45).expandedTo({thin, thin}));
  const struct {
    const char *button;
    QSize size;
    int row;
    int column;
  } buttons[] = {
      {"Command10", across, 0, 1},       // f
      {"Command9", upright, 1, 0},       // e
      {"Command11", across / 2, 2, 0},   // g
      {"Command8", upright, 3, 0},       // d
      {"Command5", upright, 1, 2},       // a
      {"Command6", upright, 3, 2},       // b
      {"Command7", across, 4, 1},        // c
      {"Command12", {thin, thin}, 4, 3}, // h
  };
  for (const auto &place : buttons) {
    QWidget *button = view.widget(place.button);
    button->setFixedSize(place.size);
    keepEdgeVisible(*button);
    grid->addWidget(button, place.row, place.column, Qt::AlignCenter);
  }
  grid->addWidget(view.widget("Image1"), 1, 1, 3, 1);
  grid->addWidget(view.widget("Image2"), 3, 3, Qt::AlignBottom | Qt::AlignHCenter);
  return grid;
}

QVBoxLayout *controls(FormView &view) {
  auto *column = new QVBoxLayout;
  auto *centred = new QHBoxLayout;
  centred->addStretch(1);
  centred->addLayout(digit(view));
  centred->addStretch(1);
  column->addLayout(centred);

  auto *character = new QHBoxLayout;
  QWidget *entry = view.widget("Text27");
  entry->setFixedWidth(view.fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 12);
  character->addWidget(entry);
  character->addWidget(view.widget("Command4"));
  character->addWidget(view.widget("Command3"));
  column->addLayout(character);
  column->addWidget(view.widget("Command14"));
  column->addStretch(1);

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(view.widget("Command2"));
  buttons->addWidget(view.widget("Command13"));
  buttons->addWidget(view.widget("Command1"));
  column->addLayout(buttons);
  return column;
}

// Places 1 and 2 stay hidden; 3 to 18 run left to right.
QHBoxLayout *row(FormView &view) {
  auto *places = new QHBoxLayout;
  places->setSpacing(3);
  const QSize small = glyphSize(view.fontMetrics().height() * 5 / 2);
  const char *hidden[] = {"Image21", "Image22"};
  for (const char *name : hidden) {
    places->addWidget(view.widget(name));
  }
  places->addStretch(1);
  for (int place = 3; place <= 18; ++place) {
    QWidget *image = view.widget("Image" + std::to_string(place));
    image->setFixedSize(small);
    places->addWidget(image);
  }
  places->addStretch(1);
  return places;
}

} // namespace

void layoutPort6(FormView &view) {
  auto *pins = new QVBoxLayout;
  pins->addLayout(segmentRows(view));
  pins->addStretch(1);
  pins->addLayout(values(view));

  auto *top = new QHBoxLayout;
  top->addLayout(pins, 1);
  top->addSpacing(16);
  top->addLayout(controls(view));

  auto *window = new QVBoxLayout(&view);
  window->addLayout(top, 1);
  window->addSpacing(8);
  window->addLayout(row(view));
  view.resize(view.sizeHint());
}

} // namespace vx::ui
