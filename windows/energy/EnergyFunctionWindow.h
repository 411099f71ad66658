#pragma once
// The design shared by the six energy-function windows: a heading and the
// formula picture with its source, the pressure and temperature entries with
// the unit switch and "clear", "calculate molar volume" listing the roots of
// the cubic in the solution chooser, and a result frame whose molar-volume
// row shows the chosen root. Each window gives its places in a table; what it
// shows for the chosen root is its own.

#include <span>
#include <vector>

#include "framework/Window.h"
#include "windows/shared/SolutionChooser.h"
#include "windows/shared/TemperatureSwitch.h"

namespace energy {

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The top-left corner of a shared piece, which has its own size.
struct Place {
  int left = 0;
  int top = 0;
};

// The places and texts in which the six windows differ (window coordinates).
struct WindowDesign {
  fw::WindowSpec window;
  const char* heading;  // `StaticText10`
  Box headingBox;
  fw::PictureGetter formula;  // backdrop of `Canvas1`
  Box formulaBox;
  Box citation;  // `StaticText12`, the source of the formula
  int pressureTop;     // `Pressure`, `dataEntry`, "MPa"
  int temperatureTop;  // `Temperature`, `dataEntry1`, the unit label
  Box clear;
  Place unitSwitch;  // `GroupBox1` with its radios
  Box calculate;
  Place roots;  // `GroupBox2` with its radios and root texts
  const char* footnoteName;
  Place footnote;
  Box resultFrame;  // `RoundRectangle1`
  Box molarVolume;  // the row label
  Box result;       // `Result`; the value columns of the scalar rows too
  Box volumeUnit;   // "cm /mol", with the exponent over its gap
  const char* standardStateName;
  Box standardState;
};

// The layout of a window: the shared controls in their fixed order, with the
// window's own rows on the result frame after the molar-volume row and its
// own further controls before "clear".
std::vector<fw::ControlSpec> BuildLayout(const WindowDesign& design,
                                         std::span<const fw::ControlSpec> onResultFrame,
                                         std::span<const fw::ControlSpec> beforeClear);

class EnergyFunctionWindow : public fw::Window {
 public:
  // Lists the roots at the entered pressure and temperature; the results are
  // emptied before the root radios go off.
  void calculate_Action();
  // Entries, root texts, root radios and results emptied; the unit switch and
  // the shared state stay.
  void Clear_Action();

 protected:
  EnergyFunctionWindow(const WindowDesign& design, std::span<const fw::ControlSpec> onResultFrame,
                       std::span<const fw::ControlSpec> beforeClear);

  // `Result` and the window's other result texts emptied.
  virtual void EmptyResultTexts() = 0;
  // The window's result list emptied, if it has one.
  virtual void EmptyResultList() {}
  // Shows the window's results for root k; only while its radio is on.
  virtual void Evaluate(int k) = 0;

 private:
  shared::TemperatureSwitch unit_{*this, shared::TemperatureSwitch::Variant::Input};
  shared::SolutionChooser chooser_{*this, unit_, [this](int k) { Evaluate(k); }, [this] {
                                     EmptyResultTexts();
                                     EmptyResultList();
                                   }};
};

}  // namespace energy
