#pragma once
// Pictures from the application's resources: SVG files compiled in with Qt's
// resource system under ":/pictures/<resource number>". A picture is drawn
// at whatever size its control has, so it stays sharp on dense screens.

#include <QRectF>
#include <QSize>
#include <memory>

#include "framework/Layout.h"

class QPainter;
class QSvgRenderer;

namespace fw {

class Picture {
 public:
  explicit Picture(std::unique_ptr<QSvgRenderer> renderer);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  QSize NaturalSize() const;  // the size the drawing was made for
  void Draw(QPainter& painter, const QRectF& target) const;

 private:
  std::unique_ptr<QSvgRenderer> renderer_;
};

// The picture of a resource number, or none (nullptr) when the resources
// hold no valid picture of that number. Every call loads afresh; the
// program's picture getters cache the result.
PicturePtr GetPicture(int resourceNumber);

// How many times GetPicture has looked into the resources (for tests of the
// caches).
int PictureLoadCount();

}  // namespace fw
