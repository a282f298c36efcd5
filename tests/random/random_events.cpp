// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives all five windows with random events, seeded and reproducible,
// checking after every event what must always hold. A failure is shrunk
// to the shortest run of events that still fails and printed as a
// vexlo-drive script.
//
//   random_events [--seed S] [--events N] [--session N] [--log FILE]
//   random_events --reopen N
//   random_events --replay SCRIPT...

#include "cli/command_line.h"
#include "random/catalog.h"
#include "random/event_source.h"
#include "random/reopen.h"
#include "random/replay.h"
#include "tools/headless_toolkit.h"

#include <QApplication>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Options {
  std::uint64_t seed = 1;
  long events = 20000;
  std::size_t session = 300; // events before a fresh program is started anyway
  int reopen = 0;
  std::vector<std::string> replay;
};

vx::cli::CommandLine commandLine() {
  vx::cli::CommandLine line({
      .program = "random_events",
      .summary = QStringLiteral(
          "Drives all five windows with random events, seeded and reproducible, and\n"
          "checks after every event what must always hold; a failure is printed as the\n"
          "shortest vexlo-drive script that still fails. With --reopen, opens and\n"
          "closes every window instead; with --replay, plays the events of each\n"
          "vexlo-drive SCRIPT on a new program with the same checks."),
      .operands = QStringLiteral("[SCRIPT...]"),
      .maxOperands = std::numeric_limits<int>::max(),
      .epilogue = {},
  });
  line.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the random events."),
                  QStringLiteral("S"), QStringLiteral("1")});
  line.addOption({QStringLiteral("events"), QStringLiteral("Number of events."),
                  QStringLiteral("N"), QStringLiteral("20000")});
  line.addOption({QStringLiteral("session"),
                  QStringLiteral("Events before a fresh program is started anyway."),
                  QStringLiteral("N"), QStringLiteral("300")});
  line.addOption({QStringLiteral("reopen"),
                  QStringLiteral("Open and close every window N times instead."),
                  QStringLiteral("N"), QStringLiteral("0")});
  line.addOption({QStringLiteral("log"), QStringLiteral("Write every event to FILE as it is made."),
                  QStringLiteral("FILE")});
  line.addOption({QStringLiteral("replay"),
                  QStringLiteral("Replay the events of each SCRIPT instead of random ones.")});
  return line;
}

std::optional<Options> readOptions(const vx::cli::CommandLine &line) {
  constexpr std::uint64_t most = std::numeric_limits<int>::max();
  const auto seed =
      line.wholeNumber(QStringLiteral("seed"), 0, std::numeric_limits<std::uint64_t>::max());
  if (!seed) {
    return std::nullopt;
  }
  const auto events = line.wholeNumber(QStringLiteral("events"), 0, most);
  if (!events) {
    return std::nullopt;
  }
  const auto session = line.wholeNumber(QStringLiteral("session"), 1, most);
  if (!session) {
    return std::nullopt;
  }
  const auto reopen = line.wholeNumber(QStringLiteral("reopen"), 0, most);
  if (!reopen) {
    return std::nullopt;
  }
  Options options{*seed,
                  static_cast<long>(*events),
                  static_cast<std::size_t>(*session),
                  static_cast<int>(*reopen),
                  {}};
  for (const QString &script : line.operands()) {
    options.replay.push_back(script.toStdString());
  }
  const bool replaying = line.isSet(QStringLiteral("replay"));
  if (replaying && options.replay.empty()) {
    line.misuse("--replay needs one or more scripts");
    return std::nullopt;
  }
  if (!replaying && !options.replay.empty()) {
    line.misuse("unexpected argument '" + options.replay.front() + "' without --replay");
    return std::nullopt;
  }
  return options;
}

int randomEvents(const vx::random::Catalog &catalog, const Options &options, std::ofstream &log) {
  using namespace vx::random;
  const auto started = std::chrono::steady_clock::now();
  EventSource source(catalog, options.seed);
  auto session = std::make_unique<Session>();
  Observation seen = observe(*session, catalog);
  std::vector<std::string> history;
  long sessions = 1;
  for (long done = 0; done < options.events; ++done) {
    history.push_back(source.next(seen.open));
    if (log.is_open()) {
      log << history.back() << std::endl;
    }
    seen = step(*session, catalog, history.back());
    if (seen.failure) {
      std::cout << "event " << done + 1 << " of seed " << options.seed << ": "
                << seen.failure->message << "\n";
      session.reset();
      std::cout << failureScript(catalog, history, *seen.failure);
      return 1;
    }
    if (seen.ended || history.size() >= options.session) {
      session.reset();
      session = std::make_unique<Session>();
      seen = observe(*session, catalog);
      history.clear();
      ++sessions;
    }
  }
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << options.events << " events in " << sessions << " program runs, seed " << options.seed
            << ", " << seconds << " s\n";
  return 0;
}

// The events of each script, comments and readings left out, on a new
// program each.
int replayScripts(const vx::random::Catalog &catalog, const std::vector<std::string> &scripts) {
  int failed = 0;
  for (const std::string &name : scripts) {
    std::ifstream script(name);
    std::vector<std::string> events;
    std::string line;
    while (std::getline(script, line)) {
      if (!line.empty() && !line.starts_with('#') && !line.starts_with("get ") &&
          !line.starts_with("var ") && !line.starts_with("echo")) {
        events.push_back(line);
      }
    }
    if (!script.eof()) {
      std::cerr << "cannot read " << name << "\n";
      return 2;
    }
    if (const auto failure = vx::random::replay(catalog, events)) {
      std::cout << name << ": " << failure->message << "\n"
                << vx::random::failureScript(catalog, events, *failure);
      ++failed;
    }
  }
  std::cout << scripts.size() << " scripts replayed, " << failed << " failed\n";
  return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
  vx::cli::CommandLine line = commandLine();
  if (const auto stop = line.read(vx::cli::argumentsOf(argc, argv))) {
    return *stop;
  }
  const std::optional<Options> options = readOptions(line);
  if (!options) {
    return vx::cli::usageStatus;
  }
  std::ofstream log;
  if (line.isSet(QStringLiteral("log"))) {
    const std::string path = line.value(QStringLiteral("log")).toStdString();
    log.open(path);
    if (!log) {
      return line.misuse("cannot write '" + path + "'");
    }
  }
  vx::drive::prepareHeadlessToolkit();
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  const vx::random::Catalog catalog = vx::random::readCatalog();
  if (!options->replay.empty()) {
    return replayScripts(catalog, options->replay);
  }
  if (options->reopen > 0) {
    return vx::random::reopenWindows(catalog, options->reopen, std::cout) ? 0 : 1;
  }
  return randomEvents(catalog, *options, log);
}
