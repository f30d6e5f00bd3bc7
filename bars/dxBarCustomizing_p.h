// What a manager keeps for customising (dxBarCustomizing.cpp): the mode, the dialog that runs it,
// the one selected control among the manager's bar windows, and the settings of the dialog.
#pragma once

#include <memory>

#include "graphics/Graphic.h"

class TCustomForm;
class TdxBarItemControl;

struct TdxBarCustomizingState {
  bool Customizing = false;
  // The form that customises the bars while it is open.
  TCustomForm* Form = nullptr;
  TdxBarItemControl* SelectedItemControl = nullptr;
  // Set while a new selection lets go of the old one, which must not select again.
  bool SelectingItemControl = false;
  // Published: the toolbars list offers customising; the dialog's help button and its glyph.
  bool CanCustomize = true;
  bool ShowHelpButton = false;
  std::unique_ptr<TBitmap> HelpButtonGlyph;
};
