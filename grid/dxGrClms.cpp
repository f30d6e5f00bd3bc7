// The grid's check column: the display words of its states.
#include "grid/dxGrClms.h"

void TdxDBGridCheckColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBGridCheckColumn*>(Source);
  TdxDBTreeListCheckColumn::Assign(Source);
  if (!source) return;
  InsideControlUpdate([&] {
    SetDisplayChecked(source->FDisplayChecked);
    SetDisplayUnChecked(source->FDisplayUnChecked);
    SetDisplayNull(source->FDisplayNull);
  });
}

void TdxDBGridCheckColumn::SetDisplayText(String& Field, const String& Value) {
  if (Field == Value) return;
  Field = Value;
  Changed(true);
}

String TdxDBGridCheckColumn::FilterValueToText(const String& Text) {
  const String* words[] = {&FDisplayUnChecked, &FDisplayChecked, &FDisplayNull};
  const String& word = *words[StateOfText(Text)];
  return word.empty() ? Text : word;
}

void TdxDBGridCheckColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListCheckColumn::InitFilterEditor(Editor);
  auto* image = dynamic_cast<TdxInplaceImageEdit*>(Editor);
  if (!image || (FDisplayChecked.empty() && FDisplayUnChecked.empty() && FDisplayNull.empty())) return;
  image->Descriptions()->Clear();
  for (const String* word : {&FDisplayNull, &FDisplayUnChecked, &FDisplayChecked}) image->Descriptions()->Add(*word);
}

void TdxDBGridCheckColumn::RestoreDefaults() {
  TdxDBTreeListCheckColumn::RestoreDefaults();
  FDisplayChecked.clear();
  FDisplayUnChecked.clear();
  FDisplayNull.clear();
}
