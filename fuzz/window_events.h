// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The fuzzer's bytes read as a person's events on the windows, each one a
// vexlo-drive line, and such lines written back as bytes for the seeds.
//
// An event is a kind byte and a window byte, then what its kind needs:
//   click, focus      a control byte
//   caret             a control byte and a position byte
//   type              a control byte and a text (its length byte first)
//   paste             a control byte, a text, a unit text and a length
//                     byte: the text filled up with the unit (see pastedText)
//   key               a key byte (one of the keys the driver can press)
//   tick, show, close nothing more
// A byte picks from its list modulo the list's length and a missing byte
// reads as 0, so any bytes are a run of events.

#include "random/catalog.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx::fuzz {

std::vector<std::string> readEvents(const random::Catalog &catalog, const std::uint8_t *data,
                                    std::size_t size);

// The bytes that read back as the line's event; nullopt for lines that are
// no event of a person's (get, var, echo, wait, screenshot), name no known
// window or control, or carry more than the bytes can say.
std::optional<std::string> eventBytes(const random::Catalog &catalog, const std::string &line);

} // namespace vx::fuzz
