// The manager's published hint settings, which the bars' hint (dxBarHint.cpp) follows.
#pragma once

struct TdxBarHintSettings {
  bool ShowHint = true;
  bool ShowHintForDisabledItems = true;
  bool ShowShortCutInHint = false;
};
