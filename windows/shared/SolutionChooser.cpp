#include "windows/shared/SolutionChooser.h"

#include <array>
#include <optional>

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace shared {

namespace {

constexpr std::array<const char*, 3> kChoices = {"Choice0", "Choice1", "Choice2"};
constexpr std::array<const char*, 3> kTexts = {"TextChoice0", "TextChoice1", "TextChoice2"};

}  // namespace

std::string RootText(double real, double imaginary) {
  const std::string re = FiniteText(real);
  const std::string im = FiniteText(imaginary);
  if (re.empty() || im.empty()) return "";
  // Exact test: any imaginary part but 0 is a complex root.
  if (imaginary != 0.0) return re + " and " + im + "\u00B7i";
  return re;
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
  double T = Globals::TempKelvin;
  const bool temperature = unit_.Read(T);
  const std::optional<double> P = FiniteEntry(window_.editField("dataEntry").Text());
  const bool entered = temperature && P;
  Globals::RootArray roots{};
  if (entered) {
    Globals::TempKelvin = T;
    Globals::PresMPa = *P;
    roots = Globals::Volume(Globals::fraction, Globals::TempKelvin, Globals::PresMPa);
  }
  if (beforeRadiosOff) beforeRadiosOff();
  for (const char* choice : kChoices) window_.radioButton(choice).SetValue(false);
  if (afterRadiosOff) afterRadiosOff();
  for (int k = 0; k < 3; ++k) {
    if (!entered) {
      window_.staticText(kTexts[k]).SetText("");
      continue;
    }
    const std::string text = RootText(roots[0][k], roots[1][k]);
    window_.staticText(kTexts[k]).SetText(text);
    Globals::MolarVolumes[k] = !text.empty() && roots[1][k] == 0.0 ? roots[0][k] : 0.0;
  }
}

void SolutionChooser::ClearRoots() {
  for (const char* text : kTexts) window_.staticText(text).SetText("");
  for (const char* choice : kChoices) window_.radioButton(choice).SetValue(false);
}

}  // namespace shared
