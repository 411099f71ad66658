#pragma once

#include "engine/Globals.h"
#include "framework/Window.h"
#include "windows/shared/ScrollingPanel.h"
#include "windows/shared/SolutionChooser.h"
#include "windows/shared/TemperatureSwitch.h"

// The activity and activity coefficient of every gas of the current fluid
// at the chosen root, against one of three standard states: the pure real
// gas at the temperature and pressure, the pure real gas at a reference
// pressure, or the pure ideal gas at a reference pressure. Every control sits
// on a scrolling panel.
class ActivityWindow : public fw::Window {
 public:
  ActivityWindow();
  // The one window of this class: the open one, or a new one built from its layout.
  static ActivityWindow& Get() { return fw::GetImplicitWindow<ActivityWindow>("ActivityWindow.ActivityWindow"); }

  void Event_Activate() override;
  void Event_Resizing() override { panel_.Event_Resizing(); }
  void calculate_Action();
  void Clear_Action();
  // "continue": the activities, listed.
  void PushButton1_Action();

 private:
  // The radio of root k shows its molar volume; "continue" computes.
  void Choice_Action(int k);
  void StandardChoice_Action(int state);
  void StandardRadiosOff();
  // Standard states 0 and 1: each listed gas alone at T and `pressure`, at
  // the root that its vapour pressure picks.
  void PureRealGasActivities(const Globals::GasTable& mixture, double pressure);
  // Standard state 2: the ideal gas, reference fugacity x_i Pref.
  void IdealGasActivities(const Globals::GasTable& mixture, double reference);

  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input};
  // A radio without a root empties `Result`; the list is the last
  // "continue"'s, as with any root chosen.
  shared::SolutionChooser chooser_{*this, unit_, [this](int k) { Choice_Action(k); },
                                   [this] { staticText("Result").SetText(""); }};
  shared::ScrollingPanel panel_{*this};
};
