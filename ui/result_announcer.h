// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A result that a calculation writes away from the focus is told to a
// screen reader as it appears, once per change, without moving the focus:
// the window's notification, a widget of no size that nobody sees, is
// shown again with the news as its name, and screen readers speak a
// notification that is shown. The results one event changes are told
// together, in one message, once the event loop has them; what changed
// and changed back says nothing.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace vx::ui {

// What screen readers are shown; never seen, never focused, no Tab stop.
class ResultNotice : public QWidget {
  Q_OBJECT
public:
  explicit ResultNotice(QWidget &window);
};

class ResultAnnouncer : public QObject {
  Q_OBJECT
public:
  // A child of the window; its notification is made on the first news.
  explicit ResultAnnouncer(QWidget &window);

  // A result's label or field, `name` to a screen reader, has been
  // showing `before` until now.
  void changed(QWidget &result, const QString &name, const QString &before);
  // Tells the news at once.
  void say(const QString &news);

private:
  void tellChanges();

  struct Change {
    QPointer<QWidget> result;
    QString name;
    QString before;
  };
  QWidget &window_;
  std::vector<Change> changes_;
  ResultNotice *notice_ = nullptr;
};

} // namespace vx::ui
