// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "runtime/value.h"

#include <string>

namespace vx::forms {

class Form;

// A window-level variable: a Value that registers itself with its window
// under its name, so the driver can read it. It lives as long as the window
// object, across closing and showing again.
class Var : public Value {
public:
  Var(Form &form, std::string name);
  Var(const Var &) = delete;
  Var(Var &&) = delete;
  ~Var() = default;
  Var &operator=(const Var &other) {
    Value::operator=(static_cast<const Value &>(other));
    return *this;
  }
  Var &operator=(Var &&) = delete;
  Var &operator=(const Value &value) {
    Value::operator=(value);
    return *this;
  }
  [[nodiscard]] const Value &value() const { return *this; }
  [[nodiscard]] const std::string &name() const { return name_; }

private:
  std::string name_;
};

} // namespace vx::forms
