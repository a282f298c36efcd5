// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <string_view>

namespace vx::forms {

// Number of characters of a UTF-8 text.
int characterCount(std::string_view text);

} // namespace vx::forms
