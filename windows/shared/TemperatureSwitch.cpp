#include "windows/shared/TemperatureSwitch.h"

#include "engine/Globals.h"
#include "runtime/Runtime.h"

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
  if (variant_ == Variant::Result) window_.staticText(field_).SetText(rt::Str(Globals::TempKelvin));
}

void TemperatureSwitch::Celsius_Action() {
  if (!Celsius()) return;
  window_.staticText(unitLabel_).SetText("\u02DACelsius");
  if (variant_ == Variant::Result)
    window_.staticText(field_).SetText(rt::Str(Globals::TempKelvin - kCelsiusOffset));
}

void TemperatureSwitch::Read(double& target) const {
  if (Celsius()) target = rt::Val(window_.editField(field_).Text()) + kCelsiusOffset;
  if (Kelvin()) target = rt::Val(window_.editField(field_).Text());
}

void TemperatureSwitch::ShowResult() const {
  fw::StaticText& result = window_.staticText(field_);
  if (Celsius()) result.SetText(rt::Str(Globals::TempKelvin - kCelsiusOffset));
  if (Kelvin()) result.SetText(rt::Str(Globals::TempKelvin));
}

void TemperatureSwitch::SelectKelvin() {
  window_.radioButton("Kelvin").SetValue(true);
  window_.staticText(unitLabel_).SetText("Kelvin");
}

}  // namespace shared
