// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/invariants.h"

#include "forms/form.h"
#include "ui/form_view.h"

#include <QApplication>

#include <algorithm>
#include <cstdint>

namespace vx::random {

namespace {

// The pin boxes of a port window, bit 0 first, and the largest value its
// value box `Text9` can stand for.
struct PortWindow {
  std::string name;
  std::vector<std::string> pins;
  std::uint32_t largest;
};

std::vector<PortWindow> portWindows() {
  std::vector<std::string> eight;
  std::vector<std::string> sixteen;
  for (int i = 1; i <= 8; ++i) {
    eight.push_back("Text" + std::to_string(i));
  }
  sixteen = eight;
  for (int i = 21; i <= 28; ++i) {
    sixteen.push_back("Text" + std::to_string(i));
  }
  return {{"port66", sixteen, 65535}, {"port6", eight, 255}};
}

// A value box holds a whole number when its text is digits alone.
std::optional<std::uint32_t> wholeNumber(const std::string &text, std::uint32_t largest) {
  constexpr std::size_t longest = 9;
  if (text.empty() || text.size() > longest ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const auto number = static_cast<std::uint32_t>(std::stoul(text));
  return number <= largest ? std::optional(number) : std::nullopt;
}

const std::string &textOf(const forms::Form &form, const std::string &box) {
  return forms::as<forms::TextBox>(form.control(box))->text();
}

// Open windows are read straight from their models, which is what `get`
// prints, without a driver round trip per control.
std::optional<Failure> checkPins(const forms::Form &form, const PortWindow &port) {
  const auto number = wholeNumber(textOf(form, "Text9"), port.largest);
  if (!number) {
    return std::nullopt;
  }
  for (std::size_t bit = 0; bit < port.pins.size(); ++bit) {
    const std::string expected = ((*number >> bit) & 1U) != 0 ? "1" : "0";
    const std::string &shown = textOf(form, port.pins[bit]);
    if (shown != expected) {
      Failure failure{"pins " + port.name,
                      port.name + "." + port.pins[bit] + " shows \"" + shown + "\" for bit " +
                          std::to_string(bit) + " of " + std::to_string(*number),
                      {"get " + port.name + ".Text9"}};
      for (const std::string &pin : port.pins) {
        failure.evidence.push_back("get " + port.name + "." + pin);
      }
      return failure;
    }
  }
  return std::nullopt;
}

std::optional<Failure> checkOpenWindow(const forms::Form &form) {
  for (const forms::Control *control : form.controls()) {
    const auto *check = forms::as<forms::CheckBox>(control);
    if (check == nullptr) {
      continue;
    }
    const int value = check->value();
    if (value != 0 && value != 1) {
      const std::string target = form.name() + "." + control->name();
      return Failure{"check box", target + " holds " + std::to_string(value), {"get " + target}};
    }
  }
  for (const PortWindow &port : portWindows()) {
    if (port.name == form.name()) {
      return checkPins(form, port);
    }
  }
  return std::nullopt;
}

std::optional<Failure> checkClosedWindow(Session &session, const WindowEntry &window) {
  std::vector<std::string> targets{window.name + ".focus", window.name + ".caption"};
  if (!window.controls.empty()) {
    targets.push_back(window.name + "." + window.controls.front().name);
  }
  for (const auto &[target, value] : session.read(targets)) {
    if (value != "closed") {
      std::string message = target;
      message.append(" reads ").append(value).append(" while the window is closed");
      return Failure{"closed", message, {"get " + window.name + ".open", "get " + target}};
    }
  }
  return std::nullopt;
}

// The windows the toolkit shows.
std::vector<ui::FormView *> shownViews() {
  std::vector<ui::FormView *> shown;
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (auto *view = qobject_cast<ui::FormView *>(widget); view != nullptr && view->isVisible()) {
      shown.push_back(view);
    }
  }
  return shown;
}

} // namespace

Observation observe(Session &session, const Catalog &catalog) {
  Observation seen;
  if (session.ended()) {
    seen.ended = true;
    if (const auto shown = shownViews(); !shown.empty()) {
      seen.failure = Failure{"ended",
                             "the program ended while \"" +
                                 shown.front()->windowTitle().toStdString() + "\" shows",
                             {"get vexlo.open"}};
    }
    return seen;
  }
  std::vector<std::string> targets;
  for (const WindowEntry &w : catalog.windows) {
    targets.push_back(w.name + ".open");
  }
  const auto flags = session.read(targets);
  const std::vector<ui::FormView *> shown = shownViews();
  for (const WindowEntry &w : catalog.windows) {
    const auto found = flags.find(w.name + ".open");
    const bool open = found != flags.end() && found->second == "true";
    const auto view = std::find_if(shown.begin(), shown.end(),
                                   [&](ui::FormView *v) { return v->form().name() == w.name; });
    if (open != (view != shown.end())) {
      seen.failure = Failure{
          "shown",
          w.name + (open ? " reads as open but is not shown" : " is shown but reads as closed"),
          {"get " + w.name + ".open"}};
      return seen;
    }
    if (open) {
      seen.open.push_back(w.name);
    }
    seen.failure = open ? checkOpenWindow((*view)->form()) : checkClosedWindow(session, w);
    if (seen.failure) {
      return seen;
    }
  }
  if (seen.open.empty()) {
    seen.failure = Failure{"running", "no window is open, yet the program goes on", {}};
  }
  return seen;
}

} // namespace vx::random
