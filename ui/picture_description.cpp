// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_description.h"

#include <charconv>

namespace vx::ui {

namespace {
constexpr std::string_view glyphPrefix = "led";
constexpr int segmentCount = 7;
} // namespace

QString describePicture(std::string_view picture) {
  if (picture == "ledp") {
    return QStringLiteral("decimal point dark");
  }
  if (picture == "leddp") {
    return QStringLiteral("decimal point lit");
  }
  int pattern = -1;
  if (picture.substr(0, glyphPrefix.size()) == glyphPrefix) {
    const std::string_view digits = picture.substr(glyphPrefix.size());
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), pattern);
    if (error != std::errc() || end != digits.data() + digits.size()) {
      pattern = -1;
    }
  }
  if (pattern < 0 || pattern >= (1 << segmentCount)) {
    return {};
  }
  if (pattern == 0) {
    return QStringLiteral("blank");
  }
  QString lit = QStringLiteral("segments");
  for (int segment = 0; segment < segmentCount; ++segment) {
    if ((pattern & (1 << segment)) != 0) {
      lit += QLatin1Char(' ');
      lit += QLatin1Char(static_cast<char>('a' + segment));
    }
  }
  return lit;
}

} // namespace vx::ui
