// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results shown by labels (the main window's result and display lines,
// the port windows' readings) are selected with the mouse and copied with
// the context menu's "Copy", the whole line when nothing is selected. The
// window model notices none of it: no focus change, no Tab stop, no event
// procedure, no text, caption or key changed.

#include "forms/form.h"
#include "procedure_log.h"
#include "ui/application.h"
#include "ui/form_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

// Everything of a window the person could see change: texts, captions,
// check box states, visibility, and where the focus is.
QStringList shownState(const vx::forms::Form &form) {
  QStringList state;
  for (const vx::forms::Control *control : form.controls()) {
    switch (control->kind()) {
    case vx::forms::ControlKind::TextBox: {
      const auto &box = static_cast<const vx::forms::TextBox &>(*control);
      state << QString::fromStdString(box.text()) << QString::number(box.selStart());
      break;
    }
    case vx::forms::ControlKind::Label:
      state << QString::fromStdString(static_cast<const vx::forms::Label &>(*control).caption());
      break;
    case vx::forms::ControlKind::Button:
      state << QString::fromStdString(static_cast<const vx::forms::Button &>(*control).caption());
      break;
    case vx::forms::ControlKind::CheckBox:
      state << QString::number(static_cast<const vx::forms::CheckBox &>(*control).value());
      break;
    default:
      break;
    }
  }
  const vx::forms::Control *focus = form.activeControl();
  state << QString::fromStdString(focus == nullptr ? std::string() : focus->name());
  return state;
}

} // namespace

class CopyableResults : public QObject {
  Q_OBJECT

private slots:
  void init() { app_ = std::make_unique<vx::ui::Application>(); }
  void cleanup() {
    log_.reset();
    app_.reset();
  }

  void aResultIsSelectedAndCopiedUnnoticed_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed"); // control=text typed, then the button clicked
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::newRow("vexlo result") << "vexlo"
                                  << "Text1=12;Text2=30"
                                  << "Command3"
                                  << "answer"
                                  << "42";
    QTest::newRow("vexlo display line") << "vexlo"
                                        << "Text1=4700"
                                        << "Command20"
                                        << "Label1"
                                        << " Yellow   ";
    QTest::newRow("vexlo preferred values") << "vexlo"
                                            << ""
                                            << "Command16"
                                            << "Label3"
                                            << "1.0         1.1          1.2          1.3 ";
    QTest::newRow("port66 hex") << "port66"
                                << "Text9=300"
                                << ""
                                << "Label_hex"
                                << "12C";
    QTest::newRow("port66 pull-down hex") << "port66"
                                          << "Text9=300"
                                          << ""
                                          << "Label_he"
                                          << "FED3";
    QTest::newRow("port66 pull-down decimal") << "port66"
                                              << "Text9=300"
                                              << ""
                                              << "Label_de"
                                              << "65235";
    QTest::newRow("port6 pull-down value") << "port6"
                                           << "Text9=109"
                                           << ""
                                           << "Label_de"
                                           << "146";
  }

  void aResultIsSelectedAndCopiedUnnoticed() {
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    open(window);
    for (const QString &entry : typed.split(';', Qt::SkipEmptyParts)) {
      const QStringList parts = entry.split('=');
      auto *field = qobject_cast<QLineEdit *>(widget(parts[0]));
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, parts[1]);
    }
    if (!button.isEmpty()) {
      QTest::mouseClick(qobject_cast<QPushButton *>(widget(button)), Qt::LeftButton);
    }
    auto *line = qobject_cast<QLabel *>(widget(label));
    QCOMPARE(line->text(), shown);

    log_.emplace(view_->form());
    const QStringList before = shownState(view_->form());
    QWidget *focusBefore = view_->focusWidget();
    QCOMPARE(line->focusPolicy(), Qt::NoFocus);

    // Nothing selected: the whole line, blanks and all.
    QGuiApplication::clipboard()->clear();
    QVERIFY(copyByMenu(*line));

    QCOMPARE(QGuiApplication::clipboard()->text(), shown);

    // A stretch selected with the mouse: just that.
    const int from = line->width() / 4;
    QTest::mousePress(line, Qt::LeftButton, {}, QPoint(0, line->height() / 2));
    QTest::mouseMove(line, QPoint(from, line->height() / 2));
    QTest::mouseRelease(line, Qt::LeftButton, {}, QPoint(from, line->height() / 2));
    if (!line->hasSelectedText()) { // a short result: a double click takes it all
      QTest::mouseDClick(line, Qt::LeftButton, {}, QPoint(2, line->height() / 2));
    }
    QVERIFY(line->hasSelectedText());
    const QString selected = line->selectedText();
    QVERIFY(shown.contains(selected));
    QVERIFY(copyByMenu(*line));
    QCOMPARE(QGuiApplication::clipboard()->text(), selected);

    // The offscreen platform leaves no window active once a menu has gone;
    // the window keeps its focus for when it is active again.
    QCOMPARE(view_->focusWidget(), focusBefore);
    QCOMPARE(shownState(view_->form()), before);
    QCOMPARE(log_->entries, QStringList());
    QCOMPARE(line->text(), shown);
  }

  // The labels stay out of the keyboard's way: Tab never stops on them.
  void noLabelIsATabStop() {
    for (const char *window : {"vexlo", "port66", "port6"}) {
      open(window);
      for (QLabel *label : view_->findChildren<QLabel *>()) {
        QVERIFY2(label->focusPolicy() == Qt::NoFocus, qPrintable(label->objectName()));
      }
    }
  }

private:
  void open(const QString &window) {
    app_->registry().show(window.toStdString());
    view_ = app_->binder().view(window.toStdString());
    QVERIFY(view_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(view_));
  }

  QWidget *widget(const QString &name) const { return view_->widget(name.toStdString()); }

  // Opens the label's context menu as a right click does and chooses Copy.
  static bool copyByMenu(QLabel &label) {
    const QPoint at(label.width() / 2, label.height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, label.mapToGlobal(at));
    QApplication::sendEvent(&label, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu == nullptr || menu->actions().size() != 1) {
      return false;
    }
    QAction *copy = menu->actions().first();
    if (copy->text() != QStringLiteral("&Copy")) {
      return false;
    }
    copy->trigger();
    menu->close();
    QCoreApplication::processEvents();
    return QApplication::activePopupWidget() == nullptr;
  }

  std::unique_ptr<vx::ui::Application> app_;
  vx::ui::FormView *view_ = nullptr;
  std::optional<ProcedureLog> log_;
};

QTEST_MAIN(CopyableResults)
#include "copyable_results.moc"
