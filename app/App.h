#pragma once

#include "framework/Application.h"

// The application object; it adds nothing to the framework's.
class App : public fw::Application {
 public:
  using fw::Application::Application;
};
