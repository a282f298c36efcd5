// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The characters the big digit can show, each with the segments it lights
// (bit 0 segment a ... bit 6 segment g).

#include <array>
#include <string_view>

namespace vx {

struct LedCharacter {
  std::string_view text;
  int pattern;
};

extern const std::array<LedCharacter, 72> characterTable;

} // namespace vx
