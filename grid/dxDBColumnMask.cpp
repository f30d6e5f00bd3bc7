// The mask column: masked editing with the field's mask until the column has one of its own, and
// an empty masked text that counts as an empty field.
#include "grid/dxDBColumn.h"
#include "grid/dxDBTLEditors.h"
#include "data/Fields.h"
#include "rtl/MaskText.h"

void TdxDBTreeListMaskColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListMaskColumn*>(Source);
  if (!source) return TdxDBTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxDBTreeListColumn::Assign(Source);
    SetEditMask(source->EditMask());
    FIgnoreMaskBlank = source->FIgnoreMaskBlank;
  });
}

String TdxDBTreeListMaskColumn::EditMask() const {
  if (FEditMaskAssigned) return FEditMask;
  return Field() ? Field()->EditMask() : String();
}

void TdxDBTreeListMaskColumn::SetEditMask(const String& Value) {
  if (Value == EditMask()) return;
  FEditMask = Value;
  FEditMaskAssigned = true;
  Changed(false);
}

bool TdxDBTreeListMaskColumn::IsEditMaskStored() const {
  return FEditMaskAssigned && FEditMask != (Field() ? Field()->EditMask() : String());
}

Variant TdxDBTreeListMaskColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  Field()->SetText(VarToStr(Editor->GetEditValue()));
  return Field()->Value();
}

const TdxInplaceEditClass& TdxDBTreeListMaskColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListMaskEdit::EditClassObject();
}

void TdxDBTreeListMaskColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  if (auto* mask = dynamic_cast<TdxInplaceMaskEdit*>(Editor)) {
    mask->SetEditMask(EditMask());
    mask->SetIgnoreMaskBlank(FIgnoreMaskBlank);
  }
}

Variant TdxDBTreeListMaskColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  const String text = Field()->Text();
  Editor->SetEditValue(text);
  return Variant(text);
}

void TdxDBTreeListMaskColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FEditMaskAssigned = false;
  FEditMask.clear();
  FIgnoreMaskBlank = false;
}

namespace {

// Without its trailing blanks and control characters.
String TrimTrailing(String Text) {
  while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ') Text.pop_back();
  return Text;
}

}  // namespace

bool TdxDBTreeListMaskColumn::SameAsFieldValue(const Variant& Value) {
  if (!Field() || !VarIsStr(Value)) return TdxDBTreeListColumn::SameAsFieldValue(Value);
  const String saved = Value.StringValue();
  const String text = Field()->Text();
  const String mask = EditMask();
  if (!mask.empty() && saved == ApplyMaskToValue(mask, String(), U' ')) return text.empty();
  return text == TrimTrailing(saved);
}
