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
      switch (control->kind()) {
      case vx::forms::ControlKind::TextBox: {
        auto &box = static_cast<vx::forms::TextBox &>(*control);
        wrap(box.onChange, name + "_Change");
        wrap(box.onClick, name + "_Click");
        wrap(box.onKeyDown, name + "_KeyDown");
        wrap(box.onKeyPress, name + "_KeyPress");
        break;
      }
      case vx::forms::ControlKind::Button:
        wrap(static_cast<vx::forms::Button &>(*control).onClick, name + "_Click");
        break;
      case vx::forms::ControlKind::CheckBox:
        wrap(static_cast<vx::forms::CheckBox &>(*control).onClick, name + "_Click");
        break;
      case vx::forms::ControlKind::Image:
        wrap(static_cast<vx::forms::Image &>(*control).onClick, name + "_Click");
        break;
      default:
        break;
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
