// Owned list objects, key filters, edit states and help topics.
#include "app/kits/FormKit.h"

#include <cstring>

#include "app/data/KvCommon.h"
#include "rtl/ScopeExit.h"
#include "windows/SystemServices.h"

void AcceptOnly(TKeyChar& Key, const char* Allowed) {
  if (Key == '\r' || Key == '\b') return;
  if (Key == 0 || Key > 0x7f || !std::strchr(Allowed, static_cast<char>(Key))) Key = 0;
}

void FreeItemObjects(TStrings* Items) {
  for (int i = 0; i < Items->Count(); ++i) delete Items->Objects(i);
  Items->Clear();
}

bool IsEditing(const TDataSet* DataSet) { return DataSet->State() == dsEdit || DataSet->State() == dsInsert; }

void EditRecord(TDataSet* DataSet) {
  if (!IsEditing(DataSet)) DataSet->Edit();
}

void CancelEditing(TDataSet* DataSet) {
  if (IsEditing(DataSet)) DataSet->Cancel();
}

void PostRow(TDataSet* DataSet, const std::function<void()>& Fill) {
  try {
    Fill();
    DataSet->Post();
  } catch (...) {
    CancelEditing(DataSet);
    throw;
  }
}

void KeepOpenOnFailure(TCustomForm* Form, const std::function<void()>& Work) {
  auto keepOpen = ScopeExit([Form] { Form->SetModalResult(mrNone); });
  Work();
  keepOpen.Dismiss();
}

void ShowHelpContext(TCustomForm* Form, int Context) {
  WinHelp(Form->Handle(), HelpFile(), HELP_CONTEXT, static_cast<uintptr_t>(Context));
}
