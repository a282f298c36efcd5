// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the five windows with a person's events, played through the
// driver on a freshly started program for every input. After each event
// the checks of the random-event program must hold; once the input is
// played the program is ended and none of its windows may be left behind.
// A failure prints its events as a vexlo-drive script and aborts.

#include "fuzz/window_events.h"
#include "random/catalog.h"
#include "random/replay.h"
#include "random/session.h"
#include "tools/headless_toolkit.h"
#include "ui/form_view.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using vx::random::Failure;

const vx::random::Catalog &catalog() {
  static const vx::random::Catalog windows = vx::random::readCatalog();
  return windows;
}

std::optional<Failure> windowsLeftBehind() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    if (auto *view = qobject_cast<vx::ui::FormView *>(widget)) {
      return Failure{"left behind",
                     "the window \"" + view->windowTitle().toStdString() +
                         "\" outlived its program",
                     {}};
    }
  }
  return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char ***argv) {
  vx::drive::prepareHeadlessToolkit();
  // Made once and never destroyed: at exit the toolkit's own globals go
  // first, and an application destroyed after them would touch them.
  static int qtArgc = 1;
  static const auto *application = new QApplication(qtArgc, *argv);
  (void)application;
  // Events pick their window and control by index, so each list needs an
  // entry to pick.
  bool aimable = !catalog().windows.empty();
  for (const vx::random::WindowEntry &window : catalog().windows) {
    aimable = aimable && !window.controls.empty();
  }
  if (!aimable) {
    std::cerr << "a window without controls: no events can be aimed\n";
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  vx::fuzz::Played played;
  {
    vx::random::Session session;
    played = vx::fuzz::playEvents(catalog(), session, data, size);
  }
  if (!played.failure) {
    played.failure = windowsLeftBehind();
  }
  if (played.failure) {
    std::cerr << played.failure->message << "\n"
              << vx::random::failureScript(catalog(), played.events, *played.failure);
    std::abort();
  }
  return 0;
}
