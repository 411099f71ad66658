#pragma once

#include "framework/Window.h"

class EntropyWindow : public fw::Window {
 public:
  EntropyWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static EntropyWindow& Get() { return fw::GetImplicitWindow<EntropyWindow>("EntropyWindow.EntropyWindow"); }
};
