#include "windows/phase_behaviour/MathAnal.h"

#include <array>
#include <cstdint>

#include "engine/Globals.h"
#include "framework/BusyCursor.h"
#include "numerics/Stability.h"
#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {
    .title = "Mathematical Analysis",
    .width = 460,
    .height = 315};

const fw::ControlSpec kLayout[] = {
    // kind, name, text, left, top, width, height, text size, flags
    {Kind::PushButton, "calculate", "calculate", 175, 20, 100, 30, 18, fw::DefaultButton},
    {Kind::StaticText, "StaticText1", "*", 285, 20, 15, 15, 14},
    {.kind = Kind::ListBox, .name = "ListBox1", .left = 20, .top = 68, .width = 420, .height = 200,
     .textSize = 10, .flags = fw::Heading | fw::GridVertical, .columns = 4,
     .columnWidths = "25%, 25%, 25%, 25%"},
    {Kind::StaticText, "StaticText2", "* calculation time may be extensive for multi-component fluid systems",
     90, 280, 350, 15, 10},
};

constexpr std::array<const char*, 4> kHeadings = {"Molar Volume", "Temp. Spinodal", "Pressure",
                                                  "Zero Funktion"};
constexpr int kRows = 250;
constexpr int kVolumeStep = 2;  // cm3/mol
// A cell without a value.
constexpr const char* kNone = "-";

}  // namespace

MathAnal::MathAnal() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
}

void MathAnal::Event_Activate() {
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  for (int column = 0; column < int(kHeadings.size()); ++column) list.SetHeading(column, kHeadings[column]);
}

// Appends 250 rows from a few cm3/mol above the co-volume, each starting the
// spinodal search from the row before. Writes no shared state.
void MathAnal::calculate_Action() {
  fw::BusyCursor busy;
  fw::ListBox& list = listBox("ListBox1");
  const Globals::Composition& x = Globals::fraction;
  const stability::PseudoCriticalPoint pc = stability::PseudoCritical(x);
  // Held in 64 bits: the steps never overflow, even from a saturated start.
  std::int64_t V = rt::ToInt32(pc.b + 4.0);
  double T = pc.T;
  for (int row = 0; row < kRows; ++row) {
    V = V + kVolumeStep;
    const double volume = static_cast<double>(V);
    const std::array<double, 3> starts = {T, pc.T, stability::kAnalysisLastStart};
    // Only a volume above the co-volume has a spinodal; a saturated start
    // can leave the volumes below it.
    T = volume > pc.b ? stability::SpinodalTemperature(x, volume, starts) : 0.0;
    if (0 < T) {
      list.AddRow({rt::Str(V), shared::FiniteText(T, kNone),
                   shared::FiniteText(Globals::Pressure(x, T, volume), kNone),
                   shared::FiniteText(stability::ZeroFunction(x, T, volume), kNone)});
    } else {
      list.AddRow({rt::Str(V), kNone, kNone, kNone});
    }
    busy.Poll();
  }
}
