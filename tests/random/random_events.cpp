// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives all five windows with random events, seeded and reproducible,
// checking after every event what must always hold. A failure is shrunk
// to the shortest run of events that still fails and printed as a
// vexlo-drive script. Saved runs of events (vexlo-drive scripts, each on
// a freshly started program) can be checked again the same way.
//
//   random_events [--seed S] [--events N] [--session N] [--log FILE]
//   random_events --reopen N
//   random_events --replay SCRIPT...

#include "random/catalog.h"
#include "random/event_source.h"
#include "random/reopen.h"
#include "random/replay.h"

#include <QApplication>

#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Options {
  std::uint64_t seed = 1;
  long events = 20000;
  std::size_t session = 300; // events before a fresh program is started anyway
  int reopen = 0;
  std::string log;
  std::vector<std::string> replay;
};

bool parse(int argc, char *argv[], Options &options) {
  if (argc > 2 && std::string_view(argv[1]) == "--replay") {
    options.replay.assign(argv + 2, argv + argc);
    return true;
  }
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view flag = argv[i];
    const std::string value = argv[i + 1];
    if (flag == "--seed") {
      options.seed = std::stoull(value);
    } else if (flag == "--events") {
      options.events = std::stol(value);
    } else if (flag == "--session") {
      options.session = std::stoul(value);
    } else if (flag == "--reopen") {
      options.reopen = std::stoi(value);
    } else if (flag == "--log") {
      options.log = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

void quietMessages(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::cerr << message.toStdString() << '\n';
  }
}

int randomEvents(const vx::random::Catalog &catalog, const Options &options) {
  using namespace vx::random;
  const auto started = std::chrono::steady_clock::now();
  EventSource source(catalog, options.seed);
  std::ofstream log;
  if (!options.log.empty()) {
    log.open(options.log);
  }
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
  Options options;
  if (!parse(argc, argv, options)) {
    std::cerr << "usage: random_events [--seed S] [--events N] [--session N] [--log FILE] | "
                 "--reopen N | --replay SCRIPT...\n";
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qInstallMessageHandler(quietMessages);
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  const vx::random::Catalog catalog = vx::random::readCatalog();
  if (!options.replay.empty()) {
    return replayScripts(catalog, options.replay);
  }
  if (options.reopen > 0) {
    return vx::random::reopenWindows(catalog, options.reopen, std::cout) ? 0 : 1;
  }
  return randomEvents(catalog, options);
}
