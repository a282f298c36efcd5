// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one engine behind the random events, the window fuzzer and replay:
// a source gives vexlo-drive lines of a person's events, which are played
// through the driver on a freshly started program, and after every event
// what must always hold is checked.

#include "forms/form.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vx::random {

struct Failure {
  std::string kind; // the same kind counts as the same fault when shrinking
  std::string message;
};

struct Played {
  std::vector<std::string> events; // as played, the failing one last
  std::optional<Failure> failure;
};

// The next line, given the windows open now; nullopt when the source is dry.
using Source = std::function<std::optional<std::string>(const std::vector<const forms::Form *> &)>;

// Plays the source's lines on a new program until the source runs dry, the
// program ends or a check fails; then ends the program, which must leave
// none of its windows behind. Lines that are no event of a person's (get,
// var, echo, wait, screenshot, comments, unreadable lines) are passed over,
// so any script can be replayed.
Played play(const Source &next);
Played play(const std::vector<std::string> &lines);

// The events left out one stretch at a time while they still fail the same
// way, in at most `trials` replays; written as a script with the message.
std::string shrunkScript(std::vector<std::string> events, const Failure &failure, int trials);

} // namespace vx::random
