// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where keys land when the person goes from window to window: each window
// keeps the control that had its focus, so a port pin clicked before going
// elsewhere still takes the key on coming back; and when the active window
// closes, the window shown before it becomes the active one.

#include "forms/form.h"
#include "ui/application.h"
#include "ui/form_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class FocusBetweenWindows : public QObject {
  Q_OBJECT

private slots:
  void init() {
    app_ = std::make_unique<vx::ui::Application>();
    app_->start();
    QVERIFY(QTest::qWaitForWindowActive(view("vexlo")));
  }
  void cleanup() { app_.reset(); }

  void aPortPinKeepsTheFocusWhileAnotherWindowIsUsed() {
    QTest::mouseClick(button("vexlo", "Command29"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(view("port66")));
    QLineEdit *pin = field("port66", "Text4");
    QTest::mouseClick(pin, Qt::LeftButton);
    QCOMPARE(field("port66", "Text9")->text(), QString("8"));
    QCOMPARE(QApplication::focusWidget(), pin);

    activate("vexlo");
    QTRY_COMPARE(QApplication::focusWidget(), field("vexlo", "Text1"));
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QCOMPARE(field("vexlo", "Text1")->text(), QString("5"));

    activate("port66");
    QTRY_COMPARE(QApplication::focusWidget(), pin);
    QCOMPARE(view("port66")->form().activeControl()->name(), std::string("Text4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
    QCOMPARE(pin->text(), QString("0"));
    QCOMPARE(field("port66", "Text9")->text(), QString("0"));
    QCOMPARE(field("vexlo", "Text1")->text(), QString("5"));
  }

  // (the window closed by its close box, the window then active)
  void theWindowShownBeforeTakesOver_data() {
    QTest::addColumn<QString>("closed");
    QTest::addColumn<QString>("active");
    QTest::addColumn<QStringList>("open");
    // The Ohm's law window's close box takes the main window with it.
    QTest::newRow("Ohm's law") << "wavo6"
                               << "port66" << QStringList{"port66"};
    QTest::newRow("main") << "vexlo"
                          << "wavo6" << QStringList{"port66", "wavo6"};
    QTest::newRow("port state") << "port66"
                                << "wavo6" << QStringList{"wavo6"};
  }

  void theWindowShownBeforeTakesOver() {
    QFETCH(QString, closed);
    QFETCH(QString, active);
    QFETCH(QStringList, open);
    QTest::mouseClick(button("vexlo", "Command29"), Qt::LeftButton);
    QTest::mouseClick(button("vexlo", "Command15"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(view("wavo6")));
    activate(closed);

    view(closed)->close();
    QTRY_COMPARE(QApplication::activeWindow(), view(active));
    QStringList shown;
    for (const std::string &name : app_->registry().names()) {
      if (app_->registry().isOpen(name)) {
        shown << QString::fromStdString(name);
      }
    }
    shown.sort();
    QCOMPARE(shown, open);
    // The keys go to the focus the window had.
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QCOMPARE(focus->window(), static_cast<QWidget *>(view(active)));
  }

private:
  vx::ui::FormView *view(const QString &window) const {
    return app_->binder().view(window.toStdString());
  }
  QLineEdit *field(const char *window, const char *name) const {
    return qobject_cast<QLineEdit *>(view(window)->widget(name));
  }
  QPushButton *button(const char *window, const char *name) const {
    return qobject_cast<QPushButton *>(view(window)->widget(name));
  }
  void activate(const QString &window) const {
    view(window)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view(window)));
  }

  std::unique_ptr<vx::ui::Application> app_;
};

QTEST_MAIN(FocusBetweenWindows)
#include "focus_between_windows.moc"
