// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns vexlo-drive scripts into inputs of the window fuzzer, and its
// inputs back into scripts, one file for each:
//
//   fuzz_windows_corpus seeds OUTDIR SCRIPT...    a person's events only;
//                                                 each must read back as itself
//   fuzz_windows_corpus scripts OUTDIR INPUT...   e.g. to replay a corpus with
//                                                 random_events --replay

#include "fuzz/window_events.h"
#include "random/catalog.h"

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using Path = std::filesystem::path;

// False when an event does not read back as itself.
bool writeSeed(const vx::random::Catalog &catalog, const Path &script, const Path &seed) {
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

bool writeScript(const vx::random::Catalog &catalog, const Path &input, const Path &script) {
  std::ifstream in(input, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  std::ofstream out(script.string() + ".drive");
  out << "# " << input.filename().string() << '\n';
  for (const std::string &event : vx::fuzz::readEvents(
           catalog, reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size())) {
    out << event << '\n';
  }
  return static_cast<bool>(in) || in.eof();
}

} // namespace

int main(int argc, char *argv[]) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (argc < 4 || (mode != "seeds" && mode != "scripts")) {
    std::cerr << "usage: fuzz_windows_corpus seeds|scripts OUTDIR FILE...\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  const vx::random::Catalog catalog = vx::random::readCatalog();
  const Path folder = argv[2];
  std::filesystem::create_directories(folder);
  bool allDone = true;
  for (int i = 3; i < argc; ++i) {
    const Path file = argv[i];
    const Path out = folder / file.stem();
    allDone = (mode == "seeds" ? writeSeed(catalog, file, out) : writeScript(catalog, file, out)) &&
              allDone;
  }
  return allDone ? 0 : 1;
}
