// The editors' string table: every text the editors show, by the number the editors know it by
// (38901 to 38956), so that a translated table replaces all of them in one place.
#pragma once

#include "rtl/Types.h"

enum : int {
  dxSEditToday = 38903, dxSEditClear = 38904, dxSEditOK = 38905, dxSEditCancel = 38906, dxSEditClose = 38907,
  dxSEditMenuCut = 38908,         // 38908 .. 38913: cut, copy, paste, delete, save to, load from
  dxSEditPopupCaption = 38914,    // 38914 .. 38919: the picture toolbar's captions
  dxSEditPopupHint = 38920,       // 38920 .. 38925: the picture toolbar's hints
  dxSEditToolbox = 38926, dxSEditInvalidDate = 38927,
  dxSEditDateKeyword = 38928,     // 38928 .. 38947: TODAY ... NOW
  dxSEditInvalidInput = 38948, dxSEditUndo = 38949, dxSEditRedo = 38950, dxSEditError = 38951,
  dxSEditTextMenu = 38952,        // 38952 .. 38956: cut, copy, paste, delete, select all
};

// The text of an id; an id without a text gives "".
String dxEditorText(int Id);
