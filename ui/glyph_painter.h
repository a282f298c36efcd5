// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QPainter>
#include <QRectF>

#include <string_view>

namespace vx::ui {

// Paints the named picture of an image control into the rectangle, from
// geometry: "led0".."led127" (seven-segment patterns), "ledp", "leddp"
// (decimal point off and on); "" paints nothing.
void paintPicture(QPainter &painter, const QRectF &area, std::string_view picture);

} // namespace vx::ui
