// The list of prepared pages: adding pages with their template page's paper, and moving a page's
// objects between its stream of records and a page object.
#include "report/FR_EMFPages.h"

#include "report/FR_Class.h"
#include "report/FR_Factory.h"
#include "report/FR_Memo.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "report/FR_View.h"

namespace {

void StartStream(TMemoryStream& Stream) {
  Stream.Clear();
  frWriteByte(Stream, uint8_t(frCurrentVersion));
}

}  // namespace

void TfrEMFPages::Delete(int Index) { FPages.erase(FPages.begin() + Index); }

void TfrEMFPages::Insert(int Index, const TfrPage& Page) {
  auto record = std::make_unique<TfrPreparedPage>();
  StartStream(record->Stream);
  record->Size = uint16_t(Page.Size);
  record->Width = Page.Width;
  record->Height = Page.Height;
  record->Orientation = uint8_t(Page.Orientation);
  record->PaperBin = Page.PaperBin;
  record->StretchToPrintable = Page.StretchToPrintable ? 1 : 0;
  record->Margins[0] = Page.LeftMargin;
  record->Margins[1] = Page.TopMargin;
  record->Margins[2] = Page.RightMargin;
  record->Margins[3] = Page.BottomMargin;
  record->PrnInfo = Page.PrnInfo;
  const size_t at = Index >= 0 && Index < Count() ? size_t(Index) : FPages.size();
  FPages.insert(FPages.begin() + ptrdiff_t(at), std::move(record));
}

void TfrEMFPages::Add(const TfrPage& Page) {
  Insert(Count(), Page);
  const TfrEngineState& state = frState();
  TfrReport* report = state.ActiveReport ? state.ActiveReport : FParent;
  const int pageNo = Count() - 1;
  if (report->OnBeginPage) report->OnBeginPage(pageNo);
  if (state.RootReport && state.RootReport != report && state.RootReport->OnBeginPage)
    state.RootReport->OnBeginPage(pageNo);
}

void TfrEMFPages::RebuildPage(int Index) {
  TfrPreparedPage& record = Pages(Index);
  record.Page.reset();
  auto page = std::make_unique<TfrPage>(record.Size, record.Width, record.Height, record.PaperBin, record.Orientation);
  page->LeftMargin = record.Margins[0];
  page->TopMargin = record.Margins[1];
  page->RightMargin = record.Margins[2];
  page->BottomMargin = record.Margins[3];
  page->StretchToPrintable = record.StretchToPrintable >= 1;
  TfrEngineState& state = frState();
  state.ActivePage = page.get();
  ReadObjects(record.Stream, [&page](std::unique_ptr<TfrView> view) {
    auto* memo = dynamic_cast<TfrMemoView*>(view.get());
    if (memo && (memo->Flags & flAutoWidth)) memo->Draw(&frScratchCanvas());
    page->Objects.push_back(std::move(view));
  });
  record.Page = std::move(page);
}

void TfrEMFPages::ReadObjects(TMemoryStream& Stream, const std::function<void(std::unique_ptr<TfrView>)>& Take) {
  TfrEngineState& state = frState();
  // The objects of a prepared page are not the report's: they take no name from each other.
  TfrNameIndex names(state.ActiveReport);
  TfrRestore<TfrNameIndex*> nameIndex(state.NameIndex);
  state.NameIndex = &names;
  Stream.SetPosition(0);
  state.FileVersion = frReadByte(Stream);
  while (Stream.Position() < Stream.Size()) {
    const uint8_t type = frReadByte(Stream);
    const String className = type == gtAddIn ? ReadVersionedString(Stream) : String();
    std::unique_ptr<TfrView> view = frCreateObject(type, className);
    if (!view) throw EReadError("Invalid object in prepared page");
    view->InPreparedPage = true;
    view->LoadFromStream(Stream);
    view->InPreparedPage = false;
    Take(std::move(view));
  }
}

void TfrEMFPages::StorePage(int Index) {
  TfrPreparedPage& record = Pages(Index);
  StartStream(record.Stream);
  if (!record.Page) return;
  for (const auto& view : record.Page->Objects) {
    view->ExpandedText.Assign(&view->Memo);
    view->WriteToPreparedPage(record.Stream);
  }
}
