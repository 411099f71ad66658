#pragma once

#include "framework/Window.h"

class ActivityWindow : public fw::Window {
 public:
  ActivityWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static ActivityWindow& Get() { return fw::GetImplicitWindow<ActivityWindow>("ActivityWindow.ActivityWindow"); }
};
