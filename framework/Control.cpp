#include "framework/Control.h"

#include "framework/ControlSupport.h"

namespace fw {

using detail::ToQ;

Control::Control(QWidget& widget, Kind kind, std::string name)
    : widget_(widget), kind_(kind), name_(std::move(name)) {
  widget_.setObjectName(ToQ(name_));
}

QPoint Control::ParentOrigin() const {
  QWidget* parent = widget_.parentWidget();
  if (!parent || !client_ || parent == client_) return {0, 0};
  return parent->mapTo(client_, QPoint(0, 0));
}

int Control::Left() const { return ParentOrigin().x() + widget_.x(); }
int Control::Top() const { return ParentOrigin().y() + widget_.y(); }
int Control::Width() const { return widget_.width(); }
int Control::Height() const { return widget_.height(); }

void Control::SetLeft(int left) { widget_.move(left - ParentOrigin().x(), widget_.y()); }
void Control::SetTop(int top) { widget_.move(widget_.x(), top - ParentOrigin().y()); }
void Control::SetWidth(int width) { widget_.resize(width, widget_.height()); }
void Control::SetHeight(int height) { widget_.resize(widget_.width(), height); }

bool Control::Visible() const { return !widget_.isHidden(); }
void Control::SetVisible(bool visible) { widget_.setVisible(visible); }
bool Control::Enabled() const { return widget_.isEnabled(); }
void Control::SetEnabled(bool enabled) { widget_.setEnabled(enabled); }

void Control::Refresh(bool eraseBackground) {
  // repaint() redraws at once, background first; update() lets Qt redraw at
  // its next paint, together with other changes.
  if (eraseBackground)
    widget_.repaint();
  else
    widget_.update();
}

}  // namespace fw
