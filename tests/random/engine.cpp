// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/engine.h"

#include "forms/registry.h"
#include "tools/driver.h"
#include "tools/json_text.h"
#include "tools/readings.h"
#include "ui/form_view.h"
#include "ui/picture_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <exception>
#include <sstream>

namespace vx::random {

namespace {

std::vector<ui::FormView *> views() {
  std::vector<ui::FormView *> found;
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (auto *view = qobject_cast<ui::FormView *>(widget)) {
      found.push_back(view);
    }
  }
  return found;
}

// What the widget shows, written as `get` writes its control's value; a
// button's caption is left out, written with its mnemonics escaped.
std::optional<std::string> shownBy(const QWidget &widget) {
  if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
    return drive::quoteJson(edit->text().toStdString());
  }
  if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
    return drive::quoteJson(label->text().toStdString());
  }
  if (const auto *check = qobject_cast<const QCheckBox *>(&widget)) {
    return check->isChecked() ? "1" : "0";
  }
  if (const auto *picture = qobject_cast<const ui::PictureWidget *>(&widget)) {
    return drive::quoteJson(picture->picture());
  }
  return std::nullopt;
}

// Every widget shows what its control holds (text that is no UTF-8 as Qt
// shows it), is visible exactly when the control is, and lies inside its
// window; and a pin box (Text1 to Text8 bits 0 to 7, Text21 to Text28 bits
// 8 to 15) shows its bit of the port value whenever the value box holds a
// whole number the port can take.
std::optional<Failure> checkWindow(const ui::FormView &view) {
  const forms::Form &form = view.form();
  for (const forms::Control *control : form.controls()) {
    const QWidget *widget = view.widget(control->name());
    const std::string target = form.name() + "." + control->name();
    const auto shown = widget == nullptr ? std::nullopt : shownBy(*widget);
    const std::string held = drive::readProperty(*control, "").value_or("");
    if (shown && QString::fromStdString(*shown) != QString::fromStdString(held)) {
      return Failure{"widget", QString("%1 shows %2 but holds %3")
                                   .arg(target.c_str(), shown->c_str(), held.c_str())
                                   .toStdString()};
    }
    const bool visible = drive::readProperty(*control, "visible") == "true";
    if (widget != nullptr && (widget->isVisibleTo(&view) != visible ||
                              (visible && !view.rect().contains(widget->geometry())))) {
      return Failure{"visible", QString("%1 is not shown inside its window as visible %2")
                                    .arg(target.c_str(), visible ? "true" : "false")
                                    .toStdString()};
    }
  }
  const int bits = form.name() == "port66" ? 16 : form.name() == "port6" ? 8 : 0;
  const auto text = [&](const std::string &box) {
    return forms::as<forms::TextBox>(*form.control(box)).text();
  };
  const std::string value = bits == 0 ? "" : text("Text9");
  if (value.empty() || value.size() > 5 ||
      value.find_first_not_of("0123456789") != std::string::npos ||
      std::stoul(value) >= (1U << bits)) {
    return std::nullopt;
  }
  for (int bit = 0; bit < bits; ++bit) {
    const std::string pin = "Text" + std::to_string(bit < 8 ? bit + 1 : bit + 13);
    if (text(pin) != ((std::stoul(value) >> bit) & 1U ? "1" : "0")) {
      return Failure{"pins", QString("%1.%2 shows \"%3\" for bit %4 of %5")
                                 .arg(form.name().c_str(), pin.c_str(), text(pin).c_str())
                                 .arg(bit)
                                 .arg(value.c_str())
                                 .toStdString()};
    }
  }
  return std::nullopt;
}

class Program {
public:
  void run(const std::string &line) {
    std::istringstream in(line);
    (void)driver_.run(in);
  }

  // The windows open are the ones shown, each checked, and the program runs
  // exactly while one is open.
  std::optional<Failure> check(std::vector<const forms::Form *> &open) {
    const std::vector<ui::FormView *> shown = views();
    open.clear();
    for (const std::string &name : registry_.names()) {
      const auto view = std::find_if(shown.begin(), shown.end(), [&](const ui::FormView *v) {
        return v->form().name() == name && v->isVisible();
      });
      if (registry_.isOpen(name) != (view != shown.end())) {
        return Failure{"shown", name + " is open or shown, but not both"};
      }
      if (view != shown.end()) {
        open.push_back(&(*view)->form());
        if (auto failure = checkWindow(**view)) {
          return failure;
        }
      }
    }
    // Keys go to the control that has its window's focus.
    const QWidget *focus = QApplication::focusWidget();
    const auto *view = focus == nullptr ? nullptr : qobject_cast<ui::FormView *>(focus->window());
    const forms::Control *active = view == nullptr ? nullptr : view->form().activeControl();
    if (view != nullptr && (active == nullptr || view->widget(active->name()) != focus)) {
      return Failure{"focus", view->form().name() + " has the focus away from its control"};
    }
    if (shown.size() != open.size() || registry_.ended() == !open.empty()) {
      return Failure{"open", "a closed window is left behind, or the program runs on without one"};
    }
    return std::nullopt;
  }
  [[nodiscard]] bool ended() const { return registry_.ended(); }

private:
  std::ostringstream out_;
  drive::Driver driver_{out_};
  forms::Registry &registry_ = views().front()->form().registry();
};

} // namespace

Played play(const Source &next) {
  Played played;
  {
    Program program;
    std::vector<const forms::Form *> open;
    played.failure = program.check(open);
    for (std::optional<std::string> line;
         !played.failure && !program.ended() && (line = next(open));) {
      const drive::ReadLine read = drive::readLine(*line);
      const auto *command = read ? std::get_if<drive::Command>(&*read) : nullptr;
      using enum drive::Verb;
      if (command == nullptr || command->verb == Wait || command->verb == Get ||
          command->verb == Var || command->verb == Screenshot || command->verb == Echo) {
        continue;
      }
      played.events.push_back(*line);
      try {
        program.run(*line);
        played.failure = program.check(open);
      } catch (const std::exception &e) {
        played.failure = Failure{"exception", std::string("an exception escaped: ") + e.what()};
      }
    }
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!played.failure && !views().empty()) {
    played.failure =
        Failure{"left behind", views().front()->form().name() + " outlived its program"};
  }
  return played;
}

// A scenario's expectations after " => " are cut off, so scenarios replay
// as they stand.
Played play(const std::vector<std::string> &lines) {
  auto at = lines.begin();
  return play([&](const std::vector<const forms::Form *> & /*open*/) -> std::optional<std::string> {
    if (at == lines.end()) {
      return std::nullopt;
    }
    const std::string &line = *at++;
    return line.substr(0, line.find(" => "));
  });
}

std::string shrunkScript(std::vector<std::string> events, const Failure &failure, int trials) {
  std::string message = failure.message;
  for (std::size_t stretch = events.size() / 2; stretch > 0; stretch /= 2) {
    for (std::size_t at = 0; at + stretch <= events.size() && trials-- > 0;) {
      std::vector<std::string> rest = events;
      rest.erase(rest.begin() + static_cast<long>(at),
                 rest.begin() + static_cast<long>(at + stretch));
      const Played again = play(rest);
      if (again.failure && again.failure->kind == failure.kind) {
        events = again.events;
        message = again.failure->message;
      } else {
        at += stretch;
      }
    }
  }
  std::string script = "# " + message + "\n";
  for (const std::string &line : events) {
    script += line + "\n";
  }
  return script;
}

} // namespace vx::random
