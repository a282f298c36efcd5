// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Delta debugging: the shortest run of events, taken from a failing one,
// that still fails the same way.

#include <functional>
#include <string>
#include <vector>

namespace vx::random {

using Reproduces = std::function<bool(const std::vector<std::string> &events)>;

// At most `budget` trial runs; the events that fail are kept in order.
std::vector<std::string> shrink(std::vector<std::string> events, const Reproduces &reproduces,
                                int budget);

} // namespace vx::random
