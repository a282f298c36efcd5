// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/visible_edge.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace vx::ui {

namespace {

bool isDark(const QPalette &palette) {
  return palette.color(QPalette::Window).lightness() <
         palette.color(QPalette::WindowText).lightness();
}

// Lets the button paint itself, then draws the edge over it. The palette is
// read at every paint, so a change of the desktop's colours shows at once.
class EdgeOnDark : public QObject {
public:
  explicit EdgeOnDark(QWidget &button) : QObject(&button) { button.installEventFilter(this); }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() != QEvent::Paint || painting_) {
      return false;
    }
    auto &button = static_cast<QWidget &>(*watched);
    painting_ = true;
    QCoreApplication::sendEvent(&button, event);
    painting_ = false;
    if (isDark(button.palette())) {
      QPainter painter(&button);
      painter.setRenderHint(QPainter::Antialiasing);
      QColor edge = button.palette().color(QPalette::ButtonText);
      edge.setAlphaF(0.5);
      painter.setPen(edge);
      painter.drawRoundedRect(QRectF(button.rect()).adjusted(0.5, 1.5, -1.5, -0.5), 2, 2);
    }
    return true;
  }

private:
  bool painting_ = false;
};

} // namespace

void keepEdgeVisible(QWidget &button) {
  new EdgeOnDark(button);
}

} // namespace vx::ui
