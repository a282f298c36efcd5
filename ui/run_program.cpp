// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/run_program.h"

#include "cli/command_line.h"
#include "ui/application.h"
#include "ui/desktop_identity.h"
#include "ui/quit_handling.h"

#include <QApplication>
#include <QMetaObject>

namespace vx::ui {

namespace {

cli::CommandLine commandLine() {
  return cli::CommandLine({
      .program = "vexlo",
      .summary =
          QStringLiteral("Vexlo, a calculator for electronics hobbyists and programmers: the main\n"
                         "calculator, Ohm's law, capacitor charge time, port state and LED driver\n"
                         "windows.\n\n"
                         "Qt's own options work too, such as -platform NAME and -style NAME."),
      .operands = {},
      .maxOperands = 0,
      .epilogue = {},
  });
}

// Qt's GTK platform theme starts GTK inside the program, and GTK starts its
// own accessibility bridge, which puts a second, empty "vexlo" on the
// accessibility bus beside the one Qt's bridge publishes: a screen reader
// may show the empty one. GTK leaves its bridge out when NO_AT_BRIDGE is
// set (Qt's bridge does not read it) and reads it only while it starts.
// A person's own setting stays as it is; true when it was set here.
bool leaveGtkBridgeOut() {
  if (qEnvironmentVariableIsSet("NO_AT_BRIDGE")) {
    return false;
  }
  qputenv("NO_AT_BRIDGE", "1");
  return true;
}

} // namespace

int runProgram(int argc, char *argv[], const std::function<void(Application &)> &started) {
  cli::CommandLine line = commandLine();
  // --help and --version answer without a display. Qt's own options
  // (-platform, -style, ...) are known only to QApplication, which takes
  // them out of the arguments, so such a command line is read after it.
  if (line.parse(cli::argumentsOf(argc, argv))) {
    if (const auto stop = line.answer()) {
      return *stop;
    }
  }
  const bool gtkBridgeLeftOut = leaveGtkBridgeOut();
  QApplication qt(argc, argv);
  // A program started from Vexlo keeps its own bridge.
  if (gtkBridgeLeftOut) {
    qunsetenv("NO_AT_BRIDGE");
  }
  if (const auto stop = line.read(QApplication::arguments())) {
    return *stop;
  }
  presentAsVexlo();
  Application program;
  // Only the program a person runs answers the desktop's requests to end;
  // the driver and the test programs keep the default end on SIGTERM.
  QuitHandling quitHandling(program.registry());
  program.binder().setProgramEndedHandler(
      [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  program.start();
  if (started) {
    started(program);
  }
  return QApplication::exec();
}

} // namespace vx::ui
