// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_widget.h"

#include "ui/glyph_painter.h"
#include "ui/picture_description.h"

#include <QKeyEvent>
#include <QPainter>

namespace vx::ui {

PictureWidget::PictureWidget(QWidget *parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void PictureWidget::setPicture(std::string picture) {
  if (picture != picture_) {
    picture_ = std::move(picture);
    // A screen reader says what the picture shows.
    setAccessibleDescription(describePicture(picture_));
    update();
  }
}

void PictureWidget::paintEvent(QPaintEvent * /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paintPicture(painter, QRectF(rect()), picture_);
  if (hasFocus()) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void PictureWidget::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat()) {
    return;
  }
  emit activated();
}

} // namespace vx::ui
