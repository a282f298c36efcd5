// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "forms/controls.h"

#include <QRectF>
#include <QWidget>

#include <vector>

namespace vx::ui {

// Paints a window's fixed drawing from its line segments, scaled to the
// widget's size with the drawing's proportions kept, so it stays sharp at
// any size and screen scale.
class SchematicWidget : public QWidget {
  Q_OBJECT
public:
  SchematicWidget(std::vector<const forms::Line *> lines, QWidget *parent = nullptr);

  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSizeHint() const override;
  [[nodiscard]] std::size_t lineCount() const { return lines_.size(); }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  std::vector<const forms::Line *> lines_;
  QRectF bounds_; // of the drawing, in design units
};

} // namespace vx::ui
