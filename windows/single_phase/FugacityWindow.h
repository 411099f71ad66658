#pragma once

#include "framework/Window.h"
#include "windows/shared/SolutionChooser.h"
#include "windows/shared/TemperatureSwitch.h"

// The fugacity and fugacity coefficient of every present gas of the current
// fluid, at the root of the cubic that the user chooses.
class FugacityWindow : public fw::Window {
 public:
  FugacityWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static FugacityWindow& Get() { return fw::GetImplicitWindow<FugacityWindow>("FugacityWindow.FugacityWindow"); }

  void Event_Activate() override;
  void calculate_Action();
  void Clear_Action();

 private:
  // The radio of root k: its molar volume and the list of fugacities.
  void Choice_Action(int k);
  // `Result` and the list emptied; the headings stay.
  void ClearResults();

  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input};
  shared::SolutionChooser chooser_{*this, unit_, [this](int k) { Choice_Action(k); }, [this] { ClearResults(); }};
};
