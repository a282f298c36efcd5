// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/window_events.h"

#include "fuzz/fuzz_input.h"
#include "random/event_source.h"
#include "tools/json_text.h"
#include "tools/script.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

namespace vx::fuzz {

namespace {

using drive::Verb;

struct Kind {
  Verb verb;
  std::string_view word;
};

constexpr std::array<Kind, 9> kinds{{{Verb::Click, "click"},
                                     {Verb::Focus, "focus"},
                                     {Verb::Caret, "caret"},
                                     {Verb::Type, "type"},
                                     {Verb::Paste, "paste"},
                                     {Verb::Key, "key"},
                                     {Verb::Tick, "tick"},
                                     {Verb::Show, "show"},
                                     {Verb::Close, "close"}}};

constexpr std::size_t byteLimit = std::numeric_limits<std::uint8_t>::max();

const std::vector<int> &keys() {
  static const std::vector<int> codes = random::pressableKeys();
  return codes;
}

bool namesControl(Verb verb) {
  return verb == Verb::Click || verb == Verb::Focus || verb == Verb::Caret || verb == Verb::Type ||
         verb == Verb::Paste;
}

// A pasted text is a head, then a unit repeated to fill it up to a length
// given in steps, so that a few bytes paste a whole field of ten thousand
// characters.
constexpr std::size_t fillStep = 40;

std::string pastedText(FuzzInput &input) {
  std::string text = input.text();
  const std::string unit = input.text();
  const std::size_t length = input.byte() * fillStep;
  if (!unit.empty() && text.size() < length) {
    while (text.size() < length) {
      text += unit;
    }
    text.resize(length);
  }
  return text;
}

// The head, unit and length byte that fill up to the text.
std::optional<std::string> pasteBytes(const std::string &text) {
  if (text.size() <= byteLimit) {
    return static_cast<char>(text.size()) + text + std::string(2, '\0');
  }
  if (text.size() % fillStep != 0 || text.size() / fillStep > byteLimit) {
    return std::nullopt;
  }
  for (std::size_t head = 0; head <= byteLimit; ++head) {
    for (std::size_t unit = 1; unit <= byteLimit && head + unit <= text.size(); ++unit) {
      std::size_t at = head + unit;
      while (at < text.size() && text[at] == text[at - unit]) {
        ++at;
      }
      if (at == text.size()) {
        return static_cast<char>(head) + text.substr(0, head) + static_cast<char>(unit) +
               text.substr(head, unit) + static_cast<char>(text.size() / fillStep);
      }
    }
  }
  return std::nullopt;
}

std::string readEvent(const random::Catalog &catalog, FuzzInput &input) {
  const Kind &kind = kinds.at(input.byte() % kinds.size());
  const Verb verb = kind.verb;
  const random::WindowEntry &window = catalog.windows.at(input.byte() % catalog.windows.size());
  std::string line = std::string(kind.word) + " " + window.name;
  if (namesControl(verb)) {
    line += "." + window.controls.at(input.byte() % window.controls.size()).name;
  }
  if (verb == Verb::Caret) {
    line += " " + std::to_string(input.byte());
  } else if (verb == Verb::Type) {
    line += " " + drive::quoteJson(input.text());
  } else if (verb == Verb::Paste) {
    line += " " + drive::quoteJson(pastedText(input));
  } else if (verb == Verb::Key) {
    line += " " + std::to_string(keys().at(input.byte() % keys().size()));
  }
  return line;
}

template <typename T> std::optional<char> indexOf(const std::vector<T> &items, const T &item) {
  const auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end() || static_cast<std::size_t>(found - items.begin()) > byteLimit) {
    return std::nullopt;
  }
  return static_cast<char>(found - items.begin());
}

} // namespace

std::vector<std::string> readEvents(const random::Catalog &catalog, const std::uint8_t *data,
                                    std::size_t size) {
  FuzzInput input(data, size);
  std::vector<std::string> events;
  while (!input.empty()) {
    events.push_back(readEvent(catalog, input));
  }
  return events;
}

std::optional<std::string> eventBytes(const random::Catalog &catalog, const std::string &line) {
  const drive::ReadLine read = drive::readLine(line);
  const auto *command = read ? std::get_if<drive::Command>(&*read) : nullptr;
  if (command == nullptr) {
    return std::nullopt;
  }
  const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                 [&](const Kind &k) { return k.verb == command->verb; });
  std::vector<std::string> windowNames;
  for (const random::WindowEntry &window : catalog.windows) {
    windowNames.push_back(window.name);
  }
  const auto window = indexOf(windowNames, command->target.window);
  if (kind == kinds.end() || !window) {
    return std::nullopt;
  }
  std::string bytes{static_cast<char>(kind - kinds.begin()), *window};
  if (namesControl(command->verb)) {
    std::vector<std::string> controlNames;
    for (const random::ControlEntry &control :
         catalog.windows[static_cast<unsigned char>(*window)].controls) {
      controlNames.push_back(control.name);
    }
    const auto control = indexOf(controlNames, command->target.control);
    if (!control) {
      return std::nullopt;
    }
    bytes += *control;
  }
  if (command->verb == Verb::Caret) {
    if (command->number < 0 || static_cast<std::size_t>(command->number) > byteLimit) {
      return std::nullopt;
    }
    bytes += static_cast<char>(command->number);
  } else if (command->verb == Verb::Type) {
    if (command->text.size() > byteLimit) {
      return std::nullopt;
    }
    bytes += static_cast<char>(command->text.size());
    bytes += command->text;
  } else if (command->verb == Verb::Paste) {
    const auto paste = pasteBytes(command->text);
    if (!paste) {
      return std::nullopt;
    }
    bytes += *paste;
  } else if (command->verb == Verb::Key) {
    const auto key = command->number >= 0 && static_cast<std::size_t>(command->number) <= byteLimit
                         ? indexOf(keys(), static_cast<int>(command->number))
                         : std::nullopt;
    if (!key) {
      return std::nullopt;
    }
    bytes += *key;
  }
  return bytes;
}

} // namespace vx::fuzz
