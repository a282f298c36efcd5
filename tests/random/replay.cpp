// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/replay.h"

#include "random/shrink.h"

#include <exception>

namespace vx::random {

Observation step(Session &session, const Catalog &catalog, const std::string &event) {
  try {
    (void)session.run(event);
  } catch (const std::exception &e) {
    Observation seen;
    seen.failure = Failure{"exception", std::string("an exception escaped: ") + e.what(), {}};
    return seen;
  }
  return observe(session, catalog);
}

std::optional<Failure> replay(const Catalog &catalog, const std::vector<std::string> &events) {
  Session session;
  for (const std::string &event : events) {
    Observation seen = step(session, catalog, event);
    if (seen.failure || seen.ended) {
      return seen.failure;
    }
  }
  return std::nullopt;
}

std::string failureScript(const Catalog &catalog, const std::vector<std::string> &events,
                          const Failure &failure) {
  constexpr int trials = 400;
  Failure last = failure;
  const auto shortest = shrink(
      events,
      [&](const std::vector<std::string> &candidate) {
        const auto found = replay(catalog, candidate);
        if (found && found->kind == failure.kind) {
          last = *found;
          return true;
        }
        return false;
      },
      trials);
  std::string script = "# " + last.message + "\n";
  for (const std::string &line : shortest) {
    script += line + "\n";
  }
  for (const std::string &line : last.evidence) {
    script += line + "\n";
  }
  return script;
}

} // namespace vx::random
