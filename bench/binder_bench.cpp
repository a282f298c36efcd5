// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One click and one key press through the Qt binding of the main window,
// from the widget event to the window's procedure and back to the widgets.

#include "ui/application.h"
#include "ui/form_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QApplication &toolkit() {
  static int argc = 1;
  static char name[] = "vexlo_bench";
  static char *argv[] = {name, nullptr};
  static QApplication *app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

struct MainWindow {
  // The toolkit comes before the program's binding, which needs it.
  QApplication &qt = toolkit();
  vx::ui::Application program;
  vx::ui::FormView *view = nullptr;

  MainWindow() {
    program.start();
    view = program.binder().view("vexlo");
    auto *first = qobject_cast<QLineEdit *>(view->widget("Text1"));
    auto *second = qobject_cast<QLineEdit *>(view->widget("Text2"));
    QTest::keyClicks(first, QStringLiteral("12"));
    QTest::keyClicks(second, QStringLiteral("30"));
  }
};

void clickThroughBinder(benchmark::State &state) {
  MainWindow main;
  auto *plus = qobject_cast<QPushButton *>(main.view->widget("Command1"));
  for (auto _ : state) {
    plus->click();
  }
}
BENCHMARK(clickThroughBinder);

// A digit typed and taken back, so the field stays the same size.
void keyPairThroughBinder(benchmark::State &state) {
  MainWindow main;
  auto *field = qobject_cast<QLineEdit *>(main.view->widget("Text1"));
  field->setFocus();
  for (auto _ : state) {
    QTest::keyClick(field, Qt::Key_5);
    QTest::keyClick(field, Qt::Key_Backspace);
  }
}
BENCHMARK(keyPairThroughBinder);

} // namespace
