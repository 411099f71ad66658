#pragma once

#include "framework/Window.h"
#include "windows/phase_behaviour/PhaseLists.h"
#include "windows/phase_behaviour/TwoPhases.h"
#include "windows/shared/ScrollingPanel.h"
#include "windows/shared/TemperatureSwitch.h"

// The liquid-vapour split of the current fluid filling a given bulk molar
// volume at a given temperature: the equilibrium pressure and, for each
// phase, its volume fraction, molar volume, density, composition and
// fugacities. "calculate first approach" fills the start pressure, the start
// vapour fraction and Wilson K-values; "calculate" iterates from them.
class LiquidVapourEq : public fw::Window {
 public:
  LiquidVapourEq();
  // The one window of this class: the open one, or a new one built from its layout.
  static LiquidVapourEq& Get() { return fw::GetImplicitWindow<LiquidVapourEq>("LiquidVapourEq.LiquidVapourEq"); }

  void calculate_Action();
  void CalFirstApproach_Action();
  void Clear_Action();
  void Event_Resizing() override { panel_.Event_Resizing(); }

  phase::PhaseLists& Lists() { return lists_; }

 private:
  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input};
  shared::ScrollingPanel panel_{*this};
  phase::PhaseLists lists_{*this};
  phase::ResultArea results_;
};
