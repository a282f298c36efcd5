// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with real widgets and real key presses: the window's key
// procedure runs before the focused field sees the key, Enter keeps a
// running total, and field 1 comes before field 2 in the focus order.

#include "forms/form.h"
#include "ui/application.h"
#include "ui/form_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class VexloKeys : public QObject {
  Q_OBJECT

private slots:
  void init() {
    app_ = std::make_unique<vx::ui::Application>();
    app_->start();
    view_ = app_->binder().view("vexlo");
    QVERIFY(view_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(view_));
    QTRY_VERIFY(field("Text1")->hasFocus());
  }

  void cleanup() { app_.reset(); }

  void enterKeepsARunningTotal() {
    QTest::keyClicks(field("Text1"), "5");
    QTest::keyClick(field("Text1"), Qt::Key_Tab);
    QVERIFY(field("Text2")->hasFocus());
    for (const char *number : {"3", "4"}) {
      QTest::keyClicks(field("Text2"), number);
      QTest::keyClick(field("Text2"), Qt::Key_Return);
    }
    QCOMPARE(field("Text1")->text(), QStringLiteral("12"));
    QCOMPARE(field("Text2")->text(), QString());
    QVERIFY(field("Text2")->hasFocus());
  }

  void theOperatorKeyRunsBeforeTheFieldTakesItsCharacter() {
    QTest::keyClicks(field("Text1"), "4.7k");
    QTest::keyClick(field("Text1"), Qt::Key_Return);
    QCOMPARE(field("Text1")->text(), QStringLiteral("4700"));
    // The minus key subtracts what field 2 holds; its own character goes
    // into field 2 while the procedure lets pending events run, and is
    // emptied with it.
    QTest::keyClicks(field("Text2"), "700");
    QTest::keyClick(field("Text2"), Qt::Key_Minus);
    QCOMPARE(field("Text1")->text(), QStringLiteral("4000"));
    QCOMPARE(field("Text2")->text(), QString());
  }

  void anOperatorKeyInField1LeavesItsCharacterOutOfTheResult() {
    QTest::keyClicks(field("Text1"), "10");
    QTest::keyClick(field("Text1"), Qt::Key_Minus);
    QCOMPARE(field("Text1")->text(), QStringLiteral("10"));
    QCOMPARE(field("Text2")->text(), QString());
    QVERIFY(field("Text2")->hasFocus());
  }

  void shiftThenEightMultiplies() {
    QTest::keyClicks(field("Text1"), "6");
    QTest::keyClicks(field("Text2"), "7");
    QTest::keyClick(field("Text2"), Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(field("Text2"), Qt::Key_Asterisk, Qt::ShiftModifier);
    QCOMPARE(field("Text1")->text(), QStringLiteral("42"));
  }

  void buttonsWriteTheResultLine() {
    QTest::keyClicks(field("Text1"), "12");
    QTest::keyClicks(field("Text2"), "30");
    QTest::mouseClick(button("Command4"), Qt::LeftButton);
    QCOMPARE(label("answer")->text(), QStringLiteral("0.4"));
    QVERIFY(field("Text2")->hasFocus());
    QCOMPARE(button("Command22")->text(), QStringLiteral("M2"));
    QCOMPARE(button("Command26")->text(), QStringLiteral("M1c"));
  }

private:
  [[nodiscard]] QLineEdit *field(const char *name) const {
    return qobject_cast<QLineEdit *>(view_->widget(name));
  }
  [[nodiscard]] QPushButton *button(const char *name) const {
    return qobject_cast<QPushButton *>(view_->widget(name));
  }
  [[nodiscard]] QLabel *label(const char *name) const {
    return qobject_cast<QLabel *>(view_->widget(name));
  }

  std::unique_ptr<vx::ui::Application> app_;
  vx::ui::FormView *view_ = nullptr;
};

QTEST_MAIN(VexloKeys)
#include "vexlo_keys.moc"
