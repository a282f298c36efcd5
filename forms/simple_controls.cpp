// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/controls.h"
#include "forms/form.h"

namespace vx::forms {

namespace {
// Assigns and reports whether the value really changed.
template <typename T> bool assign(T &target, T value) {
  if (target == value) {
    return false;
  }
  target = std::move(value);
  return true;
}
} // namespace

Label::Label(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(std::move(design)) {
  reset();
}
void Label::reset() {
  caption_ = design_.caption;
  toolTip_ = design_.toolTip;
  visible_ = design_.visible;
}
void Label::setCaption(std::string caption) {
  if (assign(caption_, std::move(caption))) {
    changed();
  }
}
void Label::setToolTip(std::string toolTip) {
  if (assign(toolTip_, std::move(toolTip))) {
    changed();
  }
}
void Label::setVisible(bool visible) {
  if (assign(visible_, visible)) {
    changed();
  }
}

Button::Button(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(std::move(design)) {
  reset();
}
void Button::reset() {
  caption_ = design_.caption;
  toolTip_ = design_.toolTip;
  visible_ = design_.visible;
}
void Button::setCaption(std::string caption) {
  if (assign(caption_, std::move(caption))) {
    changed();
  }
}
void Button::setToolTip(std::string toolTip) {
  if (assign(toolTip_, std::move(toolTip))) {
    changed();
  }
}
void Button::setVisible(bool visible) {
  if (assign(visible_, visible)) {
    changed();
  }
}
void Button::userClicked() {
  raise(onClick);
}
void Button::setFocus() {
  form().setFocus(*this);
}

CheckBox::CheckBox(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(std::move(design)) {
  reset();
}
void CheckBox::reset() {
  value_ = design_.value;
  visible_ = design_.visible;
}
void CheckBox::setValue(int value) {
  if (assign(value_, value)) {
    changed();
    raise(onClick);
  }
}
void CheckBox::setVisible(bool visible) {
  if (assign(visible_, visible)) {
    changed();
  }
}
void CheckBox::userClicked() {
  setValue(value_ == 0 ? 1 : 0);
}
void CheckBox::setFocus() {
  form().setFocus(*this);
}

Timer::Timer(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(design) {
  reset();
}
void Timer::reset() {
  enabled_ = design_.enabled;
  interval_ = design_.interval;
  ++restarts_;
}
void Timer::setEnabled(bool enabled) {
  if (assign(enabled_, enabled)) {
    ++restarts_;
    changed();
  }
}
void Timer::setInterval(int milliseconds) {
  interval_ = milliseconds;
  ++restarts_;
  changed();
}
void Timer::expire() {
  if (enabled_) {
    raise(onTimer);
  }
}

Image::Image(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(std::move(design)) {
  reset();
}
void Image::reset() {
  picture_ = design_.picture;
  visible_ = design_.visible;
}
void Image::setPicture(std::string picture) {
  if (assign(picture_, std::move(picture))) {
    changed();
  }
}
void Image::setVisible(bool visible) {
  if (assign(visible_, visible)) {
    changed();
  }
}
void Image::userClicked() {
  raise(onClick);
}

Line::Line(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(design) {}

} // namespace vx::forms
