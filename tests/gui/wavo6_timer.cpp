// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Ohm's law window with its real timer: a key is read within a few
// milliseconds, the tick then repeats every 600 ms, deleting holds it off
// for a minute and unticking stops it; Enter brings in the main window's
// result.

#include "forms/registry.h"
#include "ohms/wavo6.h"
#include "ui/binder.h"
#include "ui/form_view.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// The main window's result line is all this window reads of it; the
// window is only ever loaded here, never shown.
class MainWindow : public vx::forms::Form {
public:
  explicit MainWindow(vx::forms::Registry &registry) : Form(registry, "vexlo", "Vexlo") {}
  vx::forms::Label answer{*this, "answer", {.caption = "Result", .toolTip = ""}};
};

} // namespace

class Wavo6Timer : public QObject {
  Q_OBJECT

private slots:
  void init() {
    registry_ = std::make_unique<vx::forms::Registry>();
    registry_->add("vexlo", [](vx::forms::Registry &r) { return std::make_unique<MainWindow>(r); });
    registry_->add("wavo6", [](vx::forms::Registry &r) { return std::make_unique<vx::wavo6>(r); });
    binder_ = std::make_unique<vx::ui::Binder>(*registry_);
    registry_->show("wavo6");
    view_ = binder_->view("wavo6");
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

  void opensShowingEveryControl() {
    for (const char *name :
         {"Textv", "Textr", "Texta", "Textw", "Checkv", "Checkr", "Checka", "Checkw", "Command1",
          "Command2", "Command3", "Command4", "Command5"}) {
      QWidget *widget = view_->widget(name);
      QVERIFY2(widget->isVisible(), name);
      QVERIFY2(view_->rect().contains(widget->geometry()), name);
    }
    QCOMPARE(field("Texta")->toolTip(),
             QString("Enter Amps (use k and m for kilo or milli) Press enter three times to "
                     "insert answer from calc. Enter decimal point last"));
  }

  void aKeyIsReadAtOnceThenEvery600Ms() {
    QLineEdit *volts = field("Textv");
    volts->setCursorPosition(0);
    const qint64 pressed = clock_.elapsed();
    QTest::keyClicks(volts, "1.");
    QCOMPARE(model().Timer1.interval(), 6);
    QTRY_COMPARE_WITH_TIMEOUT(volts->text(), QString("1 Volts"), 10000);
    QVERIFY(!ticks_.empty());
    QVERIFY(ticks_.front() - pressed >= 5);
    QCOMPARE(model().Timer1.interval(), 600);

    // Only the lower bound is the program's: a slow machine lengthens the
    // gaps, and Qt lets a 600 ms timer expire up to 5 % early.
    QTRY_VERIFY_WITH_TIMEOUT(ticks_.size() >= 3, 20000);
    for (std::size_t i = 1; i < 3; ++i) {
      const qint64 gap = ticks_[i] - ticks_[i - 1];
      QVERIFY2(gap >= 570, qPrintable(QString::number(gap)));
    }
  }

  void deletingHoldsTheTickOff() {
    QLineEdit *volts = field("Textv");
    volts->setCursorPosition(0);
    QTest::keyClicks(volts, "12");
    QTRY_VERIFY(qobject_cast<QCheckBox *>(view_->widget("Checkv"))->isChecked());

    volts->end(false);
    QTest::keyClick(volts, Qt::Key_Backspace);
    QCOMPARE(volts->text(), QString("12 Volt"));
    QCOMPARE(model().Timer1.interval(), 60000);
    const std::size_t before = ticks_.size();
    QTest::qWait(1500);
    QCOMPARE(ticks_.size(), before);
    QCOMPARE(volts->text(), QString("12 Volt"));

    volts->home(false);
    QTest::keyClick(volts, Qt::Key_Delete);
    QCOMPARE(volts->text(), QString("2 Volt"));
    QTest::qWait(600);
    QCOMPARE(ticks_.size(), before);

    // Any other key brings the tick back at once.
    QTest::keyClick(volts, Qt::Key_5);
    QTRY_COMPARE_WITH_TIMEOUT(volts->text(), QString("52 Volts"), 10000);
  }

  void untickingStopsTheTimerUntilTheUserTypes() {
    QLineEdit *volts = field("Textv");
    volts->setCursorPosition(0);
    QTest::keyClick(volts, Qt::Key_7);
    auto *given = qobject_cast<QCheckBox *>(view_->widget("Checkv"));
    QTRY_VERIFY(given->isChecked());

    QTest::mouseClick(given, Qt::LeftButton, {}, QPoint(8, given->height() / 2));
    QVERIFY(!given->isChecked());
    QCOMPARE(volts->text(), QString(" Volts"));
    const std::size_t before = ticks_.size();
    QTest::qWait(1300);
    QCOMPARE(ticks_.size(), before);

    volts->setFocus();
    volts->setCursorPosition(0);
    QTest::keyClick(volts, Qt::Key_8);
    QTRY_VERIFY_WITH_TIMEOUT(given->isChecked(), 10000);
    QCOMPARE(volts->text(), QString("8 Volts"));
  }

  void enterInsertsTheMainWindowsResult() {
    QLineEdit *ohms = field("Textr");
    ohms->setFocus();
    QTRY_VERIFY(ohms->hasFocus());
    QTest::keyClick(ohms, Qt::Key_Return); // the main window's result is "Result"
    QCOMPARE(ohms->text(), QString(" Ohms"));
    QVERIFY(registry_->isLoaded("vexlo"));
    QVERIFY(!registry_->isOpen("vexlo"));
    QVERIFY(binder_->view("vexlo") == nullptr);

    static_cast<MainWindow &>(registry_->load("vexlo")).answer.setCaption("3.3");
    QTest::keyClick(ohms, Qt::Key_Return);
    QCOMPARE(ohms->text(), QString("3.3 Ohms"));
    QCOMPARE(field("Textv")->text(), QString(" Volts"));
    auto *given = qobject_cast<QCheckBox *>(view_->widget("Checkr"));
    QTRY_VERIFY_WITH_TIMEOUT(given->isChecked(), 10000);
    QCOMPARE(ohms->text(), QString("3.3 Ohms"));
  }

private:
  vx::wavo6 &model() { return static_cast<vx::wavo6 &>(view_->form()); }
  QLineEdit *field(const char *name) { return qobject_cast<QLineEdit *>(view_->widget(name)); }

  std::unique_ptr<vx::forms::Registry> registry_;
  std::unique_ptr<vx::ui::Binder> binder_;
  vx::ui::FormView *view_ = nullptr;
  QElapsedTimer clock_;
  std::vector<qint64> ticks_;
};

QTEST_MAIN(Wavo6Timer)
#include "wavo6_timer.moc"
