#include "app/Program.h"

#include <cstdlib>
#include <exception>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Start1Window.h"
#include "engine/Globals.h"
#include "framework/ErrorReport.h"
#include "framework/Window.h"
#include "resources/Pictures.h"

namespace Program {

void StartUp(App& app) {
  Globals::ResetSharedState();
  app.SetMenuBar(&MenuBar1::Get());
  Start1Window::Get();  // designed visible: it shows itself
}

void ShutDown() {
  Pictures::ReleaseAll();
  fw::CloseAllWindows();
  if (auto* app = fw::Application::Instance()) app->SetMenuBar(nullptr);
  MenuBar1::Release();
  Globals::ResetSharedState();
}

int Run(App& app) {
  int status = EXIT_FAILURE;
  try {
    StartUp(app);
    status = app.Run();
  } catch (const std::exception& error) {
    fw::ReportError(error.what());
  } catch (...) {
    fw::ReportError("unknown error");
  }
  ShutDown();
  return status;
}

int Run(int argc, char** argv) {
  App app(argc, argv);
  return Run(app);
}

}  // namespace Program
