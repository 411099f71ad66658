// Pictures from the resources, their drawing at control size, and the
// caches of the built-in pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "framework/Picture.h"
#include "framework/TestSupport.h"
#include "resources/Pictures.h"
#include "tests/framework/TestWindows.h"

namespace {

TEST(GetPicture, GivesThePictureOfAResourceNumberOrNone) {
  const fw::PicturePtr square = fw::GetPicture(901);
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->NaturalSize(), QSize(40, 20));
  EXPECT_EQ(fw::GetPicture(902), nullptr) << "not a valid SVG";
  EXPECT_EQ(fw::GetPicture(170), nullptr) << "no such resource";
}

// The square is red with a blue circle of radius 6 centred at (30, 10) of
// 40 x 20; drawn at twice the size the circle's centre is at (60, 20).
TEST(Canvas, DrawsItsBackdropAtTheControlSize) {
  fwtest::ControlsWindow window;
  const QImage shot = window.canvas("Canvas1").Widget().grab().toImage();
  ASSERT_EQ(shot.size() / shot.devicePixelRatio(), QSize(80, 40));
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(60, 20), QColor(Qt::blue));
  EXPECT_EQ(shot.pixelColor(60 + 15, 20), QColor(Qt::red)) << "radius 12 at this size";
}

TEST(Picture, StaysSharpOnADenseScreen) {
  // At device pixel ratio 2 the drawing fills 160 x 80 device pixels: the
  // circle's edge is at device x = 2 * (60 + 12) = 144, not blurred over a
  // 2-pixel step.
  const fw::PicturePtr square = fw::GetPicture(901);
  QImage image(160, 80, QImage::Format_ARGB32);
  image.setDevicePixelRatio(2);
  image.fill(Qt::white);
  QPainter painter(&image);
  square->Draw(painter, QRectF(0, 0, 80, 40));
  painter.end();
  EXPECT_EQ(image.pixelColor(120, 40), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(141, 40), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(147, 40), QColor(Qt::red));
}

TEST(ImageWell, ShowsItsImageAndCanBeHidden) {
  fwtest::ControlsWindow window;
  fw::ImageWell& well = window.imageWell("HiddenWell");
  EXPECT_NE(well.Image(), nullptr);
  EXPECT_FALSE(well.Visible());
  well.SetImage(nullptr);
  EXPECT_EQ(well.Image(), nullptr);
}

// ------------------------------------------------------------- the caches

TEST(CachedPicture, LoadsOnceAndKeepsThePictureUntilReleased) {
  Pictures::CachedPicture slot(901);
  const int before = fw::PictureLoadCount();
  const fw::PicturePtr first = slot.Get();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(slot.Get(), first);
  EXPECT_EQ(fw::PictureLoadCount(), before + 1);
  slot.Release();
  EXPECT_FALSE(slot.Loaded());
  EXPECT_NE(slot.Get(), nullptr);
  EXPECT_EQ(fw::PictureLoadCount(), before + 2);
}

TEST(CachedPicture, AMissingPictureStaysNoneAndIsAskedForAgain) {
  Pictures::CachedPicture slot(170);
  const int before = fw::PictureLoadCount();
  EXPECT_EQ(slot.Get(), nullptr);
  EXPECT_EQ(slot.Get(), nullptr);
  EXPECT_FALSE(slot.Loaded());
  EXPECT_EQ(fw::PictureLoadCount(), before + 2);
}

TEST(BuiltInPictures, TheTableHoldsThirtyFourNumbersFrom168To202Without170) {
  std::set<int> numbers;
  std::set<std::string> names;
  int previous = 0;
  for (const auto& entry : Pictures::Table) {
    SCOPED_TRACE(entry.name);
    EXPECT_GT(entry.resourceNumber, previous);
    previous = entry.resourceNumber;
    numbers.insert(entry.resourceNumber);
    names.insert(entry.name);
    // The number behind the underscore is the width of the control.
    const std::string name = entry.name;
    const auto underscore = name.rfind('_');
    if (underscore != std::string::npos) {
      EXPECT_EQ(std::stoi(name.substr(underscore + 1)), entry.width);
    }
  }
  EXPECT_EQ(numbers.size(), 34u);
  EXPECT_EQ(names.size(), 34u);
  EXPECT_EQ(*numbers.begin(), 168);
  EXPECT_EQ(*numbers.rbegin(), 202);
  EXPECT_EQ(numbers.count(170), 0u);
}

TEST(BuiltInPictures, EachGetterLoadsOnceAndReturnsTheCachedPicture) {
  Pictures::ReleaseAll();
  for (const auto& entry : Pictures::Table) {
    SCOPED_TRACE(entry.name);
    const int before = fw::PictureLoadCount();
    const fw::PicturePtr first = entry.getter();
    const fw::PicturePtr second = entry.getter();
#ifdef VDW_HAVE_PICTURES
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(second, first);
    EXPECT_EQ(fw::PictureLoadCount(), before + 1);
    EXPECT_EQ(first->NaturalSize(), QSize(entry.width, entry.height));
#else
    // Without the picture files every getter asks again on every call.
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(fw::PictureLoadCount(), before + 2);
#endif
  }
  Pictures::ReleaseAll();
}

// The eleven molecule pictures stand beside the fluid window's fields: each
// spells its gas's formula, letters on one baseline and digits as smaller,
// lower subscripts, and drawn at its control size nothing is cut off and the
// letters are large enough to read.
TEST(BuiltInPictures, EachMoleculePictureShowsItsFormulaLegibly) {
#ifndef VDW_HAVE_PICTURES
  GTEST_SKIP() << "built without the picture files";
#endif
  struct Piece {
    double x, y, size;
    QString text;
  };
  int molecules = 0;
  for (const auto& entry : Pictures::Table) {
    if (entry.resourceNumber < 172 || entry.resourceNumber > 182) continue;
    ++molecules;
    SCOPED_TRACE(entry.name);
    const QString formula = QString(entry.name).section('_', 0, 0);
    QFile file(QStringLiteral(":/pictures/%1").arg(entry.resourceNumber));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Piece> pieces;
    QXmlStreamReader svg(&file);
    while (!svg.atEnd()) {
      svg.readNext();
      if (!svg.isStartElement() || svg.name() != QStringLiteral("text")) continue;
      const auto attributes = svg.attributes();
      const double x = attributes.value("x").toDouble();
      const double y = attributes.value("y").toDouble();
      const double size = attributes.value("font-size").toDouble();
      pieces.push_back({x, y, size, svg.readElementText()});
    }
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.x < b.x; });
    QString spelled;
    for (const Piece& piece : pieces) spelled += piece.text;
    EXPECT_EQ(spelled, formula);
    for (const Piece& piece : pieces) {
      const bool digit = piece.text.front().isDigit();
      EXPECT_EQ(piece.y > pieces.front().y, digit) << piece.text.toStdString() << " below the line";
      EXPECT_EQ(piece.size < pieces.front().size, digit) << piece.text.toStdString() << " smaller";
    }
    ASSERT_FALSE(pieces.empty());
    EXPECT_GE(pieces.front().size, 14) << "letters of a readable size";

    QImage image(entry.width, entry.height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    entry.getter()->Draw(painter, QRectF(0, 0, entry.width, entry.height));
    painter.end();
    int top = entry.height, bottom = -1;
    bool touchesEdge = false;
    for (int y = 0; y < entry.height; ++y) {
      for (int x = 0; x < entry.width; ++x) {
        if (qGray(image.pixel(x, y)) > 128) continue;  // no ink
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        touchesEdge |= x == 0 || y == 0 || x == entry.width - 1 || y == entry.height - 1;
      }
    }
    EXPECT_FALSE(touchesEdge) << "cut off at the edge";
    EXPECT_GE(bottom - top + 1, 12) << "ink from the letters' tops to the subscripts";
  }
  EXPECT_EQ(molecules, 11);
}

TEST(BuiltInPictures, ReopeningAWindowReusesTheCachedPicture) {
  // A window built twice with the same getter loads its picture once.
  static Pictures::CachedPicture slot(901);
  struct Uses {
    static fw::PicturePtr Square() { return slot.Get(); }
  };
  const fw::ControlSpec layout[] = {
      {.kind = fw::Kind::Canvas, .name = "Canvas1", .width = 40, .height = 20, .picture = &Uses::Square}};
  slot.Release();
  const int before = fw::PictureLoadCount();
  {
    fw::Window first({.title = "One"}, layout);
    EXPECT_NE(first.canvas("Canvas1").Backdrop(), nullptr);
  }
  fw::Window second({.title = "Two"}, layout);
  EXPECT_EQ(second.canvas("Canvas1").Backdrop(), slot.Get());
  EXPECT_EQ(fw::PictureLoadCount(), before + 1);
}

}  // namespace
