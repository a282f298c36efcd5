// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's SVG icon into images, once, at build time. The
// windows carry these images: an X window manager is given the icon at each
// of their sizes as a window is made. Every start of the program is spared
// the SVG renderer, which costs as much time and memory as a whole small
// window, and even an image decoder: each image is its bare pixels, rows of
// red, green, blue and alpha bytes, in that order on every machine.
//   vexlo_window_icons SVG PREFIX SIZE...    writes PREFIX-SIZE.rgba

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>

#include <cstdio>

namespace {

// The toolkit's notes about a build machine's environment would only fill
// the build's log.
void tellOnlyTrouble(QtMsgType type, const QMessageLogContext & /*context*/,
                     const QString &message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

} // namespace

int main(int argc, char *argv[]) {
  // Drawing into images needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(tellOnlyTrouble);
  const QGuiApplication qt(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: vexlo_window_icons SVG PREFIX SIZE...\n");
    return 2;
  }
  const QIcon icon(arguments.at(1));
  for (const QString &sizeText : arguments.mid(3)) {
    const int size = sizeText.toInt();
    const QString name = arguments.at(2) + QLatin1Char('-') + sizeText + QStringLiteral(".rgba");
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_RGBA8888);
    QFile file(name);
    // A missing SVG icon engine (libqt6svg6) draws nothing at all.
    if (size <= 0 || image.size() != QSize(size, size) || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) !=
            image.sizeInBytes()) {
      std::fprintf(stderr, "vexlo_window_icons: could not draw %s\n", qPrintable(name));
      return 1;
    }
  }
  return 0;
}
