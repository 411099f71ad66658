#include "windows/shared/SolutionChooser.h"

#include <array>
#include <optional>

#include "engine/Globals.h"
#include "windows/shared/FiniteNumber.h"

namespace shared {

namespace {

constexpr std::array<const char*, 3> kChoices = {"Choice0", "Choice1", "Choice2"};
constexpr std::array<const char*, 3> kTexts = {"TextChoice0", "TextChoice1", "TextChoice2"};

constexpr const char* kFootnote =
    "* cubic equatons have three solutions, of which two may be complex numbers";

}  // namespace

std::array<fw::ControlSpec, 6> SolutionChooser::EntryRows(int pressureTop, int temperatureTop,
                                                          int unitLeft, const char* parent) {
  const auto label = [&](const char* name, const char* text, int left, int top, int width) {
    return fw::ControlSpec{.kind = fw::Kind::StaticText, .name = name, .text = text, .left = left,
                           .top = top, .width = width, .height = 25, .textSize = 16, .parent = parent};
  };
  const auto entry = [&](const char* name, int top) {
    return fw::ControlSpec{.kind = fw::Kind::EditField, .name = name, .left = 155, .top = top,
                           .width = 120, .height = 25, .textSize = 16, .parent = parent};
  };
  return {label("Pressure", "Pressure", 20, pressureTop, 130), entry("dataEntry", pressureTop),
          label("StaticText4", "MPa", unitLeft, pressureTop, 80),
          label("Temperature", "Temperature", 20, temperatureTop, 130), entry("dataEntry1", temperatureTop),
          label("StaticText3", "Kelvin", unitLeft, temperatureTop, 80)};
}

std::array<fw::ControlSpec, 7> SolutionChooser::Rows(int left, int top, const char* parent,
                                                     const ChooserLook& look) {
  std::array<fw::ControlSpec, 7> rows;
  rows[0] = {.kind = fw::Kind::GroupBox, .name = "GroupBox2", .text = look.caption, .left = left,
             .top = top, .width = 260, .height = 110, .textSize = 16, .flags = fw::Italic, .parent = parent};
  for (int k = 0; k < 3; ++k) {
    const int row = top + 30 + 25 * k;
    rows[1 + 2 * k] = {.kind = fw::Kind::RadioButton, .name = kChoices[k], .left = left + 15, .top = row,
                       .width = 20, .height = 20, .textSize = look.radioSize, .parent = parent,
                       .font = look.radioFont, .group = kRootGroup};
    rows[2 + 2 * k] = {.kind = fw::Kind::StaticText, .name = kTexts[k], .left = left + 40, .top = row,
                       .width = 200, .height = 20, .textSize = 14, .flags = fw::Italic, .parent = parent,
                       .font = look.textFont};
  }
  return rows;
}

fw::ControlSpec SolutionChooser::Footnote(const char* name, int left, int top, const char* parent) {
  return {.kind = fw::Kind::StaticText, .name = name, .text = kFootnote, .left = left, .top = top,
          .width = 195, .height = 30, .textSize = 10, .flags = fw::MultiLine | fw::Italic, .parent = parent};
}

std::string RootText(double real, double imaginary) {
  const std::string re = FiniteText(real);
  const std::string im = FiniteText(imaginary);
  if (re.empty() || im.empty()) return "";
  // Exact test: any imaginary part but 0 is a complex root.
  if (imaginary != 0.0) return re + " and " + im + "\u00B7i";
  return re;
}

SolutionChooser::SolutionChooser(fw::Window& window, const TemperatureSwitch& unit,
                                 Evaluate evaluate, Step emptyResults)
    : window_(window), unit_(unit), evaluate_(std::move(evaluate)), emptyResults_(std::move(emptyResults)) {
  for (int k = 0; k < 3; ++k) window_.onAction(kChoices[k], [this, k] { Choice_Action(k); });
  window_.ReturnRuns([this] { Return_Action(); }, {kChoices[0], kChoices[1], kChoices[2], "Kelvin", "Celsius"});
}

double SolutionChooser::Root(int k) { return Globals::MolarVolumes[k]; }

void SolutionChooser::Choice_Action(int k) {
  if (!window_.radioButton(kChoices[k]).Value()) return;
  if (rootless_[k]) {
    emptyResults_();
    return;
  }
  evaluate_(k);
}

void SolutionChooser::Return_Action() {
  for (int k = 0; k < 3; ++k) {
    if (window_.radioButton(kChoices[k]).Value()) {
      Choice_Action(k);
      return;
    }
  }
  window_.PressDefaultButton();
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
      rootless_[k] = true;
      continue;
    }
    const std::string text = RootText(roots[0][k], roots[1][k]);
    window_.staticText(kTexts[k]).SetText(text);
    Globals::MolarVolumes[k] = !text.empty() && roots[1][k] == 0.0 ? roots[0][k] : 0.0;
    rootless_[k] = text.empty();
  }
}

void SolutionChooser::ClearRoots() {
  for (const char* text : kTexts) window_.staticText(text).SetText("");
  for (const char* choice : kChoices) window_.radioButton(choice).SetValue(false);
  rootless_.fill(false);
}

}  // namespace shared
