// What the two item-list windows share: the items of one item table in a grid whose names and
// units are edited in the cells; OK posts the pending edit, Cancel drops it, and either closes
// the window, which frees itself.
#pragma once

#include "classes/Properties.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "grid/dxDBGrid.h"

// The text of a group row of the item-type column: "项目类别：" and the type's numeral ("三" for
// 3); a type outside 1 to 5 shows its number.
String ProgTypeText(int ProgType);

class TfmSetProgList : public TForm {
 public:
  String ClassName() const override { return "TfmSetProgList"; }
  static void Publish(TClassBuilder<TfmSetProgList>& c);

  TdxDBGrid* dxDBGrid1 = nullptr;
  TADOQuery* adqProgType = nullptr;

 protected:
  explicit TfmSetProgList(TComponent* AOwner) : TForm(AOwner) {}
  void Loaded() override;
  // The query of the window's items, in the order the grid lists them.
  virtual String ItemsSql() const = 0;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void dxDBGrid1CustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                               TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                               String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);
};
