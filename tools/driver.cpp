// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/driver.h"

#include "forms/form.h"
#include "tools/json_text.h"
#include "tools/readings.h"
#include "ui/form_view.h"
#include "ui/key_codes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

namespace vx::drive {

namespace {

constexpr int activationTimeoutMs = 2000;
constexpr int settlePasses = 4;

bool takesFocus(const forms::Control &control) {
  const auto kind = control.kind();
  return kind == forms::ControlKind::TextBox || kind == forms::ControlKind::Button ||
         kind == forms::ControlKind::CheckBox;
}

bool isVisible(const forms::Control &control) {
  return readProperty(control, "visible").value_or("true") == "true";
}

// Brings the window to the front and waits until it is the active one, as
// a person's click on it would.
void activate(ui::FormView &view) {
  if (QApplication::activeWindow() == &view) {
    return;
  }
  view.raise();
  view.activateWindow();
  (void)QTest::qWaitForWindowActive(&view, activationTimeoutMs);
}

QWidget *keyboardTarget(ui::FormView &view) {
  if (QWidget *focused = QApplication::focusWidget();
      focused != nullptr && focused->window() == &view) {
    return focused;
  }
  if (QWidget *focused = view.focusWidget()) {
    return focused;
  }
  return &view;
}

// Nothing when the key's window closed and took the target with it.
void sendKey(QWidget *target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             const QString &text, int code) {
  if (target == nullptr) {
    return;
  }
  QKeyEvent event(type, key, modifiers, 0, static_cast<quint32>(code), 0, text);
  QApplication::sendEvent(target, &event);
}

// Where a click lands: the box of a check box, the start of a text box,
// the middle of anything else.
QPoint clickPoint(QWidget *widget) {
  if (auto *check = qobject_cast<QCheckBox *>(widget)) {
    QStyleOptionButton option;
    option.initFrom(check);
    return check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check).center();
  }
  if (qobject_cast<QLineEdit *>(widget) != nullptr) {
    return {2, widget->height() / 2};
  }
  return widget->rect().center();
}

} // namespace

Driver::Driver(std::ostream &out) : out_(out) {
  app_.binder().setTimersLive(false);
  app_.start();
  settle();
}

void Driver::settle() {
  for (int pass = 0; pass < settlePasses; ++pass) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

QWidget *Driver::keyboardTargetOf(const std::string &window) {
  ui::FormView *view = app_.binder().view(window);
  return view == nullptr ? nullptr : keyboardTarget(*view);
}

QWidget *Driver::widgetOf(const Target &target) {
  ui::FormView *view = app_.binder().view(target.window);
  return view == nullptr ? nullptr : view->widget(target.control);
}

bool Driver::run(std::istream &script) {
  bool allRan = true;
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    const ReadLine read = readLine(line);
    if (!read) {
      continue;
    }
    std::string refusal;
    if (const auto *bad = std::get_if<Refusal>(&*read)) {
      refusal = bad->reason;
    } else {
      const auto &command = std::get<Command>(*read);
      if (app_.registry().ended() && command.verb != Verb::Echo) {
        refusal = "the program has ended";
      } else {
        refusal = execute(command);
        settle();
      }
    }
    if (!refusal.empty()) {
      out_ << "! line " << number << ": " << refusal << '\n';
      allRan = false;
    }
  }
  out_.flush();
  return allRan;
}

std::string Driver::execute(const Command &command) {
  forms::Registry &registry = app_.registry();
  if (command.verb == Verb::Echo) {
    out_ << command.text << '\n';
    return {};
  }
  if (command.verb == Verb::Wait) {
    app_.binder().setTimersLive(true);
    QTest::qWait(static_cast<int>(std::min<long long>(command.number, 24LL * 3600 * 1000)));
    app_.binder().setTimersLive(false);
    return {};
  }
  if (!registry.known(command.target.window)) {
    return "unknown window \"" + command.target.window + "\"";
  }
  const std::string &window = command.target.window;
  switch (command.verb) {
  case Verb::Show:
    registry.show(window);
    return {};
  case Verb::Close:
    if (ui::FormView *view = app_.binder().view(window);
        view != nullptr && registry.isOpen(window)) {
      view->close();
    }
    return {};
  case Verb::Tick:
    if (registry.isOpen(window)) {
      for (forms::Control *control : registry.instance(window).controls()) {
        if (auto *timer = forms::as<forms::Timer>(control)) {
          timer->expire();
          break;
        }
      }
    }
    return {};
  case Verb::Get:
  case Verb::Var:
    return read(command);
  default:
    return interact(command);
  }
}

std::string Driver::read(const Command &command) {
  forms::Registry &registry = app_.registry();
  const Target &target = command.target;
  forms::Form &form = registry.instance(target.window);
  const bool open = registry.isOpen(target.window);
  std::string value;
  if (command.verb == Verb::Var) {
    const forms::Var *variable = form.variable(target.control);
    if (variable == nullptr) {
      return target.window + " has no variable \"" + target.control + "\"";
    }
    value = describeValue(*variable);
  } else if (target.property.empty() && target.control == "open") {
    value = open ? "true" : "false";
  } else if (target.property.empty() &&
             (target.control == "focus" || target.control == "caption")) {
    if (!open) {
      value = "closed";
    } else if (target.control == "caption") {
      value = quoteJson(form.caption());
    } else {
      const forms::Control *active = form.activeControl();
      value = quoteJson(active == nullptr ? "" : active->name());
    }
  } else {
    const forms::Control *control = form.control(target.control);
    if (control == nullptr) {
      return target.window + " has no control \"" + target.control + "\"";
    }
    const auto property = readProperty(*control, target.property);
    if (!property) {
      return target.window + "." + target.control + " has no property \"" + target.property + "\"";
    }
    value = open ? *property : "closed";
  }
  out_ << target.written << " = " << value << '\n';
  return {};
}

std::string Driver::interact(const Command &command) {
  forms::Registry &registry = app_.registry();
  const Target &target = command.target;
  ui::FormView *view = app_.binder().view(target.window);
  if (!registry.isOpen(target.window) || view == nullptr) {
    return target.window + " is not open";
  }
  if (command.verb == Verb::Screenshot) {
    if (!view->grab().save(QString::fromStdString(command.text), "PNG")) {
      return "cannot write " + quoteJson(command.text);
    }
    return {};
  }
  if (command.verb == Verb::Key) {
    return pressKey(command);
  }
  forms::Form &form = view->form();
  forms::Control *control = form.control(target.control);
  if (control == nullptr) {
    return target.window + " has no control \"" + target.control + "\"";
  }
  const bool hasWidget = view->widget(target.control) != nullptr;
  auto *box = forms::as<forms::TextBox>(control);
  switch (command.verb) {
  case Verb::Caret:
    if (box == nullptr) {
      return target.written + " is not a text box";
    }
    box->setSelStart(
        static_cast<int>(std::min<long long>(command.number, std::numeric_limits<int>::max())));
    return {};
  case Verb::Click: {
    if (!hasWidget) {
      return target.written + " cannot be clicked";
    }
    if (!isVisible(*control)) {
      return target.written + " is not visible";
    }
    activate(*view);
    QWidget *widget = widgetOf(target);
    if (widget == nullptr) {
      return target.window + " is not open";
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, clickPoint(widget));
    return {};
  }
  case Verb::Focus:
  case Verb::Type:
  case Verb::Paste: {
    if (!hasWidget || !takesFocus(*control)) {
      return target.written + " cannot take the focus";
    }
    if ((command.verb != Verb::Focus) && box == nullptr) {
      return target.written + " is not a text box";
    }
    if (!isVisible(*control)) {
      return target.written + " is not visible";
    }
    activate(*view);
    QWidget *widget = widgetOf(target);
    if (widget == nullptr) {
      return target.window + " is not open";
    }
    if (command.verb == Verb::Focus || form.activeControl() != control || !widget->hasFocus()) {
      widget->setFocus(Qt::OtherFocusReason);
      settle();
    }
    if (command.verb == Verb::Type) {
      return typeText(command);
    }
    if (command.verb == Verb::Paste) {
      app_.binder().paste(*box, command.text);
    }
    return {};
  }
  default:
    return {};
  }
}

std::string Driver::typeText(const Command &command) {
  const std::string &window = command.target.window;
  const QString text = QString::fromStdString(command.text);
  for (const char32_t character : text.toUcs4()) {
    QPointer<QWidget> target = keyboardTargetOf(window);
    if (target == nullptr) {
      return window + " closed while typing";
    }
    const ui::KeyStroke stroke = ui::strokeForCharacter(character);
    if (stroke.withShift) {
      sendKey(target, QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, {}, 0);
      settle();
      target = keyboardTargetOf(window);
    }
    sendKey(target, QEvent::KeyPress, stroke.qtKey, stroke.modifiers, stroke.text, stroke.code);
    settle();
    target = keyboardTargetOf(window);
    sendKey(target, QEvent::KeyRelease, stroke.qtKey, stroke.modifiers, stroke.text, stroke.code);
    if (stroke.withShift) {
      sendKey(target, QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, {}, 0);
    }
    settle();
  }
  return {};
}

std::string Driver::pressKey(const Command &command) {
  const auto stroke = ui::strokeForVirtualKey(static_cast<int>(command.number));
  if (!stroke) {
    return "no key has the code " + std::to_string(command.number);
  }
  const std::string &window = command.target.window;
  activate(*app_.binder().view(window));
  QPointer<QWidget> target = keyboardTargetOf(window);
  if (target == nullptr) {
    return window + " is not open";
  }
  const Qt::KeyboardModifiers modifiers =
      stroke->qtKey == Qt::Key_Shift ? Qt::KeyboardModifiers(Qt::ShiftModifier) : stroke->modifiers;
  sendKey(target, QEvent::KeyPress, stroke->qtKey, modifiers, stroke->text, stroke->code);
  settle();
  // The key goes up where the focus is now; when it closed its window, the
  // widget it went down on is gone and the release goes nowhere.
  if (QWidget *now = keyboardTargetOf(window)) {
    target = now;
  }
  sendKey(target, QEvent::KeyRelease, stroke->qtKey, stroke->modifiers, stroke->text, stroke->code);
  return {};
}

} // namespace vx::drive
