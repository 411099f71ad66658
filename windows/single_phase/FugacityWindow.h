#pragma once

#include "framework/Window.h"

class FugacityWindow : public fw::Window {
 public:
  FugacityWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static FugacityWindow& Get() { return fw::GetImplicitWindow<FugacityWindow>("FugacityWindow.FugacityWindow"); }
};
