// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window used by screen reader and keyboard alone: each control's
// widget is named by its role, uniquely within its window; Tab reaches
// every button, check box and clickable picture; Space or Enter on a
// focused place of the LED window's row clicks it once.

#include "capcharge/ct6.h"
#include "forms/registry.h"
#include "leddriver/port6.h"
#include "main/vexlo.h"
#include "ohms/wavo6.h"
#include "portstate/port66.h"
#include "ui/binder.h"
#include "ui/form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <set>

class AccessibleNames : public QObject {
  Q_OBJECT

private slots:
  void init() {
    registry_ = std::make_unique<vx::forms::Registry>();
    add<vx::port6>("port6");
    add<vx::vexlo>("vexlo");
    add<vx::wavo6>("wavo6");
    add<vx::port66>("port66");
    add<vx::ct6>("ct6");
    binder_ = std::make_unique<vx::ui::Binder>(*registry_);
    registry_->setPlatform(binder_.get());
    binder_->setTimersLive(false);
  }

  void cleanup() {
    binder_.reset();
    registry_.reset();
  }

  void everyControlNamedAndReachable_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("expected"); // control=name;...
    QTest::newRow("vexlo") << "vexlo"
                           << "Text1=First number;answer=Result;Command8=Pi;Label8=Display line 8;"
                              "Command13=Swap results into fields;Command24=Add result to memory";
    QTest::newRow("wavo6") << "wavo6"
                           << "Textv=Volts;Checkw=Watts given;Command4=Clear";
    QTest::newRow("ct6") << "ct6"
                         << "Textt=Charge time;Command5=Switch to Ohm's law calculator";
    QTest::newRow("port66") << "port66"
                            << "Text9=Port value;Text1=Pin 0;Text28=Pin F;Text17=Note for pin 7;"
                               "Label23=Pin number A;Command6=Toggle pins 8 to F";
    QTest::newRow("port6") << "port6"
                           << "Text25=Segment letter for pin 7;Command5=Segment a;"
                              "Command12=Segment h;Image3=Place 1;Image18=Place 16";
  }

  void everyControlNamedAndReachable() {
    QFETCH(QString, window);
    QFETCH(QString, expected);
    vx::ui::FormView *view = open(window);
    QVERIFY(view != nullptr);
    std::set<QString> names;
    for (const vx::forms::Control *control : view->form().controls()) {
      if (QWidget *widget = view->widget(control->name())) {
        const QString name = widget->accessibleName();
        QVERIFY2(!name.isEmpty(), control->name().c_str());
        QVERIFY2(names.insert(name).second, qPrintable(name));
      }
    }
    for (const QString &pair : expected.split(';')) {
      const QStringList parts = pair.split('=');
      QCOMPARE(view->widget(parts[0].toStdString())->accessibleName(), parts[1]);
    }

    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QWidget *const start = QApplication::focusWidget();
    std::set<QWidget *> reached{start};
    QWidget *current = start;
    for (int presses = 0; presses < 200 && (presses == 0 || current != start); ++presses) {
      QTest::keyClick(current, Qt::Key_Tab);
      current = QApplication::focusWidget();
      reached.insert(current);
    }
    QCOMPARE(current, start);
    for (const vx::forms::Control *control : view->form().controls()) {
      QWidget *widget = view->widget(control->name());
      if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) {
        continue;
      }
      const bool wasReached = reached.count(widget) == 1;
      if (qobject_cast<QAbstractButton *>(widget) != nullptr) {
        QVERIFY2(wasReached, control->name().c_str());
      } else if (const auto *image = vx::forms::as<vx::forms::Image>(control)) {
        // Only the pictures that react to a click belong in the chain.
        const bool clickable = static_cast<bool>(image->onClick);
        QVERIFY2(wasReached == clickable, control->name().c_str());
      }
    }
  }

  void spacePressesButtonsAndCheckBoxes() {
    vx::ui::FormView *calculator = open("vexlo");
    QVERIFY(calculator != nullptr);
    QVERIFY(pressSpace(calculator->widget("Command14")));
    QCOMPARE(static_cast<vx::vexlo &>(calculator->form()).Label1.caption(), std::string(" M1"));
    // What a display line shows reaches a screen reader beside its name.
    QCOMPARE(calculator->widget("Label1")->accessibleDescription(), QStringLiteral(" M1"));
    vx::ui::FormView *port = open("port66");
    QVERIFY(port != nullptr);
    QVERIFY(pressSpace(port->widget("Check1")));
    QTRY_VERIFY(port->widget("Text21")->isVisible());
  }

  void keyOnAFocusedPlaceClicksItOnce() {
    vx::ui::FormView *view = open("port6");
    QVERIFY(view != nullptr);
    auto &led = static_cast<vx::port6 &>(view->form());
    auto *character = qobject_cast<QLineEdit *>(view->widget("Text27"));
    character->setFocus();
    QTRY_VERIFY(character->hasFocus());
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
      QTest::keyClick(character, key);
      QTest::keyClick(character, Qt::Key_Return);
    }
    QCOMPARE(led.Text9.text(), std::string("103"));

    // The place that shows the 1.
    QWidget *place = view->widget("Image16");
    auto clicks = std::make_shared<int>(0);
    led.Image16.onClick = [clicks, click = led.Image16.onClick] {
      ++*clicks;
      click();
    };
    const QImage unfocused = place->grab().toImage();
    place->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(place->hasFocus());
    QVERIFY(place->grab().toImage() != unfocused);

    QTest::keyClick(place, Qt::Key_Space);
    QCOMPARE(*clicks, 1);
    QCOMPARE(led.Text9.text(), std::string("3"));
    QTest::keyClick(place, Qt::Key_X);
    QCOMPARE(*clicks, 1);
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(*clicks, 2);

    // A mouse click on a place leaves the focus where it was.
    character->setFocus();
    QTRY_VERIFY(character->hasFocus());
    QCOMPARE(place->grab().toImage(), unfocused);
    QTest::mouseClick(view->widget("Image15"), Qt::LeftButton);
    QVERIFY(character->hasFocus());
    QCOMPARE(led.Text9.text(), std::string("0"));
  }

private:
  template <typename Window> void add(const char *name) {
    registry_->add(name, [](vx::forms::Registry &r) { return std::make_unique<Window>(r); });
  }

  static bool pressSpace(QWidget *widget) {
    widget->setFocus(Qt::TabFocusReason);
    if (!QTest::qWaitFor([widget] { return widget->hasFocus(); })) {
      return false;
    }
    QTest::keyClick(widget, Qt::Key_Space);
    return true;
  }

  vx::ui::FormView *open(const QString &window) {
    registry_->show(window.toStdString());
    vx::ui::FormView *view = binder_->view(window.toStdString());
    return view != nullptr && QTest::qWaitForWindowActive(view) ? view : nullptr;
  }

  std::unique_ptr<vx::forms::Registry> registry_;
  std::unique_ptr<vx::ui::Binder> binder_;
};

QTEST_MAIN(AccessibleNames)
#include "accessible_names.moc"
