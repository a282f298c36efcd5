// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fuzzer's bytes read as a person's events on the windows, each one a
// vexlo-drive line, and such lines written back as bytes for the seeds.
//
// An event is a kind byte and a window byte, then what its kind needs:
//   click, focus      a control byte
//   caret             a control byte and a position byte
//   type              a control byte and a text
//   paste             a control byte, a text, a unit text and a length
//                     byte: the text filled up with the unit to the length
//   key               a key byte (one of the keys the driver can press)
//   tick, show, close nothing more
// The window byte picks among the windows open when the event comes, as a
// person aims at what is on the screen; only `show` picks among them all.
// A text is a length byte and that many bytes, or, for a length byte from
// 192 on, one of the random-event program's hostile texts.
// A byte picks from its list modulo the list's length and a missing byte
// reads as 0, so any bytes are a run of events.

#include "fuzz/fuzz_input.h"
#include "random/catalog.h"
#include "random/invariants.h"
#include "random/session.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx::fuzz {

class EventReader {
public:
  EventReader(const random::Catalog &catalog, const std::uint8_t *data, std::size_t size)
      : catalog_(catalog), input_(data, size) {}

  [[nodiscard]] bool done() const { return input_.empty(); }
  // The next event, aimed at the windows open now.
  std::string next(const std::vector<std::string> &open);

private:
  const random::Catalog &catalog_;
  FuzzInput input_;
};

// The bytes that read back as the line's event while the windows `open`
// are open; nullopt for lines that are no event of a person's (get, var,
// echo, wait, screenshot), aim at a window that is not open, name no known
// control, or carry more than the bytes can say.
std::optional<std::string> eventBytes(const random::Catalog &catalog, const std::string &line,
                                      const std::vector<std::string> &open);

struct Played {
  std::vector<std::string> events;
  std::optional<random::Failure> failure;
};

// Plays the bytes on the session's program, checking after every event as
// the random-event program does, until the bytes run out, the program
// ends or a check fails.
Played playEvents(const random::Catalog &catalog, random::Session &session,
                  const std::uint8_t *data, std::size_t size);

} // namespace vx::fuzz
