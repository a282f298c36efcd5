// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/shrink.h"

#include <algorithm>

namespace vx::random {

std::vector<std::string> shrink(std::vector<std::string> events, const Reproduces &reproduces,
                                int budget) {
  std::size_t parts = 2;
  while (events.size() >= 2 && budget > 0) {
    const std::size_t chunk = (events.size() + parts - 1) / parts;
    bool reduced = false;
    for (std::size_t start = 0; start < events.size() && budget > 0; start += chunk) {
      std::vector<std::string> rest(events.begin(), events.begin() + static_cast<long>(start));
      rest.insert(rest.end(),
                  events.begin() + static_cast<long>(std::min(start + chunk, events.size())),
                  events.end());
      --budget;
      if (reproduces(rest)) {
        events = std::move(rest);
        parts = std::max<std::size_t>(parts - 1, 2);
        reduced = true;
        break;
      }
    }
    if (!reduced) {
      if (parts >= events.size()) {
        break;
      }
      parts = std::min(parts * 2, events.size());
    }
  }
  return events;
}

} // namespace vx::random
