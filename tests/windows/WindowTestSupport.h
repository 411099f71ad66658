#pragma once
// The fixture of the calculation-window tests: the program started as at
// start-up (fresh shared state, menu bar, start window), a fluid defined,
// and the windows opened, typed into and clicked as a user would.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "engine/Globals.h"
#include "app/App.h"
#include "framework/TestSupport.h"
#include "runtime/Runtime.h"

namespace wintest {

namespace test = fw::test;

// Gas indices by name, for readable fluids.
enum Gas { H2O, CO2, N2, H2S, NH3, H2, O2, CO, Ar, CH4, C2H6 };

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Program::StartUp(*static_cast<App*>(fw::Application::Instance()));
  }
  void TearDown() override {
    Program::ShutDown();
    test::ProcessEvents();
    for (const auto& asked : unexpected_.Questions()) ADD_FAILURE() << "asked unexpectedly: " << asked.question;
  }

  // The fluid as the fluid window's "continue" leaves it: the fractions and
  // their integers at the 10^-12 grain.
  static void SetFluid(std::initializer_list<std::pair<Gas, double>> fractions) {
    Globals::Composition x{};
    for (const auto& [gas, value] : fractions) x[gas] = value;
    SetFluid(x);
  }
  static void SetFluid(const Globals::Composition& x) {
    Globals::fraction = x;
    for (int gas = 0; gas < Globals::NumGases; ++gas) Globals::IntegerFraction[gas] = rt::ToInt64(x[gas] * 1e12);
  }

  // The window of class W from its getter, shown and made the active window
  // as the procedure chooser's "continue" leaves it.
  template <class W>
  static W& Open() {
    W& window = W::Get();
    test::Activate(window);
    return window;
  }

  // Replaces the text of a field by typing.
  static void Enter(fw::Window& window, const char* field, const std::string& text) {
    test::Retype(window.editField(field), text);
  }
  static void Press(fw::Window& window, const char* button) {
    test::Click(window.pushButton(button));
  }
  static void Choose(fw::Window& window, const char* radio) {
    test::Click(window.radioButton(radio));
  }
  static std::string TextOf(fw::Window& window, const char* label) {
    return window.staticText(label).Text();
  }
  static double NumberOf(fw::Window& window, const char* label) {
    return rt::Val(window.staticText(label).Text());
  }

  // Keeps a picture of the window for a person to look at, as <name>.png in
  // the folder that VDW_SCREENSHOTS names; nothing without it.
  static void KeepScreenshot(fw::Window& window, const std::string& name) {
    if (qEnvironmentVariableIsEmpty("VDW_SCREENSHOTS")) return;
    test::ProcessEvents();
    KeepScreenshot(window.grab().toImage(), name);
  }
  static void KeepScreenshot(const QImage& picture, const std::string& name) {
    const QByteArray folder = qgetenv("VDW_SCREENSHOTS");
    if (folder.isEmpty()) return;
    EXPECT_TRUE(picture.save(QString::fromUtf8(folder) + "/" + QString::fromStdString(name) + ".png"));
  }

  // A press of a button or a radio as the user makes it.
  static void Click(fw::Window& window, const char* name) {
    if (window.control(name).GetKind() == fw::Kind::RadioButton)
      test::Click(window.radioButton(name));
    else
      test::Click(window.pushButton(name));
  }

  // Steps of a user: "field=text" types the text into the field, a bare name
  // clicks that button or radio.
  static void Perform(fw::Window& window, const std::vector<std::string>& steps) {
    for (const std::string& step : steps) {
      const auto at = step.find('=');
      if (at == std::string::npos)
        Click(window, step.c_str());
      else
        test::Retype(window.editField(step.substr(0, at)), step.substr(at + 1));
    }
  }

  // The text of a label or of an entry field.
  static std::string Shown(fw::Window& window, const std::string& name) {
    if (auto* field = dynamic_cast<fw::EditField*>(&window.control(name))) return field->Text();
    return window.staticText(name).Text();
  }

 private:
  // A question that a test does not answer itself is refused and fails it,
  // rather than waiting for ever.
  test::QuestionAnswerer unexpected_{"cancel"};
};

// The open window of that title that the user sees, or nullptr.
inline fw::Window* ShownWindow(const std::string& title) {
  for (fw::Window* window : fw::OpenWindows())
    if (window->Title() == title && window->isVisible()) return window;
  return nullptr;
}

// Opens a window of class W as the procedure chooser does, for tables of
// windows (the fixture's Open is protected).
struct Opener : WindowTest {
  template <class W>
  static fw::Window& Of() { return Open<W>(); }
};

}  // namespace wintest
