#pragma once

#include "framework/Window.h"

class SpinodalWindow : public fw::Window {
 public:
  SpinodalWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static SpinodalWindow& Get() { return fw::GetImplicitWindow<SpinodalWindow>("SpinodalWindow.SpinodalWindow"); }
};
