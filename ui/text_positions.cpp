// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/text_positions.h"

namespace vx::ui {

int characterIndex(const QString &text, int utf16Position) {
  int characters = 0;
  for (int i = 0; i < utf16Position && i < text.size(); ++i) {
    if (!text.at(i).isLowSurrogate()) {
      ++characters;
    }
  }
  return characters;
}

int utf16Position(const QString &text, int characterIndex) {
  int characters = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (!text.at(i).isLowSurrogate()) {
      if (characters == characterIndex) {
        return i;
      }
      ++characters;
    }
  }
  return static_cast<int>(text.size());
}

} // namespace vx::ui
