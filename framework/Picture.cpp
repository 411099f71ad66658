#include "framework/Picture.h"

#include <QFile>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace fw {

namespace {
int loadCount = 0;
}

Picture::Picture(std::unique_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}

Picture::~Picture() = default;

QSize Picture::NaturalSize() const { return renderer_->defaultSize(); }

void Picture::Draw(QPainter& painter, const QRectF& target) const {
  // Vector drawing at the target's size: sharp at any device pixel ratio.
  renderer_->render(&painter, target);
}

PicturePtr GetPicture(int resourceNumber) {
  ++loadCount;
  const QString path = QStringLiteral(":/pictures/%1").arg(resourceNumber);
  if (!QFile::exists(path)) return nullptr;
  auto renderer = std::make_unique<QSvgRenderer>(path);
  if (!renderer->isValid()) return nullptr;
  return std::make_shared<const Picture>(std::move(renderer));
}

int PictureLoadCount() { return loadCount; }

}  // namespace fw
