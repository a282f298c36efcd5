// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The port window's real widgets: keys pressed in a pin box flip the pin
// and never show up as text; the upper pin row appears and disappears
// with 16-bit mode.

#include "forms/registry.h"
#include "portstate/port66.h"
#include "ui/binder.h"
#include "ui/form_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

class Port66Pins : public QObject {
  Q_OBJECT

private slots:
  void init() {
    registry_ = std::make_unique<vx::forms::Registry>();
    registry_->add("port66",
                   [](vx::forms::Registry &r) { return std::make_unique<vx::port66>(r); });
    binder_ = std::make_unique<vx::ui::Binder>(*registry_);
    registry_->setPlatform(binder_.get());
    registry_->show("port66");
    view_ = binder_->view("port66");
    QVERIFY(view_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(view_));
  }

  void cleanup() {
    binder_.reset();
    registry_.reset();
  }

  void keyInPinFlipsItWithoutTyping() {
    auto *pin = qobject_cast<QLineEdit *>(view_->widget("Text1"));
    QVERIFY(pin != nullptr);
    pin->setFocus();
    QTRY_VERIFY(pin->hasFocus());

    const QString expected[] = {"1", "0", "1"};
    const Qt::Key keys[] = {Qt::Key_X, Qt::Key_7, Qt::Key_Space};
    for (int i = 0; i < 3; ++i) {
      QTest::keyClick(pin, keys[i]);
      QCOMPARE(pin->text(), expected[i]);
    }
    QCOMPARE(model().Text1.text(), std::string("1"));
    QCOMPARE(model().Text9.text(), std::string("1"));
    QCOMPARE(label("Label_he")->text(), QString("FE"));

    QTest::keyClick(pin, Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(pin->text(), QString("0"));
    QCOMPARE(qobject_cast<QLineEdit *>(view_->widget("Text9"))->text(), QString("0"));
  }

  void upperRowFollowsSixteenBitMode() {
    QWidget *upper = view_->widget("Text28");
    QVERIFY(!upper->isVisible());
    QVERIFY(!view_->widget("Label21")->isVisible());
    QVERIFY(!view_->widget("Command6")->isVisible());

    auto *value = qobject_cast<QLineEdit *>(view_->widget("Text9"));
    value->setFocus();
    value->selectAll();
    QTest::keyClicks(value, "300");
    QCOMPARE(value->text(), QString("300"));
    QTRY_VERIFY(upper->isVisible());
    QVERIFY(view_->widget("Command6")->isVisible());
    QCOMPARE(qobject_cast<QLineEdit *>(view_->widget("Text21"))->text(), QString("1"));
    // The window makes room for the row it shows.
    QTRY_VERIFY(view_->rect().contains(upper->geometry()));

    auto *sixteen = qobject_cast<QCheckBox *>(view_->widget("Check1"));
    QTest::mouseClick(sixteen, Qt::LeftButton, {}, QPoint(8, sixteen->height() / 2));
    QVERIFY(!sixteen->isChecked());
    QTRY_VERIFY(!upper->isVisible());
    QCOMPARE(value->text(), QString("44"));
    QTest::mouseClick(sixteen, Qt::LeftButton, {}, QPoint(8, sixteen->height() / 2));
    QTRY_VERIFY(upper->isVisible());
  }

private:
  vx::port66 &model() { return static_cast<vx::port66 &>(view_->form()); }
  QLabel *label(const char *name) { return qobject_cast<QLabel *>(view_->widget(name)); }

  std::unique_ptr<vx::forms::Registry> registry_;
  std::unique_ptr<vx::ui::Binder> binder_;
  vx::ui::FormView *view_ = nullptr;
};

QTEST_MAIN(Port66Pins)
#include "port66_pins.moc"
