// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The base of every window model: its controls and variables by name, its
// focus, its window events, and the dispatcher every event procedure runs
// through.

#include "forms/control.h"
#include "forms/controls.h"
#include "forms/var.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::forms {

class Registry;

// What the toolkit binding is told about a window model.
class FormObserver {
public:
  virtual ~FormObserver() = default;
  virtual void controlChanged(Control &control) = 0;
  virtual void focusChanged(Control *control) = 0;
};

class Form {
public:
  Form(Registry &registry, std::string name, std::string caption);
  Form(const Form &) = delete;
  Form &operator=(const Form &) = delete;
  Form(Form &&) = delete;
  Form &operator=(Form &&) = delete;
  virtual ~Form() = default;

  [[nodiscard]] const std::string &name() const { return name_; }
  [[nodiscard]] const std::string &caption() const { return caption_; }
  [[nodiscard]] Registry &registry() const { return registry_; }

  // The window's key-down procedure sees every key before the focused
  // control does.
  [[nodiscard]] bool keyPreview() const { return static_cast<bool>(onKeyDown); }

  [[nodiscard]] const std::vector<Control *> &controls() const { return controls_; }
  [[nodiscard]] Control *control(std::string_view name) const;
  [[nodiscard]] Var *variable(std::string_view name) const;
  [[nodiscard]] const std::vector<Var *> &variables() const { return variables_; }

  // Keyboard order of the focusable controls; the declaration order when
  // the window does not set one.
  void setTabOrder(std::vector<Control *> order) { tabOrder_ = std::move(order); }
  [[nodiscard]] const std::vector<Control *> &tabOrder() const;

  // The control that has (or, while the window is inactive, will have)
  // the keyboard focus.
  [[nodiscard]] Control *activeControl() const { return active_; }
  // Moves the focus: LostFocus of the old control, then GotFocus of the new.
  void setFocus(Control &control);
  // The control the window gives the focus to when it opens.
  void setFirstFocus(Control *control) { firstFocus_ = control; }

  // Runs an event procedure: a calculation that fails abandons it at the
  // failing step, and nothing crosses it. Nested events go through here too.
  void dispatch(const std::function<void()> &procedure);
  // Lets the toolkit run the events waiting in its queue.
  void doEvents();

  // Window events, wired by the window model.
  std::function<void()> onLoad;
  std::function<void()> onUnload;
  std::function<void()> onActivate;
  std::function<void(int &keyCode, int shift)> onKeyDown;

  // Called by the registry and the binding.
  void load();   // controls back to their design, focus to the first, onLoad
  void unload(); // onUnload
  void activated();
  void keyDown(Control *receiver, int &keyCode, int shift);
  void setObserver(FormObserver *observer) { observer_ = observer; }
  [[nodiscard]] FormObserver *observer() const { return observer_; }
  void notifyChanged(Control &control);

  // Used by Control and Var to register themselves.
  void add(Control &control) { controls_.push_back(&control); }
  void add(Var &variable) { variables_.push_back(&variable); }

private:
  Registry &registry_;
  std::string name_;
  std::string caption_;
  std::vector<Control *> controls_;
  std::vector<Var *> variables_;
  std::vector<Control *> tabOrder_;
  Control *active_ = nullptr;
  Control *firstFocus_ = nullptr;
  FormObserver *observer_ = nullptr;
};

} // namespace vx::forms
