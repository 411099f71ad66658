#pragma once

#include "framework/Window.h"

class VolumeWindow : public fw::Window {
 public:
  VolumeWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static VolumeWindow& Get() { return fw::GetImplicitWindow<VolumeWindow>("VolumeWindow.VolumeWindow"); }
};
