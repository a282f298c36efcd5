#include "random/invariants.h"

#include "tools/json_text.h"
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

std::string unquoted(const std::string &printed) {
  const auto parsed = drive::parseJsonString(printed);
  return parsed ? parsed->value : printed;
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

std::optional<Failure> checkPins(Session &session, const PortWindow &port) {
  std::vector<std::string> targets{port.name + ".Text9"};
  for (const std::string &pin : port.pins) {
    targets.push_back(port.name + "." + pin);
  }
  auto values = session.read(targets);
  const auto number = wholeNumber(unquoted(values[targets[0]]), port.largest);
  if (!number) {
    return std::nullopt;
  }
  for (std::size_t bit = 0; bit < port.pins.size(); ++bit) {
    const std::string expected = ((*number >> bit) & 1U) != 0 ? "1" : "0";
    const std::string &target = targets[bit + 1];
    if (unquoted(values[target]) != expected) {
      Failure failure{"pins " + port.name,
                      target + " shows " + values[target] + " for bit " + std::to_string(bit) +
                          " of " + std::to_string(*number),
                      {}};
      for (const std::string &t : targets) {
        failure.evidence.push_back("get " + t);
      }
      return failure;
    }
  }
  return std::nullopt;
}

std::optional<Failure> checkOpenWindow(Session &session, const WindowEntry &window) {
  std::vector<std::string> targets;
  for (const std::string &box : window.named(forms::ControlKind::CheckBox)) {
    targets.push_back(window.name + "." + box);
  }
  for (const auto &[target, value] : session.read(targets)) {
    if (value != "0" && value != "1") {
      return Failure{"check box", target + " holds " + value, {"get " + target}};
    }
  }
  for (const PortWindow &port : portWindows()) {
    if (port.name == window.name) {
      return checkPins(session, port);
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
      return Failure{"closed", target + " reads " + value + " while the window is closed",
                     {"get " + window.name + ".open", "get " + target}};
    }
  }
  return std::nullopt;
}

// Windows the toolkit still shows, by caption.
std::vector<std::string> shownViews() {
  std::vector<std::string> shown;
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<ui::FormView *>(widget) != nullptr && widget->isVisible()) {
      shown.push_back(widget->windowTitle().toStdString());
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
      seen.failure = Failure{"ended", "the program ended while \"" + shown.front() + "\" shows",
                             {"get vexlo.open"}};
    }
    return seen;
  }
  std::vector<std::string> targets;
  for (const WindowEntry &w : catalog.windows) {
    targets.push_back(w.name + ".open");
  }
  const auto flags = session.read(targets);
  for (const WindowEntry &w : catalog.windows) {
    const auto found = flags.find(w.name + ".open");
    const bool open = found != flags.end() && found->second == "true";
    if (open) {
      seen.open.push_back(w.name);
    }
    seen.failure = open ? checkOpenWindow(session, w) : checkClosedWindow(session, w);
    if (seen.failure) {
      return seen;
    }
  }
  if (seen.open.empty()) {
    seen.failure = Failure{"running", "no window is open, yet the program goes on", {}};
  } else if (shownViews().size() != seen.open.size()) {
    seen.failure = Failure{"shown", std::to_string(shownViews().size()) + " windows show but " +
                                        std::to_string(seen.open.size()) + " are open",
                           {}};
  }
  return seen;
}

} // namespace vx::random
