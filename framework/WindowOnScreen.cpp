// Where a window opens on the screen: inside the available area with its
// title bar in reach, its content scrolling where the window cannot be made
// small enough for the area.

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "framework/Placement.h"
#include "framework/Window.h"

namespace fw {

namespace {

// The frame the window system draws round a shown window; none while it has
// drawn none.
QMargins FrameOf(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// The frame the window system draws round a window, as it drew it round one
// shown before; none before the first is shown, or where it draws none.
QMargins KnownFrame() {
  for (const Window* open : OpenWindows()) {
    if (!open->isVisible()) continue;
    const QMargins frame = FrameOf(*open);
    if (!frame.isNull()) return frame;
  }
  return {};
}

}  // namespace

int Window::MenuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

// Centred, or where the toolkit puts it when that is sure to be on the
// screen: a window that fits the available area, which the window system
// keeps there.
void Window::PlaceOnScreen() {
  QScreen* screen = QApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins frame = KnownFrame();
  frameUnknown_ = frame.isNull();
  if (!FitsInside(area, frame, minimumSize())) ScrollContent(RoomInside(area, frame));
  if (spec_.placement == Placement::Centred)
    FitInto(area, frame, CentredIn(area, frame, size()));
  else if (!FitsInside(area, frame, size()))
    FitInto(area, frame, pos());
}

// The first window opens before the window system has shown what frame it
// draws; once it has, a window that the frame takes out of the area is fitted
// again. Later moves are the user's.
void Window::FitToOwnFrame() {
  if (!frameUnknown_ || !isVisible()) return;
  const QMargins frame = FrameOf(*this);
  if (frame.isNull()) return;
  frameUnknown_ = false;
  const QRect area = screen()->availableGeometry();
  if (area.contains(frameGeometry())) return;
  if (!FitsInside(area, frame, minimumSize())) ScrollContent(RoomInside(area, frame));
  FitInto(area, frame, frameGeometry().topLeft());
}

void Window::FitInto(const QRect& area, const QMargins& frame, QPoint frameTopLeft) {
  const WindowPlace placed = PlaceInside(area, frame, {frameTopLeft, size()}, minimumHeight());
  move(placed.frameTopLeft);  // the corner of its frame
  if (placed.size == size()) return;
  resize(placed.size);
  // The layout would size the client area (or the scroll area round it) only
  // when the window shows.
  QWidget* content = scroller_ ? static_cast<QWidget*>(scroller_) : client_;
  content->resize(placed.size.width(), placed.size.height() - MenuHeight());
}

// A window that cannot be made small enough for the room keeps its layout in
// a scroll area as large as the room allows; the controls keep their client
// coordinates. The keyboard's stops stay the controls: the scroll area takes
// no focus, and brings a control that Tab reaches into view.
void Window::ScrollContent(QSize room) {
  if (!scroller_) {
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("scroller"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);  // a resizable layout follows the window
    QWidget* focused = focusWidget();
    delete layout()->replaceWidget(client_, scroller_);
    scroller_->setWidget(client_);
    if (focused) focused->setFocus(Qt::OtherFocusReason);
    if (isVisible()) scroller_->show();
  }
  const int bar = scroller_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
  const QSize fitted = ScrolledSize(room, client_->size(), MenuHeight(), bar);
  const QSize view(fitted.width(), fitted.height() - MenuHeight());
  if (spec_.resizable)
    scroller_->setMaximumSize(client_->maximumSize());
  else
    scroller_->setFixedSize(view);
  layout()->activate();
  resize(fitted);
  scroller_->resize(view);
}

}  // namespace fw
