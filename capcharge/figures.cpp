// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "capcharge/figures.h"

#include "runtime/text_rules.h"

namespace vx::capcharge {

bool likeAny(std::string_view text, std::initializer_list<std::string_view> patterns) {
  for (std::string_view pattern : patterns) {
    if (Like(text, pattern)) {
      return true;
    }
  }
  return false;
}

std::string cutFigure(const Value &figure, int scale, std::string_view word) {
  return join(Int(figure * scale) / scale, std::string(word));
}

} // namespace vx::capcharge
