// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The script language of vexlo-drive: one command a line. Reading a line
// checks its form only; whether its window and control exist is known
// when it runs.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vx::drive {

enum class Verb {
  Show,
  Close,
  Click,
  Focus,
  Caret,
  Type,
  Paste,
  Key,
  Tick,
  Wait,
  Get,
  Var,
  Screenshot,
  Echo
};

// "W", "W.C" or "W.C.P" as written.
struct Target {
  std::string written;
  std::string window;
  std::string control;  // or the window property / variable name
  std::string property; // only in W.C.P
};

struct Command {
  Verb verb = Verb::Echo;
  Target target;
  std::string text;     // TEXT of type/paste, FILE of screenshot, REST of echo
  long long number = 0; // N of caret, VK of key, MS of wait
};

struct Refusal {
  std::string reason;
};

// nullopt for blank lines and comments.
using ReadLine = std::optional<std::variant<Command, Refusal>>;
ReadLine readLine(std::string_view line);

} // namespace vx::drive
