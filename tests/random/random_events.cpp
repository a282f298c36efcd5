// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives all five windows with seeded random events, or replays scripts,
// through the engine's checks; a failure is printed as the shortest
// vexlo-drive script found that still fails.

#include "cli/command_line.h"
#include "random/engine.h"
#include "tools/headless_toolkit.h"
#include "tools/json_text.h"

#include <QApplication>

#include <fstream>
#include <iostream>
#include <limits>
#include <random>

namespace {

using vx::forms::Form;
using vx::random::Played;

// Texts that numbers, unit marks and boxes must survive, between the bars.
const QStringList hostile =
    QString("1e999|&HFFFFFFFFFF|-1e20|1e308|1e-320|&H|&O|&HFFFF|&H80000000|-&H8000|NaN|inf|-|.|"
            "1.5.3|4k7|65535|65536|255|256|  1 2  |\t\n|1D308|-.5|1,5|2147483648|mSecs|\"|\\|"
            "Check segment assignments|\u00e9|\u20ac|\U0001f600|\x7f")
        .split('|');

// Events aimed at the open windows, as a person aims at the screen.
class RandomSource {
public:
  explicit RandomSource(std::uint64_t seed) : rng_(seed) {}

  std::string next(const std::vector<const Form *> &open) {
    using enum vx::forms::ControlKind;
    const Form &form = *open[below(open.size())];
    const auto at = [&](std::initializer_list<vx::forms::ControlKind> kinds) {
      std::vector<std::string> names;
      for (const vx::forms::Control *c : form.controls()) {
        if (std::find(kinds.begin(), kinds.end(), c->kind()) != kinds.end()) {
          names.push_back(c->name());
        }
      }
      return form.name() + "." + names[below(names.size())];
    };
    // The keys the windows act on are weighted up against all the others.
    constexpr std::array<int, 16> acted{13,  8,   46,  16,  56,  106, 107, 108,
                                        109, 110, 111, 187, 188, 189, 190, 191};
    constexpr std::array<const char *, 5> windows{"vexlo", "wavo6", "ct6", "port66", "port6"};
    const std::size_t roll = below(100);
    const std::size_t key = below(2) == 0 ? acted[below(acted.size())] : 1 + below(255);
    return roll < 30   ? "click " + at({Button, CheckBox, TextBox, Image})
           : roll < 50 ? "type " + at({TextBox}) + " " + vx::drive::quoteJson(text(8))
           : roll < 65 ? "paste " + at({TextBox}) + " " +
                             vx::drive::quoteJson(text(below(20) == 0 ? 10000 : 24))
           : roll < 80 ? "key " + form.name() + " " + std::to_string(key)
           : roll < 85 ? "focus " + at({Button, CheckBox, TextBox})
           : roll < 90 ? "caret " + at({TextBox}) + " " + std::to_string(below(30))
           : roll < 95 ? "tick " + form.name()
           : roll < 98 ? std::string("show ") + windows[below(windows.size())]
                       : "close " + form.name();
  }

private:
  std::size_t below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }

  // A hostile text, random characters, or a hostile text repeated to fill.
  std::string text(std::size_t longest) {
    static const std::string alphabet = "0123456789.eEdD+-&HhOo kKmMuUnNpP*,\tabcdefgh ";
    const std::size_t roll = below(10);
    const std::string unit = hostile[static_cast<qsizetype>(below(hostile.size()))].toStdString();
    std::string made = roll < 4 ? unit : "";
    for (std::size_t n = roll < 4 || roll == 9 ? 0 : below(std::min<std::size_t>(longest, 20) + 1);
         n > 0; --n) {
      made += alphabet[below(alphabet.size())];
    }
    while (roll == 9 && made.size() + unit.size() < longest) {
      made += unit + "9";
    }
    return made.substr(0, longest);
  }

  std::mt19937_64 rng_;
};

// Tells the failure, if any, with the shortest script found that still fails.
bool failed(const std::string &where, const Played &played) {
  if (played.failure) {
    std::cout << where << ": " << played.failure->message << "\n"
              << vx::random::shrunkScript(played.events, *played.failure, 300);
  }
  return played.failure.has_value();
}

// A fresh program every 300 events at most, each event logged as it is made.
int randomEvents(std::uint64_t seed, std::uint64_t events, std::ofstream &log) {
  RandomSource source(seed);
  for (std::uint64_t done = 0; done < events;) {
    std::uint64_t left = std::min<std::uint64_t>(events - done, 300);
    const Played played = vx::random::play([&](const std::vector<const Form *> &open) {
      const std::string line = left-- > 0 ? source.next(open) : "";
      log << line << (line.empty() ? "" : "\n") << std::flush;
      return line.empty() ? std::nullopt : std::optional(line);
    });
    done += played.events.size();
    if (failed("event " + std::to_string(done) + " of seed " + std::to_string(seed), played)) {
      return 1;
    }
  }
  std::cout << events << " events, seed " << seed << "\n";
  return 0;
}

int replay(const QStringList &scripts) {
  int failures = 0;
  for (const QString &name : scripts) {
    std::ifstream script(name.toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(script, line);) {
      lines.push_back(line);
    }
    const Played played = script.eof() ? vx::random::play(lines)
                                       : Played{{}, vx::random::Failure{"read", "cannot be read"}};
    failures += failed(name.toStdString(), played) ? 1 : 0;
  }
  std::cout << scripts.size() << " scripts replayed, " << failures << " failed\n";
  return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
  vx::cli::CommandLine line({
      .program = "random_events",
      .summary = QStringLiteral(
          "Drives all five windows with random events, seeded and reproducible, and\n"
          "checks after every event what must always hold; a failure is printed as the\n"
          "shortest vexlo-drive script found that still fails. With --replay, plays the\n"
          "events of each vexlo-drive SCRIPT on a new program with the same checks."),
      .operands = QStringLiteral("[SCRIPT...]"),
      .maxOperands = std::numeric_limits<int>::max(),
      .epilogue = {},
  });
  line.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the random events."),
                  QStringLiteral("S"), QStringLiteral("1")});
  line.addOption({QStringLiteral("events"), QStringLiteral("Number of events."),
                  QStringLiteral("N"), QStringLiteral("20000")});
  line.addOption({QStringLiteral("log"), QStringLiteral("Write every event to FILE as it is made."),
                  QStringLiteral("FILE")});
  line.addOption({QStringLiteral("replay"),
                  QStringLiteral("Replay the events of each SCRIPT instead of random ones.")});
  if (const auto stop = line.read(vx::cli::argumentsOf(argc, argv))) {
    return *stop;
  }
  const auto seed =
      line.wholeNumber(QStringLiteral("seed"), 0, std::numeric_limits<std::uint64_t>::max());
  const auto events =
      line.wholeNumber(QStringLiteral("events"), 0, std::numeric_limits<int>::max());
  const bool replaying = line.isSet(QStringLiteral("replay"));
  if (!seed || !events) {
    return vx::cli::usageStatus;
  }
  if (replaying == line.operands().isEmpty()) {
    return line.misuse(replaying ? "--replay needs one or more scripts"
                                 : "unexpected argument '" + line.operands().front().toStdString() +
                                       "' without --replay");
  }
  std::ofstream log;
  if (const std::string path = line.value(QStringLiteral("log")).toStdString(); !path.empty()) {
    log.open(path);
    if (!log) {
      return line.misuse("cannot write '" + path + "'");
    }
  }
  vx::drive::prepareHeadlessToolkit();
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  return replaying ? replay(line.operands()) : randomEvents(*seed, *events, log);
}
