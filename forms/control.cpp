// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/control.h"

#include "forms/form.h"

namespace vx::forms {

Control::Control(Form &form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
  form_.add(*this);
}

void Control::changed() {
  form_.notifyChanged(*this);
}

void Control::raise(const std::function<void()> &procedure) {
  if (procedure) {
    form_.dispatch(procedure);
  }
}

} // namespace vx::forms
