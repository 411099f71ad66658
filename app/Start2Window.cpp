#include "app/Start2Window.h"

#include <array>
#include <cstdint>
#include <string>

#include "app/Start3Window.h"
#include "engine/Globals.h"
#include "resources/Pictures.h"
#include "runtime/Runtime.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {.title = "Fluid", .width = 310, .height = 595};

const fw::ControlSpec kLayout[] = {
    {Kind::RoundRectangle, "RoundRectangle1", "", 105, 495, 160, 35},
    {Kind::StaticText, "Sum", "0", 115, 500, 140, 25, 16},
    {Kind::StaticText, "StaticText1", "Fluid Composition", 30, 20, 165, 22, 18},
    {Kind::StaticText, "StaticText2", "amount-of-substance fraction (\"mole\" fraction)", 30, 55, 260, 20, 11},
    {Kind::EditField, "H2Onumber", "", 110, 90, 150, 25, 16},
    {Kind::EditField, "CO2number", "", 110, 125, 150, 25, 16},
    {Kind::EditField, "CH4number", "", 110, 405, 150, 25, 16},
    {Kind::EditField, "N2number", "", 110, 160, 150, 25, 16},
    {Kind::EditField, "C2H6number", "", 110, 440, 150, 25, 16},
    {Kind::EditField, "H2Snumber", "", 110, 195, 150, 25, 16},
    {Kind::EditField, "NH3number", "", 110, 230, 150, 25, 16},
    {Kind::EditField, "H2number", "", 110, 265, 150, 25, 16},
    {Kind::EditField, "O2number", "", 110, 300, 150, 25, 16},
    {Kind::EditField, "COnumber", "", 110, 335, 150, 25, 16},
    {Kind::StaticText, "StaticText3", "sum:", 45, 500, 45, 22, 16},
    {Kind::PushButton, "continue2", "continue", 210, 550, 75, 25, 12, fw::DefaultButton},
    {Kind::Line, "Line1", "", 110, 483, 150, 0},
    {Kind::PushButton, "Clear", "clear", 240, 20, 50, 20, 10, fw::TabLast},
    {Kind::EditField, "Arnumber", "", 110, 370, 150, 25, 16},
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 45, .top = 125, .width = 40, .height = 25, .picture = Pictures::CO2_40},
    {.kind = Kind::Canvas, .name = "Canvas2", .left = 45, .top = 90, .width = 39, .height = 25, .picture = Pictures::H2O_39},
    {.kind = Kind::Canvas, .name = "Canvas3", .left = 45, .top = 160, .width = 27, .height = 25, .picture = Pictures::N2_27},
    {.kind = Kind::Canvas, .name = "Canvas4", .left = 45, .top = 195, .width = 37, .height = 25, .picture = Pictures::H2S_37},
    {.kind = Kind::Canvas, .name = "Canvas5", .left = 45, .top = 230, .width = 38, .height = 25, .picture = Pictures::NH3_38},
    {.kind = Kind::Canvas, .name = "Canvas6", .left = 45, .top = 265, .width = 27, .height = 25, .picture = Pictures::H2_27},
    {.kind = Kind::Canvas, .name = "Canvas7", .left = 45, .top = 300, .width = 29, .height = 25, .picture = Pictures::O2_29},
    {.kind = Kind::Canvas, .name = "Canvas8", .left = 45, .top = 335, .width = 33, .height = 25, .picture = Pictures::CO_33},
    {.kind = Kind::Canvas, .name = "Canvas9", .left = 45, .top = 370, .width = 30, .height = 25, .picture = Pictures::Ar_30},
    {.kind = Kind::Canvas, .name = "Canvas10", .left = 45, .top = 405, .width = 39, .height = 25, .picture = Pictures::CH4_39},
    {.kind = Kind::Canvas, .name = "Canvas11", .left = 45, .top = 440, .width = 45, .height = 25, .picture = Pictures::C2H6_45},
};

// The field of each gas, by gas index.
constexpr std::array<const char*, Globals::NumGases> kGasFields = {
    "H2Onumber", "CO2number", "N2number", "H2Snumber", "NH3number", "H2number",
    "O2number",  "COnumber",  "Arnumber", "CH4number", "C2H6number"};

// "clear" empties the fields in their layout order.
constexpr std::array<const char*, Globals::NumGases> kClearOrder = {
    "H2Onumber", "CO2number", "CH4number", "N2number", "C2H6number", "H2Snumber",
    "NH3number", "H2number",  "O2number",  "COnumber", "Arnumber"};

std::int64_t sumOfIntegerFractions() {
  return rt::SumInt64(Globals::IntegerFraction);
}

// True when the stored integers make a fluid: none below 0 (a mole fraction
// has no meaning there), no partial sum overflowing, and a total of exactly
// 10^12. An entry too large for 64 bits saturates, far above that total.
bool integerFractionsMakeAFluid() {
  std::int64_t sum = 0;
  for (std::int64_t part : Globals::IntegerFraction) {
    if (part < 0) return false;
    if (__builtin_add_overflow(sum, part, &sum)) return false;
    rt::RuntimeBackgroundTask();
  }
  return sum == Globals::PrecisionFactor;
}

// A fraction at the 10^-12 grain (`units` of 10^-12) as the decimal that a
// user types for it: "1", "0.25", "0.000000000001"; the empty text for 0.
std::string GrainText(std::int64_t units) {
  if (units == 0) return "";
  constexpr std::uint64_t kGrain = 1'000'000'000'000;
  const std::uint64_t magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : units;
  std::string text = (units < 0 ? "-" : "") + std::to_string(magnitude / kGrain);
  std::string decimals = std::to_string(kGrain + magnitude % kGrain).substr(1);  // 12 digits
  decimals.erase(decimals.find_last_not_of('0') + 1);
  return decimals.empty() ? text : text + "." + decimals;
}

}  // namespace

// Built anew, the window shows the fluid in effect, so that "continue" takes
// that same fluid again; the stored integers and the sum follow the fields.
Start2Window::Start2Window() : fw::Window(kWindow, kLayout) {
  for (int gas = 0; gas < Globals::NumGases; ++gas) {
    const double scaled = static_cast<double>(Globals::PrecisionFactor) * Globals::fraction[gas];
    editField(kGasFields[gas]).SetText(GrainText(rt::ToInt64(scaled)));
  }
  for (int gas = 0; gas < Globals::NumGases; ++gas) {
    StoreField(gas);
    onTextChange(kGasFields[gas], [this, gas] { GasField_TextChange(gas); });
  }
  ShowSum();
  onAction("continue2", [this] { continue2_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
}

// Each field stores its fraction at the 10^-12 grain and shows the sum of all
// eleven stored integers.
void Start2Window::GasField_TextChange(int gas) {
  StoreField(gas);
  ShowSum();
}

void Start2Window::ShowSum() {
  double sum = static_cast<double>(sumOfIntegerFractions());
  staticText("Sum").SetText(rt::Str(sum / static_cast<double>(Globals::PrecisionFactor)));
}

void Start2Window::StoreField(int gas) {
  double value = rt::Val(editField(kGasFields[gas]).Text());
  Globals::IntegerFraction[gas] = rt::ToInt64(static_cast<double>(Globals::PrecisionFactor) * value);
}

// Takes the fluid that the fields show: each is stored again, then checked
// and copied.
void Start2Window::continue2_Action() {
  for (int gas = 0; gas < Globals::NumGases; ++gas) StoreField(gas);
  if (!integerFractionsMakeAFluid()) {
    staticText("Sum").SetText("adjust fractions!");
    return;
  }
  for (int i = 0; i < Globals::NumGases; ++i) {
    Globals::fraction[i] = static_cast<double>(Globals::IntegerFraction[i]) /
                           static_cast<double>(Globals::PrecisionFactor);
  }
  Start3Window::Get().Show();
}

// Empties the fluid at once; emptying each field then resets its integer and
// the sum through the field's change event.
void Start2Window::Clear_Action() {
  Globals::fraction.fill(0.0);
  for (const char* field : kClearOrder) editField(field).SetText("");
}
