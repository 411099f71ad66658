#pragma once

#include "framework/Window.h"

// The zero function of the critical-point search tabulated along the
// spinodal over 250 molar volumes, to see where it changes sign.
class MathAnal : public fw::Window {
 public:
  MathAnal();
  // The one window of this class: the open one, or a new one built from its layout.
  static MathAnal& Get() { return fw::GetImplicitWindow<MathAnal>("MathAnal.MathAnal"); }

  // Empties the table and sets its headings.
  void Event_Activate() override;
  void calculate_Action();
};
