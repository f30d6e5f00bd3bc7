// The vocabulary the editors share: the border, button and popup-border kinds, the bits of the
// explicitly assigned defaultable properties, and the editors' exception.
#pragma once

#include "controls/ShortCut.h"
#include "rtl/Exceptions.h"

// A refused editor value; the message is the validation text the user sees.
QUORIN_EXCEPTION(EdxEditInvalidInput, Exception);

enum TdxEditBorderStyle { xbsNone, xbsSingle, xbsThick, xbsFlat, xbs3D };
inline constexpr const char* EditBorderStyleNames[] = {"xbsNone", "xbsSingle", "xbsThick", "xbsFlat", "xbs3D"};

enum TdxEditButtonViewStyle { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat };
inline constexpr const char* EditButtonViewStyleNames[] = {"btsDefault", "bts3D", "btsFlat", "btsSimple", "btsHotFlat"};

enum TdxEditButtonTransparence { ebtNone, ebtInactive, ebtAlways, ebtHideInactive };
inline constexpr const char* EditButtonTransparenceNames[] = {"ebtNone", "ebtInactive", "ebtAlways", "ebtHideInactive"};

// Edges are a set: bit i stands for edge i.
enum TdxEditEdge { edgLeft, edgTop, edgRight, edgBottom };
using TdxEditEdges = unsigned;
inline constexpr const char* EditEdgeNames[] = {"edgLeft", "edgTop", "edgRight", "edgBottom"};
constexpr TdxEditEdges EdgeBit(TdxEditEdge Edge) { return 1u << Edge; }
constexpr TdxEditEdges AllEdges = 0xF;

// Border widths of the popup borders: single 1 pixel, 3-D frame 4, flat 2, default none.
enum TdxPopupBorder { pbDefault, pbSingle, pbFrame3D, pbFlat };
inline constexpr const char* PopupBorderNames[] = {"pbDefault", "pbSingle", "pbFrame3D", "pbFlat"};
int PopupBorderWidth(TdxPopupBorder Border);

// StoredValues: which defaultable properties of an editor were assigned explicitly.
using TdxStoredValues = unsigned;
enum : TdxStoredValues {
  svAlignment = 1, svMaxLength = 2, svEditMask = 4, svValueType = 8, svMaxValue = 16, svMinValue = 32,
  svReadOnly = 64, svDisplayFormat = 0x100,
};

// The date value that means no date.
inline constexpr double NullDate = -700000.0;

// The key that clicks a button editor's default button and opens a hyperlink.
inline constexpr TShortCut dxCtrlEnter = TShortCut(scCtrl) | TShortCut(0x0D);
