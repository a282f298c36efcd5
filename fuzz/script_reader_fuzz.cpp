// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the driver's script reader: any line is read as blank, a command
// or a refusal, never a crash; and a text written as a JSON literal comes
// back byte for byte.

#include "fuzz/rule_checks.h"
#include "tools/json_text.h"
#include "tools/script.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using vx::fuzz::require;

void readEveryLine(std::string_view script) {
  std::size_t start = 0;
  while (start <= script.size()) {
    const std::size_t end = script.find('\n', start);
    const std::string_view line =
        script.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    const vx::drive::ReadLine read = vx::drive::readLine(line);
    if (read) {
      if (const auto *refusal = std::get_if<vx::drive::Refusal>(&*read)) {
        require(!refusal->reason.empty(), "readLine", "a refusal without a reason");
      }
    }
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
}

void checkTextRoundTrip(std::string_view text) {
  const std::string quoted = vx::drive::quoteJson(text);
  const auto parsed = vx::drive::parseJsonString(quoted);
  require(parsed.has_value() && parsed->value == text && parsed->consumed == quoted.size(),
          "quoteJson", "text not read back");
  const vx::drive::ReadLine read = vx::drive::readLine("paste vexlo.Text1 " + quoted);
  require(read.has_value() && std::holds_alternative<vx::drive::Command>(*read), "readLine",
          "paste of a quoted text refused: " + quoted);
  const auto &command = std::get<vx::drive::Command>(*read);
  require(command.verb == vx::drive::Verb::Paste && command.text == text, "readLine",
          "paste text changed: " + quoted);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  readEveryLine(bytes);
  checkTextRoundTrip(bytes);
  (void)vx::drive::parseJsonString(bytes);
  return 0;
}
