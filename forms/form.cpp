// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/form.h"

#include "forms/registry.h"
#include "runtime/failure.h"

#include <algorithm>

namespace vx::forms {

namespace {
bool takesFocus(const Control &control) {
  if (const auto *box = as<TextBox>(&control)) {
    return box->visible();
  }
  if (const auto *button = as<Button>(&control)) {
    return button->visible();
  }
  if (const auto *check = as<CheckBox>(&control)) {
    return check->visible();
  }
  return false;
}
} // namespace

Form::Form(Registry &registry, std::string name, std::string caption)
    : registry_(registry), name_(std::move(name)), caption_(std::move(caption)) {}

Control *Form::control(std::string_view name) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const Control *c) { return c->name() == name; });
  return found == controls_.end() ? nullptr : *found;
}

Var *Form::variable(std::string_view name) const {
  const auto found = std::find_if(variables_.begin(), variables_.end(),
                                  [&](const Var *v) { return v->name() == name; });
  return found == variables_.end() ? nullptr : *found;
}

const std::vector<Control *> &Form::tabOrder() const {
  return tabOrder_.empty() ? controls_ : tabOrder_;
}

void Form::setFocus(Control &control) {
  if (&control == active_) {
    return;
  }
  Control *previous = active_;
  active_ = &control;
  if (observer_ != nullptr) {
    observer_->focusChanged(active_);
  }
  if (previous != nullptr && previous->onLostFocus) {
    dispatch(previous->onLostFocus);
  }
  if (control.onGotFocus) {
    dispatch(control.onGotFocus);
  }
}

void Form::dispatch(const std::function<void()> &procedure) {
  const Registry::EventScope scope(registry_);
  try {
    procedure();
  } catch (const CalcFailure &) {
    // The calculation is abandoned here; what it wrote stays.
  }
}

void Form::doEvents() {
  if (registry_.platform() != nullptr) {
    registry_.platform()->processEvents();
  }
}

void Form::load() {
  for (Control *c : controls_) {
    c->reset();
    if (observer_ != nullptr) {
      observer_->controlChanged(*c);
    }
  }
  active_ = nullptr;
  if (onLoad) {
    dispatch(onLoad);
  }
}

void Form::unload() {
  if (onUnload) {
    dispatch(onUnload);
  }
}

void Form::activated() {
  if (onActivate) {
    dispatch(onActivate);
  }
  if (active_ != nullptr) {
    return;
  }
  Control *first = firstFocus_;
  if (first == nullptr) {
    const auto &order = tabOrder();
    const auto found =
        std::find_if(order.begin(), order.end(), [](const Control *c) { return takesFocus(*c); });
    first = found == order.end() ? nullptr : *found;
  }
  if (first != nullptr) {
    setFocus(*first);
  }
}

void Form::keyDown(Control *receiver, int &keyCode, int shift) {
  if (onKeyDown) {
    dispatch([&] { onKeyDown(keyCode, shift); });
  }
  if (auto *box = as<TextBox>(receiver)) {
    box->userKeyDown(keyCode, shift);
  }
}

void Form::notifyChanged(Control &control) {
  if (observer_ != nullptr) {
    observer_->controlChanged(control);
  }
}

Var::Var(Form &form, std::string name) : name_(std::move(name)) {
  form.add(*this);
}

} // namespace vx::forms
