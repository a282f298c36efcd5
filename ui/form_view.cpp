// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form_view.h"

#include "forms/registry.h"
#include "ui/binder.h"
#include "ui/field_accessibility.h"
#include "ui/result_announcer.h"
#include "ui/window_accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>

namespace vx::ui {

namespace {

// Every text of the windows is drawn
//  - without shaping: every caption and reading is Latin text, which
//    shaping turns into the glyphs a plain character lookup gives, kerning
//    apart; text in a script that needs shaping is shaped all the same;
//  - without hinting, from the outlines as they are, as on high-density
//    screens: the hinter would analyse each face as the main window opens
//    and fit every glyph it measures or draws. Only horizontal edges come
//    out a little softer.
// Measuring and drawing its sixty-odd texts is the larger part of what the
// main window costs beyond a bare window to appear.
QFont drawnPlainly(QFont font) {
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

} // namespace

FormView::FormView(forms::Form &form, Binder &binder) : form_(form), binder_(binder) {
  describeWindowsToScreenReaders();
  setWindowTitle(QString::fromStdString(form.caption()));
  setObjectName(QString::fromStdString(form.name()));
}

QWidget *FormView::widget(std::string_view controlName) const {
  const auto found = widgets_.find(controlName);
  return found == widgets_.end() ? nullptr : found->second;
}

std::vector<const forms::Line *> FormView::lines() const {
  std::vector<const forms::Line *> result;
  for (const forms::Control *c : form_.controls()) {
    if (const auto *line = forms::as<forms::Line>(c)) {
      result.push_back(line);
    }
  }
  return result;
}

void FormView::addWidget(const forms::Control &control, QWidget *widget) {
  widgets_.emplace(control.name(), widget);
}

ResultAnnouncer *FormView::announcer() {
  if (announcer_ == nullptr && QAccessible::isActive()) {
    announcer_ = new ResultAnnouncer(*this);
  }
  return announcer_;
}

void FormView::closeEvent(QCloseEvent *event) {
  if (binder_.registry().isOpen(form_.name())) {
    // The window model decides: its unload procedure runs and the binder
    // hides this window.
    event->ignore();
    binder_.closeRequested(form_);
    return;
  }
  event->accept();
}

void FormView::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ThemeChange) {
    useDesktopFont();
  }
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
    binder_.windowActivated(form_);
  }
}

bool FormView::focusNextPrevChild(bool next) {
  if (!QWidget::focusNextPrevChild(next)) {
    return false;
  }
  reportCaretAfterFocus(focusWidget());
  return true;
}

void useDesktopFont() {
  // Set explicitly, the font no longer follows the desktop's theme by
  // itself: each window's theme change calls this again.
  QApplication::setFont(drawnPlainly(QFontDatabase::systemFont(QFontDatabase::GeneralFont)));
}

QFont fixedPitchFont() {
  return drawnPlainly(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

} // namespace vx::ui
