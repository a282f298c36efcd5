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
