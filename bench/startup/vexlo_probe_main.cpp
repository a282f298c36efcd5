// Vexlo started exactly as its own program starts, with the paint probe
// watching. For the idle measurement the Ohm's law and capacitor windows
// are opened and given entries through their real widgets, as a user
// would type them, so both solvers are ticking.

#include "bench/startup/paint_probe.h"
#include "ui/application.h"
#include "ui/form_view.h"
#include "ui/run_program.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

void typeInto(vx::ui::Application &program, const char *window, const char *field,
              const char *keys) {
  vx::ui::FormView *view = program.binder().view(window);
  auto *edit = view == nullptr ? nullptr : qobject_cast<QLineEdit *>(view->widget(field));
  if (edit == nullptr) {
    return;
  }
  // Keys reach the window the way a user's do only once it is active.
  QApplication::setActiveWindow(view);
  edit->setFocus();
  edit->setCursorPosition(0);
  QTest::keyClicks(edit, QString::fromLatin1(keys));
  // A user's pause after typing, in which the window's tick takes it up.
  QTest::qWait(100);
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
