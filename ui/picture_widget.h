// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

#include <string>

namespace vx::ui {

// Shows an image control's picture, painted from its name at whatever size
// the layout gives it. One that the keyboard can reach is clicked by Space
// or Enter and marks its focus with a dotted frame.
class PictureWidget : public QWidget {
  Q_OBJECT
public:
  explicit PictureWidget(QWidget *parent = nullptr);
  void setPicture(std::string picture);
  [[nodiscard]] const std::string &picture() const { return picture_; }
  [[nodiscard]] QSize sizeHint() const override { return {24, 36}; }

signals:
  // Space or Enter while the picture has the focus: a click by keyboard.
  void activated();

protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  std::string picture_;
};

} // namespace vx::ui
