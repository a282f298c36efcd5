// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/layouts.h"

#include <QFontMetrics>
#include <QLabel>

namespace vx::ui {

void shapeSquare(QWidget *box) {
  const int side = box->sizeHint().height();
  box->setFixedSize(side, side);
}

void centreLabel(QWidget *label) {
  if (auto *text = qobject_cast<QLabel *>(label)) {
    text->setAlignment(Qt::AlignCenter);
  }
}

void shapeResultField(QWidget *field) {
  constexpr int characters = 26;
  // The unit words begin with blanks that separate them from the number.
  field->setFont(fixedPitchFont());
  const QFontMetrics metrics(field->font());
  field->setMinimumWidth(metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))));
}

LayoutFunction layoutFor(std::string_view formName) {
  if (formName == "vexlo") {
    return layoutVexlo;
  }
  if (formName == "wavo6") {
    return layoutWavo6;
  }
  if (formName == "ct6") {
    return layoutCt6;
  }
  if (formName == "port66") {
    return layoutPort66;
  }
  if (formName == "port6") {
    return layoutPort6;
  }
  return nullptr;
}

} // namespace vx::ui
