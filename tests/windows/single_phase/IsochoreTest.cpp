// The isochore window and its export, reached from the pressure window.

#include "windows/single_phase/Isochore.h"

#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "tests/FileCallLog.h"
#include "tests/TempFolder.h"
#include "tests/windows/LayoutChecks.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;
using testing_support::TempFolder;

constexpr const char* kRefused = "put number";
const std::string kHeader =
    "van der Waals equation of state\nreference: Tenvick (2009)\nTemperature, Pressure\n(Celsius), (MPa)\n";

class IsochoreTest : public WindowTest {
 protected:
  // The pressure window's calculation at this molar volume, then its
  // "Isochore calculation", as a user reaches the isochore window.
  Isochore& OpenAt(const std::string& volume) {
    auto& pressures = Open<PressureWindow>();
    Enter(pressures, "dataEntry", volume);
    Enter(pressures, "dataEntry1", "300");
    Press(pressures, "calculate");
    Press(pressures, "PushButton1");
    Isochore& window = Isochore::Get();
    test::Activate(window);
    return window;
  }
  static void Entries(Isochore& window, const std::string& minimum, const std::string& maximum,
                      const std::string& interval) {
    Enter(window, "minimum", minimum);
    Enter(window, "maximum", maximum);
    Enter(window, "interval", interval);
  }
  static std::string Field(Isochore& window, const char* name) { return window.editField(name).Text(); }

  // The rows of the export file worked out here: the temperature formed as
  // (minimum - step) + 273.15 plus the steps, the pressure from the isotherm.
  static std::vector<std::pair<std::string, double>> ExportRows(double minimum, double maximum, double step,
                                                                double V) {
    const vdw::Mixture m = vdw::Of(Globals::fraction);
    std::vector<std::pair<std::string, double>> rows;
    for (double T = (minimum - step) + 273.15 + step; T <= maximum + 273.15; T += step)
      rows.emplace_back(rt::Str(T - 273.15), V > m.b ? vdw::Pressure(m, T, V) : 0.0);
    return rows;
  }
  // The file checked line by line: the header, then "temperature, pressure".
  static void ExpectFile(const std::string& bytes, const std::vector<std::pair<std::string, double>>& rows) {
    ASSERT_EQ(bytes.substr(0, kHeader.size()), kHeader);
    std::istringstream lines(bytes.substr(kHeader.size()));
    std::string line;
    std::size_t row = 0;
    for (; std::getline(lines, line); ++row) {
      ASSERT_LT(row, rows.size()) << line;
      const auto comma = line.find(", ");
      ASSERT_NE(comma, std::string::npos) << line;
      EXPECT_EQ(line.substr(0, comma), rows[row].first) << "row " << row;
      const double P = rt::Val(line.substr(comma + 2));
      EXPECT_NEAR(P, rows[row].second, 1e-13 * std::fabs(rows[row].second)) << "row " << row;
      EXPECT_EQ(line.substr(comma + 2), rt::Str(P)) << "the pressure's own text";
    }
    EXPECT_EQ(row, rows.size());
    EXPECT_EQ(bytes.back(), '\n');
    for (unsigned char c : bytes) EXPECT_LT(c, 0x80) << "ASCII texts only";
  }
};

TEST_F(IsochoreTest, OnlyThePressureWindowOpensItWithTheVolumeInTheSharedState) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  auto& pressures = Open<PressureWindow>();
  ASSERT_EQ(fw::FindImplicitWindow("Isochore.Isochore"), nullptr);
  Press(pressures, "PushButton1");  // before any calculation: element 0 as it is
  fw::Window* opened = fw::FindImplicitWindow("Isochore.Isochore");
  ASSERT_NE(opened, nullptr);
  test::ProcessEvents();
  EXPECT_TRUE(opened->isVisible());
  EXPECT_EQ(TextOf(*opened, "ResultV"), "0");
  EXPECT_EQ(TextOf(*opened, "ResultV1"), "0");

  Enter(pressures, "dataEntry", "250");
  Enter(pressures, "dataEntry1", "300");
  Press(pressures, "calculate");
  Press(pressures, "Clear");  // keeps the shared volume
  Press(pressures, "PushButton1");
  EXPECT_EQ(fw::FindImplicitWindow("Isochore.Isochore"), opened) << "the same window again";
  test::Activate(*opened);
  EXPECT_EQ(TextOf(*opened, "ResultV"), "250");
}

TEST_F(IsochoreTest, ZeroToHundredByTwentyFiveGivesFiveRowsOnTheIsochore) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Isochore& window = OpenAt("150");
  EXPECT_EQ(window.Title(), "Isochore");
  EXPECT_EQ(TextOf(window, "ResultV"), "150");
  Globals::MolecularMasses();
  const double mass = 0.5 * Globals::MM[CO2] + 0.5 * Globals::MM[CH4];
  EXPECT_NEAR(NumberOf(window, "ResultV1"), mass / 150, 1e-14);
  fw::ListBox& list = window.listBox("ListBox1");
  EXPECT_EQ(list.Heading(0), "Temperature (\u02DAC)");
  EXPECT_EQ(list.Heading(1), "Pressure (MPa)");

  Entries(window, "0", "100", "25");
  Press(window, "calculate");
  ASSERT_EQ(list.RowCount(), 5);
  const vdw::Mixture m = vdw::Of(Globals::fraction);
  for (int row = 0; row < 5; ++row) {
    const double t = 25.0 * row;
    EXPECT_NEAR(rt::Val(list.Cell(row, 0)), t, 1e-12) << row;
    const double P = vdw::Pressure(m, t + 273.15, 150.0);
    EXPECT_NEAR(rt::Val(list.Cell(row, 1)), P, 1e-13 * P) << row;
  }
}

TEST_F(IsochoreTest, TwentyToThirtyByATenthGivesAHundredRowsAndMinus273_15IsAccepted) {
  SetFluid({{CO2, 1.0}});
  Isochore& window = OpenAt("100");
  Entries(window, "20", "30", "0.1");
  Press(window, "calculate");
  fw::ListBox& list = window.listBox("ListBox1");
  ASSERT_EQ(list.RowCount(), 100);  // the accumulated temperature lands just above 30
  EXPECT_NEAR(rt::Val(list.Cell(99, 0)), 29.9, 1e-9);
  EXPECT_NEAR(rt::Val(list.Cell(0, 0)), 20.0, 1e-12);

  Entries(window, "-273.15", "-170", "50");
  Press(window, "calculate");
  EXPECT_EQ(Field(window, "minimum"), "-273.15");
  ASSERT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.Cell(0, 0), "-273.15");
  const double a = vdw::PureA(CO2);  // at 0 K only the attraction is left
  EXPECT_NEAR(rt::Val(list.Cell(0, 1)), -a / (100.0 * 100.0), 1e-13 * a / 1e4);
}

TEST_F(IsochoreTest, TheWindowsOwnChecksPutNumberInTheFieldsAtFault) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Isochore& window = OpenAt("150");
  fw::ListBox& list = window.listBox("ListBox1");
  Entries(window, "0", "100", "25");
  Press(window, "calculate");
  ASSERT_EQ(list.RowCount(), 5);

  Entries(window, "-274", "100", "25");
  Press(window, "calculate");
  EXPECT_EQ(Field(window, "minimum"), kRefused);
  EXPECT_EQ(Field(window, "maximum"), "100");
  EXPECT_EQ(list.RowCount(), 5) << "the list keeps its rows";

  Entries(window, "40", "40", "25");
  Press(window, "calculate");
  EXPECT_EQ(Field(window, "maximum"), kRefused);
  EXPECT_EQ(Field(window, "minimum"), "40");
  EXPECT_EQ(Field(window, "interval"), "25");

  Entries(window, "0", "100", "0");
  Press(window, "calculate");
  EXPECT_EQ(Field(window, "interval"), kRefused);
  EXPECT_EQ(Field(window, "maximum"), "100");

  Entries(window, "", "", "");
  Press(window, "calculate");
  EXPECT_EQ(Field(window, "minimum"), "");
  EXPECT_EQ(Field(window, "maximum"), kRefused);
  EXPECT_EQ(Field(window, "interval"), kRefused);
  EXPECT_EQ(list.RowCount(), 5);
}

TEST_F(IsochoreTest, EntriesThatAreNoFiniteNumberPutNumberInTheirFields) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Isochore& window = OpenAt("150");
  struct Case {
    const char *minimum, *maximum, *interval;
    bool minimumRefused, maximumRefused, intervalRefused;
  };
  const Case cases[] = {
      {"0", "inf", "1", false, true, false},
      {"0", "1e400", "1", false, true, false},
      {"0", "100", "inf", false, false, true},
      {"0", "100", "1e400", false, false, true},
      {"nan", "100", "1", true, false, false},
      {"inf", "100", "1", true, false, false},  // no number to compare the maximum with
      {"-inf", "100", "1", true, false, false},
      {"0", "nan", "1", false, true, false},
      {"0", "100", "nan", false, false, true},
      {"0", "100", "-5", false, false, true},
  };
  test::ErrorCapture errors;
  for (const Case& c : cases) {
    Entries(window, c.minimum, c.maximum, c.interval);
    Press(window, "calculate");
    const std::string where = std::string(c.minimum) + " " + c.maximum + " " + c.interval;
    EXPECT_EQ(Field(window, "minimum") == kRefused, c.minimumRefused) << where;
    EXPECT_EQ(Field(window, "maximum") == kRefused, c.maximumRefused) << where;
    EXPECT_EQ(Field(window, "interval") == kRefused, c.intervalRefused) << where;
    EXPECT_EQ(window.listBox("ListBox1").RowCount(), 0) << where;
  }
  EXPECT_TRUE(errors.Messages().empty()) << "the fields say it";
}

// Three sound numbers whose temperatures make no list: the step is no fault
// of its field, so every field keeps what the user typed, the list keeps its
// rows and the report gives the reason.
TEST_F(IsochoreTest, SoundEntriesThatMakeNoListKeepWhatWasTypedAndTheReportSaysWhy) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Isochore& window = OpenAt("150");
  struct Case {
    const char *minimum, *maximum, *interval, *reason;
  };
  const Case cases[] = {
      {"0", "10000", "1", "it would have more than 10000 rows"},  // 10,001 rows
      {"0", "1e9", "0.001", "it would have more than 10000 rows"},
      {"0", "100", "1e-14", "the step size is too small to advance the temperature"},  // lost against 373.15 K
      // 273.15 - 10^6 + 10^6 rounds to 2.3e-11 above 273.15, past 273.15 + 10^-13.
      {"0", "1e-13", "1000000", "it would have no rows"},
  };
  for (const Case& c : cases) {
    Entries(window, "0", "100", "25");
    Press(window, "calculate");
    Entries(window, c.minimum, c.maximum, c.interval);
    test::ErrorCapture errors;
    Press(window, "calculate");
    EXPECT_EQ(errors.Messages(), std::vector<std::string>{"The isochore is not calculated: " + std::string(c.reason) + "."});
    EXPECT_EQ(Field(window, "minimum"), c.minimum);
    EXPECT_EQ(Field(window, "maximum"), c.maximum);
    EXPECT_EQ(Field(window, "interval"), c.interval);
    EXPECT_EQ(window.listBox("ListBox1").RowCount(), 5) << c.reason;
  }
  // Exactly 10,000 rows are allowed.
  Entries(window, "0", "9999", "1");
  Press(window, "calculate");
  EXPECT_EQ(window.listBox("ListBox1").RowCount(), Isochore::kMaxRows);
  EXPECT_EQ(window.listBox("ListBox1").Cell(Isochore::kMaxRows - 1, 0), "9999");
}

TEST_F(IsochoreTest, ActivationEmptiesTheListAndRereadsTheSharedMolarVolume) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Isochore& window = OpenAt("150");
  Entries(window, "0", "100", "25");
  Press(window, "calculate");

  // A root listing elsewhere replaces element 0 of the shared volumes.
  auto& volumes = Open<VolumeWindow>();
  Enter(volumes, "dataEntry", "5");
  Enter(volumes, "dataEntry1", "400");
  Press(volumes, "calculate");
  const std::string root = TextOf(volumes, "TextChoice0");

  test::Activate(window);
  EXPECT_EQ(window.listBox("ListBox1").RowCount(), 0);
  EXPECT_EQ(TextOf(window, "ResultV"), root);
  EXPECT_EQ(Field(window, "interval"), "25") << "the entries stay";

  // "calculate" reads element 0 when pressed, even without a reactivation.
  Globals::MolarVolumes[0] = 30.0;  // below b: every pressure 0
  Press(window, "calculate");
  ASSERT_EQ(window.listBox("ListBox1").RowCount(), 5);
  EXPECT_EQ(window.listBox("ListBox1").Cell(2, 1), "0");
  EXPECT_EQ(TextOf(window, "ResultV"), root);
}

// The window's own question or report takes the front while it shows; its
// closing hands the front back, which is no return to the window. Only after
// another window has been in front does coming back empty the list.
TEST_F(IsochoreTest, ClosingTheWindowsOwnQuestionOrReportKeepsTheList) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  auto& pressures = PressureWindow::Get();
  struct Case {
    const char* what;
    const char* interval;  // after a list from 0 to 100 in steps of 25
    const char* press;
    const char* answer;
    std::string shown;
  };
  const std::string replace = "The file \"" + (folder.Path() / "150.txt").string() + "\" already exists. Replace it?";
  const Case cases[] = {
      {"the question, cancelled", "25", "Export", "cancel", replace},
      {"the question, answered", "25", "Export", "replace", replace},
      {"the export's refusal", "0", "Export", "OK", "The isochore is not exported: the step size is not above 0."},
      {"the list's refusal", "1e-14", "calculate", "OK",
       "The isochore is not calculated: the step size is too small to advance the temperature."},
  };
  for (const Case& c : cases) {
    for (const bool handedBack : {true, false}) {
      folder.Write("150.txt", "old\n");
      Entries(window, "0", "100", "25");
      Press(window, "calculate");
      Enter(window, "interval", c.interval);
      {
        test::QuestionAnswerer answerer(c.answer);
        Press(window, c.press);
        ASSERT_EQ(answerer.Questions().size(), 1u) << c.what;
        EXPECT_EQ(answerer.Questions()[0].question, c.shown);
      }
      if (handedBack) {
        test::Activate(window);  // the front handed back as the dialog goes
        EXPECT_EQ(window.listBox("ListBox1").RowCount(), 5) << c.what;
      }
      // The user goes to another window first, or later, then comes back.
      test::Activate(pressures);
      test::Activate(window);
      EXPECT_EQ(window.listBox("ListBox1").RowCount(), 0) << c.what << ", then a return from another window";
    }
  }
}

TEST_F(IsochoreTest, TheExportFileHoldsTheHeaderAndTheRowsFormedTheExportsWay) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  Entries(window, "0", "100", "25");
  test::ErrorCapture errors;
  Press(window, "Export");
  EXPECT_TRUE(errors.Messages().empty());
  const std::string bytes = folder.Read("150.txt");
  ExpectFile(bytes, ExportRows(0, 100, 25, 150));
  EXPECT_EQ(bytes.substr(kHeader.size(), 3), "0, ");
  EXPECT_NE(bytes.find("\n100, "), std::string::npos);

  // After a reactivation emptied the list, the export recomputes everything
  // from the entries; every byte is on the disk before the file takes the
  // name, and the folder follows.
  Entries(window, "-200", "0", "50");
  test::Activate(VolumeWindow::Get());
  test::Activate(window);
  test::QuestionAnswerer replace("replace");
  testing_support::FileCallLog log;
  Press(window, "Export");
  EXPECT_EQ(replace.Questions().size(), 1u);
  const auto rows = ExportRows(-200, 0, 50, 150);
  ASSERT_EQ(rows.size(), 5u);
  const std::string replaced = folder.Read("150.txt");
  ExpectFile(replaced, rows);
  EXPECT_EQ(log.Steps(), (std::vector<std::string>{"open temporary", "write temporary", "fsync temporary",
                                                   "close temporary", "rename temporary to 150.txt",
                                                   "open folder .", "fsync folder .", "close folder ."}));
  EXPECT_EQ(log.BytesWritten(), replaced.size());
  EXPECT_TRUE(errors.Messages().empty());
}

// The list forms its temperatures from (minimum + 273.15) - step, the file
// from (minimum - step) + 273.15, each then adding the step and subtracting
// 273.15 for the text; the last digits show which. The texts were worked out
// apart from the program, step by step in IEEE doubles in that order, and
// rounded to 15 digits.
TEST_F(IsochoreTest, TheListAndTheFileFormTheirTemperaturesEachTheirOwnWay) {
  SetFluid({{CO2, 1.0}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  test::QuestionAnswerer replace("replace");
  const struct {
    const char *minimum, *maximum, *step;
    std::vector<std::string> list, file;
  } cases[] = {
      {"289", "360", "6.7",
       {"289", "295.7", "302.4", "309.1", "315.8", "322.5", "329.2", "335.9", "342.6", "349.3", "356"},
       {"289", "295.7", "302.4", "309.1", "315.8", "322.5", "329.2", "335.9", "342.6", "349.300000000001",
        "356.000000000001"}},
      // The list's third temperature is the maximum, the file's one unit in the
      // last place above it.
      {"0.001", "0.201", "0.1",
       {"0.000999999999976353", "0.100999999999999", "0.201000000000022"},
       {"0.0010000000000332", "0.101000000000056"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.minimum) + " to " + c.maximum + " by " + c.step);
    Entries(window, c.minimum, c.maximum, c.step);
    Press(window, "calculate");
    const fw::ListBox& list = window.listBox("ListBox1");
    std::vector<std::string> listed, written;
    for (int row = 0; row < list.RowCount(); ++row) listed.push_back(list.Cell(row, 0));
    EXPECT_EQ(listed, c.list);
    Press(window, "Export");
    std::istringstream lines(folder.Read("150.txt").substr(kHeader.size()));
    for (std::string line; std::getline(lines, line);) written.push_back(line.substr(0, line.find(", ")));
    EXPECT_EQ(written, c.file);
  }
}

// Entries that "calculate" refuses are refused by "export" too, before it
// asks or writes anything: a good file of the name stays as it was.
TEST_F(IsochoreTest, AnExportOfEntriesThatCalculateRefusesWritesNothingAsksNothingAndSaysWhy) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  const std::string good = kHeader + "0, 4.3\n";
  struct Case {
    const char *minimum, *maximum, *interval, *reason;
  };
  const Case cases[] = {
      {"-300", "-250", "10", "the min. temperature is below -273.15\u00A0\u02DAC"},  // below 0 K
      {"", "", "", "the max. temperature is not above the min. temperature; the step size is not above 0"},
      {"0", "100", "-1", "the step size is not above 0"},
      {"50", "10", "5", "the max. temperature is not above the min. temperature"},
      {"-300", "-400", "0",
       "the min. temperature is below -273.15\u00A0\u02DAC; the max. temperature is not above the min. temperature; "
       "the step size is not above 0"},
      {"0", "inf", "1", "the max. temperature is not a finite number"},
      {"-1e400", "0", "1", "the min. temperature is not a finite number"},
      {"inf", "10", "5", "the min. temperature is not a finite number"},
      {"0", "100", "nan", "the step size is not a finite number"},
      {"0", "100", "1e-14", "the step size is too small to advance the temperature"},
      {"0", "10000", "1", "it would have more than 10000 rows"},
      {"0", "1e9", "0.001", "it would have more than 10000 rows"},
      {"0", "1e-13", "1000000", "it would have no rows"},
  };
  test::QuestionAnswerer replace("replace");
  for (const Case& c : cases) {
    const std::string where = std::string(c.minimum) + " " + c.maximum + " " + c.interval;
    folder.Write("150.txt", good);
    Entries(window, "0", "100", "25");
    Press(window, "calculate");
    Entries(window, c.minimum, c.maximum, c.interval);
    {
      test::ErrorCapture errors;
      testing_support::FileCallLog log;
      Press(window, "Export");
      EXPECT_EQ(errors.Messages(), std::vector<std::string>{"The isochore is not exported: " + std::string(c.reason) + "."});
      EXPECT_TRUE(log.Calls().empty()) << where;
    }
    EXPECT_TRUE(replace.Questions().empty()) << where;
    EXPECT_EQ(folder.Read("150.txt"), good) << where;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"150.txt"}) << where;
    EXPECT_EQ(TextOf(window, "ExportStatus"), "") << where;
    EXPECT_EQ(Field(window, "interval"), c.interval) << where << ": the export changes no field";

    // "calculate" refuses the same entries: the list keeps its rows.
    test::ErrorCapture errors;
    Press(window, "calculate");
    EXPECT_EQ(window.listBox("ListBox1").RowCount(), 5) << where;
    const bool putNumber = Field(window, "minimum") == kRefused || Field(window, "maximum") == kRefused ||
                           Field(window, "interval") == kRefused;
    EXPECT_NE(putNumber, errors.Messages().size() == 1u) << where;
  }

  // "put number" that "calculate" left in a field is refused too: it reads
  // as 0, which would give a file of the four header lines.
  Entries(window, "40", "40", "25");
  Press(window, "calculate");
  ASSERT_EQ(Field(window, "maximum"), kRefused);
  test::ErrorCapture errors;
  Press(window, "Export");
  EXPECT_EQ(errors.Messages(),
            std::vector<std::string>{"The isochore is not exported: the max. temperature is not above the min. temperature."});
  EXPECT_EQ(folder.Read("150.txt"), good);
}

TEST_F(IsochoreTest, TheFileIsNamedAfterTheSharedVolumeWhateverItIs) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  test::QuestionAnswerer replace("replace");
  Isochore& window = OpenAt("30");  // below b: pressures 0
  Entries(window, "10", "30", "10");
  Press(window, "Export");
  ExpectFile(folder.Read("30.txt"), {{"10", 0.0}, {"20", 0.0}, {"30", 0.0}});
  EXPECT_NE(folder.Read("30.txt").find("\n20, 0\n"), std::string::npos);

  Globals::MolarVolumes[0] = 0.0;
  Press(window, "Export");
  EXPECT_TRUE(folder.Has("0.txt"));

}

TEST_F(IsochoreTest, AFileOfTheSameNameIsReplacedOnlyWhenTheUserSaysSoAndTheWindowSaysWhere) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  Entries(window, "0", "100", "25");
  const std::string path = (folder.Path() / "150.txt").string();
  // 150.txt is a second name of the user's own v.txt.
  folder.Write("v.txt", "the user's own table\n");
  std::filesystem::create_hard_link("v.txt", "150.txt");
  {
    test::QuestionAnswerer cancel("cancel");
    Press(window, "Export");
    ASSERT_EQ(cancel.Questions().size(), 1u);
    const auto& asked = cancel.Questions()[0];
    EXPECT_EQ(asked.title, "Isochore");
    EXPECT_NE(asked.question.find("\"" + path + "\" already exists"), std::string::npos) << asked.question;
    EXPECT_EQ(asked.answers, (std::vector<std::string>{"replace", "cancel"}));
  }
  EXPECT_EQ(folder.Read("150.txt"), "the user's own table\n") << "cancel writes nothing";
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"150.txt", "v.txt"}));
  EXPECT_EQ(TextOf(window, "ExportStatus"), "");

  test::QuestionAnswerer replace("replace");
  Press(window, "Export");
  EXPECT_EQ(replace.Questions().size(), 1u);
  ExpectFile(folder.Read("150.txt"), ExportRows(0, 100, 25, 150));
  EXPECT_EQ(folder.Read("v.txt"), "the user's own table\n") << "the other name keeps its content";
  EXPECT_EQ(TextOf(window, "ExportStatus"), "exported to " + path);
  ExpectNothingCutOff(window);

  // A new name asks nothing; an export that fails clears the line.
  Globals::MolarVolumes[0] = 200.0;
  Press(window, "Export");
  EXPECT_EQ(replace.Questions().size(), 1u);
  EXPECT_EQ(TextOf(window, "ExportStatus"), "exported to " + (folder.Path() / "200.txt").string());
  Entries(window, "0", "100", "0");
  test::ErrorCapture errors;
  Press(window, "Export");
  EXPECT_EQ(errors.Messages().size(), 1u);
  EXPECT_EQ(TextOf(window, "ExportStatus"), "");
}

TEST_F(IsochoreTest, NoFileIsNamedOrFilledFromANumberThatIsNotFinite) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  struct Case {
    double volume;
    const char *minimum, *maximum, *interval, *reason;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {inf, "0", "100", "25", "molar volume"},
      {-inf, "0", "100", "25", "molar volume"},
      {std::nan(""), "0", "100", "25", "molar volume"},
      {inf, "50", "10", "5", "molar volume"},  // even a header-only file
      // R T overflows: the first pressure is infinite.
      {150.0, "1e308", "1.5e308", "1e307", "pressure at 1e+308"},
  };
  test::QuestionAnswerer replace("replace");
  for (const Case& c : cases) {
    folder.Write("150.txt", "kept\n");
    Globals::MolarVolumes[0] = c.volume;
    Entries(window, c.minimum, c.maximum, c.interval);
    test::ErrorCapture errors;
    Press(window, "Export");
    ASSERT_EQ(errors.Messages().size(), 1u) << c.reason;
    EXPECT_NE(errors.Messages()[0].find("not exported: the " + std::string(c.reason)), std::string::npos)
        << errors.Messages()[0];
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"150.txt"}) << c.reason;
    EXPECT_EQ(folder.Read("150.txt"), "kept\n");
  }
}

TEST_F(IsochoreTest, AFileThatCannotBeWrittenIsReportedAndTheOldFileStays) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  TempFolder folder;
  Isochore& window = OpenAt("150");
  Entries(window, "0", "100", "1");
  std::filesystem::create_directory("150.txt");
  {
    test::ErrorCapture errors;
    Press(window, "Export");
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find((folder.Path() / "150.txt").string()), std::string::npos);
    EXPECT_NE(errors.Messages()[0].find(std::strerror(EISDIR)), std::string::npos) << errors.Messages()[0];
  }
  std::filesystem::remove("150.txt");

  // The disk refuses the rows part-way (a file-size limit of 300 bytes), with
  // SIGXFSZ as the system sets it, which would end the program: the report
  // names the reason, the old file stays whole and nothing else is left.
  folder.Write("150.txt", "the previous isochore\n");
  test::QuestionAnswerer replace("replace");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = ::signal(SIGXFSZ, SIG_DFL);
  rlimit small = saved;
  small.rlim_cur = 300;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  test::ErrorCapture errors;
  Press(window, "Export");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  ASSERT_EQ(errors.Messages().size(), 1u);
  EXPECT_NE(errors.Messages()[0].find(std::strerror(EFBIG)), std::string::npos) << errors.Messages()[0];
  EXPECT_EQ(folder.Read("150.txt"), "the previous isochore\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"150.txt"});
  EXPECT_EQ(TextOf(window, "ExportStatus"), "");
}

}  // namespace
