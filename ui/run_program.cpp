// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/run_program.h"

#include "ui/application.h"

#include <QApplication>
#include <QMetaObject>

namespace vx::ui {

int runProgram(int argc, char *argv[], const std::function<void(Application &)> &started) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setDesktopFileName(QStringLiteral("vexlo"));
  Application program;
  program.binder().setProgramEndedHandler(
      [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  program.start();
  if (started) {
    started(program);
  }
  return QApplication::exec();
}

} // namespace vx::ui
