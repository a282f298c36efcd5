// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/script.h"

#include "tools/json_text.h"

#include <array>
#include <charconv>
#include <utility>

namespace vx::drive {

namespace {

struct VerbName {
  std::string_view name;
  Verb verb;
};

constexpr std::array<VerbName, 14> verbs{{
    {"show", Verb::Show},
    {"close", Verb::Close},
    {"click", Verb::Click},
    {"focus", Verb::Focus},
    {"caret", Verb::Caret},
    {"type", Verb::Type},
    {"paste", Verb::Paste},
    {"key", Verb::Key},
    {"tick", Verb::Tick},
    {"wait", Verb::Wait},
    {"get", Verb::Get},
    {"var", Verb::Var},
    {"screenshot", Verb::Screenshot},
    {"echo", Verb::Echo},
}};

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Splits off the first word; the rest keeps its leading blanks removed.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
  text = trimmed(text);
  std::size_t end = 0;
  while (end < text.size() && !isBlank(text[end])) {
    ++end;
  }
  return {text.substr(0, end), trimmed(text.substr(end))};
}

bool isName(std::string_view part) {
  if (part.empty()) {
    return false;
  }
  for (const char c : part) {
    const bool ok =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) {
      return false;
    }
  }
  return true;
}

// parts: 1 for "W", 2 for "W.C", 3 for "W.C" or "W.C.P".
std::optional<Target> parseTarget(std::string_view word, int minParts, int maxParts) {
  Target target;
  target.written = std::string(word);
  std::array<std::string, 3> parts;
  int count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = word.find('.', start);
    const std::string_view part =
        word.substr(start, dot == std::string_view::npos ? word.npos : dot - start);
    if (count == maxParts || !isName(part)) {
      return std::nullopt;
    }
    parts.at(static_cast<std::size_t>(count++)) = std::string(part);
    if (dot == std::string_view::npos) {
      break;
    }
    start = dot + 1;
  }
  if (count < minParts) {
    return std::nullopt;
  }
  target.window = parts[0];
  target.control = parts[1];
  target.property = parts[2];
  return target;
}

std::optional<long long> parseNumber(std::string_view text) {
  long long value = 0;
  const auto *end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) {
    return std::nullopt;
  }
  return value;
}

Refusal refuse(std::string reason) {
  return Refusal{std::move(reason)};
}

// Every verb but echo, whose text is the line as it stands (see readLine).
std::variant<Command, Refusal> readCommand(Verb verb, std::string_view rest) {
  Command command;
  command.verb = verb;
  if (verb == Verb::Wait) {
    const auto ms = parseNumber(trimmed(rest));
    if (!ms || *ms < 0) {
      return refuse("wait takes a whole number of milliseconds");
    }
    command.number = *ms;
    return command;
  }
  auto [targetWord, afterTarget] = firstWord(rest);
  if (targetWord.empty()) {
    return refuse("a window or control is missing");
  }
  int minParts = 2;
  int maxParts = 2;
  switch (verb) {
  case Verb::Show:
  case Verb::Close:
  case Verb::Tick:
  case Verb::Key:
  case Verb::Screenshot:
    minParts = maxParts = 1;
    break;
  case Verb::Get:
    maxParts = 3;
    break;
  default:
    break;
  }
  const auto target = parseTarget(targetWord, minParts, maxParts);
  if (!target) {
    std::string reason = "\"";
    reason.append(targetWord).append("\" is not ");
    reason.append(maxParts == 1 ? "a window name" : "a window.control name");
    return refuse(std::move(reason));
  }
  command.target = *target;
  switch (verb) {
  case Verb::Caret:
  case Verb::Key: {
    const auto number = parseNumber(afterTarget);
    if (!number || *number < 0) {
      return refuse(verb == Verb::Caret ? "caret takes a position, a whole number from 0"
                                        : "key takes a virtual-key code, a whole number");
    }
    command.number = *number;
    return command;
  }
  case Verb::Type:
  case Verb::Paste: {
    const auto text = parseJsonString(afterTarget);
    if (!text || !trimmed(afterTarget.substr(text->consumed)).empty()) {
      return refuse("TEXT must be one JSON string literal, such as \"12\"");
    }
    command.text = text->value;
    return command;
  }
  case Verb::Screenshot: {
    if (afterTarget.empty()) {
      return refuse("screenshot needs a file name");
    }
    const auto quoted = parseJsonString(afterTarget);
    command.text = quoted ? quoted->value : std::string(afterTarget);
    return command;
  }
  default:
    if (!afterTarget.empty()) {
      return refuse("unexpected \"" + std::string(afterTarget) + "\" after " + target->written);
    }
    return command;
  }
}

} // namespace

ReadLine readLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
  }
  const std::string_view content = trimmed(line);
  if (content.empty() || content.front() == '#') {
    return std::nullopt;
  }
  const auto [word, rest] = firstWord(content);
  for (const VerbName &v : verbs) {
    if (v.name == word) {
      if (v.verb == Verb::Echo) {
        // The rest of the line as it stands, after the one blank that ends
        // the word.
        std::string_view after = line.substr(line.find(word) + word.size());
        if (!after.empty()) {
          after.remove_prefix(1);
        }
        Command echo;
        echo.verb = Verb::Echo;
        echo.text = std::string(after);
        return echo;
      }
      return readCommand(v.verb, rest);
    }
  }
  return refuse("unknown command \"" + std::string(word) + "\"");
}

} // namespace vx::drive
