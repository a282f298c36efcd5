// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the five windows: the input is a vexlo-drive script, whose events
// the random events' engine plays on a freshly started program with its
// checks after each. So the seeds are scenario scripts, and a failing input
// replays as it stands with `random_events --replay`.

#include "random/engine.h"
#include "tools/headless_toolkit.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char ***argv) {
  vx::drive::prepareHeadlessToolkit();
  // Never destroyed: at exit the toolkit's own globals go first, and an
  // application destroyed after them would touch them.
  static int qtArgc = 1;
  new QApplication(qtArgc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::istringstream script(std::string(reinterpret_cast<const char *>(data), size));
  std::vector<std::string> lines;
  for (std::string line; std::getline(script, line);) {
    lines.push_back(line);
  }
  if (const vx::random::Played played = vx::random::play(lines); played.failure) {
    std::cerr << vx::random::shrunkScript(played.events, *played.failure, 0);
    std::abort();
  }
  return 0;
}
