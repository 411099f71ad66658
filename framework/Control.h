#pragma once
// What every control of a window has, and the callbacks its events run. Each
// control is a thin Qt widget with the operations the windows read and write,
// named as the windows use them; the window runs every event through its
// error guard.

#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>

#include "framework/Layout.h"

namespace fw {

class Window;

// What every control has: a name, a place and size in window coordinates,
// visibility, enabled state and redraw.
class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Kind GetKind() const { return kind_; }
  QWidget& Widget() { return widget_; }
  const QWidget& Widget() const { return widget_; }

  // Left and Top are in the window's client coordinates, wherever the
  // control's container is; setting them moves the control (and, for a
  // container, everything on it).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  bool Visible() const;  // the control's own visibility flag
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Redraws the control now; with erase, its background is painted afresh.
  void Refresh(bool eraseBackground = true);

 protected:
  Control(QWidget& widget, Kind kind, std::string name);

 private:
  friend class Window;
  QPoint ParentOrigin() const;  // the parent's top-left in client coordinates

  QWidget& widget_;
  QWidget* client_ = nullptr;  // the window's client area, set by the window
  Kind kind_;
  std::string name_;
};

using Handler = std::function<void()>;
using CellHandler = std::function<void(int row, int column)>;

}  // namespace fw
