// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the person's events of vexlo-drive scripts as seeds of the window
// fuzzer, one seed per script, and checks each reads back as its events.
//
//   fuzz_windows_seeds OUTDIR SCRIPT...

#include "fuzz/window_events.h"
#include "random/catalog.h"

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

// The seed of one script, or false when an event does not read back as
// itself.
bool writeSeed(const vx::random::Catalog &catalog, const std::filesystem::path &script,
               const std::filesystem::path &seed) {
  std::ifstream in(script);
  std::string bytes;
  std::string line;
  while (std::getline(in, line)) {
    if (const auto event = vx::fuzz::eventBytes(catalog, line)) {
      const auto *data = reinterpret_cast<const std::uint8_t *>(event->data());
      const auto back = vx::fuzz::readEvents(catalog, data, event->size());
      if (back.size() != 1 || vx::fuzz::eventBytes(catalog, back.front()) != event) {
        std::cerr << script.string() << ": \"" << line << "\" reads back as \""
                  << (back.empty() ? "" : back.front()) << "\"\n";
        return false;
      }
      bytes += *event;
    }
  }
  std::ofstream(seed, std::ios::binary) << bytes;
  return in.eof();
}

} // namespace

int main(int argc, char *argv[]) {
  if (argc < 3) {
    std::cerr << "usage: fuzz_windows_seeds OUTDIR SCRIPT...\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  const vx::random::Catalog catalog = vx::random::readCatalog();
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  bool allRead = true;
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path script = argv[i];
    allRead = writeSeed(catalog, script, folder / script.stem()) && allRead;
  }
  return allRead ? 0 : 1;
}
