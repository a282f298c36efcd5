// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/headless_toolkit.h"

#include <QString>
#include <QtGlobal>

#include <iostream>

namespace vx::drive {

namespace {

void tellOnlyTrouble(QtMsgType type, const QMessageLogContext & /*context*/,
                     const QString &message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::cerr << message.toStdString() << '\n';
  }
}

} // namespace

void prepareHeadlessToolkit() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qInstallMessageHandler(tellOnlyTrouble);
}

} // namespace vx::drive
