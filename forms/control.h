// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Control models: the state a window's procedures read and write, and the
// events they raise. A control keeps its designed state apart from its
// current state so that loading the window again brings the design back.
// Events are raised synchronously, nested in whatever changed the control,
// and only when a property really changes.

#include <functional>
#include <string>
#include <string_view>
#include <typeinfo>

namespace vx::forms {

class Form;

enum class ControlKind { TextBox, Label, Button, CheckBox, Timer, Image, Line };

class Control {
public:
  Control(Form &form, std::string name, ControlKind kind);
  Control(const Control &) = delete;
  Control &operator=(const Control &) = delete;
  Control(Control &&) = delete;
  Control &operator=(Control &&) = delete;
  virtual ~Control() = default;

  [[nodiscard]] const std::string &name() const { return name_; }
  [[nodiscard]] ControlKind kind() const { return kind_; }
  [[nodiscard]] Form &form() const { return form_; }

  // Back to the designed state, raising no events.
  virtual void reset() = 0;

  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;

protected:
  // Tells the form's observer (the toolkit binding) that this control's
  // state changed.
  void changed();
  // Runs an event procedure through the form's dispatcher.
  void raise(const std::function<void()> &procedure);

private:
  Form &form_;
  std::string name_;
  ControlKind kind_;
};

// The control as the class of its kind (each class names its kind as
// `controlKind`): nullptr for a pointer to a control of another kind or to
// none, std::bad_cast for a reference to one of another kind.
template <typename Kind> Kind *as(Control *control) {
  return control != nullptr && control->kind() == Kind::controlKind ? static_cast<Kind *>(control)
                                                                    : nullptr;
}
template <typename Kind> const Kind *as(const Control *control) {
  return control != nullptr && control->kind() == Kind::controlKind
             ? static_cast<const Kind *>(control)
             : nullptr;
}
template <typename Kind> Kind &as(Control &control) {
  if (Kind *result = as<Kind>(&control)) {
    return *result;
  }
  throw std::bad_cast();
}
template <typename Kind> const Kind &as(const Control &control) {
  if (const Kind *result = as<Kind>(&control)) {
    return *result;
  }
  throw std::bad_cast();
}

} // namespace vx::forms
