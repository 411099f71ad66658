#include "windows/shared/TemperatureSwitch.h"

#include <limits>

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace shared {

std::array<fw::ControlSpec, 3> TemperatureSwitch::Rows(int left, int top, const char* parent) {
  // The radios 7 pixels inside the frame, one below the other.
  const auto radio = [&](const char* name, const char* caption, int row, unsigned flags) {
    return fw::ControlSpec{.kind = fw::Kind::RadioButton, .name = name, .text = caption,
                           .left = left + 7, .top = top + 7 + 21 * row, .width = 56, .height = 20,
                           .textSize = 12, .flags = flags, .parent = parent, .group = kUnitGroup};
  };
  return {fw::ControlSpec{.kind = fw::Kind::GroupBox, .name = "GroupBox1", .left = left, .top = top,
                          .width = 70, .height = 54, .parent = parent},
          radio("Kelvin", " in K", 0, fw::On), radio("Celsius", " in \u02DAC", 1, 0)};
}

TemperatureSwitch::TemperatureSwitch(fw::Window& window, Variant variant, const char* unitLabel,
                                     const char* field)
    : window_(window), variant_(variant), unitLabel_(unitLabel), field_(field) {
  window_.onAction("Kelvin", [this] { Kelvin_Action(); });
  window_.onAction("Celsius", [this] { Celsius_Action(); });
}

bool TemperatureSwitch::Kelvin() const { return window_.radioButton("Kelvin").Value(); }
bool TemperatureSwitch::Celsius() const { return window_.radioButton("Celsius").Value(); }

void TemperatureSwitch::Kelvin_Action() {
  if (!Kelvin()) return;
  window_.staticText(unitLabel_).SetText("Kelvin");
  if (variant_ == Variant::Result) window_.staticText(field_).SetText(FiniteText(Globals::TempKelvin));
}

void TemperatureSwitch::Celsius_Action() {
  if (!Celsius()) return;
  window_.staticText(unitLabel_).SetText("\u02DACelsius");
  if (variant_ == Variant::Result)
    window_.staticText(field_).SetText(FiniteText(Globals::TempKelvin - kCelsiusOffset));
}

bool TemperatureSwitch::Read(double& target) const {
  const std::optional<double> entry = FiniteEntry(window_.editField(field_).Text());
  if (!entry) {
    target = std::numeric_limits<double>::quiet_NaN();
    return false;
  }
  if (Celsius()) target = *entry + kCelsiusOffset;
  if (Kelvin()) target = *entry;
  return true;
}

void TemperatureSwitch::ShowResult() const {
  fw::StaticText& result = window_.staticText(field_);
  if (Celsius()) result.SetText(FiniteText(Globals::TempKelvin - kCelsiusOffset));
  if (Kelvin()) result.SetText(FiniteText(Globals::TempKelvin));
}

void TemperatureSwitch::SelectKelvin() {
  window_.radioButton("Kelvin").SetValue(true);
  window_.staticText(unitLabel_).SetText("Kelvin");
}

}  // namespace shared
