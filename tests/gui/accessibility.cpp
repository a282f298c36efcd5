// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows to a keyboard and a screen reader, offscreen: windows named by
// their titles, every control uniquely named, Tab reaching every field,
// button, check box and clickable picture but no label; pictures saying what
// they show and clicked by key; a result's context menu copying the line or
// the selection, the window noticing none of it.

#include "procedure_log.h"
#include "ui/application.h"
#include "ui/form_view.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

#include <memory>
#include <set>

class Accessibility : public QObject {
  Q_OBJECT

private slots:
  void init() { app_ = std::make_unique<vx::ui::Application>(); }
  void cleanup() { app_.reset(); }

  void namedAndReachedByTab() {
    for (const auto &[window, title] : {std::pair{"vexlo", "Vexlo"},
                                        {"wavo6", "AVO"},
                                        {"ct6", "Cap charge time"},
                                        {"port66", "Port 8"},
                                        {"port6", "LED"}}) {
      open(window);
      QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(view_);
      QCOMPARE(std::pair(frame->role(), frame->text(QAccessible::Name)),
               std::pair(QAccessible::Window, QString(title)));
      std::set<QString> names;
      std::set<QWidget *> reached;
      for (QWidget *focus = QApplication::focusWidget(); reached.insert(focus).second;
           focus = QApplication::focusWidget()) {
        QTest::keyClick(focus, Qt::Key_Tab);
      }
      for (const vx::forms::Control *control : view_->form().controls()) {
        QWidget *widget = view_->widget(control->name());
        const QString where = QString("%1.%2").arg(window, control->name().c_str());
        if (widget == nullptr) {
          continue;
        }
        const QString name = widget->accessibleName();
        QVERIFY2(!name.isEmpty() && names.insert(name).second, qPrintable(where));
        const auto *image = vx::forms::as<vx::forms::Image>(control);
        const bool tabStop = qobject_cast<QAbstractButton *>(widget) != nullptr ||
                             qobject_cast<QLineEdit *>(widget) != nullptr ||
                             (image != nullptr && image->onClick);
        QVERIFY2(!widget->isVisible() || reached.count(widget) == (tabStop ? 1 : 0),
                 qPrintable(where));
      }
    }
  }

  void picturesSayWhatTheyShowAndAreClickedByKey() {
    open("port6");
    const auto said = [this](const char *name) { return widget(name)->accessibleDescription(); };
    type("Text27", "2");
    QTest::keyClick(widget("Text27"), Qt::Key_Return);
    QCOMPARE(said("Image18"), QStringLiteral("segments a c d f g"));
    QCOMPARE(said("Image17"), QStringLiteral("blank"));
    // A place is clicked once by Space and once by Enter, by no other key,
    // and a mouse click on it leaves the focus where it was.
    const ProcedureLog log(view_->form());
    widget("Image18")->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_X, Qt::Key_Return}) {
      QTest::keyClick(widget("Image18"), key);
    }
    widget("Text27")->setFocus();
    QTest::mouseClick(widget("Image17"), Qt::LeftButton);
    QCOMPARE(log.entries.filter(QRegularExpression("^Image")),
             QStringList({"Image18_Click", "Image18_Click", "Image17_Click"}));
    QCOMPARE(QApplication::focusWidget(), widget("Text27"));
  }

  void aResultIsCopiedUnnoticed() {
    const struct {
      const char *window, *field, *typed, *button, *label, *shown;
    } results[] = {{"vexlo", "Text1", "4700", "Command20", "Label2", " Violet     "},
                   {"port66", "Text9", "300", nullptr, "Label_he", "FED3"},
                   {"port6", "Text9", "109", nullptr, "Label_de", "146"}};
    for (const auto &result : results) {
      open(result.window);
      type(result.field, result.typed);
      if (result.button != nullptr) {
        QTest::mouseClick(widget(result.button), Qt::LeftButton);
      }
      auto *line = qobject_cast<QLabel *>(widget(result.label));
      const QString shown = result.shown;
      QCOMPARE(line->text(), shown);
      const ProcedureLog log(view_->form());
      QWidget *focus = view_->focusWidget();
      QVERIFY(copyByMenu(*line)); // nothing selected: the whole line, blanks and all
      QCOMPARE(QGuiApplication::clipboard()->text(), shown);
      // The first half or so selected with the mouse: just that.
      const int y = line->height() / 2;
      const int to = line->fontMetrics().horizontalAdvance(shown.left(shown.size() / 2 + 1));
      QTest::mousePress(line, Qt::LeftButton, {}, QPoint(0, y));
      QTest::mouseMove(line, QPoint(to, y));
      QTest::mouseRelease(line, Qt::LeftButton, {}, QPoint(to, y));
      const QString selected = line->selectedText();
      QVERIFY(!selected.isEmpty() && selected != shown && shown.startsWith(selected));
      QVERIFY(copyByMenu(*line));
      QCOMPARE(QGuiApplication::clipboard()->text(), selected);
      QCOMPARE(std::pair(log.entries, view_->focusWidget()), std::pair(QStringList(), focus));
    }
  }

private:
  void open(const QString &window) {
    app_->registry().show(window.toStdString());
    view_ = app_->binder().view(window.toStdString());
    QVERIFY(QTest::qWaitForWindowActive(view_));
  }
  QWidget *widget(const QString &name) const { return view_->widget(name.toStdString()); }
  void type(const QString &name, const QString &typed) {
    widget(name)->setFocus();
    qobject_cast<QLineEdit *>(widget(name))->selectAll();
    QTest::keyClicks(widget(name), typed);
  }

  // Opens the label's context menu as a right click does and chooses its
  // one entry, Copy.
  static bool copyByMenu(QLabel &label) {
    const QPoint at(label.width() / 2, label.height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, label.mapToGlobal(at));
    QApplication::sendEvent(&label, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu == nullptr || menu->actions().size() != 1 || menu->actions()[0]->text() != "&Copy") {
      return false;
    }
    menu->actions().first()->trigger();
    menu->close();
    return true;
  }

  std::unique_ptr<vx::ui::Application> app_;
  vx::ui::FormView *view_ = nullptr;
};

QTEST_MAIN(Accessibility)
#include "accessibility.moc"
