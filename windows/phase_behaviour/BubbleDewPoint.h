#pragma once

#include "framework/Window.h"

class BubbleDewPoint : public fw::Window {
 public:
  BubbleDewPoint();
  // The one window of this class: the open one, or a new one built from its layout.
  static BubbleDewPoint& Get() { return fw::GetImplicitWindow<BubbleDewPoint>("BubbleDewPoint.BubbleDewPoint"); }
};
