// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt binding where the driver, whose keys carry their codes and whose
// timers stand still, cannot see it: Qt's own key events as the windows'
// key codes, the focus and the active window across windows, real timers,
// the glyphs as painted, a request to end the program, and what a desktop
// shows of the running program. (Windows
// closing themselves by their own click or key are played by the random
// events' engine, which runs under AddressSanitizer too.)

#include "ui/application.h"
#include "ui/binder.h"
#include "ui/desktop_identity.h"
#include "ui/form_view.h"
#include "ui/glyph_painter.h"
#include "ui/quit_handling.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSessionManager>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

// The pixel of the 36 by 45 glyph design at `at`.
QColor glyphPixel(const std::string &picture, QSize size, qreal ratio, QPointF at) {
  QImage image(size * ratio, QImage::Format_ARGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  vx::ui::paintPicture(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture);
  return image.pixelColor(QPoint(static_cast<int>(at.x() * size.width() / 36.0 * ratio),
                                 static_cast<int>(at.y() * size.height() / 45.0 * ratio)));
}

} // namespace

class QtBinding : public QObject {
  Q_OBJECT

private slots:
  void init() {
    app_ = std::make_unique<vx::ui::Application>();
    app_->start();
    QVERIFY(QTest::qWaitForWindowActive(view("vexlo")));
  }
  void cleanup() { app_.reset(); }

  void keysReachTheKeyPreviewAsVirtualKeyCodes() {
    // A key, then the code and shift state (1 Shift, 2 Ctrl) of each key-down
    // it causes; Shift goes down first, as from a keyboard.
    const QStringList keys =
        QString("Return 13/0|Num+Enter 13/0|Backspace 8/0|Esc 27/0|Space 32/0|Left 37/0|"
                "Del 46/0|0 48/0|8 56/0|A 65/0|Shift+Z 16/1 90/1|Ctrl+A 17/2 65/2|"
                "Shift+* 16/1 56/1|Num+0 96/0|Num+9 105/0|Num+* 106/0|Num++ 107/0|Num+- 109/0|"
                "Num+. 110/0|Num+/ 111/0|F1 112/0|; 186/0|= 187/0|Shift++ 16/1 187/1|, 188/0|"
                "- 189/0|. 190/0|/ 191/0|` 192/0|[ 219/0|\\ 220/0|] 221/0|' 222/0")
            .split('|');
    vx::forms::Form &form = view("vexlo")->form();
    QStringList seen;
    form.onKeyDown = [&, procedure = form.onKeyDown](int &code, int shift) {
      seen << QString("%1/%2").arg(code).arg(shift);
      procedure(code, shift);
    };
    for (const QString &key : keys) {
      seen.clear();
      field("vexlo", "Text1")->setFocus();
      QTest::keySequence(QApplication::focusWidget(), QKeySequence(key.section(' ', 0, 0)));
      QCOMPARE(key.section(' ', 0, 0) + " " + seen.join(' '), key);
    }
  }

  // A pin keeps the focus while another window is used, and a key in it
  // flips it without ever showing the key's character.
  void eachWindowKeepsItsFocus() {
    QTest::mouseClick(button("vexlo", "Command29"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(view("port66")));
    QLineEdit *pin = field("port66", "Text4");
    QTest::mouseClick(pin, Qt::LeftButton);
    QCOMPARE(field("port66", "Text9")->text(), QString("8"));
    activate("vexlo");
    QTRY_COMPARE(QApplication::focusWidget(), field("vexlo", "Text1"));
    activate("port66");
    QTRY_COMPARE(QApplication::focusWidget(), pin);
    const Qt::Key keys[] = {Qt::Key_X, Qt::Key_7, Qt::Key_Space, Qt::Key_A};
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(pin, keys[i], i == 3 ? Qt::ShiftModifier : Qt::NoModifier);
      QCOMPARE(pin->text(), QString(i % 2 == 0 ? "0" : "1"));
    }
    QCOMPARE(field("port66", "Text9")->text(), QString("8"));
  }

  void theWindowShownBeforeTakesOver_data() {
    QTest::addColumn<QString>("closed");
    QTest::addColumn<QString>("active");
    // The Ohm's law window's close box takes the main window with it.
    QTest::newRow("Ohm's law") << "wavo6"
                               << "port66";
    QTest::newRow("main") << "vexlo"
                          << "wavo6";
    QTest::newRow("port state") << "port66"
                                << "wavo6";
  }

  void theWindowShownBeforeTakesOver() {
    QFETCH(QString, closed);
    QFETCH(QString, active);
    QTest::mouseClick(button("vexlo", "Command29"), Qt::LeftButton);
    QTest::mouseClick(button("vexlo", "Command15"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(view("wavo6")));
    activate(closed);
    view(closed)->close();
    QTRY_COMPARE(QApplication::activeWindow(), view(active));
    // The keys go to the control that has the window's focus.
    const vx::forms::Control *focus = view(active)->form().activeControl();
    QVERIFY(focus != nullptr);
    QTRY_COMPARE(QApplication::focusWidget(), view(active)->widget(focus->name()));
  }

  // Ticks come from a real timer: a key is read at once, a pasted field 600
  // ms later (a lower bound only, which no slow machine breaks), and after
  // Backspace not for a minute.
  void realTimersPaceTheSolver() {
    QTest::mouseClick(button("vexlo", "Command15"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(view("wavo6")));
    QLineEdit *volts = field("wavo6", "Textv");
    QTRY_VERIFY(volts->hasFocus());
    volts->setCursorPosition(0);
    QTest::keyClicks(volts, "12.");
    QTRY_COMPARE(volts->text(), QString("12 Volts"));
    QElapsedTimer clock;
    clock.start();
    field("wavo6", "Textr")->setFocus();
    auto &ohms = vx::forms::as<vx::forms::TextBox>(*view("wavo6")->form().control("Textr"));
    app_->binder().paste(ohms, "4");
    QTRY_COMPARE_WITH_TIMEOUT(field("wavo6", "Texta")->text(), QString("3  Amps"), 10000);
    QVERIFY2(clock.elapsed() >= 570, qPrintable(QString::number(clock.elapsed())));
    volts->setFocus();
    volts->end(false);
    QTest::keyClick(volts, Qt::Key_Backspace);
    QTest::qWait(1000);
    QCOMPARE(volts->text(), QString("12 Volt"));
  }

  void glyphsAsPainted() {
    // Each segment (a right upper, b right lower, c bottom, d left lower,
    // e left upper, f top, g middle) dark exactly where its bit is set, on
    // silver-grey, at any size and pixel ratio.
    const QPointF centres[] = {{29, 13.75}, {29, 31.25}, {18, 40},  {7, 31.25},
                               {7, 13.75},  {18, 5},     {18, 22.5}};
    const QColor silver(0xC0, 0xC0, 0xC0);
    for (const auto &[size, ratio] : {std::pair{QSize(36, 45), 1.0}, {QSize(60, 45), 1.5}}) {
      for (int pattern = 0; pattern < 128; ++pattern) {
        for (int segment = 0; segment < 7; ++segment) {
          const QColor colour =
              glyphPixel("led" + std::to_string(pattern), size, ratio, centres[segment]);
          QVERIFY2((pattern & (1 << segment)) != 0 ? colour.lightness() < 60 : colour == silver,
                   qPrintable(QString("led%1 segment %2").arg(pattern).arg(segment)));
        }
        QCOMPARE(glyphPixel("led" + std::to_string(pattern), size, ratio, {0.5, 0.5}), silver);
      }
    }
    QVERIFY(glyphPixel("leddp", {5, 5}, 1.0, {18, 22.5}).lightness() < 60);
    QCOMPARE(glyphPixel("ledp", {5, 5}, 1.0, {18, 22.5}), silver);
  }

  // However the request comes, every open window closes and the event loop
  // ends.
  void aQuitRequestClosesEveryWindow_data() {
    QTest::addColumn<int>("request");
    QTest::newRow("quit()") << 0;
    QTest::newRow("Quit event") << 1;
    QTest::newRow("session end") << 2;
    QTest::newRow("SIGTERM") << 3;
  }

  void aQuitRequestClosesEveryWindow() {
    QFETCH(int, request);
    vx::ui::QuitHandling quitHandling(app_->registry());
    app_->binder().setProgramEndedHandler(
        [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
    for (const std::string &name : app_->registry().names()) {
      app_->registry().show(name);
    }
    QTimer::singleShot(0, qApp, [request] {
      if (request == 0) {
        QApplication::quit();
      } else if (request == 1) {
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
      } else if (request == 2) {
        emit qApp->commitDataRequest(*qApp->findChild<QSessionManager *>());
      } else {
        std::raise(SIGTERM);
      }
    });
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(3); }); // it did not end
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(app_->registry().ended());
    for (QWidget *widget : QApplication::topLevelWidgets()) {
      QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
  }

  // The program names its installed desktop entry, so a task bar matches its
  // windows to it, and every window shows the program's icon (the copy built
  // into the program: no desktop theme has it here).
  void theWindowsPresentAsTheInstalledProgram() {
    vx::ui::presentAsVexlo();
    QCOMPARE(QGuiApplication::desktopFileName() + ".desktop", QStringLiteral(VEXLO_DESKTOP_ENTRY));
    // X takes the window class from the application's name.
    QSettings entry(QStringLiteral(VEXLO_SOURCE_DIR "/packaging/" VEXLO_DESKTOP_ENTRY),
                    QSettings::IniFormat);
    QCOMPARE(entry.value("Desktop Entry/StartupWMClass").toString(),
             QCoreApplication::applicationName());
    for (const std::string &name : app_->registry().names()) {
      app_->registry().show(name);
      const QImage icon = view(QString::fromStdString(name))->windowIcon().pixmap(32).toImage();
      QVERIFY2(icon.pixelColor(16, 16).alpha() > 0, name.c_str()); // its face covers its middle
    }
  }

  // The program sets the desktop's font itself, and Qt stops following the
  // theme's font once a program has; the windows take it up again.
  void theWindowsFollowTheDesktopsFontThroughAThemeChange() {
    QApplication::setFont(QFont(QStringLiteral("Serif"), 31));
    QEvent themeChange(QEvent::ThemeChange);
    QApplication::sendEvent(view("vexlo"), &themeChange);
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QCOMPARE(QApplication::font().families(), desktop.families());
    QCOMPARE(QApplication::font().pointSizeF(), desktop.pointSizeF());
  }

private:
  [[nodiscard]] vx::ui::FormView *view(const QString &window) const {
    return app_->binder().view(window.toStdString());
  }
  [[nodiscard]] QLineEdit *field(const char *window, const char *name) const {
    return qobject_cast<QLineEdit *>(view(window)->widget(name));
  }
  [[nodiscard]] QWidget *button(const char *window, const char *name) const {
    return view(window)->widget(name);
  }
  void activate(const QString &window) const {
    view(window)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view(window)));
  }

  std::unique_ptr<vx::ui::Application> app_;
};

QTEST_MAIN(QtBinding)
#include "qt_binding.moc"
