#pragma once

#include "windows/energy/ScalarEnergyWindow.h"

// The relative molar Gibbs energy of the fluid at a chosen root of the cubic.
class GibbsWindow : public energy::ScalarEnergyWindow {
 public:
  GibbsWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static GibbsWindow& Get() { return fw::GetImplicitWindow<GibbsWindow>("GibbsWindow.GibbsWindow"); }
};
