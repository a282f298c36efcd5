// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitor charge window with its real timer: a key is taken up
// within moments, the tick then repeats every 600 ms, deleting and the
// point keys hold it off for a minute; and the schematic is drawn beside
// the fields at any size.

#include "capcharge/ct6.h"
#include "forms/registry.h"
#include "ui/binder.h"
#include "ui/form_view.h"
#include "ui/schematic_widget.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <vector>

class Ct6Timer : public QObject {
  Q_OBJECT

private slots:
  void init() {
    registry_ = std::make_unique<vx::forms::Registry>();
    registry_->add("ct6", [](vx::forms::Registry &r) { return std::make_unique<vx::ct6>(r); });
    binder_ = std::make_unique<vx::ui::Binder>(*registry_);
    registry_->show("ct6");
    view_ = binder_->view("ct6");
    QVERIFY(view_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(view_));
    QTRY_VERIFY(field("Textv")->hasFocus());

    ticks_.clear();
    clock_.start();
    auto tick = model().Timer1.onTimer;
    model().Timer1.onTimer = [this, tick] {
      ticks_.push_back(clock_.elapsed());
      tick();
    };
  }

  void cleanup() {
    binder_.reset();
    registry_.reset();
  }

  void opensWithTheSchematicBesideTheFields() {
    for (const char *name : {"Textv", "Textr", "Textl", "Textt", "Textc", "Texta", "Textd", "Textf",
                             "Checkv", "Checkf", "Label2", "Command1", "Command5"}) {
      QWidget *widget = view_->widget(name);
      QVERIFY2(widget->isVisible(), name);
      QVERIFY2(view_->rect().contains(widget->geometry()), name);
    }
    QCOMPARE(view_->windowTitle(), QString("Cap charge time"));
    auto *schematic = view_->findChild<vx::ui::SchematicWidget *>();
    QVERIFY(schematic != nullptr);
    QCOMPARE(schematic->lineCount(), std::size_t{40});
    QVERIFY(schematic->isVisible());
    const QRect drawing = schematic->geometry();
    QVERIFY(widgetRect("Textr").right() < drawing.left());
    QVERIFY(widgetRect("Textc").right() < drawing.left());
    QVERIFY(widgetRect("Textd").left() > drawing.right());
    QVERIFY(widgetRect("Textl").left() > drawing.right());
    QVERIFY(widgetRect("Textv").top() < widgetRect("Textc").top());

    // Drawn again at whatever size the window takes.
    const double small = inkShare(*schematic);
    view_->resize(view_->width() * 2, view_->height() * 2);
    QTRY_VERIFY(schematic->width() > drawing.width());
    const double large = inkShare(*schematic);
    QVERIFY(small > 0);
    QVERIFY(large > 0);
  }

  void aKeyIsTakenUpAtOnceThenEvery600Ms() {
    QLineEdit *volts = field("Textv");
    volts->setCursorPosition(0);
    const qint64 pressed = clock_.elapsed();
    QTest::keyClicks(volts, "500m");
    QCOMPARE(model().Timer1.interval(), 6);
    QTRY_COMPARE_WITH_TIMEOUT(volts->text(), QString("500 mVolts"), 10000);
    QVERIFY(!ticks_.empty());
    QVERIFY(ticks_.front() - pressed >= 5);
    QCOMPARE(model().Timer1.interval(), 600);
    QCOMPARE(volts->cursorPosition(), 3);

    // Only the lower bound is the program's: a slow machine lengthens the
    // gaps, and Qt lets a 600 ms timer expire up to 5 % early.
    QTRY_VERIFY_WITH_TIMEOUT(ticks_.size() >= 3, 20000);
    for (std::size_t i = 1; i < 3; ++i) {
      const qint64 gap = ticks_[i] - ticks_[i - 1];
      QVERIFY2(gap >= 570, qPrintable(QString::number(gap)));
    }
  }

  void deletingAndPointsHoldTheTickOff() {
    QLineEdit *volts = field("Textv");
    volts->setCursorPosition(0);
    QTest::keyClick(volts, Qt::Key_1);
    QTRY_VERIFY(qobject_cast<QCheckBox *>(view_->widget("Checkv"))->isChecked());

    volts->setCursorPosition(1);
    QTest::keyClick(volts, Qt::Key_Period);
    QCOMPARE(volts->text(), QString("1. Volts"));
    QCOMPARE(model().Timer1.interval(), 60000);
    const std::size_t before = ticks_.size();
    QTest::qWait(1500);
    QCOMPARE(ticks_.size(), before);
    QCOMPARE(volts->text(), QString("1. Volts"));

    QTest::keyClick(volts, Qt::Key_Backspace);
    QTest::qWait(700);
    QCOMPARE(ticks_.size(), before);

    // Any other key brings the tick back at once.
    QTest::keyClick(volts, Qt::Key_2);
    QTRY_COMPARE_WITH_TIMEOUT(volts->text(), QString("12 Volts"), 10000);
  }

private:
  vx::ct6 &model() { return static_cast<vx::ct6 &>(view_->form()); }
  QLineEdit *field(const char *name) { return qobject_cast<QLineEdit *>(view_->widget(name)); }
  QRect widgetRect(const char *name) {
    QWidget *widget = view_->widget(name);
    return QRect(widget->mapTo(view_, QPoint(0, 0)), widget->size());
  }

  // The share of the drawing's pixels that differ from its background.
  static double inkShare(QWidget &widget) {
    const QImage image = widget.grab().toImage();
    const QRgb background = image.pixel(0, 0);
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        ink += image.pixel(x, y) != background ? 1 : 0;
      }
    }
    return static_cast<double>(ink) / (image.width() * image.height());
  }

  std::unique_ptr<vx::forms::Registry> registry_;
  std::unique_ptr<vx::ui::Binder> binder_;
  vx::ui::FormView *view_ = nullptr;
  QElapsedTimer clock_;
  std::vector<qint64> ticks_;
};

QTEST_MAIN(Ct6Timer)
#include "ct6_timer.moc"
