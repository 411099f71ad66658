#include "app/Program.h"

#include <exception>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Start1Window.h"
#include "engine/Globals.h"
#include "framework/ErrorReport.h"
#include "framework/Window.h"

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

int Run(int argc, char** argv) {
  App app(argc, argv);
  int status = 0;
  try {
    StartUp(app);
    status = app.Run();
  } catch (const std::exception& error) {
    fw::ReportError(error.what());
  }
  ShutDown();
  return status;
}

}  // namespace Program
