#pragma once

#include "framework/Window.h"
#include "windows/shared/SolutionChooser.h"
#include "windows/shared/TemperatureSwitch.h"

// The three molar-volume roots of the current fluid at a pressure and a
// temperature; for the chosen root its molar volume, the excess molar volume
// of the mixture and its density.
class VolumeWindow : public fw::Window {
 public:
  VolumeWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static VolumeWindow& Get() { return fw::GetImplicitWindow<VolumeWindow>("VolumeWindow.VolumeWindow"); }

  void calculate_Action();
  void Clear_Action();

 private:
  // The radio of root k: its molar volume, excess molar volume and density.
  void Choice_Action(int k);
  void ClearResults();

  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input};
  shared::SolutionChooser chooser_{*this, unit_, [this](int k) { Choice_Action(k); }, [this] { ClearResults(); }};
};
