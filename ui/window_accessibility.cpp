// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_accessibility.h"

#include "ui/form_view.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vx::ui {

namespace {

// A plain QWidget shown as a top-level window would otherwise be a
// "client" area to assistive technology, which reads it as a filler.
QAccessibleInterface *windowInterface(const QString & /*className*/, QObject *object) {
  if (auto *view = qobject_cast<FormView *>(object)) {
    return new QAccessibleWidget(view, QAccessible::Window);
  }
  return nullptr;
}

} // namespace

void describeWindowsAsWindows() {
  static const bool installed = [] {
    QAccessible::installFactory(windowInterface);
    return true;
  }();
  static_cast<void>(installed);
}

} // namespace vx::ui
