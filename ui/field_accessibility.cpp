// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/field_accessibility.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace vx::ui {

FieldInterface::FieldInterface(QLineEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

QLineEdit *FieldInterface::field() const {
  return static_cast<QLineEdit *>(widget());
}

QString FieldInterface::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) {
    return field()->text();
  }
  return QAccessibleWidget::text(type);
}

void FieldInterface::setText(QAccessible::Text type, const QString &text) {
  if (type == QAccessible::Value) {
    field()->setText(text);
  } else {
    QAccessibleWidget::setText(type, text);
  }
}

QAccessible::State FieldInterface::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.readOnly = field()->isReadOnly();
  state.selectableText = true;
  return state;
}

void *FieldInterface::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) {
    return static_cast<QAccessibleTextInterface *>(this);
  }
  if (type == QAccessible::EditableTextInterface) {
    return static_cast<QAccessibleEditableTextInterface *>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

void FieldInterface::selection(int selectionIndex, int *startOffset, int *endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
  if (selectionIndex == 0 && field()->hasSelectedText()) {
    *startOffset = field()->selectionStart();
    *endOffset = field()->selectionEnd();
  }
}

int FieldInterface::selectionCount() const {
  return field()->hasSelectedText() ? 1 : 0;
}

void FieldInterface::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void FieldInterface::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) {
    field()->deselect();
  }
}

void FieldInterface::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) {
    field()->setSelection(startOffset, endOffset - startOffset);
  }
}

int FieldInterface::cursorPosition() const {
  return field()->cursorPosition();
}

void FieldInterface::setCursorPosition(int position) {
  field()->setCursorPosition(position);
}

QString FieldInterface::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) {
    return {};
  }
  return field()->text().mid(startOffset, endOffset - startOffset);
}

int FieldInterface::characterCount() const {
  return static_cast<int>(field()->text().size());
}

QRect FieldInterface::characterRect(int offset) const {
  const QString character = text(offset, offset + 1);
  if (character.isEmpty()) {
    return {};
  }
  QLineEdit *edit = field();
  const QFontMetrics metrics(edit->font());
  const int middleY = edit->height() / 2;
  // Qt says where the caret goes for a point, which passes a character at
  // its middle: the first point whose caret comes after the character.
  int low = 0;
  int high = edit->width();
  while (low < high) {
    const int x = (low + high) / 2;
    if (edit->cursorPositionAt({x, middleY}) > offset) {
      high = x;
    } else {
      low = x + 1;
    }
  }
  const int width = metrics.horizontalAdvance(character);
  const QRect box(low - width / 2, middleY - metrics.height() / 2, width, metrics.height());
  return {edit->mapToGlobal(box.topLeft()), box.size()};
}

int FieldInterface::offsetAtPoint(const QPoint &point) const {
  return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void FieldInterface::scrollToSubstring(int startIndex, int endIndex) {
  field()->setCursorPosition(endIndex);
  field()->setCursorPosition(startIndex);
}

QString FieldInterface::attributes(int /*offset*/, int *startOffset, int *endOffset) const {
  // A field has no attributes, in one run over its whole text.
  *startOffset = 0;
  *endOffset = characterCount();
  return {};
}

void FieldInterface::deleteText(int startOffset, int endOffset) {
  field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
}

void FieldInterface::insertText(int offset, const QString &text) {
  field()->setText(field()->text().insert(offset, text));
}

void FieldInterface::replaceText(int startOffset, int endOffset, const QString &text) {
  field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
}

void reportCaretAfterFocus(QWidget *focused) {
  auto *field = qobject_cast<QLineEdit *>(focused);
  if (field == nullptr || !QAccessible::isActive()) {
    return;
  }
  const int caret = field->cursorPosition();
  const int start = field->hasSelectedText() ? field->selectionStart() : caret;
  const int end = field->hasSelectedText() ? field->selectionEnd() : caret;
  QAccessibleTextSelectionEvent selection(field, start, end);
  selection.setCursorPosition(caret);
  QAccessible::updateAccessibility(&selection);
  QAccessibleTextCursorEvent cursor(field, caret);
  QAccessible::updateAccessibility(&cursor);
}

} // namespace vx::ui
