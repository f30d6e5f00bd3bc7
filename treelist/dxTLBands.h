// Bands: the upper header level. Each band heads the columns whose BandIndex names it; one band may
// be fixed at each side, outside the horizontal scrolling. The control owns the collection.
#pragma once

#include "classes/Collection.h"
#include "treelist/dxTLTypes.h"

class TCustomdxTreeListControl;
class TdxTreeListColumn;

class TdxTreeListBand : public TCollectionItem {
 public:
  explicit TdxTreeListBand(TCollection* Collection);
  // Columns of the band lose it; columns of later bands follow their band's new index.
  ~TdxTreeListBand() override;
  String ClassName() const override { return "TdxTreeListBand"; }
  // Copies everything but the two Disable flags.
  void Assign(const TPersistent* Source) override;
  void RestoreDefaults();
  // Clamped; a fixed band does not move. The band's columns move with it.
  void SetIndex(int Value) override;
  // Position among the visible bands; -1 when hidden.
  int VisibleIndex() const;
  int RowCount() const;
  int ColumnCount(int Row) const;
  TdxTreeListColumn* Columns(int Row, int Position) const;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { Store(FAlignment, Value); }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { Store(FCaption, Value); }
  bool DisableCustomizing() const { return FDisableCustomizing; }
  void SetDisableCustomizing(bool Value) { Store(FDisableCustomizing, Value); }
  bool DisableDragging() const { return FDisableDragging; }
  void SetDisableDragging(bool Value) { FDisableDragging = Value; }
  TdxGridBandFixed Fixed() const { return FFixed; }
  // One band per side: fixing a band releases the other band fixed at that side and moves this
  // one to the end of its side. A hidden band never stays fixed.
  void SetFixed(TdxGridBandFixed Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  bool OnlyOwnColumns() const { return FOnlyOwnColumns; }
  void SetOnlyOwnColumns(bool Value) { FOnlyOwnColumns = Value; }
  bool Sizing() const { return FSizing; }
  void SetSizing(bool Value) { Store(FSizing, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);

 private:
  friend class TdxTreeListBands;
  TCustomdxTreeListControl* Control() const;
  template <class V>
  void Store(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(false);
  }

  TAlignment FAlignment = taCenter;
  String FCaption;
  bool FDisableCustomizing = false;
  bool FDisableDragging = false;
  TdxGridBandFixed FFixed = bfNone;
  int FMinWidth = 30;
  bool FOnlyOwnColumns = false;
  bool FSizing = true;
  bool FVisible = true;
  int FWidth = 250;
};

class TdxTreeListBands : public TCollection {
 public:
  explicit TdxTreeListBands(TCustomdxTreeListControl* Control);
  String ClassName() const override { return "TdxTreeListBands"; }

  // The control is told of changes only while it is linked.
  TCustomdxTreeListControl* Control() const { return FControl; }
  void SetControl(TCustomdxTreeListControl* Value) { FControl = Value; }

  TdxTreeListBand* Items(int Index) const { return static_cast<TdxTreeListBand*>(TCollection::Items(Index)); }
  TdxTreeListBand* Add() { return static_cast<TdxTreeListBand*>(TCollection::Add()); }
  int VisibleCount() const;
  // nil when out of range.
  TdxTreeListBand* VisibleItems(int VisibleIndex) const;
  // -1 when not visible or out of range.
  int VisibleIndexToIndex(int VisibleIndex) const;
  int IndexToVisibleIndex(int Index) const;
  // The fixed-left band must be the first visible band and the fixed-right band the last; when not,
  // the first band that was fixed at each side is fixed there again and the others released.
  void ValidateFixed();

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TCustomdxTreeListControl* FControl;
  bool FValidating = false;
};
