// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/copyable_label.h"

#include "ui/form_view.h"
#include "ui/result_announcer.h"
#include "ui/result_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
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
        // A screen reader finds the menu named after what it copies.
        menu->setAccessibleName(spokenText(label));
        menu->addAction(QObject::tr("&Copy"), &label, [&label] { copyToClipboard(label); });
        // Not exec(): the window's timers and a quit request
        // go on while the menu is open.
        menu->popup(label.mapToGlobal(position));
      });
}

namespace {

class CopyKey : public QObject {
public:
  CopyKey(FormView &window, QLabel &line) : QObject(&line), window_(window), line_(line) {
    window.installEventFilter(this);
  }

protected:
  bool eventFilter(QObject * /*watched*/, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) {
      return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_R || key->modifiers() != Qt::ControlModifier) {
      return false;
    }
    if (!key->isAutoRepeat()) {
      copyToClipboard(line_);
      if (ResultAnnouncer *announcer = window_.announcer()) {
        announcer->say(QObject::tr("%1 copied").arg(spokenText(line_)));
      }
    }
    return true;
  }

private:
  FormView &window_;
  QLabel &line_;
};

} // namespace

void copyOnKey(FormView &window, QLabel &line) {
  new CopyKey(window, line);
}

void copyToClipboard(const QLabel &label) {
  const QString text = label.hasSelectedText() ? label.selectedText() : label.text();
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

} // namespace vx::ui
