// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor Vexlo's start-up is measured against: the smallest Qt Widgets
// program with a window of the same kind (a line edit, a label, a button).

#include "bench/startup/paint_probe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[]) {
  QApplication qt(argc, argv);
  QWidget window;
  auto *layout = new QVBoxLayout(&window);
  layout->addWidget(new QLineEdit);
  layout->addWidget(new QLabel(QStringLiteral("0")));
  layout->addWidget(new QPushButton(QStringLiteral("+")));
  window.show();
  new vx::bench::PaintProbe({});
  return QApplication::exec();
}
