// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a picture shows, in words, for screen readers: the lit segments of
// a seven-segment glyph ("segments a b g"), "blank", or the decimal point
// lit or dark.

#include <QString>

#include <string_view>

namespace vx::ui {

QString describePicture(std::string_view picture);

} // namespace vx::ui
