// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small text helpers the capacitor window's procedures share.

#include "runtime/value.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace vx::capcharge {

// Whether the text matches any of the patterns.
bool likeAny(std::string_view text, std::initializer_list<std::string_view> patterns);

// The figure cut (towards minus infinity, not rounded) to the decimals of
// `scale` (1000 for three, 10000 for four), joined with the unit word.
std::string cutFigure(const Value &figure, int scale, std::string_view word);

} // namespace vx::capcharge
