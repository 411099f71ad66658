// Every field of every single-phase window given text that is no usable
// number: no crash, no hang, no press that takes a second, and no error
// report but the export's own refusals.

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

const std::vector<std::string> kBadTexts = {
    "", "abc", "nan", "-nan", "inf", "-inf", "1e400", "-1e400", "-0", "1e-400", std::string(400, '9'),
    "0." + std::string(398, '0') + "1", "put number", "1,5", "--1", "1e", ".",
};

struct Scenario {
  const char* window;
  std::function<fw::Window&()> open;
  std::vector<std::pair<const char*, const char*>> fields;  // name and a sound entry
  std::vector<const char*> presses;                          // buttons and radios, in order
  bool reportsAllowed = false;                               // the export refuses with a report
};

template <class W>
std::function<fw::Window&()> Opener() {
  return []() -> fw::Window& {
    W& window = W::Get();
    test::Activate(window);
    return window;
  };
}

std::vector<Scenario> Scenarios() {
  std::vector<const char*> roots = {"calculate", "Celsius", "calculate", "Choice0", "Choice1", "Choice2", "Kelvin"};
  std::vector<const char*> activities = {"calculate", "Choice0", "StandardChoice0", "PushButton1",
                                         "StandardChoice1", "PushButton1", "Choice1", "StandardChoice2",
                                         "PushButton1", "Choice2", "PushButton1"};
  return {
      {"pressure", Opener<PressureWindow>(), {{"dataEntry", "150"}, {"dataEntry1", "300"}},
       {"calculate", "Celsius", "calculate", "Kelvin", "PushButton1"}},
      {"temperature", Opener<TemperatureWindow>(), {{"dataEntry", "150"}, {"dataEntry1", "5"}},
       {"calculate", "Celsius", "calculate", "Kelvin"}},
      {"molar volume", Opener<VolumeWindow>(), {{"dataEntry", "5"}, {"dataEntry1", "300"}}, roots},
      {"fugacity", Opener<FugacityWindow>(), {{"dataEntry", "5"}, {"dataEntry1", "300"}}, roots},
      {"activity", Opener<ActivityWindow>(), {{"dataEntry", "5"}, {"dataEntry1", "300"}, {"dataEntry2", "1"}},
       activities},
      {"isochore", Opener<Isochore>(), {{"minimum", "0"}, {"maximum", "100"}, {"interval", "25"}},
       {"calculate", "Export"}, true},
  };
}

class BadInputTest : public WindowTest {};

TEST_F(BadInputTest, EveryFieldOfEveryWindowTakesAnyTextAndEveryPressAnswersAtOnce) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  testing_support::TempFolder folder;  // where the exports go
  test::QuestionAnswerer replace("replace");
  for (const Scenario& scenario : Scenarios()) {
    fw::Window& window = scenario.open();
    for (const auto& [field, ignored] : scenario.fields) {
      for (const std::string& bad : kBadTexts) {
        for (const auto& [name, sound] : scenario.fields) Enter(window, name, name == field ? bad : sound);
        test::ErrorCapture errors;
        for (const char* press : scenario.presses) {
          const auto start = std::chrono::steady_clock::now();
          if (window.control(press).GetKind() == fw::Kind::RadioButton)
            Choose(window, press);
          else
            Press(window, press);
          const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
          EXPECT_LT(seconds, 1.0) << scenario.window << ": " << field << " = \"" << bad << "\", " << press;
        }
        if (!scenario.reportsAllowed) {
          EXPECT_TRUE(errors.Messages().empty()) << scenario.window << ": " << field << " = \"" << bad << "\": "
                                                 << errors.Messages().front();
        }
        for (const std::string& message : errors.Messages())
          EXPECT_NE(message.find("not exported"), std::string::npos) << message;
      }
    }
  }
}

}  // namespace
