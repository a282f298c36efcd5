// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/utf8.h"

namespace vx::forms {

namespace {
bool isContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}
} // namespace

int characterCount(std::string_view text) {
  int count = 0;
  for (char c : text) {
    if (!isContinuation(c)) {
      ++count;
    }
  }
  return count;
}

} // namespace vx::forms
