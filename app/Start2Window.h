#pragma once

#include "framework/Window.h"

// The fluid-composition window: the user types the mole fraction of each gas;
// the window keeps them as integers in units of 10^-12, shows their running
// sum, and accepts the fluid that its fields show only when none is negative
// and they add up to exactly 1. It opens showing the fluid in effect.
class Start2Window : public fw::Window {
 public:
  Start2Window();
  static Start2Window& Get() { return fw::GetImplicitWindow<Start2Window>("Start2Window.Start2Window"); }

  void GasField_TextChange(int gas);
  void continue2_Action();
  void Clear_Action();

 private:
  // The field's fraction into Globals::IntegerFraction at the 10^-12 grain.
  void StoreField(int gas);
  // The sum of the eleven stored integers, as a fraction.
  void ShowSum();
};
