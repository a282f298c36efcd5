// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/reopen.h"

#include "random/event_source.h"
#include "random/session.h"
#include "tools/json_text.h"

#include <QApplication>

#include <memory>
#include <ostream>
#include <sstream>

namespace vx::random {

namespace {

std::vector<std::string> snapshotLines(const WindowEntry &window) {
  std::vector<std::string> lines;
  for (const ControlEntry &control : window.controls) {
    for (const std::string &property : propertiesOf(control.kind)) {
      lines.push_back("get " + window.name + "." + control.name +
                      (property.empty() ? "" : "." + property));
    }
  }
  return lines;
}

// Another window that stays open, so that closing the one under test
// does not end the program.
std::string companionOf(const std::string &window) {
  return window == "ct6" ? "port66" : "ct6";
}

struct Reopening {
  const Catalog &catalog;
  const WindowEntry &window;
  std::unique_ptr<Session> session = std::make_unique<Session>();
  EventSource source;

  Reopening(const Catalog &c, const WindowEntry &w, std::uint64_t seed)
      : catalog(c), window(w), source(c, seed) {}

  void open() {
    const std::string companion = companionOf(window.name);
    if (session->ended()) {
      session.reset();
      session = std::make_unique<Session>();
    }
    (void)session->run({"show " + companion, "show " + window.name});
  }

  // Changes what a person can change without leaving the window.
  void disturb() {
    std::vector<std::string> lines;
    const auto boxes = window.named(forms::ControlKind::TextBox);
    constexpr int pastes = 3;
    for (int i = 0; i < pastes && !boxes.empty(); ++i) {
      lines.push_back("paste " + window.name + "." +
                      boxes[static_cast<std::size_t>(i * 7) % boxes.size()] + " " +
                      drive::quoteJson(source.hostileText(40)));
    }
    for (const std::string &box : window.named(forms::ControlKind::CheckBox)) {
      lines.push_back("click " + window.name + "." + box);
    }
    (void)session->run(lines);
  }
};

// The first line in which the two readings differ.
std::string firstDifference(const std::string &designed, const std::string &shown) {
  std::istringstream a(designed);
  std::istringstream b(shown);
  std::string left;
  std::string right;
  while (std::getline(a, left)) {
    if (!std::getline(b, right) || left != right) {
      return std::string("designed ").append(left).append(", shown ").append(right);
    }
  }
  return "shown has more lines";
}

} // namespace

bool reopenWindows(const Catalog &catalog, int times, std::ostream &report) {
  for (const WindowEntry &window : catalog.windows) {
    Reopening run(catalog, window, std::hash<std::string>{}(window.name));
    const std::vector<std::string> snapshot = snapshotLines(window);
    run.open();
    const std::string designed = run.session->run(snapshot);
    qsizetype widgetsAfterClose = -1;
    int disturbed = 0;
    for (int i = 0; i < times; ++i) {
      run.disturb();
      if (run.session->run(snapshot) != designed) {
        ++disturbed;
      }
      (void)run.session->run("close " + window.name);
      const qsizetype widgets = QApplication::topLevelWidgets().size();
      if (widgetsAfterClose < 0) {
        widgetsAfterClose = widgets;
      } else if (widgets > widgetsAfterClose) {
        report << window.name << ": " << widgets << " top-level widgets after closing " << i + 1
               << " times, " << widgetsAfterClose << " after the first\n";
        return false;
      }
      run.open();
      const std::string shown = run.session->run(snapshot);
      if (shown != designed) {
        report << window.name << " differs from its design after reopening " << i + 1
               << " times: " << firstDifference(designed, shown) << "\n";
        return false;
      }
    }
    if (disturbed == 0) {
      report << window.name << ": no change before closing, so reopening proves nothing\n";
      return false;
    }
    report << window.name << ": reopened " << times << " times, changed before closing "
           << disturbed << " times\n";
  }
  return true;
}

} // namespace vx::random
