// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the driver's script reader: any line reads as nothing, a command
// or a refusal with its reason, never a crash; and any text written as a
// JSON literal reads back byte for byte.

#include "tools/json_text.h"
#include "tools/script.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  std::istringstream script(bytes);
  for (std::string line; std::getline(script, line);) {
    const vx::drive::ReadLine read = vx::drive::readLine(line);
    const auto *refusal = read ? std::get_if<vx::drive::Refusal>(&*read) : nullptr;
    if (refusal != nullptr && refusal->reason.empty()) {
      std::abort(); // a refusal without a reason
    }
  }
  const std::string quoted = vx::drive::quoteJson(bytes);
  const auto parsed = vx::drive::parseJsonString(quoted);
  const vx::drive::ReadLine read = vx::drive::readLine("paste vexlo.Text1 " + quoted);
  const auto *command = read ? std::get_if<vx::drive::Command>(&*read) : nullptr;
  if (!parsed || parsed->value != bytes || parsed->consumed != quoted.size() ||
      command == nullptr || command->text != bytes) {
    std::abort(); // a quoted text that does not read back
  }
  (void)vx::drive::parseJsonString(bytes);
  return 0;
}
