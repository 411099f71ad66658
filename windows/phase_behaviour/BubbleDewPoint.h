#pragma once

#include <optional>

#include "framework/Window.h"
#include "windows/phase_behaviour/PhaseLists.h"
#include "windows/phase_behaviour/TwoPhases.h"
#include "windows/shared/ScrollingPanel.h"
#include "windows/shared/TemperatureSwitch.h"

// The homogenization point of the current fluid: given the temperature, the
// bubble or dew pressure; given the pressure, the bubble or dew temperature.
// The fluid is phase X (" Liquid", or no mode chosen) or phase Y
// (" Vapour"). "calculate first approach" fills the start values, which the
// user may edit; "calculate" iterates from them.
class BubbleDewPoint : public fw::Window {
 public:
  BubbleDewPoint();
  // The one window of this class: the open one, or a new one built from its layout.
  static BubbleDewPoint& Get() { return fw::GetImplicitWindow<BubbleDewPoint>("BubbleDewPoint.BubbleDewPoint"); }

  void RadioButtonTh_Action();
  void RadioButtonPh_Action();
  void Vapour1_Action();
  void Liquid1_Action();
  void Clear_Action();
  void FirstApproach_Action();
  void calculate_Action();
  void Event_Resizing() override { panel_.Event_Resizing(); }

  phase::PhaseLists& Lists() { return lists_; }

 private:
  // 0: the fluid is phase X; 1 (" Vapour"): the fluid is phase Y.
  int SplitMode();
  std::optional<double> Given();
  void RefuseFirstApproach();
  void SetSought(const char* name, const char* unit);
  void ShowModePicture(const char* radio, const char* own, const char* other);
  void ResetCaptions();

  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input, "StaticText3",
                                  "dataEntryTh"};
  shared::ScrollingPanel panel_{*this};
  phase::PhaseLists lists_{*this};
  phase::ResultArea results_;
};
