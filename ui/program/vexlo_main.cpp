#include "ui/application.h"

#include <QApplication>
#include <QMetaObject>

int main(int argc, char *argv[]) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setDesktopFileName(QStringLiteral("vexlo"));
  vx::ui::Application program;
  program.binder().setProgramEndedHandler(
      [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  program.start();
  return QApplication::exec();
}
