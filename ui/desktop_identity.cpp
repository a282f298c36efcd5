// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/desktop_identity.h"

#include "cli/version.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace vx::ui {

namespace {

// The images drawn from the SVG icon at build time, one for each size a
// window manager is given: square, their bare pixels as red, green, blue
// and alpha bytes, so nothing needs decoding. Converted, each image holds
// its own pixels, in the form a pixmap keeps.
QIcon builtInIcon() {
  QIcon icon;
  const QDir images(QStringLiteral(":/icons"));
  for (const QString &name : images.entryList(QDir::Files)) {
    const QByteArray pixels = QResource(images.filePath(name)).uncompressedData();
    const int side = name.section(QLatin1Char('-'), -1).section(QLatin1Char('.'), 0, 0).toInt();
    if (side > 0 && pixels.size() == qsizetype{4} * side * side) {
      const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), side, side,
                         QImage::Format_RGBA8888);
      icon.addPixmap(
          QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    }
  }
  return icon;
}

// The built-in icon, made when a window system first asks for it: an X
// window manager is given its images as each window is made, while Qt's
// Wayland and offscreen platforms never ask, so their starts skip the work.
class BuiltInIconEngine : public QIconEngine {
public:
  void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  // QIcon scales the size for the screen before it asks the engine.
  QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, 1.0, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  [[nodiscard]] QIconEngine *clone() const override { return new BuiltInIconEngine(*this); }

private:
  QIcon &icon() {
    if (made_.isNull()) {
      made_ = builtInIcon();
    }
    return made_;
  }

  QIcon made_;
};

} // namespace

QString appId() {
  return QStringLiteral("io.github.vexlo.Vexlo");
}

void presentAsVexlo() {
  QApplication::setApplicationName(QStringLiteral("Vexlo"));
  QApplication::setApplicationVersion(QString::fromUtf8(
      cli::programVersion.data(), static_cast<qsizetype>(cli::programVersion.size())));
  QApplication::setDesktopFileName(appId());
  QApplication::setWindowIcon(QIcon(new BuiltInIconEngine));
}

} // namespace vx::ui
