#pragma once
// The temperature unit switch: the radio pair `Kelvin` (" in K") and
// `Celsius` (" in ˚C") with its unit label. Every temperature is kept in
// kelvin; the switch only decides how an entry is read or a result shown.
//
// Input variant: beside a temperature entry; the radios relabel the unit and
// the window's calculation reads the entry with Read().
// Result variant: beside a temperature result; the radios relabel the unit
// and show Globals::TempKelvin again in the chosen unit.

#include <array>

#include "framework/Window.h"

namespace shared {

// Radio group names for the layout tables: each unit pair, root trio and
// standard-state trio is a group of its own.
inline constexpr const char* kUnitGroup = "unit";
inline constexpr const char* kRootGroup = "roots";

// The Celsius offset, exactly as written.
inline constexpr double kCelsiusOffset = 273.15;

class TemperatureSwitch {
 public:
  enum class Variant { Input, Result };

  // Binds the window's `Kelvin` and `Celsius` actions. `unitLabel` is the
  // label the radios relabel; `field` is the entry (input variant) or the
  // result label (result variant).
  TemperatureSwitch(fw::Window& window, Variant variant, const char* unitLabel = "StaticText3",
                    const char* field = "dataEntry1");

  // The switch's rows of a layout table: the frame `GroupBox1` (70 x 54) with
  // its top-left corner at (left, top) in window coordinates, and in it the
  // radios `Kelvin` (on when built) and `Celsius` below it, grouped by name.
  // All three sit on `parent` (nullptr: the window).
  static std::array<fw::ControlSpec, 3> Rows(int left, int top, const char* parent = nullptr);

  void Kelvin_Action();
  void Celsius_Action();

  // Input variant: the entry read into `target` (kelvin). With `Celsius` on,
  // the number plus 273.15; then, as a test of its own, with `Kelvin` on, the
  // number itself. With neither on, `target` keeps its value. An entry that
  // is no finite number (FiniteEntry) is refused: the result is false and
  // `target` becomes NaN, so that nothing computed from it is finite. A
  // window that refuses the entry reads it into a local first.
  bool Read(double& target) const;

  // Result variant: shows Globals::TempKelvin in the chosen unit (Celsius
  // tested first, then Kelvin); with neither on, the result stays. A
  // temperature that is not finite leaves the result empty.
  void ShowResult() const;

  // Result variant: a calculation that shows its temperature in kelvin turns
  // `Kelvin` on and labels the unit "Kelvin"; no radio action runs.
  void SelectKelvin();

  bool Kelvin() const;
  bool Celsius() const;

 private:
  fw::Window& window_;
  Variant variant_;
  const char* unitLabel_;
  const char* field_;
};

}  // namespace shared
