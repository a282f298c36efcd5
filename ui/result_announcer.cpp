// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/result_announcer.h"

#include "ui/accessible_names.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace vx::ui {

namespace {

QString shownText(const QWidget &result) {
  if (const auto *label = qobject_cast<const QLabel *>(&result)) {
    return label->text();
  }
  if (const auto *field = qobject_cast<const QLineEdit *>(&result)) {
    return field->text();
  }
  return {};
}

} // namespace

ResultNotice::ResultNotice(QWidget &window) : QWidget(&window) {
  // No size, outside every layout: nothing to see or click, and the window
  // keeps its size and arrangement. A plain widget takes no focus.
  setGeometry(0, 0, 0, 0);
}

ResultAnnouncer::ResultAnnouncer(QWidget &window) : QObject(&window), window_(window) {}

void ResultAnnouncer::changed(QWidget &result, const QString &name, const QString &before) {
  const bool known = std::any_of(changes_.begin(), changes_.end(), [&result](const Change &change) {
    return change.result == &result;
  });
  if (known) {
    return;
  }
  if (changes_.empty()) {
    QMetaObject::invokeMethod(this, &ResultAnnouncer::tellChanges, Qt::QueuedConnection);
  }
  changes_.push_back({&result, name, before});
}

void ResultAnnouncer::tellChanges() {
  // Told in the order a person reads the window: top to bottom, left to
  // right.
  const auto place = [this](const Change &change) {
    const QPoint at = change.result ? change.result->mapTo(&window_, QPoint()) : QPoint();
    return std::pair(at.y(), at.x());
  };
  std::stable_sort(changes_.begin(), changes_.end(),
                   [&place](const Change &a, const Change &b) { return place(a) < place(b); });
  QStringList news;
  for (const Change &change : changes_) {
    // The field being typed in is read out by the screen reader itself.
    if (!change.result || change.result == window_.focusWidget()) {
      continue;
    }
    const QString shown = shownText(*change.result);
    if (shown != change.before && !shown.simplified().isEmpty()) {
      news << spokenResult(change.name, shown);
    }
  }
  changes_.clear();
  if (!news.isEmpty()) {
    say(news.join(QStringLiteral(", ")));
  }
}

void ResultAnnouncer::say(const QString &news) {
  if (notice_ == nullptr) {
    notice_ = new ResultNotice(window_);
  }
  notice_->hide();
  notice_->setAccessibleName(news);
  notice_->show();
}

} // namespace vx::ui
