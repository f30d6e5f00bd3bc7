// The grid's column classes: each typed data-bound column with the grid's set of published
// properties (grouping, group summaries, the header filter switch), and the check column's display
// words for its states in group rows and the header filter.
#pragma once

#include "grid/dxDBGrid.h"
#include "grid/dxDBTLCl.h"

// The grid's column of a typed kind: the kind itself under the grid class's name; the grid set of
// properties is its registration's.
template <class TBase, TdxClassNameText Name>
class TdxDBGridColumnOf : public TBase {
 public:
  explicit TdxDBGridColumnOf(TComponent* AOwner) : TBase(AOwner) {}
  String ClassName() const override { return Name.Value; }
};

using TdxDBGridMaskColumn = TdxDBGridColumnOf<TdxDBTreeListMaskColumn, "TdxDBGridMaskColumn">;
using TdxDBGridDateColumn = TdxDBGridColumnOf<TdxDBTreeListDateColumn, "TdxDBGridDateColumn">;
using TdxDBGridPickColumn = TdxDBGridColumnOf<TdxDBTreeListPickColumn, "TdxDBGridPickColumn">;
using TdxDBGridButtonColumn = TdxDBGridColumnOf<TdxDBTreeListButtonColumn, "TdxDBGridButtonColumn">;
using TdxDBGridSpinColumn = TdxDBGridColumnOf<TdxDBTreeListSpinColumn, "TdxDBGridSpinColumn">;
using TdxDBGridCalcColumn = TdxDBGridColumnOf<TdxDBTreeListCalcColumn, "TdxDBGridCalcColumn">;
using TdxDBGridBlobColumn = TdxDBGridColumnOf<TdxDBTreeListBlobColumn, "TdxDBGridBlobColumn">;
using TdxDBGridHyperLinkColumn = TdxDBGridColumnOf<TdxDBTreeListHyperLinkColumn, "TdxDBGridHyperLinkColumn">;
using TdxDBGridTimeColumn = TdxDBGridColumnOf<TdxDBTreeListTimeColumn, "TdxDBGridTimeColumn">;
using TdxDBGridCurrencyColumn = TdxDBGridColumnOf<TdxDBTreeListCurrencyColumn, "TdxDBGridCurrencyColumn">;
using TdxDBGridMemoColumn = TdxDBGridColumnOf<TdxDBTreeListMemoColumn, "TdxDBGridMemoColumn">;
using TdxDBGridGraphicColumn = TdxDBGridColumnOf<TdxDBTreeListGraphicColumn, "TdxDBGridGraphicColumn">;
using TdxDBGridMRUColumn = TdxDBGridColumnOf<TdxDBTreeListMRUColumn, "TdxDBGridMRUColumn">;
using TdxDBGridLookupColumn = TdxDBGridColumnOf<TdxDBTreeListLookupColumn, "TdxDBGridLookupColumn">;
using TdxDBGridWrapperColumn = TdxDBGridColumnOf<TdxDBTreeListWrapperColumn, "TdxDBGridWrapperColumn">;

// The image column of the grid: group rows and the header filter show the values' descriptions.
class TdxDBGridImageColumn : public TdxDBTreeListImageColumn {
 public:
  explicit TdxDBGridImageColumn(TComponent* AOwner) : TdxDBTreeListImageColumn(AOwner) {}
  String ClassName() const override { return "TdxDBGridImageColumn"; }
  String FilterValueToText(const String& Text) override { return GetValueText(Variant(Text)); }
};

// The check column of the grid: group rows and the header filter may show words of their own for
// the three states.
class TdxDBGridCheckColumn : public TdxDBTreeListCheckColumn {
 public:
  explicit TdxDBGridCheckColumn(TComponent* AOwner) : TdxDBTreeListCheckColumn(AOwner) {}
  String ClassName() const override { return "TdxDBGridCheckColumn"; }
  void Assign(const TPersistent* Source) override;

  const String& DisplayChecked() const { return FDisplayChecked; }
  void SetDisplayChecked(const String& Value) { SetDisplayText(FDisplayChecked, Value); }
  const String& DisplayUnChecked() const { return FDisplayUnChecked; }
  void SetDisplayUnChecked(const String& Value) { SetDisplayText(FDisplayUnChecked, Value); }
  const String& DisplayNull() const { return FDisplayNull; }
  void SetDisplayNull(const String& Value) { SetDisplayText(FDisplayNull, Value); }

  // The value's own text, or the display word of its state when that word is set.
  String FilterValueToText(const String& Text) override;
  // The filter's image editor describes the states by their display words when any is set.
  void InitFilterEditor(TdxInplaceEdit* Editor) override;
  void RestoreDefaults() override;

 private:
  void SetDisplayText(String& Field, const String& Value);

  String FDisplayChecked;
  String FDisplayUnChecked;
  String FDisplayNull;
};
