// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop_identity.h"

#include "cli/version.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace vx::ui {

namespace {

// The images drawn from the SVG icon at build time, one for each size a
// window manager is given.
QIcon builtInIcon() {
  QIcon icon;
  const QDir images(QStringLiteral(":/icons"));
  for (const QString &image : images.entryList(QDir::Files)) {
    QImageReader png(images.filePath(image), "PNG");
    // Guessing the format would load every image format plugin first.
    png.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(png.read()));
  }
  return icon;
}

} // namespace

QString appId() {
  return QStringLiteral("io.github.vexlo.Vexlo");
}

void presentAsVexlo() {
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationVersion(QString::fromUtf8(
      cli::programVersion.data(), static_cast<qsizetype>(cli::programVersion.size())));
  QApplication::setDesktopFileName(appId());
  QApplication::setWindowIcon(builtInIcon());
}

} // namespace vx::ui
