#include "windows/single_phase/Isochore.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Globals.h"
#include "framework/Question.h"
#include "runtime/Runtime.h"
#include "runtime/TextFile.h"
#include "windows/shared/FiniteNumber.h"
#include "windows/shared/TemperatureSwitch.h"

namespace {

using fw::Kind;
using shared::kCelsiusOffset;

const fw::WindowSpec kWindow = {
    .title = "Isochore",
    .width = 300,
    .height = 480};

const fw::ControlSpec kLayout[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::StaticText, "MolarVolume", "Molar Volume", 20, 20, 100, 20, 14},
    {Kind::StaticText, "ResultV", "", 135, 20, 70, 20},
    {Kind::StaticText, "StaticText7", "cm /mol", 220, 20, 65, 20, 14},
    {Kind::StaticText, "StaticText8", "3", 240, 16, 16, 20, 11},
    {Kind::StaticText, "MolarVolume1", "Density", 20, 50, 100, 20, 14},
    {Kind::StaticText, "ResultV1", "", 135, 50, 70, 20},
    {Kind::StaticText, "StaticText9", "g/cm", 220, 50, 65, 20, 14},
    {Kind::StaticText, "StaticText10", "3", 257, 46, 16, 20, 11},
    {Kind::StaticText, "StaticText1", "min. temperature", 20, 90, 110, 18, 12, fw::MultiLine},
    {Kind::EditField, "minimum", "", 150, 90, 80, 18, 12},
    {Kind::StaticText, "StaticText4", "\u02DAC", 240, 90, 25, 18, 12, fw::MultiLine},
    {Kind::StaticText, "StaticText2", "max. temperature", 20, 115, 110, 18, 12, fw::MultiLine},
    {Kind::EditField, "maximum", "", 150, 115, 80, 18, 12},
    {Kind::StaticText, "StaticText5", "\u02DAC", 240, 115, 25, 18, 12, fw::MultiLine},
    {Kind::StaticText, "StaticText3", "step size", 20, 140, 110, 18, 12, fw::MultiLine},
    {Kind::EditField, "interval", "", 150, 140, 80, 18, 12},
    {Kind::StaticText, "StaticText6", "degree", 240, 140, 45, 18, 12, fw::MultiLine},
    {Kind::PushButton, "calculate", "calculate", 100, 180, 100, 30, 16, fw::DefaultButton},
    {.kind = Kind::ListBox, .name = "ListBox1", .left = 50, .top = 230, .width = 200, .height = 195,
     .textSize = 10, .flags = fw::Heading | fw::GridVertical, .columns = 2, .columnWidths = "50%, 50%"},
    {Kind::PushButton, "Export", "export", 185, 435, 60, 20, 12},
    // Where the last export went.
    {Kind::StaticText, "ExportStatus", "", 10, 456, 280, 24, 10, fw::MultiLine},
};

constexpr const char* kRefused = "put number";

// The temperatures of an isochore (kelvin): accumulated from `start` by
// repeated addition of `step`, the first at start + step, while not greater
// than `bound`. Accumulating rather than multiplying is how the rows are formed,
// so the last digits of each row depend on it.
struct Stepping {
  double start;
  double step;
  double bound;
};

enum class Run { Ends, Stalls, TooLong };

// Walks the temperatures without computing anything: whether they end within
// kMaxRows rows, stop moving (a step lost against the temperature) or go on.
Run Simulate(const Stepping& s) {
  double T = s.start;
  for (int rows = 0;; ++rows) {
    const double next = T + s.step;
    if (next > s.bound) return Run::Ends;
    if (next == T) return Run::Stalls;
    if (rows == Isochore::kMaxRows) return Run::TooLong;
    T = next;
  }
}

// Calls row(T) for each temperature; never more than kMaxRows times.
template <class Row>
void ForEachTemperature(const Stepping& s, Row row) {
  double T = s.start;
  for (int rows = 0; rows < Isochore::kMaxRows; ++rows) {
    rt::RuntimeBackgroundTask();
    T += s.step;
    if (T > s.bound) return;
    row(T);
  }
}

// Why an export with these entries (degrees Celsius and degrees) would not
// end, or an empty text when it would.
std::string ExportProblem(double TminC, double TmaxC, double step, const Stepping& s) {
  if (!std::isfinite(TminC) || !std::isfinite(TmaxC) || !std::isfinite(step))
    return "min. temperature, max. temperature and step size must be finite numbers";
  if (!(step > 0.0)) return "the step size must be above 0";
  switch (Simulate(s)) {
    case Run::Stalls:
      return "the step size is too small to advance the temperature";
    case Run::TooLong:
      return "it would have more than " + rt::Str(Isochore::kMaxRows) + " rows";
    case Run::Ends:
      break;
  }
  return {};
}

std::runtime_error NotExported(const std::string& reason) {
  return std::runtime_error("The isochore is not exported: " + reason + ".");
}

const char* const kHeader[] = {"van der Waals equation of state", "reference: Tenvick (2009)",
                               "Temperature, Pressure", "(Celsius), (MPa)"};

}  // namespace

Isochore::Isochore() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Export", [this] { Export_Action(); });
}

// The volume and density from the shared state; the table is emptied. A
// density beyond the range of numbers (a volume near 0) is left empty.
void Isochore::Event_Activate() {
  const double V = Globals::MolarVolumes[0];
  staticText("ResultV").SetText(shared::FiniteText(V));
  staticText("ResultV1").SetText(shared::FiniteText(Globals::Density(Globals::fraction, V)));
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  list.SetHeading(0, "Temperature (\u02DAC)");
  list.SetHeading(1, "Pressure (MPa)");
}

// Each field at fault shows "put number" and the list keeps its rows. Every
// field is at fault when it is no finite number; besides, a minimum below
// 0 K, a maximum not above a minimum that is a number, and a step not above
// 0 or, with sound temperatures, one that no longer moves the temperature or
// would make more than kMaxRows rows. A pressure beyond the range of numbers
// leaves its cell empty.
void Isochore::calculate_Action() {
  const std::optional<double> minimum = shared::FiniteEntry(editField("minimum").Text());
  const std::optional<double> maximum = shared::FiniteEntry(editField("maximum").Text());
  const std::optional<double> interval = shared::FiniteEntry(editField("interval").Text());
  const double Tmin = minimum.value_or(0.0) + kCelsiusOffset;
  const double Tmax = maximum.value_or(0.0) + kCelsiusOffset;
  const double step = interval.value_or(0.0);
  const Stepping stepping{Tmin - step, step, Tmax};

  const bool minimumOk = minimum && Tmin >= 0.0;
  const bool maximumOk = maximum && (!minimum || Tmax > Tmin);
  bool stepOk = interval && step > 0.0;
  if (stepOk && minimumOk && maximumOk) stepOk = Simulate(stepping) == Run::Ends;
  if (!minimumOk) editField("minimum").SetText(kRefused);
  if (!maximumOk) editField("maximum").SetText(kRefused);
  if (!stepOk) editField("interval").SetText(kRefused);
  if (!(minimumOk && maximumOk && stepOk)) return;

  const double V = Globals::MolarVolumes[0];
  std::vector<std::vector<std::string>> rows;
  ForEachTemperature(stepping, [&](double T) {
    const double P = Globals::Pressure(Globals::fraction, T, V);
    rows.push_back({shared::FiniteText(T - kCelsiusOffset), shared::FiniteText(P)});
  });
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  list.AddRows(rows);
}

// The rows are recomputed from the entries, their temperatures formed as
// (minimum - step) + 273.15 plus the steps, against maximum + 273.15. When
// the first temperature is already past the maximum the file holds its
// header only; otherwise (a first temperature that is no number included)
// entries that would not end refuse the export before any file is made, as
// does a molar volume that is no finite number (the file's name). A file of
// the same name is replaced only when the user agrees. Each row is on disk
// before the next is computed; the file takes its name only when complete,
// and the window then says where it is.
void Isochore::Export_Action() {
  fw::StaticText& status = staticText("ExportStatus");
  status.SetText("");
  const double TminC = rt::Val(editField("minimum").Text());
  const double TmaxC = rt::Val(editField("maximum").Text());
  const double step = rt::Val(editField("interval").Text());
  const double V = Globals::MolarVolumes[0];
  const Stepping stepping{(TminC - step) + kCelsiusOffset, step, TmaxC + kCelsiusOffset};

  if (!std::isfinite(V)) throw NotExported("the molar volume is not a finite number");
  if (!(stepping.start + step > stepping.bound)) {
    const std::string problem = ExportProblem(TminC, TmaxC, step, stepping);
    if (!problem.empty()) throw NotExported(problem);
  }
  const std::string name = rt::Str(V) + ".txt";
  if (rt::TextFile::Exists(name) &&
      !fw::Ask(*this, "The file \"" + rt::FullPath(name) + "\" already exists. Replace it?", "replace", "cancel"))
    return;
  rt::TextFile file = rt::TextFile::Create(name);
  for (const char* line : kHeader) file.WriteLine(rt::ToWindows1252(line));
  file.Flush();
  ForEachTemperature(stepping, [&](double T) {
    const double P = Globals::Pressure(Globals::fraction, T, V);
    if (!std::isfinite(P))
      throw NotExported("the pressure at " + rt::Str(T - kCelsiusOffset) + " degrees Celsius is not a finite number");
    file.WriteLine(rt::ToWindows1252(rt::Str(T - kCelsiusOffset) + ", " + rt::Str(P)));
    file.Flush();
  });
  file.Close();
  status.SetText("exported to " + file.Path());
}
