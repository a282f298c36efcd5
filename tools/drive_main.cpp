// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vexlo-drive: runs the application from a script, for tests, demos and
// screenshots without a person or a display.

#include "tools/driver.h"

#include <QApplication>

#include <fstream>
#include <iostream>

namespace {
// The toolkit's notes about what the offscreen platform cannot do would
// mix with the output scripts are compared by; only real trouble is told.
void quietMessages(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::cerr << message.toStdString() << '\n';
  }
}
} // namespace

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc > 2) {
    std::cerr << "usage: vexlo-drive [SCRIPT]\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "vexlo-drive: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  qInstallMessageHandler(quietMessages);
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  vx::drive::Driver driver(std::cout);
  const bool allRan = driver.run(argc == 2 ? static_cast<std::istream &>(file) : std::cin);
  return allRan ? 0 : 1;
}
