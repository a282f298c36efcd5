// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts whose blanks carry meaning (result and display lines, unit
// words, the colour names, the preferred value table, the assignment
// warning) are shown in the desktop's fixed-pitch font, whatever fonts the
// machine has and whatever a font says about itself, and each such field
// is wide enough for its longest text in that font.

#include "ui/application.h"
#include "ui/form_view.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QtTest>

#include <memory>

class FixedPitchFields : public QObject {
  Q_OBJECT

private slots:
  void init() { app_ = std::make_unique<vx::ui::Application>(); }
  void cleanup() { app_.reset(); }

  void blankSensitiveTextsUseTheFixedFont_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("controls");
    QTest::addColumn<QString>("longest"); // the widest text the first control shows
    QTest::newRow("vexlo") << "vexlo"
                           << "answer Text1 Text2 Label1 Label2 Label3 Label4 Label5 Label6 "
                              "Label7 Label8"
                           << "1.0         1.1          1.2          1.3 ";
    QTest::newRow("wavo6") << "wavo6"
                           << "Textw Textv Textr Texta"
                           << "-333.3334  milliAmps";
    QTest::newRow("ct6") << "ct6"
                         << "Textc Textv Textr Textl Textt Texta Textd Textf Label1"
                         << "0.333333333333333 uFarad";
    QTest::newRow("port6") << "port6"
                           << "Text13 Text10 Text11 Text12 Text14 Text15 Text16 Text17"
                           << "                       entrys  ";
  }

  void blankSensitiveTextsUseTheFixedFont() {
    QFETCH(QString, window);
    QFETCH(QString, controls);
    QFETCH(QString, longest);
    app_->registry().show(window.toStdString());
    vx::ui::FormView *view = app_->binder().view(window.toStdString());
    QVERIFY(view != nullptr);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QStringList names = controls.split(' ');
    for (const QString &name : names) {
      QWidget *widget = view->widget(name.toStdString());
      QVERIFY2(widget != nullptr, qPrintable(name));
      QVERIFY2(widget->font().family() == fixed.family(), qPrintable(name));
      QVERIFY2(widget->font().pointSizeF() == fixed.pointSizeF(), qPrintable(name));
    }
    QWidget *first = view->widget(names.first().toStdString());
    QVERIFY(first->width() >= QFontMetrics(first->font()).horizontalAdvance(longest));
  }

private:
  std::unique_ptr<vx::ui::Application> app_;
};

QTEST_MAIN(FixedPitchFields)
#include "fixed_pitch_fields.moc"
