// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/result_label.h"

#include "ui/accessible_names.h"

namespace vx::ui {

ResultLabel::ResultLabel(QWidget *parent) : QLabel(parent) {}

void ResultLabel::reportChange(const QString &before) {
  if (!QAccessible::isActive()) {
    return;
  }
  QAccessibleTextUpdateEvent event(this, 0, spokenResult(accessibleName(), before),
                                   spokenText(*this));
  QAccessible::updateAccessibility(&event);
}

QString spokenText(const QLabel &label) {
  return spokenResult(label.accessibleName(), label.text());
}

ResultLabelInterface::ResultLabelInterface(ResultLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

const QLabel &ResultLabelInterface::label() const {
  return *static_cast<const QLabel *>(widget());
}

void *ResultLabelInterface::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) {
    return static_cast<QAccessibleTextInterface *>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

void ResultLabelInterface::selection(int /*selectionIndex*/, int *startOffset,
                                     int *endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

int ResultLabelInterface::selectionCount() const {
  return 0;
}

void ResultLabelInterface::addSelection(int /*startOffset*/, int /*endOffset*/) {}

void ResultLabelInterface::removeSelection(int /*selectionIndex*/) {}

void ResultLabelInterface::setSelection(int /*selectionIndex*/, int /*startOffset*/,
                                        int /*endOffset*/) {}

int ResultLabelInterface::cursorPosition() const {
  return 0;
}

void ResultLabelInterface::setCursorPosition(int /*position*/) {}

QString ResultLabelInterface::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) {
    return {};
  }
  return spokenText(label()).mid(startOffset, endOffset - startOffset);
}

int ResultLabelInterface::characterCount() const {
  return static_cast<int>(spokenText(label()).size());
}

QRect ResultLabelInterface::characterRect(int offset) const {
  const int count = characterCount();
  if (offset < 0 || offset >= count) {
    return {};
  }
  const QRect area = label().contentsRect();
  const int left = area.left() + area.width() * offset / count;
  const int right = area.left() + area.width() * (offset + 1) / count;
  return {label().mapToGlobal(QPoint(left, area.top())), QSize(right - left, area.height())};
}

int ResultLabelInterface::offsetAtPoint(const QPoint &point) const {
  const QRect area = label().contentsRect();
  const QPoint at = label().mapFromGlobal(point);
  if (!area.contains(at)) {
    return -1;
  }
  return (at.x() - area.left()) * characterCount() / area.width();
}

void ResultLabelInterface::scrollToSubstring(int /*startIndex*/, int /*endIndex*/) {}

QString ResultLabelInterface::attributes(int /*offset*/, int *startOffset, int *endOffset) const {
  // One run over the whole text, as in the fields (ui/field_accessibility.h).
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

} // namespace vx::ui
