// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A label that shows a result, as a screen reader reads it. Its name says
// what it is ("Result") and never changes, so tools and people find it by
// that name; its accessible text is the value with what it is
// ("Result 42"). Orca's flat review reads a label's text when it has one,
// its name otherwise, so the value is read where the label is.

#include <QAccessibleWidget>
#include <QLabel>

namespace vx::ui {

class ResultLabel : public QLabel {
  Q_OBJECT
public:
  explicit ResultLabel(QWidget *parent);

  // Tells assistive technology, if any listens, that the label showed
  // `before` until its text was set.
  void reportChange(const QString &before);
};

// A screen reader's words for what the label shows (spokenResult).
QString spokenText(const QLabel &label);

// The text is the spoken one, which the label never shows as such: it has
// no caret or selection, and its characters share the label's width.
class ResultLabelInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit ResultLabelInterface(ResultLabel *label);

  using QAccessibleWidget::text;
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

private:
  [[nodiscard]] const QLabel &label() const;
};

} // namespace vx::ui
