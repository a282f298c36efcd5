// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/copyable_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace vx::ui {

void makeCopyable(QLabel &label) {
  label.setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selecting would otherwise give the label the focus on a click.
  label.setFocusPolicy(Qt::NoFocus);
  label.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(
      &label, &QLabel::customContextMenuRequested, &label, [&label](const QPoint &position) {
        auto *menu = new QMenu(&label);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QObject::tr("&Copy"), &label, [&label] { copyToClipboard(label); });
        // Not exec(): the window's timers and a quit request
        // go on while the menu is open.
        menu->popup(label.mapToGlobal(position));
      });
}

void copyToClipboard(const QLabel &label) {
  const QString text = label.hasSelectedText() ? label.selectedText() : label.text();
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

} // namespace vx::ui
