// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The top-level Qt window of one window model. The binder creates one
// widget per control (none for timers and lines) and keeps them in step
// with the model; a window's layout function only arranges those widgets.

#include "forms/form.h"

#include <QWidget>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vx::ui {

class Binder;
class ResultAnnouncer;

class FormView : public QWidget {
  Q_OBJECT
public:
  FormView(forms::Form &form, Binder &binder);

  [[nodiscard]] forms::Form &form() const { return form_; }
  // The widget made for the named control; nullptr for timers, lines and
  // unknown names.
  [[nodiscard]] QWidget *widget(std::string_view controlName) const;
  // The fixed line segments of the window's drawing.
  [[nodiscard]] std::vector<const forms::Line *> lines() const;

  void addWidget(const forms::Control &control, QWidget *widget);

  // Tells a screen reader the window's results as they appear; made on
  // first use, and only while assistive technology listens.
  [[nodiscard]] ResultAnnouncer *announcer();

protected:
  void closeEvent(QCloseEvent *event) override;
  void changeEvent(QEvent *event) override;
  bool focusNextPrevChild(bool next) override;

private:
  forms::Form &form_;
  Binder &binder_;
  std::map<std::string, QWidget *, std::less<>> widgets_;
  ResultAnnouncer *announcer_ = nullptr;
};

// Gives the windows the desktop's font, drawn without shaping or hinting
// like every text of theirs: once the application exists, and again
// whenever the desktop's theme changes.
void useDesktopFont();

// A font whose characters all have one width, for texts whose blanks carry
// meaning (result and display lines, unit words, tables).
QFont fixedPitchFont();

} // namespace vx::ui
