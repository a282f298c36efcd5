// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/schematic_widget.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vx::ui {

namespace {
// Room around the drawing, and the stroke, in design units.
constexpr double margin = 6;
constexpr double strokeWidth = 1.6;
// One design unit shows as this many device-independent pixels at the
// widget's preferred size.
constexpr double preferredScale = 1.2;
constexpr double smallestScale = 0.6;

QRectF boundsOf(const std::vector<const forms::Line *> &lines) {
  if (lines.empty()) {
    return {};
  }
  double left = lines.front()->geometry().x1;
  double top = lines.front()->geometry().y1;
  double right = left;
  double bottom = top;
  for (const forms::Line *line : lines) {
    const auto &g = line->geometry();
    left = std::min({left, g.x1, g.x2});
    right = std::max({right, g.x1, g.x2});
    top = std::min({top, g.y1, g.y2});
    bottom = std::max({bottom, g.y1, g.y2});
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom))
      .adjusted(-margin, -margin, margin, margin);
}

QSize scaledSize(const QRectF &bounds, double scale) {
  return {static_cast<int>(std::ceil(bounds.width() * scale)),
          static_cast<int>(std::ceil(bounds.height() * scale))};
}
} // namespace

SchematicWidget::SchematicWidget(std::vector<const forms::Line *> lines, QWidget *parent)
    : QWidget(parent), lines_(std::move(lines)), bounds_(boundsOf(lines_)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SchematicWidget::sizeHint() const {
  return scaledSize(bounds_, preferredScale);
}

QSize SchematicWidget::minimumSizeHint() const {
  return scaledSize(bounds_, smallestScale);
}

void SchematicWidget::paintEvent(QPaintEvent * /*event*/) {
  if (lines_.empty() || bounds_.isEmpty()) {
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(width() / bounds_.width(), height() / bounds_.height());
  // Centred in whatever room the layout gives.
  painter.translate((width() - bounds_.width() * scale) / 2,
                    (height() - bounds_.height() * scale) / 2);
  painter.scale(scale, scale);
  painter.translate(-bounds_.topLeft());
  QPen pen(palette().color(QPalette::WindowText), strokeWidth);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  for (const forms::Line *line : lines_) {
    const auto &g = line->geometry();
    painter.drawLine(QLineF(g.x1, g.y1, g.x2, g.y2));
  }
}

} // namespace vx::ui
