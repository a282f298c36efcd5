// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/window_events.h"

#include "random/event_source.h"
#include "random/replay.h"
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

// Length bytes from here on name a hostile text instead.
constexpr std::size_t firstHostile = 192;
constexpr std::size_t rawLongest = firstHostile - 1;

std::string readText(FuzzInput &input) {
  const std::size_t length = input.byte();
  if (length >= firstHostile) {
    const auto &hostile = random::hostileTexts();
    return hostile[(length - firstHostile) % hostile.size()];
  }
  std::string text;
  for (std::size_t i = 0; i < length && !input.empty(); ++i) {
    text += static_cast<char>(input.byte());
  }
  return text;
}

std::optional<std::string> textBytes(const std::string &text) {
  if (text.size() > rawLongest) {
    return std::nullopt;
  }
  return static_cast<char>(text.size()) + text;
}

// A pasted text is a head, then a unit repeated to fill it up to a length
// given in steps, so that a few bytes paste a whole field of ten thousand
// characters.
constexpr std::size_t fillStep = 40;

std::string pastedText(FuzzInput &input) {
  std::string text = readText(input);
  const std::string unit = readText(input);
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
  if (text.size() <= rawLongest) {
    return static_cast<char>(text.size()) + text + std::string(2, '\0');
  }
  if (text.size() % fillStep != 0 || text.size() / fillStep > byteLimit) {
    return std::nullopt;
  }
  for (std::size_t head = 0; head <= rawLongest; ++head) {
    for (std::size_t unit = 1; unit <= rawLongest && head + unit <= text.size(); ++unit) {
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

// The windows an event of this kind can aim at.
std::vector<std::string> aimable(const random::Catalog &catalog, Verb verb,
                                 const std::vector<std::string> &open) {
  if (verb != Verb::Show && !open.empty()) {
    return open;
  }
  std::vector<std::string> all;
  for (const random::WindowEntry &window : catalog.windows) {
    all.push_back(window.name);
  }
  return all;
}

template <typename T> std::optional<char> indexOf(const std::vector<T> &items, const T &item) {
  const auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end() || static_cast<std::size_t>(found - items.begin()) > byteLimit) {
    return std::nullopt;
  }
  return static_cast<char>(found - items.begin());
}

} // namespace

std::string EventReader::next(const std::vector<std::string> &open) {
  const Kind &kind = kinds.at(input_.byte() % kinds.size());
  const Verb verb = kind.verb;
  const std::vector<std::string> windows = aimable(catalog_, verb, open);
  const random::WindowEntry &window = catalog_.window(windows.at(input_.byte() % windows.size()));
  std::string line = std::string(kind.word) + " " + window.name;
  if (namesControl(verb)) {
    line += "." + window.controls.at(input_.byte() % window.controls.size()).name;
  }
  if (verb == Verb::Caret) {
    line += " " + std::to_string(input_.byte());
  } else if (verb == Verb::Type) {
    line += " " + drive::quoteJson(readText(input_));
  } else if (verb == Verb::Paste) {
    line += " " + drive::quoteJson(pastedText(input_));
  } else if (verb == Verb::Key) {
    line += " " + std::to_string(keys().at(input_.byte() % keys().size()));
  }
  return line;
}

std::optional<std::string> eventBytes(const random::Catalog &catalog, const std::string &line,
                                      const std::vector<std::string> &open) {
  const drive::ReadLine read = drive::readLine(line);
  const auto *command = read ? std::get_if<drive::Command>(&*read) : nullptr;
  if (command == nullptr) {
    return std::nullopt;
  }
  const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                 [&](const Kind &k) { return k.verb == command->verb; });
  if (kind == kinds.end()) {
    return std::nullopt;
  }
  const auto window = indexOf(aimable(catalog, kind->verb, open), command->target.window);
  if (!window) {
    return std::nullopt;
  }
  std::string bytes{static_cast<char>(kind - kinds.begin()), *window};
  if (namesControl(command->verb)) {
    std::vector<std::string> controlNames;
    for (const random::ControlEntry &control : catalog.window(command->target.window).controls) {
      controlNames.push_back(control.name);
    }
    const auto control = indexOf(controlNames, command->target.control);
    if (!control) {
      return std::nullopt;
    }
    bytes += *control;
  }
  std::optional<std::string> rest = std::string();
  if (command->verb == Verb::Caret) {
    rest = command->number < 0 || static_cast<std::size_t>(command->number) > byteLimit
               ? std::nullopt
               : std::optional(std::string(1, static_cast<char>(command->number)));
  } else if (command->verb == Verb::Type) {
    rest = textBytes(command->text);
  } else if (command->verb == Verb::Paste) {
    rest = pasteBytes(command->text);
  } else if (command->verb == Verb::Key) {
    const auto key = command->number >= 0 && static_cast<std::size_t>(command->number) <= byteLimit
                         ? indexOf(keys(), static_cast<int>(command->number))
                         : std::nullopt;
    rest = key ? std::optional(std::string(1, *key)) : std::nullopt;
  }
  return rest ? std::optional(bytes + *rest) : std::nullopt;
}

Played playEvents(const random::Catalog &catalog, random::Session &session,
                  const std::uint8_t *data, std::size_t size) {
  EventReader reader(catalog, data, size);
  Played played;
  random::Observation seen = random::observe(session, catalog);
  played.failure = seen.failure;
  while (!reader.done() && !seen.failure && !seen.ended) {
    played.events.push_back(reader.next(seen.open));
    seen = random::step(session, catalog, played.events.back());
    played.failure = seen.failure;
  }
  return played;
}

} // namespace vx::fuzz
