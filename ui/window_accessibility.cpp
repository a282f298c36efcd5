// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_accessibility.h"

#include "ui/field_accessibility.h"
#include "ui/form_view.h"
#include "ui/result_announcer.h"
#include "ui/result_label.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace vx::ui {

namespace {

// Qt lists no popup among the application's windows, while a popup names
// the application as its parent: an open context menu would be nowhere in
// the tree a screen reader walks.
class ApplicationInterface : public QAccessibleApplication {
public:
  [[nodiscard]] int childCount() const override {
    return QAccessibleApplication::childCount() + static_cast<int>(openMenus().size());
  }
  [[nodiscard]] QAccessibleInterface *child(int index) const override {
    const int windows = QAccessibleApplication::childCount();
    if (index < windows) {
      return QAccessibleApplication::child(index);
    }
    const QList<QMenu *> menus = openMenus();
    return index - windows < menus.size()
               ? QAccessible::queryAccessibleInterface(menus.at(index - windows))
               : nullptr;
  }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override {
    const int found =
        child == nullptr ? -1 : static_cast<int>(openMenus().indexOf(child->object()));
    return found < 0 ? QAccessibleApplication::indexOfChild(child)
                     : QAccessibleApplication::childCount() + found;
  }

private:
  static QList<QMenu *> openMenus() {
    QList<QMenu *> menus;
    for (QWidget *window : QApplication::topLevelWidgets()) {
      if (auto *menu = qobject_cast<QMenu *>(window); menu != nullptr && menu->isVisible()) {
        menus << menu;
      }
    }
    return menus;
  }
};

QAccessibleInterface *windowInterface(const QString & /*className*/, QObject *object) {
  if (object == qApp) {
    return new ApplicationInterface;
  }
  // A plain QWidget shown as a top-level window would otherwise be a
  // "client" area to assistive technology, which reads it as a filler.
  if (auto *view = qobject_cast<FormView *>(object)) {
    return new QAccessibleWidget(view, QAccessible::Window);
  }
  if (auto *notice = qobject_cast<ResultNotice *>(object)) {
    return new QAccessibleWidget(notice, QAccessible::Notification);
  }
  if (auto *result = qobject_cast<ResultLabel *>(object)) {
    return new ResultLabelInterface(result);
  }
  if (auto *field = qobject_cast<QLineEdit *>(object)) {
    if (qobject_cast<FormView *>(field->parentWidget()) != nullptr) {
      return new FieldInterface(field);
    }
  }
  return nullptr;
}

} // namespace

void describeWindowsToScreenReaders() {
  static const bool installed = [] {
    QAccessible::installFactory(windowInterface);
    return true;
  }();
  static_cast<void>(installed);
}

} // namespace vx::ui
