#include "windows/single_phase/Isochore.h"

#include <cmath>
#include <optional>
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

// The three entries as numbers (degrees Celsius, degrees Celsius, degrees),
// each when it is a finite number.
struct Entries {
  std::optional<double> minimum, maximum, interval;
};

Entries EntriesOf(fw::Window& window) {
  return {shared::FiniteEntry(window.editField("minimum").Text()),
          shared::FiniteEntry(window.editField("maximum").Text()),
          shared::FiniteEntry(window.editField("interval").Text())};
}

// The temperatures of a table (kelvin): accumulated from `start` by repeated
// addition of `step`, the first at start + step, while not greater than
// `bound`. Accumulating rather than multiplying is how the rows are formed,
// so the last digits of each row depend on it.
struct Stepping {
  double start;
  double step;
  double bound;
};

// The list starts from (minimum + 273.15) - step, the file from
// (minimum - step) + 273.15, so their last digits may differ.
enum class Table { List, File };

Stepping SteppingOf(double minimumC, double maximumC, double step, Table table) {
  const double bound = maximumC + kCelsiusOffset;
  if (table == Table::List) return {(minimumC + kCelsiusOffset) - step, step, bound};
  return {(minimumC - step) + kCelsiusOffset, step, bound};
}

enum class Run { Ends, Empty, Stalls, TooLong };

// Walks the temperatures without computing anything: whether they end within
// kMaxRows rows, end before the first row (a first temperature that rounds
// past a maximum just above the minimum), stop moving (a step lost against
// the temperature) or go on.
Run Simulate(const Stepping& s) {
  double T = s.start;
  for (int rows = 0;; ++rows) {
    const double next = T + s.step;
    if (next > s.bound) return rows == 0 ? Run::Empty : Run::Ends;
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

// Why entries make no table, as the list or as the file forms it: a reason
// for each field at fault (the window shows "put number" there) and, when
// all three are sound, one for temperatures that make no table of 1 to
// kMaxRows rows. All empty when the table can be made.
struct Verdict {
  std::string minimum, maximum, interval, rows;

  bool Refused() const { return !(minimum.empty() && maximum.empty() && interval.empty() && rows.empty()); }
  std::string Why() const {
    std::string why;
    for (const std::string* reason : {&minimum, &maximum, &interval, &rows})
      if (!reason->empty()) why += (why.empty() ? "" : "; ") + *reason;
    return why;
  }
};

// The fields at fault: a minimum below 0 K, a maximum not above the minimum
// (when that is a number), a step not above 0, an entry that is no finite
// number.
Verdict FieldsAtFault(const Entries& e) {
  Verdict v;
  const double Tmin = e.minimum.value_or(0.0) + kCelsiusOffset;
  const double Tmax = e.maximum.value_or(0.0) + kCelsiusOffset;
  if (!e.minimum)
    v.minimum = "the min. temperature is not a finite number";
  else if (Tmin < 0.0)
    v.minimum = "the min. temperature is below -273.15\u00A0\u02DAC";
  if (!e.maximum)
    v.maximum = "the max. temperature is not a finite number";
  else if (e.minimum && !(Tmax > Tmin))
    v.maximum = "the max. temperature is not above the min. temperature";
  if (!e.interval)
    v.interval = "the step size is not a finite number";
  else if (!(*e.interval > 0.0))
    v.interval = "the step size is not above 0";
  return v;
}

std::string WhyNoRows(Run run) {
  switch (run) {
    case Run::Empty:
      return "it would have no rows";
    case Run::Stalls:
      return "the step size is too small to advance the temperature";
    case Run::TooLong:
      return "it would have more than " + rt::Str(Isochore::kMaxRows) + " rows";
    case Run::Ends:
      break;
  }
  return {};
}

// The one check of both "calculate" and "export".
Verdict Check(const Entries& e, Table table) {
  Verdict v = FieldsAtFault(e);
  if (!v.Refused()) v.rows = WhyNoRows(Simulate(SteppingOf(*e.minimum, *e.maximum, *e.interval, table)));
  return v;
}

std::runtime_error NotDone(const char* done, const std::string& reason) {
  return std::runtime_error(std::string("The isochore is not ") + done + ": " + reason + ".");
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

// Each field at fault shows "put number" and the list keeps its rows. Sound
// fields whose temperatures make no table (too many rows, a step lost
// against the temperature) keep what the user typed; the report says why. A
// pressure beyond the range of numbers leaves its cell empty.
void Isochore::calculate_Action() {
  const Entries entries = EntriesOf(*this);
  const Verdict verdict = Check(entries, Table::List);
  if (!verdict.minimum.empty()) editField("minimum").SetText(kRefused);
  if (!verdict.maximum.empty()) editField("maximum").SetText(kRefused);
  if (!verdict.interval.empty()) editField("interval").SetText(kRefused);
  if (!verdict.rows.empty()) throw NotDone("calculated", verdict.rows);
  if (verdict.Refused()) return;

  const double V = Globals::MolarVolumes[0];
  std::vector<std::vector<std::string>> rows;
  ForEachTemperature(SteppingOf(*entries.minimum, *entries.maximum, *entries.interval, Table::List), [&](double T) {
    const double P = Globals::Pressure(Globals::fraction, T, V);
    rows.push_back({shared::FiniteText(T - kCelsiusOffset), shared::FiniteText(P)});
  });
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  list.AddRows(rows);
}

// The rows are recomputed from the entries as they stand, their temperatures
// formed as (minimum - step) + 273.15 plus the steps, against maximum +
// 273.15. Entries that "calculate" refuses, and a molar volume that is no
// finite number (the file's name), refuse the export before anything is
// asked or made; the report says why. A file of the same name is replaced
// only when the user agrees. Each row is on disk before the next is
// computed; the file takes its name only when complete, and the window then
// says where it is.
void Isochore::Export_Action() {
  fw::StaticText& status = staticText("ExportStatus");
  status.SetText("");
  const double V = Globals::MolarVolumes[0];
  if (!std::isfinite(V)) throw NotDone("exported", "the molar volume is not a finite number");
  const Entries entries = EntriesOf(*this);
  const Verdict verdict = Check(entries, Table::File);
  if (verdict.Refused()) throw NotDone("exported", verdict.Why());

  const std::string name = rt::Str(V) + ".txt";
  if (rt::TextFile::Exists(name) &&
      !fw::Ask(*this, "The file \"" + rt::FullPath(name) + "\" already exists. Replace it?", "replace", "cancel"))
    return;
  rt::TextFile file = rt::TextFile::Create(name);
  for (const char* line : kHeader) file.WriteLine(rt::ToWindows1252(line));
  file.Flush();
  ForEachTemperature(SteppingOf(*entries.minimum, *entries.maximum, *entries.interval, Table::File), [&](double T) {
    const double P = Globals::Pressure(Globals::fraction, T, V);
    if (!std::isfinite(P))
      throw NotDone("exported", "the pressure at " + rt::Str(T - kCelsiusOffset) + " degrees Celsius is not a finite number");
    file.WriteLine(rt::ToWindows1252(rt::Str(T - kCelsiusOffset) + ", " + rt::Str(P)));
    file.Flush();
  });
  file.Close();
  status.SetText("exported to " + file.Path());
}
