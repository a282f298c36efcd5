// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"

#include "cli/version.h"

#include <iostream>
#include <utility>

namespace vx::cli {

namespace {

const QString helpName = QStringLiteral("help");
const QString versionName = QStringLiteral("version");

// Qt's messages read "Unknown option 'x'."; told after "program: " they
// read as one clause.
std::string asClause(const QString &message) {
  QString clause = message;
  if (clause.endsWith(QLatin1Char('.'))) {
    clause.chop(1);
  }
  if (!clause.isEmpty()) {
    clause[0] = clause[0].toLower();
  }
  return clause.toStdString();
}

} // namespace

QStringList argumentsOf(int argc, char *argv[]) {
  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  return arguments;
}

CommandLine::CommandLine(Synopsis synopsis)
    : synopsis_(std::move(synopsis)), parser_(std::make_unique<QCommandLineParser>()) {
  // One dash or two alike, as Qt's own options are spelt (-platform).
  parser_->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser_->setApplicationDescription(synopsis_.summary);
  parser_->addOption({{QStringLiteral("h"), helpName}, QStringLiteral("Show this help and exit.")});
  parser_->addOption(
      {{QStringLiteral("v"), versionName}, QStringLiteral("Show the version and exit.")});
}

void CommandLine::addOption(const QCommandLineOption &option) {
  parser_->addOption(option);
}

void CommandLine::addOperand(const QString &name, const QString &description) {
  parser_->addPositionalArgument(name, description);
}

bool CommandLine::parse(const QStringList &arguments) {
  return parser_->parse(arguments);
}

std::optional<int> CommandLine::answer() const {
  if (parser_->isSet(helpName)) {
    std::cout << helpText().toStdString() << std::flush;
    return 0;
  }
  if (parser_->isSet(versionName)) {
    std::cout << synopsis_.program << ' ' << programVersion << std::endl;
    return 0;
  }
  const QStringList given = parser_->positionalArguments();
  if (given.size() > synopsis_.maxOperands) {
    return misuse("unexpected argument '" + given.at(synopsis_.maxOperands).toStdString() + "'");
  }
  return std::nullopt;
}

std::optional<int> CommandLine::read(const QStringList &arguments) {
  if (!parse(arguments)) {
    return misuse(asClause(parser_->errorText()));
  }
  return answer();
}

bool CommandLine::isSet(const QString &name) const {
  return parser_->isSet(name);
}

QString CommandLine::value(const QString &name) const {
  return parser_->value(name);
}

QStringList CommandLine::operands() const {
  return parser_->positionalArguments();
}

std::optional<std::uint64_t> CommandLine::wholeNumber(const QString &name, std::uint64_t low,
                                                      std::uint64_t high) const {
  const QString text = parser_->value(name);
  bool ok = false;
  const qulonglong number = text.toULongLong(&ok);
  if (!ok || number < low || number > high) {
    misuse("--" + name.toStdString() + " takes a whole number from " + std::to_string(low) +
           " to " + std::to_string(high) + ", not '" + text.toStdString() + "'");
    return std::nullopt;
  }
  return number;
}

int CommandLine::misuse(const std::string &problem) const {
  std::cerr << synopsis_.program << ": " << problem << std::endl;
  return usageStatus;
}

QString CommandLine::helpText() const {
  // Qt's usage line names the program by the path it was started with;
  // the help names it as the user types it.
  const QString generated = parser_->helpText();
  const qsizetype firstLineEnd = generated.indexOf(QLatin1Char('\n'));
  QString text = QStringLiteral("Usage: ") + QString::fromStdString(synopsis_.program) +
                 QStringLiteral(" [options]");
  if (!synopsis_.operands.isEmpty()) {
    text += QLatin1Char(' ') + synopsis_.operands;
  }
  text += generated.mid(firstLineEnd);
  if (!synopsis_.epilogue.isEmpty()) {
    text += QLatin1Char('\n') + synopsis_.epilogue;
  }
  return text;
}

} // namespace vx::cli
