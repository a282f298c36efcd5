// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/json_text.h"

#include <array>
#include <cstdint>

namespace vx::drive {

namespace {

std::optional<std::uint32_t> hexDigits(std::string_view text, std::size_t at) {
  if (at + 4 > text.size()) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    const char c = text[i];
    value <<= 4U;
    if (c >= '0' && c <= '9') {
      value |= static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      value |= static_cast<std::uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      value |= static_cast<std::uint32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
  }
  return value;
}

void appendUtf8(std::string &out, std::uint32_t code) {
  if (code < 0x80U) {
    out += static_cast<char>(code);
  } else if (code < 0x800U) {
    out += static_cast<char>(0xC0U | (code >> 6U));
    out += static_cast<char>(0x80U | (code & 0x3FU));
  } else if (code < 0x10000U) {
    out += static_cast<char>(0xE0U | (code >> 12U));
    out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
    out += static_cast<char>(0x80U | (code & 0x3FU));
  } else {
    out += static_cast<char>(0xF0U | (code >> 18U));
    out += static_cast<char>(0x80U | ((code >> 12U) & 0x3FU));
    out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
    out += static_cast<char>(0x80U | (code & 0x3FU));
  }
}

// A \u escape, with a surrogate pair taken together; 0 when malformed.
std::size_t unicodeEscape(std::string_view text, std::size_t at, std::string &out) {
  const auto high = hexDigits(text, at);
  if (!high) {
    return 0;
  }
  constexpr std::uint32_t surrogateBase = 0xD800U;
  constexpr std::uint32_t lowBase = 0xDC00U;
  constexpr std::uint32_t surrogateEnd = 0xE000U;
  if (*high >= surrogateBase && *high < lowBase) {
    if (text.substr(at + 4, 2) != "\\u") {
      return 0;
    }
    const auto low = hexDigits(text, at + 6);
    if (!low || *low < lowBase || *low >= surrogateEnd) {
      return 0;
    }
    appendUtf8(out, 0x10000U + ((*high - surrogateBase) << 10U) + (*low - lowBase));
    return 10;
  }
  if (*high >= lowBase && *high < surrogateEnd) {
    return 0;
  }
  appendUtf8(out, *high);
  return 4;
}

} // namespace

std::optional<ParsedText> parseJsonString(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  if (i >= text.size() || text[i] != '"') {
    return std::nullopt;
  }
  ++i;
  std::string value;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '"') {
      return ParsedText{value, i + 1};
    }
    if (static_cast<unsigned char>(c) < 0x20U) {
      return std::nullopt;
    }
    if (c != '\\') {
      value += c;
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) {
      return std::nullopt;
    }
    const char escape = text[i + 1];
    i += 2;
    switch (escape) {
    case '"':
    case '\\':
    case '/':
      value += escape;
      break;
    case 'b':
      value += '\b';
      break;
    case 'f':
      value += '\f';
      break;
    case 'n':
      value += '\n';
      break;
    case 'r':
      value += '\r';
      break;
    case 't':
      value += '\t';
      break;
    case 'u': {
      const std::size_t used = unicodeEscape(text, i, value);
      if (used == 0) {
        return std::nullopt;
      }
      i += used;
      break;
    }
    default:
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::string quoteJson(std::string_view text) {
  static constexpr std::array<char, 16> hex{'0', '1', '2', '3', '4', '5', '6', '7',
                                            '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    case '\b':
      out += "\\b";
      break;
    case '\f':
      out += "\\f";
      break;
    default:
      if (byte < 0x20U || byte == 0x7FU) {
        out += "\\u00";
        out += hex[byte >> 4U];
        out += hex[byte & 0xFU];
      } else {
        out += c;
      }
    }
  }
  out += '"';
  return out;
}

} // namespace vx::drive
