// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window closed from inside one of its own widgets' events, by a click or
// a key, by a procedure that then lets pending events run while that
// widget's signal is still on the way back: the window's widgets live
// until control is back in the event loop, and never beyond the binder.

#include "forms/form.h"
#include "forms/registry.h"
#include "forms/virtual_keys.h"
#include "ui/binder.h"
#include "ui/form_view.h"

#include <QCheckBox>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <memory>

namespace {

class ClosesItself : public vx::forms::Form {
public:
  explicit ClosesItself(vx::forms::Registry &registry) : Form(registry, "closing", "Closing") {
    Command1.onClick = [this] { close(); };
    Check1.onClick = [this] { close(); };
    Text1.onChange = [this] { close(); };
    Text2.onKeyDown = [this](int &keyCode, int /*shift*/) {
      if (keyCode == vx::forms::vk::enter) {
        close();
      }
    };
  }

  vx::forms::Button Command1{*this, "Command1", {.caption = "Close", .toolTip = ""}};
  vx::forms::CheckBox Check1{*this, "Check1", {.caption = "Close", .value = 0}};
  vx::forms::TextBox Text1{*this, "Text1", {}};
  vx::forms::TextBox Text2{*this, "Text2", {}};

private:
  void close() {
    registry().close(name());
    doEvents();
  }
};

} // namespace

class SelfClosingWindows : public QObject {
  Q_OBJECT

private slots:
  void init() {
    registry_ = std::make_unique<vx::forms::Registry>();
    registry_->add("closing",
                   [](vx::forms::Registry &r) { return std::make_unique<ClosesItself>(r); });
    binder_ = std::make_unique<vx::ui::Binder>(*registry_);
    registry_->show("closing");
    view_ = binder_->view("closing");
    QVERIFY(view_ != nullptr);
  }

  void cleanup() {
    binder_.reset();
    registry_.reset();
  }

  void closesItself_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("binderGoesFirst");
    for (const bool binderGoesFirst : {false, true}) {
      const char *end = binderGoesFirst ? " before the event loop" : "";
      for (const char *control : {"Command1", "Check1", "Text1", "Text2"}) {
        QTest::addRow("%s%s", control, end) << QString(control) << binderGoesFirst;
      }
    }
  }

  void closesItself() {
    QFETCH(QString, control);
    QFETCH(bool, binderGoesFirst);
    const QPointer<QWidget> widget = view_->widget(control.toStdString());
    QVERIFY(widget != nullptr);
    if (auto *check = qobject_cast<QCheckBox *>(widget)) {
      QStyleOptionButton option;
      option.initFrom(check);
      const QRect box =
          check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
      QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, box.center());
    } else if (control == "Command1") {
      QTest::mouseClick(widget, Qt::LeftButton);
    } else {
      QTest::keyClick(widget, control == "Text1" ? Qt::Key_A : Qt::Key_Return);
    }
    QVERIFY(!registry_->isOpen("closing"));
    QCOMPARE(binder_->view("closing"), nullptr);
    QVERIFY(widget != nullptr);
    QVERIFY(!view_->isVisible());
    if (binderGoesFirst) {
      binder_.reset();
    } else {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(view_ == nullptr);
    QVERIFY(widget == nullptr);
  }

private:
  std::unique_ptr<vx::forms::Registry> registry_;
  std::unique_ptr<vx::ui::Binder> binder_;
  QPointer<vx::ui::FormView> view_;
};

QTEST_MAIN(SelfClosingWindows)
#include "self_closing_windows.moc"
