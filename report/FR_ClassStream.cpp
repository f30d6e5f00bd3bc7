// Reading and writing a report's template: files, streams and the "ReportForm" data of stored
// layouts. Object positions inside a template count from its first byte, so a template is read
// from, and written through, a memory stream of its own.
#include "report/FR_Class.h"

#include "classes/Filer.h"
#include "controls/Dialogs.h"
#include "report/FR_Const.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Files.h"

void TfrReport::ShowError(const String& Text) { MessageDlg(Text, frLoadStr(55206), mtError, MsgDlgBit(mbOK)); }

bool TfrReport::LoadFromFile(const String& AFileName) {
  if (!FileExists(AFileName)) return false;
  bool read;
  {
    TFileStream file(AFileName, fmOpenRead | fmShareDenyWrite);
    read = LoadFromStream(file);
  }
  FFileName = AFileName;
  return read;
}

// An empty stream holds no template either: it is refused like any other, so that the report
// never goes on with the template it held before.
bool TfrReport::LoadFromStream(TStream& Stream) {
  FDictionary->Clear();
  const int64_t length = Stream.Size() - Stream.Position();
  TMemoryStream buffer;
  if (length > 0) buffer.CopyFrom(Stream, length);
  buffer.SetPosition(0);
  TfrEngineState& state = frState();
  // The pages are read anew: a page of this report at work now is not at work afterwards.
  for (int i = 0; i < FPages->Count(); ++i)
    if (state.ActivePage == &FPages->Pages(i)) state.ActivePage = nullptr;
  TfrRestore<TfrReport*> activeReport(state.ActiveReport);
  TfrRestore<TfrPage*> activePage(state.ActivePage);
  state.ActiveReport = this;
  try {
    uint8_t version;
    buffer.ReadBuffer(&version, 1);
    state.FileVersion = version;
    // A file without the version byte starts with its first Word: a small number, or 0xFFFF for a
    // set flag.
    if (version < 21 || version == 0xFF) {
      state.FileVersion = 21;
      buffer.SetPosition(0);
    }
    if (state.FileVersion > frCurrentVersion) throw EReadError("不支持的FRF格式");
    Clear();
    FPages->PagesLoadFromStream(buffer);
  } catch (const EClassNotFound& missing) {
    ShowError("Report contains the following non-plugged components:\r" + missing.Message() +
                  "You must include these components into your project.");
  } catch (const Exception&) {
    ShowError(frLoadStr(55345));
    Clear();
    FPages->Add();
    return false;
  }
  return true;
}

void TfrReport::SaveToStream(TStream& Stream) const {
  TMemoryStream buffer;
  const uint8_t version = frCurrentVersion;
  buffer.WriteBuffer(&version, 1);
  FPages->PagesSaveToStream(buffer);
  buffer.SaveToStream(Stream);
}

void TfrReport::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "ReportForm", [this](TStream& s) { ReadReportForm(s); }, [this](TStream& s) { WriteReportForm(s); }, true);
}

void TfrReport::ReadReportForm(TStream& Stream) {
  frReadInteger(Stream);  // the format version, 24
  if (Stream.Position() >= Stream.Size()) return;
  const int32_t length = frReadInteger(Stream);
  if (length <= 0 || length > Stream.Size() - Stream.Position()) throw EReadError("Invalid report data in layout");
  FStoredTemplate = std::make_unique<TMemoryStream>();
  FStoredTemplate->CopyFrom(Stream, length);
}

void TfrReport::WriteReportForm(TStream& Stream) const {
  frWriteInteger(Stream, frCurrentVersion);
  if (!FStoreInDFM) return;
  TMemoryStream buffer;
  SaveToStream(buffer);
  frWriteInteger(Stream, int32_t(buffer.Size()));
  buffer.SaveToStream(Stream);
}

void TfrReport::Loaded() {
  TComponent::Loaded();
  if (!FStoredTemplate) return;
  FStoredTemplate->SetPosition(0);
  LoadFromStream(*FStoredTemplate);
  FStoredTemplate.reset();
}
