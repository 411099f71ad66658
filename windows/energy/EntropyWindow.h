#pragma once

#include "windows/energy/ScalarEnergyWindow.h"

// The absolute molar entropy of the fluid at a chosen root of the cubic.
class EntropyWindow : public energy::ScalarEnergyWindow {
 public:
  EntropyWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static EntropyWindow& Get() { return fw::GetImplicitWindow<EntropyWindow>("EntropyWindow.EntropyWindow"); }
};
