#pragma once

#include "windows/energy/EnergyFunctionWindow.h"

// The chemical potential of every gas of the fluid at a chosen root of the
// cubic, one row per gas in `ListBox1`.
class ChemPotWindow : public energy::EnergyFunctionWindow {
 public:
  ChemPotWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static ChemPotWindow& Get() { return fw::GetImplicitWindow<ChemPotWindow>("ChemPotWindow.ChemPotWindow"); }

  // The list's headings, on every activation; its rows stay.
  void Event_Activate() override;

 protected:
  void EmptyResultTexts() override;
  void EmptyResultList() override;
  // `Result` := root k; then a row per gas whose fraction is above 0, with its
  // potential at that root and the shared temperature.
  void Evaluate(int k) override;
};
