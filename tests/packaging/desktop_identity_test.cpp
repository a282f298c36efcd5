// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a desktop shows of a running Vexlo: the application names the
// desktop entry that is installed, so a task bar matches its windows to
// it, and every window shows the program's icon, drawn (no desktop theme
// has it here, so from the copy built into the program).

#include "ui/application.h"
#include "ui/desktop_identity.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>

class DesktopIdentity : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { vx::ui::presentAsVexlo(); }

  void namesTheInstalledDesktopEntry() {
    QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
             QStringLiteral(VEXLO_DESKTOP_ENTRY));
  }

  void everyWindowShowsTheIcon() {
    vx::ui::Application program;
    program.binder().setTimersLive(false);
    for (const char *window : {"vexlo", "wavo6", "ct6", "port66", "port6"}) {
      program.registry().show(window);
    }
    int shown = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) {
        continue;
      }
      ++shown;
      const QImage icon = window->windowIcon().pixmap(32, 32).toImage();
      QVERIFY2(!icon.isNull(), qPrintable(window->windowTitle()));
      // The icon's dark face covers its middle.
      QVERIFY2(icon.pixelColor(icon.width() / 2, icon.height() / 2).alpha() > 0,
               qPrintable(window->windowTitle()));
    }
    QCOMPARE(shown, 5);
  }
};

QTEST_MAIN(DesktopIdentity)
#include "desktop_identity_test.moc"
