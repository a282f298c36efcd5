// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology is told beyond the controls' names: each
// window is a window named by its title, and a picture says what it shows
// (the lit segments of the LED digit and of each place of the row).

#include "ui/application.h"
#include "ui/form_view.h"
#include "ui/picture_description.h"

#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

#include <memory>

class ScreenReaderView : public QObject {
  Q_OBJECT

private slots:
  void init() { app_ = std::make_unique<vx::ui::Application>(); }
  void cleanup() { app_.reset(); }

  void everyWindowIsAWindowNamedByItsTitle() {
    const std::pair<const char *, const char *> windows[] = {{"vexlo", "Vexlo"},
                                                             {"wavo6", "AVO"},
                                                             {"ct6", "Cap charge time"},
                                                             {"port66", "Port 8"},
                                                             {"port6", "LED"}};
    for (const auto &[name, title] : windows) {
      app_->registry().show(name);
      QAccessibleInterface *window =
          QAccessible::queryAccessibleInterface(app_->binder().view(name));
      QVERIFY(window != nullptr);
      QCOMPARE(window->role(), QAccessible::Window);
      QCOMPARE(window->text(QAccessible::Name), QString(title));
    }
  }

  void picturesSayWhatTheyShow_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("said");
    QTest::newRow("blank") << "led0"
                           << "blank";
    QTest::newRow("a alone") << "led1"
                             << "segments a";
    QTest::newRow("a 2") << "led109"
                         << "segments a c d f g";
    QTest::newRow("an 8") << "led127"
                          << "segments a b c d e f g";
    QTest::newRow("g alone") << "led64"
                             << "segments g";
    QTest::newRow("point dark") << "ledp"
                                << "decimal point dark";
    QTest::newRow("point lit") << "leddp"
                               << "decimal point lit";
    QTest::newRow("beyond the glyphs") << "led128"
                                       << "";
    QTest::newRow("no number") << "led"
                               << "";
    QTest::newRow("not a number") << "led1x"
                                  << "";
    QTest::newRow("none") << ""
                          << "";
  }

  void picturesSayWhatTheyShow() {
    QFETCH(QString, picture);
    QFETCH(QString, said);
    QCOMPARE(vx::ui::describePicture(picture.toStdString()), said);
  }

  void theDigitAndTheRowTellTheirCharacters() {
    app_->registry().show("port6");
    vx::ui::FormView *view = app_->binder().view("port6");
    auto description = [view](const char *name) {
      return QAccessible::queryAccessibleInterface(view->widget(name))
          ->text(QAccessible::Description);
    };
    QCOMPARE(description("Image1"), QString("blank"));
    QCOMPARE(description("Image2"), QString("decimal point dark"));
    auto *character = qobject_cast<QLineEdit *>(view->widget("Text27"));
    character->setFocus();
    QTest::keyClicks(character, "2");
    QCOMPARE(description("Image1"), QString("segments a c d f g"));
    QTest::keyClick(character, Qt::Key_Return);
    QCOMPARE(description("Image18"), QString("segments a c d f g"));
    QCOMPARE(description("Image17"), QString("blank"));
  }

private:
  std::unique_ptr<vx::ui::Application> app_;
};

QTEST_MAIN(ScreenReaderView)
#include "screen_reader_view.moc"
