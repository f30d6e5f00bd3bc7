// What decides whether a manager's bars may be reset to the design (dxBarReset.cpp).
#pragma once

struct TdxBarResetSettings {
  bool AllowReset = true;
  bool UseFullReset = false;
  // How often the manager was read from a layout; a reset needs exactly one.
  int ReadStateCount = 0;
};
