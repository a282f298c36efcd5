// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/binder.h"

#include "forms/form.h"
#include "forms/utf8.h"
#include "ui/form_binding.h"
#include "ui/form_view.h"
#include "ui/key_codes.h"
#include "ui/picture_widget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace vx::ui {

Binder::Binder(forms::Registry &registry) : registry_(registry) {
  registry_.setPlatform(this);
  QApplication::setQuitOnLastWindowClosed(false);
  qApp->installEventFilter(this);
}

Binder::~Binder() {
  qApp->removeEventFilter(this);
  // A binding makes the binder forget its widgets as it is deleted, so none
  // may be left to the QObject destructor, which runs after the binder's
  // members are gone.
  bindings_.clear();
  qDeleteAll(findChildren<FormBinding *>(Qt::FindDirectChildrenOnly));
  registry_.setPlatform(nullptr);
}

FormView *Binder::view(std::string_view formName) const {
  const auto found = bindings_.find(formName);
  return found == bindings_.end() ? nullptr : found->second->view();
}

void Binder::setTimersLive(bool live) {
  timersLive_ = live;
  for (auto &[name, binding] : bindings_) {
    binding->syncTimers();
  }
}

void Binder::paste(forms::TextBox &box, const std::string &text) {
  box.userEdited(text, forms::characterCount(text));
  const auto found = bindings_.find(box.form().name());
  if (found != bindings_.end()) {
    found->second->controlChanged(box);
  }
}

void Binder::windowShown(forms::Form &form) {
  auto &binding = bindings_[form.name()];
  if (binding == nullptr) {
    binding = new FormBinding(form, *this);
  }
  std::erase(showOrder_, form.name());
  showOrder_.push_back(form.name());
  binding->show();
}

void Binder::windowClosed(forms::Form &form) {
  std::erase(showOrder_, form.name());
  const auto found = bindings_.find(form.name());
  if (found == bindings_.end()) {
    return;
  }
  FormBinding *binding = found->second;
  bindings_.erase(found);
  form.setObserver(nullptr);
  binding->retire();
  binding->deleteLater();
  QWidget *active = QApplication::activeWindow();
  if ((active == nullptr || !active->isVisible()) && !showOrder_.empty()) {
    if (FormView *next = view(showOrder_.back())) {
      next->activateWindow();
    }
  }
}

void Binder::processEvents() {
  deliverPendingCharacter();
  QCoreApplication::processEvents();
}

void Binder::programEnded() {
  if (onEnded_) {
    onEnded_();
  }
}

void Binder::registerWidget(QObject *widget, FormBinding *binding, forms::Control *control) {
  targets_[widget] = Target{binding, control};
}

void Binder::forgetWidget(QObject *widget) {
  targets_.erase(widget);
}

void Binder::closeRequested(forms::Form &form) {
  registry_.close(form.name());
}

void Binder::windowActivated(forms::Form &form) {
  const auto found = bindings_.find(form.name());
  if (found != bindings_.end()) {
    found->second->activated();
  }
}

bool Binder::eventFilter(QObject *watched, QEvent *event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::MouseButtonRelease) {
    return false;
  }
  const auto found = targets_.find(watched);
  if (found == targets_.end()) {
    return false;
  }
  const Target target = found->second;
  switch (type) {
  case QEvent::KeyPress:
    return keyPressed(watched, target, static_cast<QKeyEvent *>(event));
  case QEvent::FocusIn:
    if (target.control != nullptr) {
      target.binding->focusArrived(*target.control, static_cast<QFocusEvent *>(event)->reason());
    }
    return false;
  case QEvent::MouseButtonRelease: {
    const auto *mouse = static_cast<QMouseEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (target.control == nullptr || widget == nullptr || mouse->button() != Qt::LeftButton ||
        !widget->rect().contains(mouse->position().toPoint())) {
      return false;
    }
    if (auto *box = forms::as<forms::TextBox>(target.control)) {
      box->userClicked();
    } else if (auto *image = forms::as<forms::Image>(target.control)) {
      image->userClicked();
    }
    return false;
  }
  default:
    return false;
  }
}

bool Binder::keyPressed(QObject *receiver, const Target &target, QKeyEvent *event) {
  if (receiver == delivering_) {
    return false;
  }
  // A key the focused control did not take travels on to its window; the
  // window's procedures have seen it already.
  if (target.control == nullptr) {
    if (auto *window = qobject_cast<QWidget *>(receiver)) {
      QWidget *focused = window->focusWidget();
      if (focused != nullptr && focused != window && targets_.count(focused) != 0) {
        return false;
      }
    }
  }
  // Tab and Backtab move the focus between controls and are no key of
  // the window's procedures.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    return false;
  }
  int code = virtualKeyCode(*event);
  const int shift = shiftState(event->modifiers());
  auto outer = std::move(pending_);
  pending_ = std::make_unique<PendingKey>(PendingKey{receiver, target,
                                                     std::unique_ptr<QKeyEvent>(event->clone()),
                                                     target.binding->form().activeControl()});
  forms::Form &form = target.binding->form();
  form.keyDown(target.control, code, shift);
  bool consumed = true; // the character went in while the procedures ran
  if (pending_) {
    const std::unique_ptr<PendingKey> key = std::move(pending_);
    QObject *destination = characterDestination(*key);
    if (destination == receiver) {
      consumed = characterRefused(target, *event);
    } else if (destination != nullptr) {
      deliverCharacter(destination, *key->event);
    }
  }
  pending_ = std::move(outer);
  return consumed;
}

// When the window's procedures moved the focus, the character follows it:
// an operator key pressed in field 1 moves the focus to field 2, and its
// character must not land in front of the result just written there.
QObject *Binder::characterDestination(const PendingKey &key) const {
  if (!key.receiver || targets_.count(key.receiver.data()) == 0) {
    return nullptr; // the window closed meanwhile
  }
  const forms::Control *active = key.target.binding->form().activeControl();
  if (active != key.focusBefore && active != nullptr &&
      active->kind() == forms::ControlKind::TextBox) {
    QWidget *widget = key.target.binding->widgetOf(*active);
    if (widget != nullptr && targets_.count(widget) != 0) {
      return widget;
    }
  }
  return key.receiver.data();
}

void Binder::deliverCharacter(QObject *destination, const QKeyEvent &event) {
  if (characterRefused(targets_.at(destination), event)) {
    return;
  }
  delivering_ = destination;
  std::unique_ptr<QKeyEvent> copy(event.clone());
  QCoreApplication::sendEvent(destination, copy.get());
  delivering_ = nullptr;
}

bool Binder::characterRefused(const Target &target, const QKeyEvent &event) {
  const QString text = event.text();
  auto *box = forms::as<forms::TextBox>(target.control);
  if (text.isEmpty() || box == nullptr) {
    return false;
  }
  int keyAscii = static_cast<int>(text.at(0).unicode());
  box->userKeyPress(keyAscii);
  return keyAscii == 0;
}

void Binder::deliverPendingCharacter() {
  if (!pending_) {
    return;
  }
  const std::unique_ptr<PendingKey> key = std::move(pending_);
  if (QObject *destination = characterDestination(*key)) {
    deliverCharacter(destination, *key->event);
  }
}

} // namespace vx::ui
