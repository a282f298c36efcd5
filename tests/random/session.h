// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One run of the program driven by script lines, exactly as vexlo-drive
// runs them; a new session is a freshly started program.

#include "tools/driver.h"

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vx::random {

class Session {
public:
  Session();

  // Runs the lines (one command each) and gives what they printed. An
  // exception from inside the program is passed on to the caller.
  std::string run(const std::vector<std::string> &lines);
  std::string run(const std::string &line) { return run(std::vector<std::string>{line}); }

  // Runs `get` lines and gives each target's printed value, by target;
  // refused lines are left out.
  std::map<std::string, std::string> read(const std::vector<std::string> &targets);

  [[nodiscard]] bool ended();

private:
  std::ostringstream out_;
  std::unique_ptr<drive::Driver> driver_;
};

} // namespace vx::random
