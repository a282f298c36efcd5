// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vexlo-drive: runs the application from a script, for tests, demos and
// screenshots without a person or a display.

#include "cli/command_line.h"
#include "tools/driver.h"
#include "tools/headless_toolkit.h"

#include <QApplication>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

namespace {

vx::cli::CommandLine commandLine() {
  vx::cli::CommandLine line({
      .program = "vexlo-drive",
      .summary = QStringLiteral(
          "Runs Vexlo from a script, one command a line, as a person at the keyboard\n"
          "and mouse would, and prints what the script asks for. Qt's offscreen\n"
          "platform is used unless QT_QPA_PLATFORM is set. The script language is\n"
          "described in vexlo-drive(1)."),
      .operands = QStringLiteral("[SCRIPT|-]"),
      .maxOperands = 1,
      .epilogue = QStringLiteral("Exit status:\n"
                                 "  0  every line of the script ran\n"
                                 "  1  a line was refused (told as \"! line N: ...\")\n"
                                 "  2  the command line could not be used\n"),
  });
  line.addOperand(QStringLiteral("SCRIPT"),
                  QStringLiteral("The script to run; standard input when absent or -."));
  return line;
}

// The script named on the command line, opened; a misuse status when it
// cannot be read.
int openScript(const vx::cli::CommandLine &line, const std::string &path, std::ifstream &script) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    return line.misuse("cannot read '" + path + "': it is a directory");
  }
  script.open(path);
  if (!script) {
    const int reason = errno;
    return line.misuse("cannot read '" + path + "': " + std::generic_category().message(reason));
  }
  return 0;
}

} // namespace

int main(int argc, char *argv[]) {
  vx::cli::CommandLine line = commandLine();
  if (const auto stop = line.read(vx::cli::argumentsOf(argc, argv))) {
    return *stop;
  }
  const QStringList operands = line.operands();
  const bool fromStandardInput = operands.isEmpty() || operands.front() == QStringLiteral("-");
  std::ifstream file;
  if (!fromStandardInput) {
    if (const int status = openScript(line, operands.front().toStdString(), file); status != 0) {
      return status;
    }
  }
  vx::drive::prepareHeadlessToolkit();
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  vx::drive::Driver driver(std::cout);
  const bool allRan = driver.run(fromStandardInput ? static_cast<std::istream &>(std::cin) : file);
  return allRan ? 0 : 1;
}
