#pragma once

#include "framework/Window.h"

class LiquidVapourEq : public fw::Window {
 public:
  LiquidVapourEq();
  // The one window of this class: the open one, or a new one built from its layout.
  static LiquidVapourEq& Get() { return fw::GetImplicitWindow<LiquidVapourEq>("LiquidVapourEq.LiquidVapourEq"); }
};
