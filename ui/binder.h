// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Qt binding of the window models: one top-level window per open
// window model, one widget per control kept in step with the model both
// ways, key preview with Windows key codes, one QTimer per timer model.

#include "forms/controls.h"
#include "forms/registry.h"

#include <QKeyEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vx::ui {

class FormBinding;
class FormView;

class Binder : public QObject, public forms::Platform {
  Q_OBJECT
public:
  explicit Binder(forms::Registry &registry);
  ~Binder() override;
  Binder(const Binder &) = delete;
  Binder &operator=(const Binder &) = delete;
  Binder(Binder &&) = delete;
  Binder &operator=(Binder &&) = delete;

  [[nodiscard]] forms::Registry &registry() const { return registry_; }
  // The window of an open window model, nullptr when it is not open.
  [[nodiscard]] FormView *view(std::string_view formName) const;

  // Whether timers expire on their own. The driver keeps them still except
  // while it waits, so a script runs the same on any machine.
  void setTimersLive(bool live);
  [[nodiscard]] bool timersLive() const { return timersLive_; }
  void setProgramEndedHandler(std::function<void()> handler) { onEnded_ = std::move(handler); }

  // Replaces the whole text of a text box as one edit of the person's.
  void paste(forms::TextBox &box, const std::string &text);

  // forms::Platform
  void windowShown(forms::Form &form) override;
  void windowClosed(forms::Form &form) override;
  void processEvents() override;
  void programEnded() override;

  // Called by the bindings.
  void registerWidget(QObject *widget, FormBinding *binding, forms::Control *control);
  void forgetWidget(QObject *widget);
  void closeRequested(forms::Form &form);
  void windowActivated(forms::Form &form);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  struct Target {
    FormBinding *binding;
    forms::Control *control;
  };
  bool keyPressed(QObject *receiver, const Target &target, QKeyEvent *event);
  // Delivers the typed character of the key in progress; true when the
  // control refused it.
  bool characterRefused(const Target &target, const QKeyEvent &event);
  void deliverPendingCharacter();

  forms::Registry &registry_;
  // The bindings of the open windows. Every binding is a child of the
  // binder: one whose window closed is deleted once control is back in the
  // event loop (the close may come from inside one of its widgets' signals),
  // and never later than the binder itself.
  std::map<std::string, FormBinding *, std::less<>> bindings_;
  std::map<QObject *, Target> targets_;
  bool timersLive_ = true;
  std::function<void()> onEnded_;

  // The key whose key-down procedures are running; its character is
  // typed when the procedures let pending events run, or after them.
  struct PendingKey {
    QPointer<QObject> receiver;
    Target target;
    std::unique_ptr<QKeyEvent> event;
    const forms::Control *focusBefore; // the window's focus when the key went down
  };
  [[nodiscard]] QObject *characterDestination(const PendingKey &key) const;
  void deliverCharacter(QObject *destination, const QKeyEvent &event);
  std::unique_ptr<PendingKey> pending_;
  QObject *delivering_ = nullptr;
  // Open windows, the most recently shown last: closing the active window
  // hands the activation to the one shown before it.
  std::vector<std::string> showOrder_;
};

} // namespace vx::ui
