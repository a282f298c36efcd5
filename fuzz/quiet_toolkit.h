// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The offscreen platform's notes about what it cannot do would bury the
// fuzzer's own output; only real trouble is told.

#include <QString>
#include <QtGlobal>

#include <iostream>

namespace vx::fuzz {

inline void quietToolkitMessages() {
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext & /*context*/, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
          std::cerr << message.toStdString() << '\n';
        }
      });
}

} // namespace vx::fuzz
