// The tree list's own in-place editors and their style: the text and mask editors its two column
// classes name, and the edit style whose defaults follow the tree list's grid lines and look.
#pragma once

#include "editors/dxMaskEdit.h"
#include "editors/dxTextEdit.h"

class TCustomdxTreeList;

class TdxInplaceTreeListTextEdit : public TdxInplaceTextEdit {
 public:
  explicit TdxInplaceTreeListTextEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = EditClassObject());
  String ClassName() const override { return "TdxInplaceTreeListTextEdit"; }
  static const TdxInplaceEditClass& EditClassObject();
};

class TdxInplaceTreeListMaskEdit : public TdxInplaceMaskEdit {
 public:
  explicit TdxInplaceTreeListMaskEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = EditClassObject());
  String ClassName() const override { return "TdxInplaceTreeListMaskEdit"; }
  static const TdxInplaceEditClass& EditClassObject();
};

// Border colour clWindowFrame; no border over grid lines, else a single one; buttons by the look
// (3-D, flat, hot flat); no button transparence; all four edges; no hot tracking, no shadow.
class TdxTreeListEditStyle : public TdxEditStyle {
 public:
  explicit TdxTreeListEditStyle(TdxInplaceEdit* Edit) : TdxEditStyle(Edit) {}
  String ClassName() const override { return "TdxTreeListEditStyle"; }

 protected:
  TColor GetDefaultBorderColor() const override { return clWindowFrame; }
  TdxEditBorderStyle GetDefaultBorderStyle() const override;
  TdxEditButtonViewStyle GetDefaultButtonStyle() const override;
  TdxEditButtonTransparence GetDefaultButtonTransparence() const override { return ebtNone; }
  TdxEditEdges GetDefaultEdges() const override { return AllEdges; }
  bool GetDefaultHotTrack() const override { return false; }
  bool GetDefaultShadow() const override { return false; }

 private:
  TCustomdxTreeList* TreeList() const;
};
