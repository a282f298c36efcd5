// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Records every event procedure a window runs, by control and event
// ("Text1_Change", "Form_Activate"), without changing what they do; a test
// can then say that something the person did ran none of them.

#include "forms/form.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class ProcedureLog {
public:
  explicit ProcedureLog(vx::forms::Form &form) {
    wrap(form.onActivate, "Form_Activate");
    wrap(form.onKeyDown, "Form_KeyDown");
    wrap(form.onUnload, "Form_Unload");
    for (vx::forms::Control *control : form.controls()) {
      const QString name = QString::fromStdString(control->name());
      wrap(control->onGotFocus, name + "_GotFocus");
      wrap(control->onLostFocus, name + "_LostFocus");
      using namespace vx::forms;
      if (auto *box = as<TextBox>(control)) {
        wrap(box->onChange, name + "_Change");
        wrap(box->onClick, name + "_Click");
        wrap(box->onKeyDown, name + "_KeyDown");
        wrap(box->onKeyPress, name + "_KeyPress");
      } else if (auto *button = as<Button>(control)) {
        wrap(button->onClick, name + "_Click");
      } else if (auto *check = as<CheckBox>(control)) {
        wrap(check->onClick, name + "_Click");
      } else if (auto *image = as<Image>(control)) {
        wrap(image->onClick, name + "_Click");
      }
    }
  }

  QStringList entries;

private:
  template <typename... Args>
  void wrap(std::function<void(Args...)> &procedure, const QString &name) {
    if (!procedure) {
      return;
    }
    procedure = [this, name, inner = std::move(procedure)](Args... args) {
      entries << name;
      inner(std::forward<Args>(args)...);
    };
  }
};
