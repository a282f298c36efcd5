// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Keeps one open window model and its Qt window in step: the model's
// changes are mirrored into the widgets, the person's actions on the
// widgets become the model's event procedures.

#include "forms/form.h"
#include "ui/form_view.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

namespace vx::ui {

class Binder;

class FormBinding : public QObject, public forms::FormObserver {
  Q_OBJECT
public:
  // A child of the binder.
  FormBinding(forms::Form &form, Binder &binder);
  ~FormBinding() override;
  FormBinding(const FormBinding &) = delete;
  FormBinding &operator=(const FormBinding &) = delete;
  FormBinding(FormBinding &&) = delete;
  FormBinding &operator=(FormBinding &&) = delete;

  [[nodiscard]] FormView *view() const { return view_.get(); }
  [[nodiscard]] forms::Form &form() const { return form_; }
  QWidget *widgetOf(const forms::Control &control) const;

  void show();
  // The window model closed: its window hides and its timers stop for the
  // little while until the binding is deleted.
  void retire();
  // The window became the active one.
  void activated();
  // The person (or Qt on the person's behalf) moved the focus to a widget.
  void focusArrived(forms::Control &control, Qt::FocusReason reason);
  // Timers follow the binder's live setting.
  void syncTimers();

  // forms::FormObserver
  void controlChanged(forms::Control &control) override;
  void focusChanged(forms::Control *control) override;

private:
  void createWidgets();
  void applyTabOrder();
  void syncTimer(const forms::Timer &timer);
  void showModelFocus();
  // A procedure changed what the control's widget shows: news if it is a
  // result.
  void announceIfResult(const forms::Control &control, QWidget &widget, const QString &before);

  forms::Form &form_;
  Binder &binder_;
  std::unique_ptr<FormView> view_;
  std::map<const forms::Control *, QWidget *> widgets_;
  std::map<const forms::Timer *, std::unique_ptr<QTimer>> timers_;
  bool syncing_ = false;
};

} // namespace vx::ui
