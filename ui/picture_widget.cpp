#include "ui/picture_widget.h"

#include "ui/glyph_painter.h"

#include <QPainter>

namespace vx::ui {

PictureWidget::PictureWidget(QWidget *parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void PictureWidget::setPicture(std::string picture) {
  if (picture != picture_) {
    picture_ = std::move(picture);
    update();
  }
}

void PictureWidget::paintEvent(QPaintEvent * /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paintPicture(painter, QRectF(rect()), picture_);
}

} // namespace vx::ui
