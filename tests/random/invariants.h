// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What must hold after every event, whatever the event was.

#include "random/catalog.h"
#include "random/session.h"

#include <optional>
#include <string>
#include <vector>

namespace vx::random {

struct Failure {
  std::string kind; // the same kind means the same fault when shrinking
  std::string message;
  std::vector<std::string> evidence; // script lines that show it
};

struct Observation {
  bool ended = false;
  std::vector<std::string> open;
  std::optional<Failure> failure;
};

Observation observe(Session &session, const Catalog &catalog);

} // namespace vx::random
