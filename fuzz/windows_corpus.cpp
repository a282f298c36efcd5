// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns vexlo-drive scripts into inputs of the window fuzzer, and its
// inputs back into scripts, one file for each. Events aim at the windows
// open at the time, so both directions play the events as they go.
//
//   fuzz_windows_corpus seeds OUTDIR SCRIPT...    a person's events only;
//                                                 each must read back as itself
//   fuzz_windows_corpus scripts OUTDIR INPUT...   e.g. to replay a corpus with
//                                                 random_events --replay

#include "fuzz/window_events.h"
#include "random/catalog.h"
#include "random/replay.h"
#include "random/session.h"
#include "tools/headless_toolkit.h"

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using Path = std::filesystem::path;

const std::uint8_t *bytesOf(const std::string &text) {
  return reinterpret_cast<const std::uint8_t *>(text.data());
}

// False when an event does not read back as itself.
bool writeSeed(const vx::random::Catalog &catalog, const Path &script, const Path &seed) {
  std::ifstream in(script);
  vx::random::Session session;
  vx::random::Observation seen = vx::random::observe(session, catalog);
  std::string bytes;
  std::string line;
  while (std::getline(in, line) && !seen.ended) {
    const auto event = vx::fuzz::eventBytes(catalog, line, seen.open);
    if (!event) {
      continue;
    }
    vx::fuzz::EventReader reader(catalog, bytesOf(*event), event->size());
    const std::string back = reader.next(seen.open);
    if (!reader.done() || vx::fuzz::eventBytes(catalog, back, seen.open) != event) {
      std::cerr << script.string() << ": \"" << line << "\" reads back as \"" << back << "\"\n";
      return false;
    }
    bytes += *event;
    seen = vx::random::step(session, catalog, line);
  }
  std::ofstream(seed, std::ios::binary) << bytes;
  return in.eof() || seen.ended;
}

bool writeScript(const vx::random::Catalog &catalog, const Path &input, const Path &script) {
  std::ifstream in(input, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  vx::random::Session session;
  const vx::fuzz::Played played =
      vx::fuzz::playEvents(catalog, session, bytesOf(bytes), bytes.size());
  std::ofstream out(script.string() + ".drive");
  out << "# " << input.filename().string() << '\n';
  for (const std::string &event : played.events) {
    out << event << '\n';
  }
  return !played.failure;
}

} // namespace

int main(int argc, char *argv[]) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (argc < 4 || (mode != "seeds" && mode != "scripts")) {
    std::cerr << "usage: fuzz_windows_corpus seeds|scripts OUTDIR FILE...\n";
    return 2;
  }
  vx::drive::prepareHeadlessToolkit();
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
