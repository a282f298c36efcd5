// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the driver's script reader: any line reads as nothing, a command
// or a refusal with its reason, never a crash; and any text written as a
// JSON literal reads back byte for byte.

#include "tools/json_text.h"
#include "tools/script.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void require(bool holds, const char *what) {
  if (!holds) {
    std::fputs(what, stderr);
    std::abort();
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  std::istringstream script(bytes);
  for (std::string line; std::getline(script, line);) {
    const vx::drive::ReadLine read = vx::drive::readLine(line);
    const auto *refusal = read ? std::get_if<vx::drive::Refusal>(&*read) : nullptr;
    require(refusal == nullptr || !refusal->reason.empty(), "a refusal without a reason\n");
  }
  const std::string quoted = vx::drive::quoteJson(bytes);
  const auto parsed = vx::drive::parseJsonString(quoted);
  require(parsed && parsed->value == bytes && parsed->consumed == quoted.size(),
          "a quoted text not read back\n");
  const vx::drive::ReadLine read = vx::drive::readLine("paste vexlo.Text1 " + quoted);
  const auto *command = read ? std::get_if<vx::drive::Command>(&*read) : nullptr;
  require(command != nullptr && command->text == bytes, "a pasted text changed\n");
  (void)vx::drive::parseJsonString(bytes);
  return 0;
}
