// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop_identity.h"

#include "cli/version.h"

#include <QApplication>
#include <QIcon>

namespace vx::ui {

QString appId() {
  return QStringLiteral("io.github.vexlo.Vexlo");
}

void presentAsVexlo() {
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationVersion(QString::fromUtf8(
      cli::programVersion.data(), static_cast<qsizetype>(cli::programVersion.size())));
  QApplication::setDesktopFileName(appId());
  const QIcon builtIn(QStringLiteral(":/icons/") + appId() + QStringLiteral(".svg"));
  QApplication::setWindowIcon(QIcon::fromTheme(appId(), builtIn));
}

} // namespace vx::ui
