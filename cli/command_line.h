// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line of every Vexlo program: options in the usual GNU and Qt
// spellings (--seed 5, --seed=5, -h), --help and --version answered on
// standard output, and any misuse told in one line on standard error with
// exit status 2, before the program does anything else.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vx::cli {

inline constexpr int usageStatus = 2;

struct Synopsis {
  std::string program; // as the user types it: "vexlo-drive"
  QString summary;     // a paragraph under the usage line
  QString operands;    // what follows [options] in the usage line, "[SCRIPT|-]"
  int maxOperands = 0; // operands beyond these are a misuse
  QString epilogue;    // text after the list of options
};

// argv as Qt reads it, the program's own name first.
QStringList argumentsOf(int argc, char *argv[]);

class CommandLine {
public:
  explicit CommandLine(Synopsis synopsis);

  void addOption(const QCommandLineOption &option);
  void addOperand(const QString &name, const QString &description);

  // Reads the arguments without telling anything; false on a misuse.
  bool parse(const QStringList &arguments);
  // After a successful parse: 0 once --help or --version has been printed,
  // the misuse status once too many operands have been told, or nullopt
  // when the program goes on.
  std::optional<int> answer() const;
  // parse() and answer(), with a failed parse told.
  std::optional<int> read(const QStringList &arguments);

  bool isSet(const QString &name) const;
  QString value(const QString &name) const;
  QStringList operands() const;
  // The option's value (or its default) as a whole number from low to
  // high; nullopt once the misuse has been told.
  std::optional<std::uint64_t> wholeNumber(const QString &name, std::uint64_t low,
                                           std::uint64_t high) const;
  // Tells a misuse the program found itself; returns the misuse status.
  int misuse(const std::string &problem) const;

private:
  QString helpText() const;

  Synopsis synopsis_;
  std::unique_ptr<QCommandLineParser> parser_; // held apart: the parser cannot move
};

} // namespace vx::cli
