// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Random script lines of the kinds a person causes: clicks, focus, caret
// moves, typing, pastes, keys, timer ticks, showing and closing windows.
// The same seed gives the same lines.

#include "random/catalog.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vx::random {

// Every virtual key code, 0 to 255, that the driver can press.
std::vector<int> pressableKeys();

// Texts that numbers, patterns and boxes must survive: beyond a Double,
// beyond 16 and 32 bits, unit marks, broken numbers, foreign characters.
const std::vector<std::string> &hostileTexts();

class EventSource {
public:
  EventSource(const Catalog &catalog, std::uint64_t seed);

  // One line, mostly aimed at a window that is open now.
  std::string next(const std::vector<std::string> &open);

  // A text that numbers, patterns and boxes must survive.
  std::string hostileText(std::size_t longest);

private:
  std::size_t below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }
  template <typename T> const T &pick(const std::vector<T> &items) {
    return items[below(items.size())];
  }
  std::string control(const WindowEntry &window, const std::vector<forms::ControlKind> &kinds);

  const Catalog &catalog_;
  std::mt19937_64 rng_;
  std::vector<int> keys_;
};

} // namespace vx::random
