// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs events on a freshly started program, checking after each one.

#include "random/catalog.h"
#include "random/invariants.h"

#include <optional>
#include <string>
#include <vector>

namespace vx::random {

// Runs one event and checks; an exception out of the program is a failure.
Observation step(Session &session, const Catalog &catalog, const std::string &event);

// The first failure of the events on a new program, if any.
std::optional<Failure> replay(const Catalog &catalog, const std::vector<std::string> &events);

// The failing events shrunk and written as a vexlo-drive script.
std::string failureScript(const Catalog &catalog, const std::vector<std::string> &events,
                          const Failure &failure);

} // namespace vx::random
