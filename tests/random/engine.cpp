// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/engine.h"

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

bool isEvent(const std::string &line) {
  using drive::Verb;
  const drive::ReadLine read = drive::readLine(line);
  const auto *command = read ? std::get_if<drive::Command>(&*read) : nullptr;
  return command != nullptr && command->verb != Verb::Wait && command->verb != Verb::Get &&
         command->verb != Verb::Var && command->verb != Verb::Screenshot &&
         command->verb != Verb::Echo;
}

std::vector<ui::FormView *> views() {
  std::vector<ui::FormView *> found;
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (auto *view = qobject_cast<ui::FormView *>(widget)) {
      found.push_back(view);
    }
  }
  return found;
}

// What the widget shows, written as `get` writes its control's value.
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
  return std::nullopt; // a button's caption is written with its mnemonics escaped
}

// Every widget shows what its control holds, is visible exactly when the
// control is, and lies inside its window.
std::optional<Failure> checkWidgets(const ui::FormView &view) {
  for (const forms::Control *control : view.form().controls()) {
    const QWidget *widget = view.widget(control->name());
    if (widget == nullptr) {
      continue;
    }
    const std::string target = view.form().name() + "." + control->name();
    const std::optional<std::string> shown = shownBy(*widget);
    const std::optional<std::string> held = drive::readProperty(*control, "");
    // Text that is no UTF-8 cannot be shown as it is held.
    if (shown && QString::fromStdString(*shown) != QString::fromStdString(held.value_or(""))) {
      return Failure{"widget " + target, target + " shows " + *shown + " but holds " + *held};
    }
    const bool visible = drive::readProperty(*control, "visible") == "true";
    if (widget->isVisibleTo(&view) != visible ||
        (visible && !view.rect().contains(widget->geometry()))) {
      return Failure{"visible " + target, target + " is not shown as visible " +
                                              (visible ? "true" : "false") + " inside its window"};
    }
  }
  return std::nullopt;
}

// A pin box (Text1 to Text8 bits 0 to 7, Text21 to Text28 bits 8 to 15)
// shows its bit of the port value whenever the value box holds a whole
// number the port can take.
std::optional<Failure> checkPins(const forms::Form &form) {
  const int bits = form.name() == "port66" ? 16 : form.name() == "port6" ? 8 : 0;
  const auto text = [&](const std::string &box) {
    return forms::as<forms::TextBox>(*form.control(box)).text();
  };
  const std::string value = bits == 0 ? "" : text("Text9");
  if (value.empty() || value.size() > 5 ||
      !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
      std::stoul(value) >= (1U << bits)) {
    return std::nullopt;
  }
  for (int bit = 0; bit < bits; ++bit) {
    const std::string pin = "Text" + std::to_string(bit < 8 ? bit + 1 : bit + 13);
    if (text(pin) != ((std::stoul(value) >> bit) & 1U ? "1" : "0")) {
      return Failure{"pins " + form.name(), form.name() + "." + pin + " shows \"" + text(pin) +
                                                "\" for bit " + std::to_string(bit) + " of " +
                                                value};
    }
  }
  return std::nullopt;
}

class Program {
public:
  std::string run(const std::string &lines) {
    out_.str("");
    std::istringstream in(lines);
    (void)driver_.run(in);
    return out_.str();
  }

  // The windows the driver reads as open are the ones shown, each as its
  // model holds it, and the program runs exactly while one is open.
  std::optional<Failure> check(std::vector<const forms::Form *> &open, bool &ended) {
    const std::string read = run("get vexlo.open\nget wavo6.open\nget ct6.open\n"
                                 "get port66.open\nget port6.open\n");
    ended = read.find("the program has ended") != std::string::npos;
    open.clear();
    for (const ui::FormView *view : views()) {
      const std::string &name = view->form().name();
      if (!view->isVisible() || read.find(name + ".open = true") == std::string::npos) {
        return Failure{"shown", name + " is left on the screen, or behind it, while not open"};
      }
      open.push_back(&view->form());
      if (auto failure = checkWidgets(*view); failure || (failure = checkPins(view->form()))) {
        return failure;
      }
    }
    std::size_t opened = 0;
    for (auto at = read.find("= true"); at != std::string::npos; at = read.find("= true", at + 1)) {
      ++opened;
    }
    if (opened != open.size() || ended == !open.empty()) {
      return Failure{"open", "these windows are not what is shown:\n" + read};
    }
    return std::nullopt;
  }

private:
  std::ostringstream out_;
  drive::Driver driver_{out_};
};

} // namespace

Played play(const Source &next) {
  Played played;
  {
    Program program;
    std::vector<const forms::Form *> open;
    bool ended = false;
    played.failure = program.check(open, ended);
    for (std::optional<std::string> line; !played.failure && !ended && (line = next(open));) {
      if (!isEvent(*line)) {
        continue;
      }
      played.events.push_back(*line);
      try {
        (void)program.run(*line + "\n");
        played.failure = program.check(open, ended);
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
  std::size_t at = 0;
  return play([&](const std::vector<const forms::Form *> & /*open*/) -> std::optional<std::string> {
    if (at == lines.size()) {
      return std::nullopt;
    }
    const std::string &line = lines[at++];
    return line.substr(0, line.find(" => "));
  });
}

std::string shrunkScript(std::vector<std::string> events, const Failure &failure, int trials) {
  Failure last = failure;
  for (std::size_t stretch = events.size() / 2; stretch > 0; stretch /= 2) {
    for (std::size_t at = 0; at + stretch <= events.size() && trials-- > 0;) {
      std::vector<std::string> rest = events;
      rest.erase(rest.begin() + static_cast<long>(at),
                 rest.begin() + static_cast<long>(at + stretch));
      const Played again = play(rest);
      if (again.failure && again.failure->kind == failure.kind) {
        events = again.events;
        last = *again.failure;
      } else {
        at += stretch;
      }
    }
  }
  std::string script = "# " + last.message + "\n";
  for (const std::string &line : events) {
    script += line + "\n";
  }
  return script;
}

} // namespace vx::random
