// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A request to end the program, however it comes (QApplication::quit(), a
// Quit event, the session manager ending the session, SIGTERM), closes
// every open window through its unload procedure, each once, in the order
// the windows are registered, and the event loop ends.

#include "forms/form.h"
#include "ui/application.h"
#include "ui/form_view.h"
#include "ui/quit_handling.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

enum class Request { Quit, QuitEvent, SessionEnd, Terminate };

void send(Request request) {
  switch (request) {
  case Request::Quit:
    QApplication::quit();
    break;
  case Request::QuitEvent:
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    break;
  case Request::SessionEnd: {
    auto *manager = qApp->findChild<QSessionManager *>();
    QVERIFY(manager != nullptr);
    emit qApp->commitDataRequest(*manager);
    break;
  }
  case Request::Terminate:
    std::raise(SIGTERM);
    break;
  }
}

} // namespace

Q_DECLARE_METATYPE(Request)

class QuitRequest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    app_ = std::make_unique<vx::ui::Application>();
    quitHandling_ = std::make_unique<vx::ui::QuitHandling>(app_->registry());
    // As the program does: the event loop ends once no window is open.
    app_->binder().setProgramEndedHandler(
        [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
    unloads_.clear();
    for (const std::string &name : app_->registry().names()) {
      vx::forms::Form &form = app_->registry().instance(name);
      auto unload = form.onUnload;
      form.onUnload = [this, name, unload] {
        unloads_ << QString::fromStdString(name);
        if (unload) {
          unload();
        }
      };
    }
  }

  void cleanup() {
    quitHandling_.reset();
    app_.reset();
  }

  void everyOpenWindowClosesOnceAndTheProgramEnds_data() {
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QStringList>("unloaded");
    const QStringList one{"vexlo"};
    // The main window's own buttons open the other two and keep it open.
    const QStringList three{"vexlo", "port66", "wavo6"};
    const QStringList five{"vexlo", "ct6", "port6", "wavo6", "port66"};
    const QStringList threeInOrder{"vexlo", "wavo6", "port66"};
    const QStringList fiveInOrder{"port6", "vexlo", "wavo6", "port66", "ct6"};
    const struct {
      const char *name;
      Request request;
    } requests[] = {{"quit()", Request::Quit},
                    {"Quit event", Request::QuitEvent},
                    {"session end", Request::SessionEnd},
                    {"SIGTERM", Request::Terminate}};
    for (const auto &r : requests) {
      QTest::addRow("one window, %s", r.name) << one << r.request << one;
      QTest::addRow("three windows, %s", r.name) << three << r.request << threeInOrder;
      QTest::addRow("five windows, %s", r.name) << five << r.request << fiveInOrder;
    }
  }

  void everyOpenWindowClosesOnceAndTheProgramEnds() {
    QFETCH(QStringList, opened);
    QFETCH(Request, request);
    QFETCH(QStringList, unloaded);
    for (const QString &name : opened) {
      app_->registry().show(name.toStdString());
    }
    for (const QString &name : opened) {
      QVERIFY(app_->registry().isOpen(name.toStdString()));
    }

    QTimer::singleShot(0, qApp, [request] { send(request); });
    // Only a program that did not end gets here.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(3); });
    QCOMPARE(QApplication::exec(), 0);

    QCOMPARE(unloads_, unloaded);
    QVERIFY(app_->registry().ended());
    for (const QString &name : opened) {
      QVERIFY(!app_->registry().isOpen(name.toStdString()));
      QVERIFY(app_->binder().view(name.toStdString()) == nullptr);
    }
    for (QWidget *widget : QApplication::topLevelWidgets()) {
      QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
  }

  // The close box of the main window alone is no request to end: the
  // windows it opened stay.
  void aCloseBoxClosesOnlyItsOwnWindow() {
    for (const char *name : {"vexlo", "port66", "wavo6"}) {
      app_->registry().show(name);
    }
    app_->binder().view("vexlo")->close();
    QCOMPARE(unloads_, QStringList{"vexlo"});
    QVERIFY(app_->registry().isOpen("port66"));
    QVERIFY(app_->registry().isOpen("wavo6"));
    QVERIFY(!app_->registry().ended());
  }

private:
  std::unique_ptr<vx::ui::Application> app_;
  std::unique_ptr<vx::ui::QuitHandling> quitHandling_;
  QStringList unloads_;
};

QTEST_MAIN(QuitRequest)
#include "quit_request.moc"
