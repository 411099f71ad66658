#pragma once

#include "framework/Window.h"

class GibbsWindow : public fw::Window {
 public:
  GibbsWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static GibbsWindow& Get() { return fw::GetImplicitWindow<GibbsWindow>("GibbsWindow.GibbsWindow"); }
};
