#pragma once

#include "framework/Window.h"

class EnthalpyWindow : public fw::Window {
 public:
  EnthalpyWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static EnthalpyWindow& Get() { return fw::GetImplicitWindow<EnthalpyWindow>("EnthalpyWindow.EnthalpyWindow"); }
};
