// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text fields as a screen reader needs them. Qt 6.4 tells two things
// about a line edit that make Orca misread it:
// - every character is a text attribute run of its own that ends where it
//   starts, and Orca, joining the runs, leaves out the last character when
//   it reads the field ("30" as "3");
// - on a focus by Tab the field selects its text, and the selection and
//   caret events go out before the focus event, so Orca takes the field
//   for the focus without saying it and then ignores the focus event
//   ("Second number" silent after Tab).
// The fields therefore get a text interface whose one run spans the text,
// and after a focus by Tab their selection and caret are told once more:
// Orca then drops the early events as outdated and says the focus.

#include <QAccessibleWidget>

class QLineEdit;
class QWidget;

namespace vx::ui {

class FieldInterface : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
  explicit FieldInterface(QLineEdit *field);

  [[nodiscard]] QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text type, const QString &text) override;
  [[nodiscard]] QAccessible::State state() const override;
  void *interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTextInterface
  void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
  [[nodiscard]] int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  [[nodiscard]] int cursorPosition() const override;
  void setCursorPosition(int position) override;
  [[nodiscard]] QString text(int startOffset, int endOffset) const override;
  [[nodiscard]] int characterCount() const override;
  [[nodiscard]] QRect characterRect(int offset) const override;
  [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int *startOffset, int *endOffset) const override;

  // QAccessibleEditableTextInterface
  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString &text) override;
  void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
  [[nodiscard]] QLineEdit *field() const;
};

// Called once Tab has moved the focus and Qt has reported it; nothing
// unless a field has the focus and assistive technology listens.
void reportCaretAfterFocus(QWidget *focused);

} // namespace vx::ui
