// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vx::drive {

// A JSON string literal at the start of `text` (after blanks): its value
// and the number of characters it took; nullopt when it is not one.
struct ParsedText {
  std::string value;
  std::size_t consumed = 0;
};
std::optional<ParsedText> parseJsonString(std::string_view text);

// The text as a JSON string literal, so blanks and quotes show.
std::string quoteJson(std::string_view text);

} // namespace vx::drive
