// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pattern matching with `*` as the only wildcard.

#include "runtime/text_rules.h"

namespace vx {

// Greedy matching that remembers only the last star: when a literal run
// fails, that star takes one more character. Quadratic at worst, never
// exponential, whatever the number of stars. Bytes are compared, which for
// UTF-8 texts is the same as comparing characters since `*` spans whole runs.
bool Like(std::string_view text, std::string_view pattern) {
  std::size_t t = 0;
  std::size_t p = 0;
  std::size_t starAt = std::string_view::npos;
  std::size_t resumeAt = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      t = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

} // namespace vx
