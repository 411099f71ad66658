#pragma once

#include "framework/Window.h"

class ChemPotWindow : public fw::Window {
 public:
  ChemPotWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static ChemPotWindow& Get() { return fw::GetImplicitWindow<ChemPotWindow>("ChemPotWindow.ChemPotWindow"); }
};
