// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The LED window's glyphs as painted: each segment dark exactly where its
// bit is set, the silver-grey field elsewhere, at any size and pixel
// ratio; and the window's big digit, segment buttons and row as laid out.

#include "forms/registry.h"
#include "leddriver/port6.h"
#include "ui/binder.h"
#include "ui/form_view.h"
#include "ui/glyph_painter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <array>
#include <memory>
#include <string>

namespace {

const QColor silver(0xC0, 0xC0, 0xC0);

// A point inside each segment a to g, in the glyph's 36 by 45 design:
// a upper right, b lower right, c bottom, d lower left, e upper left,
// f top, g middle.
constexpr std::array<QPointF, 7> segmentCentres{{{29.0, 13.75},
                                                 {29.0, 31.25},
                                                 {18.0, 40.0},
                                                 {7.0, 31.25},
                                                 {7.0, 13.75},
                                                 {18.0, 5.0},
                                                 {18.0, 22.5}}};

// The glyph painted on white into an image of the given logical size.
QImage render(const std::string &picture, QSize size, qreal ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  vx::ui::paintPicture(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture);
  return image;
}

QColor at(const QImage &image, QPointF design, QSize size) {
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor(QPoint(static_cast<int>(design.x() * size.width() / 36.0 * ratio),
                                 static_cast<int>(design.y() * size.height() / 45.0 * ratio)));
}

bool dark(const QColor &colour) {
  return colour.lightness() < 60;
}

class StandIn : public vx::forms::Form {
public:
  StandIn(vx::forms::Registry &registry, const std::string &name) : Form(registry, name, name) {}
};

} // namespace

class Port6Glyphs : public QObject {
  Q_OBJECT

private slots:
  void segmentsAreDarkExactlyWhereTheirBitsAreSet() {
    const std::pair<QSize, qreal> sizes[] = {
        {{36, 45}, 1.0}, {{144, 180}, 1.0}, {{36, 45}, 2.0}, {{60, 45}, 1.5}};
    for (const auto &[size, ratio] : sizes) {
      for (int pattern = 0; pattern < 128; ++pattern) {
        const QImage image = render("led" + std::to_string(pattern), size, ratio);
        for (std::size_t segment = 0; segment < segmentCentres.size(); ++segment) {
          const QColor colour = at(image, segmentCentres[segment], size);
          if ((pattern & (1 << segment)) != 0) {
            QVERIFY2(dark(colour),
                     qPrintable(QString("led%1 segment %2").arg(pattern).arg(segment)));
          } else {
            QCOMPARE(colour, silver);
          }
        }
        // The field between the segments and at the corners stays silver.
        QCOMPARE(at(image, {18.0, 13.75}, size), silver);
        QCOMPARE(at(image, {18.0, 31.25}, size), silver);
        QCOMPARE(at(image, {0.5, 0.5}, size), silver);
        QCOMPARE(at(image, {35.5, 44.5}, size), silver);
      }
    }
  }

  void decimalPointAndBlank() {
    for (const QSize size : {QSize(5, 5), QSize(40, 40)}) {
      const QImage off = render("ledp", size, 1.0);
      const QImage on = render("leddp", size, 2.0);
      const QPoint centre(size.width() / 2, size.height() / 2);
      QCOMPARE(off.pixelColor(centre), silver);
      QVERIFY(dark(on.pixelColor(centre * 2)));
      QCOMPARE(on.pixelColor(0, 0), silver);
    }
    const QImage nothing = render("", {36, 45}, 1.0);
    QCOMPARE(nothing.pixelColor(18, 22), QColor(Qt::white));
    const QImage unknown = render("led128", {36, 45}, 1.0);
    QCOMPARE(unknown.pixelColor(18, 22), QColor(Qt::white));
  }

  void segmentButtonsSurroundTheDigit() {
    vx::forms::Registry registry;
    registry.add("port6", [](vx::forms::Registry &r) { return std::make_unique<vx::port6>(r); });
    registry.add("vexlo",
                 [](vx::forms::Registry &r) { return std::make_unique<StandIn>(r, "vexlo"); });
    vx::ui::Binder binder(registry);
    registry.setPlatform(&binder);
    registry.show("port6");
    vx::ui::FormView *view = binder.view("port6");
    QVERIFY(view != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(view));

    const auto box = [&](const char *name) {
      QWidget *widget = view->widget(name);
      return QRect(widget->mapTo(view, QPoint(0, 0)), widget->size());
    };
    const QRect digit = box("Image1");
    const int middle = digit.center().y();
    QVERIFY(box("Command10").bottom() < digit.top()); // f
    QVERIFY(box("Command7").top() > digit.bottom());  // c
    QVERIFY(box("Command5").left() > digit.right() && box("Command5").center().y() < middle);
    QVERIFY(box("Command6").left() > digit.right() && box("Command6").center().y() > middle);
    QVERIFY(box("Command9").right() < digit.left() && box("Command9").center().y() < middle);
    QVERIFY(box("Command8").right() < digit.left() && box("Command8").center().y() > middle);
    QVERIFY(box("Command11").right() < digit.left());
    QVERIFY(box("Command11").top() > box("Command9").bottom());
    QVERIFY(box("Command11").bottom() < box("Command8").top());
    QVERIFY(box("Command12").left() > digit.right() && box("Command12").top() > middle);

    // Sixteen places left to right, all inside the opening window.
    for (int place = 3; place <= 18; ++place) {
      const std::string name = "Image" + std::to_string(place);
      QVERIFY(view->widget(name)->isVisible());
      QVERIFY(view->rect().contains(box(name.c_str())));
      if (place > 3) {
        QVERIFY(box(name.c_str()).left() >
                box(("Image" + std::to_string(place - 1)).c_str()).right());
      }
    }
    QVERIFY(!view->widget("Image21")->isVisible());
    QVERIFY(!view->widget("Image22")->isVisible());
    for (const char *name : {"Text10", "Text17", "Text25", "Text9", "Label_de", "Text27",
                             "Command1", "Command2", "Command13", "Command14", "Image2"}) {
      QVERIFY2(view->rect().contains(box(name)), name);
    }

    // The big digit paints what the pins light: pins 0 and 1 are a and b.
    auto &model = static_cast<vx::port6 &>(*registry.existing("port6"));
    model.Text1.userClicked();
    model.Text2.userClicked();
    QCOMPARE(model.Image1.picture(), std::string("led3"));
    const QImage shown = view->widget("Image1")->grab().toImage();
    const QSize size = view->widget("Image1")->size();
    const auto pixel = [&](QPointF design) {
      return shown.pixelColor(
          QPoint(static_cast<int>(design.x() * size.width() / 36.0 * shown.devicePixelRatio()),
                 static_cast<int>(design.y() * size.height() / 45.0 * shown.devicePixelRatio())));
    };
    QVERIFY(dark(pixel(segmentCentres[0])));
    QVERIFY(dark(pixel(segmentCentres[1])));
    QCOMPARE(pixel(segmentCentres[5]), silver);
  }
};

QTEST_MAIN(Port6Glyphs)
#include "port6_glyphs.moc"
