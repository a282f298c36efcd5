// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/session.h"

#include <string_view>

namespace vx::random {

Session::Session() : driver_(std::make_unique<drive::Driver>(out_)) {}

std::string Session::run(const std::vector<std::string> &lines) {
  std::string script;
  for (const std::string &line : lines) {
    script += line;
    script += '\n';
  }
  out_.str("");
  std::istringstream in(script);
  (void)driver_->run(in);
  return out_.str();
}

std::map<std::string, std::string> Session::read(const std::vector<std::string> &targets) {
  std::vector<std::string> lines;
  lines.reserve(targets.size());
  for (const std::string &target : targets) {
    lines.push_back("get " + target);
  }
  std::map<std::string, std::string> values;
  std::istringstream printed(run(lines));
  std::string line;
  while (std::getline(printed, line)) {
    const std::size_t separator = line.find(" = ");
    if (!line.starts_with("! ") && separator != std::string::npos) {
      values[line.substr(0, separator)] = line.substr(separator + 3);
    }
  }
  return values;
}

bool Session::ended() {
  return run("get vexlo.open").find("the program has ended") != std::string::npos;
}

} // namespace vx::random
