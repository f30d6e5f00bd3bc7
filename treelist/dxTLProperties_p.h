// The tree list's look: the values of its appearance properties (colours, fonts, panels shown,
// tree lines, default row height, scroll bars). Held by TCustomdxTreeList, whose accessors in
// dxTL.h read it; dxTLProperties.cpp sets it with the repaint or relayout each value needs.
#pragma once

#include <memory>

#include "controls/StdPaint.h"
#include "controls/TextBox.h"
#include "graphics/Graphic.h"
#include "treelist/dxTLTypes.h"

struct TdxTreeListLook {
  TColor ArrowsColor = clLime;
  bool AutoExpandOnSearch = true;
  TColor AutoSearchColor = clNone;
  TColor AutoSearchTextColor = clNone;
  TColor BandColor = clBtnFace;
  std::unique_ptr<TFont> BandFont;
  TBorderStyle BorderStyle = bsSingle;
  int CustomizingRowCount = 11;
  bool DblClkExpanding = true;
  TColor FixedBandLineColor = clWindowFrame;
  int FixedBandLineWidth = 2;
  TColor GridLineColor = clNone;
  TColor GroupNodeColor = clBtnFace;
  TColor GroupNodeTextColor = clNone;
  TColor HeaderColor = clBtnFace;
  std::unique_ptr<TFont> HeaderFont;
  bool HideFocusRect = true;
  bool HideSelection = true;
  TColor HideSelectionColor = clBtnFace;
  TColor HideSelectionTextColor = clBtnText;
  TColor HighlightColor = clHighlight;
  TColor HighlightTextColor = clHighlightText;
  int IndentDesc = 20;
  TdxLookAndFeel LookAndFeel = lfStandard;
  int MaxRowLineCount = -1;
  std::unique_ptr<TFont> PreviewFont;
  int PreviewLines = 2;
  TColor RowFooterColor = cl3DLight;
  TColor RowFooterTextColor = clWindowText;
  int RowSeparatorLineWidth = 1;
  TScrollStyle ScrollBars = ssBoth;
  bool ShowBands = false;
  bool ShowGrid = false;
  bool ShowHeader = true;
  bool ShowHiddenInCustomizeBox = false;
  bool SimpleCustomizeBox = false;
  bool ShowNewItemRow = false;
  bool ShowPreviewGrid = true;
  bool ShowRowFooter = false;
  DWORD WaitForExpandNodeTime = 500;
  bool ShowFooter = false;
  bool ShowIndicator = false;
  bool HideLeafIndent = false;
  bool ShowButtons = true;
  bool ShowLines = true;
  bool ShowRoot = true;
  TColor TreeLineColor = clGrayText;
  int TreeLineStyle = 1;
  // DefaultRowHeight: the height of one header row of a data row; whether the user set it, and
  // the height the user gave (the row height shown is never below the least one).
  int RowHeight = 18;
  bool RowHeightAssigned = false;
  int UserRowHeight = 0;
  // The panel fonts are being given the parent's font: their change does not clear ParentFont.
  bool TakingParentFont = false;
};
