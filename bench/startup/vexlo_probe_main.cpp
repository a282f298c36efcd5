// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Vexlo started exactly as its own program starts, with the paint probe
// watching. For the idle measurement the Ohm's law and capacitor windows
// are opened and given entries through their real widgets, as a user
// would type them, so both solvers are ticking.

#include "bench/startup/paint_probe.h"
#include "ui/application.h"
#include "ui/form_view.h"
#include "ui/run_program.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <string_view>

namespace {

// Key events as the keyboard sends them; the toolkit's test library is
// left out so that only what Vexlo itself loads is measured.
void sendKey(QWidget *widget, char character) {
  const auto key = static_cast<int>(QChar::fromLatin1(character).toUpper().unicode());
  const QString text(QChar::fromLatin1(character));
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

// A user's pause after typing, in which the window's tick takes it up.
void pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void typeInto(vx::ui::Application &program, const char *window, const char *field,
              std::string_view keys) {
  vx::ui::FormView *view = program.binder().view(window);
  auto *edit = view == nullptr ? nullptr : qobject_cast<QLineEdit *>(view->widget(field));
  if (edit == nullptr) {
    return;
  }
  // Keys reach the window the way a user's do only once it is active.
  QApplication::setActiveWindow(view);
  edit->setFocus();
  edit->setCursorPosition(0);
  for (const char character : keys) {
    sendKey(edit, character);
  }
  pause(100);
}

void openTickingWindows(vx::ui::Application &program) {
  program.registry().show("wavo6");
  typeInto(program, "wavo6", "Textv", "12");
  typeInto(program, "wavo6", "Textr", "4");
  program.registry().show("ct6");
  typeInto(program, "ct6", "Textv", "5");
  typeInto(program, "ct6", "Textr", "1k");
  typeInto(program, "ct6", "Textc", "1");
}

} // namespace

int main(int argc, char *argv[]) {
  return vx::ui::runProgram(argc, argv, [](vx::ui::Application &program) {
    new vx::bench::PaintProbe([&program] { openTickingWindows(program); });
  });
}
