// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The seven-segment glyphs and the decimal point, drawn from geometry so
// they stay sharp at any size. A glyph is designed on a 36 by 45 field and
// stretched to the area it is given; the segment letters name positions:
// a upper right, b lower right, c bottom, d lower left, e upper left, f top,
// g middle.

#include "ui/glyph_painter.h"

#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <charconv>
#include <optional>

namespace vx::ui {

namespace {

constexpr double fieldWidth = 36.0;
constexpr double fieldHeight = 45.0;
constexpr double left = 7.0;
constexpr double right = 29.0;
constexpr double top = 5.0;
constexpr double middle = 22.5;
constexpr double bottom = 40.0;
constexpr double thickness = 4.0;
constexpr double gap = 1.0; // between the pointed ends of two segments

const QColor field(0xC0, 0xC0, 0xC0);

// A bar with pointed ends from `from` to `to` along its length, centred
// on `across`.
QPolygonF bar(double from, double to, double across, bool horizontal) {
  const double half = thickness / 2.0;
  const std::array<QPointF, 6> alongAcross{{{from, across},
                                            {from + half, across - half},
                                            {to - half, across - half},
                                            {to, across},
                                            {to - half, across + half},
                                            {from + half, across + half}}};
  QPolygonF polygon;
  for (const QPointF &point : alongAcross) {
    polygon << (horizontal ? point : QPointF(point.y(), point.x()));
  }
  return polygon;
}

// The outline of each segment, in bit order a to g.
std::array<QPolygonF, 7> segments() {
  return {
      bar(top + gap, middle - gap, right, false),    // a
      bar(middle + gap, bottom - gap, right, false), // b
      bar(left + gap, right - gap, bottom, true),    // c
      bar(middle + gap, bottom - gap, left, false),  // d
      bar(top + gap, middle - gap, left, false),     // e
      bar(left + gap, right - gap, top, true),       // f
      bar(left + gap, right - gap, middle, true),    // g
  };
}

void paintDigit(QPainter &painter, const QRectF &area, int pattern) {
  painter.fillRect(area, field);
  painter.translate(area.topLeft());
  painter.scale(area.width() / fieldWidth, area.height() / fieldHeight);
  QPainterPath lit;
  const auto outlines = segments();
  for (std::size_t segment = 0; segment < outlines.size(); ++segment) {
    if ((pattern & (1 << segment)) != 0) {
      lit.addPolygon(outlines[segment]);
      lit.closeSubpath();
    }
  }
  painter.fillPath(lit, Qt::black);
}

// The decimal point's field; lit, a dot of three fifths of its size.
void paintPoint(QPainter &painter, const QRectF &area, bool lit) {
  painter.fillRect(area, field);
  if (lit) {
    const QRectF dot(area.x() + area.width() / 5.0, area.y() + area.height() / 5.0,
                     area.width() * 3.0 / 5.0, area.height() * 3.0 / 5.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(dot);
  }
}

// The pattern of "led0" to "led127".
std::optional<int> digitPattern(std::string_view picture) {
  constexpr std::string_view prefix = "led";
  if (!picture.starts_with(prefix) || picture.size() == prefix.size() ||
      picture.size() > prefix.size() + 3) {
    return std::nullopt;
  }
  int pattern = 0;
  const char *end = picture.data() + picture.size();
  const auto [stop, error] = std::from_chars(picture.data() + prefix.size(), end, pattern);
  if (error != std::errc() || stop != end || pattern < 0 || pattern > 127) {
    return std::nullopt;
  }
  return pattern;
}

} // namespace

void paintPicture(QPainter &painter, const QRectF &area, std::string_view picture) {
  if (area.isEmpty()) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (const auto pattern = digitPattern(picture)) {
    paintDigit(painter, area, *pattern);
  } else if (picture == "ledp" || picture == "leddp") {
    paintPoint(painter, area, picture == "leddp");
  }
  painter.restore();
}

} // namespace vx::ui
