#include "windows/shared/TemperatureSwitch.h"

#include <limits>

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace shared {

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
