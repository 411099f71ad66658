#pragma once

#include "framework/Window.h"
#include "windows/shared/TemperatureSwitch.h"

// The pseudo-critical point of the current fluid, and its critical point by a
// secant search on the molar volume along the spinodal; the way into the
// mathematical-analysis and explanation windows.
class CriticalPointWindow : public fw::Window {
 public:
  CriticalPointWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static CriticalPointWindow& Get() { return fw::GetImplicitWindow<CriticalPointWindow>("CriticalPointWindow.CriticalPointWindow"); }

  // Pseudo-critical point and first guesses, from the current fluid.
  void Event_Activate() override;
  void calculate_Action();
  void Analysis_Action();
  void pseudo_Action();

 private:
  void ShowResults(double T, double V, double P);
  void ShowNoSolution();

  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Result, "StaticText6", "ResultT"};
};
