#pragma once

#include "framework/Window.h"

class HelmholtzWindow : public fw::Window {
 public:
  HelmholtzWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static HelmholtzWindow& Get() { return fw::GetImplicitWindow<HelmholtzWindow>("HelmholtzWindow.HelmholtzWindow"); }
};
