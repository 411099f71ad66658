#include "windows/shared/SolutionChooser.h"

#include <array>

#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace shared {

namespace {

constexpr std::array<const char*, 3> kChoices = {"Choice0", "Choice1", "Choice2"};
constexpr std::array<const char*, 3> kTexts = {"TextChoice0", "TextChoice1", "TextChoice2"};

}  // namespace

std::string RootText(double real, double imaginary) {
  // Exact test: any imaginary part but 0 (a NaN included) is a complex root.
  if (imaginary != 0.0) return rt::Str(real) + " and " + rt::Str(imaginary) + "\u00B7i";
  return rt::Str(real);
}

SolutionChooser::SolutionChooser(fw::Window& window, const TemperatureSwitch& unit,
                                 Evaluate evaluate)
    : window_(window), unit_(unit), evaluate_(std::move(evaluate)) {
  for (int k = 0; k < 3; ++k) window_.onAction(kChoices[k], [this, k] { Choice_Action(k); });
}

double SolutionChooser::Root(int k) { return Globals::MolarVolumes[k]; }

void SolutionChooser::Choice_Action(int k) {
  if (!window_.radioButton(kChoices[k]).Value()) return;
  evaluate_(k);
}

void SolutionChooser::ListRoots(const Step& beforeRadiosOff, const Step& afterRadiosOff) {
  unit_.Read(Globals::TempKelvin);
  Globals::PresMPa = rt::Val(window_.editField("dataEntry").Text());
  const Globals::RootArray roots =
      Globals::Volume(Globals::fraction, Globals::TempKelvin, Globals::PresMPa);
  if (beforeRadiosOff) beforeRadiosOff();
  for (const char* choice : kChoices) window_.radioButton(choice).SetValue(false);
  if (afterRadiosOff) afterRadiosOff();
  for (int k = 0; k < 3; ++k) {
    const bool complex = roots[1][k] != 0.0;
    window_.staticText(kTexts[k]).SetText(RootText(roots[0][k], roots[1][k]));
    Globals::MolarVolumes[k] = complex ? 0.0 : roots[0][k];
  }
}

void SolutionChooser::ClearRoots() {
  for (const char* text : kTexts) window_.staticText(text).SetText("");
  for (const char* choice : kChoices) window_.radioButton(choice).SetValue(false);
}

}  // namespace shared
