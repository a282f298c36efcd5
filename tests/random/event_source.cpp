// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random/event_source.h"

#include "tools/json_text.h"
#include "ui/key_codes.h"

namespace vx::random {

namespace {

using Kind = forms::ControlKind;

const std::string &alphabet() {
  static const std::string letters = "0123456789.eEdD+-&HhOo kKmMuUnNpP*,\tabcdefgh ";
  return letters;
}

} // namespace

const std::vector<std::string> &hostileTexts() {
  static const std::vector<std::string> texts{"1e999",
                                              "&HFFFFFFFFFF",
                                              "-1e20",
                                              "1e308",
                                              "-1e308",
                                              "1e-320",
                                              "9e307",
                                              "&H",
                                              "&O",
                                              "&HFFFF",
                                              "&H80000000",
                                              "-&H8000",
                                              "&O37777777777",
                                              "NaN",
                                              "inf",
                                              "-inf",
                                              "-",
                                              ".",
                                              "+",
                                              "1.5.3",
                                              "4k7",
                                              "12K",
                                              "2.5",
                                              "-3",
                                              "65535",
                                              "65536",
                                              "255",
                                              "256",
                                              "300x",
                                              "  1 2  ",
                                              "\t\n",
                                              "0.1",
                                              "1e15",
                                              "999999999999999",
                                              "1D308",
                                              "1e-5",
                                              "-0",
                                              "0000000000012",
                                              "2147483648",
                                              "-2147483649",
                                              "Check segment assignments",
                                              "*",
                                              "mSecs",
                                              "k",
                                              "M",
                                              "m",
                                              "u",
                                              "p",
                                              "n",
                                              "\xc3\xa9",
                                              "\xe2\x82\xac",
                                              "\xf0\x9f\x98\x80",
                                              "",
                                              " ",
                                              "a",
                                              "h",
                                              "8.",
                                              "-.5",
                                              "1,5",
                                              "\x7f",
                                              "\x01",
                                              "\"",
                                              "\\"};
  return texts;
}

std::vector<int> pressableKeys() {
  constexpr int lastCode = 255;
  std::vector<int> codes;
  for (int code = 0; code <= lastCode; ++code) {
    if (ui::strokeForVirtualKey(code)) {
      codes.push_back(code);
    }
  }
  return codes;
}

EventSource::EventSource(const Catalog &catalog, std::uint64_t seed)
    : catalog_(catalog), rng_(seed), keys_(pressableKeys()) {
  // The keys the windows' key procedures act on (Enter, Backspace, Delete,
  // Shift, the operator keys) are weighted up.
  const std::vector<int> acted{13,  8,   46,  16,  56,  106, 107, 108,
                               109, 110, 111, 187, 188, 189, 190, 191};
  for (int round = 0; round < 8; ++round) {
    for (const int code : acted) {
      if (ui::strokeForVirtualKey(code)) {
        keys_.push_back(code);
      }
    }
  }
}

std::string EventSource::hostileText(std::size_t longest) {
  const std::size_t choice = below(10);
  std::string text;
  if (choice < 4) {
    text = pick(hostileTexts());
  } else if (choice < 9) {
    const std::size_t length = below(std::min<std::size_t>(longest, 20) + 1);
    for (std::size_t i = 0; i < length; ++i) {
      text += alphabet()[below(alphabet().size())];
    }
  } else {
    const std::string unit = pick(hostileTexts()) + (below(2) == 0 ? "9" : "");
    while (!unit.empty() && text.size() + unit.size() <= longest) {
      text += unit;
    }
  }
  return text.substr(0, longest);
}

std::string EventSource::control(const WindowEntry &window, const std::vector<Kind> &kinds) {
  const std::vector<std::string> names = window.named(pick(kinds));
  return names.empty() ? window.controls.front().name : pick(names);
}

std::string EventSource::next(const std::vector<std::string> &open) {
  constexpr std::size_t typedLongest = 8;
  constexpr std::size_t pastedLongest = 10000;
  const bool atOpen = !open.empty() && below(10) != 0;
  const WindowEntry &window = atOpen ? catalog_.window(pick(open)) : pick(catalog_.windows);
  const std::string w = window.name;
  const std::size_t roll = below(100);
  if (roll < 30) {
    return "click " + w + "." +
           control(window, {Kind::Button, Kind::CheckBox, Kind::TextBox, Kind::Image});
  }
  if (roll < 50) {
    return "type " + w + "." + control(window, {Kind::TextBox}) + " " +
           drive::quoteJson(hostileText(typedLongest));
  }
  if (roll < 65) {
    return "paste " + w + "." + control(window, {Kind::TextBox}) + " " +
           drive::quoteJson(hostileText(below(20) == 0 ? pastedLongest : typedLongest * 3));
  }
  if (roll < 80) {
    return "key " + w + " " + std::to_string(pick(keys_));
  }
  if (roll < 85) {
    return "focus " + w + "." + control(window, {Kind::Button, Kind::CheckBox, Kind::TextBox});
  }
  if (roll < 90) {
    return "caret " + w + "." + control(window, {Kind::TextBox}) + " " + std::to_string(below(30));
  }
  if (roll < 95) {
    return "tick " + w;
  }
  if (roll < 98) {
    return "show " + pick(catalog_.windows).name;
  }
  return "close " + w;
}

} // namespace vx::random
