// The pages of a template and the template container in a stream. Object blocks of version 24
// carry the position after their record, so that a reader can pass over what it cannot read; a
// position that does not lie after the block or lies past the end of the stream is a fault of the
// file, never a place to go to.
#include "report/FR_Pages.h"

#include "classes/Properties.h"
#include "report/FR_Class.h"
#include "report/FR_Factory.h"
#include "report/FR_Memo.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Text.h"

namespace {

constexpr uint8_t frPageBlock = 0xFF, frDictionaryBlock = 0xFE, frAddInBlock = 0xFD;

void SeekChecked(TStream& Stream, int32_t Position, int64_t BlockStart) {
  if (Position <= BlockStart || Position > Stream.Size()) throw EReadError("Invalid position in report file");
  Stream.SetPosition(Position);
}

}  // namespace

TfrPage& TfrPages::Add() {
  FPages.push_back(std::make_unique<TfrPage>(frDefaultPaper, 0, 0, frDefaultBin, 0));
  return *FPages.back();
}

void TfrPages::PagesLoadFromStream(TStream& Stream) {
  TfrEngineState& state = frState();
  state.EvalErrorFlag = false;
  state.EvalErrorText.clear();
  FParent->SetUseDefaultPrinter(frReadWord(Stream));
  FParent->SetTwoPass(frReadWord(Stream));
  FParent->SetPrinterTo(ReadVersionedString(Stream));
  TfrNameIndex names(state.ActiveReport);
  TfrRestore<TfrNameIndex*> nameIndex(state.NameIndex);
  state.NameIndex = &names;
  while (Stream.Position() < Stream.Size()) {
    const uint8_t lead = frReadByte(Stream);
    if (lead == frPageBlock) {
      Add().LoadFromStream(Stream);
    } else if (lead == frDictionaryBlock) {
      FParent->Dictionary().LoadFromStream(Stream);
    } else if (lead == frAddInBlock) {
      break;  // an add-in's data ends the stream; no add-in is registered to read it
    } else if (lead > gtAddIn) {
      throw EReadError("");
    } else {
      ReadObject(Stream, lead);
    }
  }
  if (state.EvalErrorFlag) throw EClassNotFound(state.EvalErrorText);
  for (const auto& page : FPages)
    for (const auto& object : page->Objects) object->AfterLoad();
}

void TfrPages::ReadObject(TStream& Stream, uint8_t TypeCode) {
  TfrEngineState& state = frState();
  const bool positioned = state.FileVersion >= 24;
  const int64_t blockStart = Stream.Position() - 1;
  bool nextPosRead = false;
  int32_t nextPos = 0;
  try {
    String className;
    int type = TypeCode;
    bool framed = false;
    if (TypeCode == gtAddIn) {
      className = ReadVersionedString(Stream);
      const String upper = UpperCase(className);
      if (upper == "TFRBDELOOKUPCONTROL" || upper == "TFRIBXLOOKUPCONTROL") className = "TfrDBLookupControl";
      framed = upper == "TFRFRAMEDMEMOVIEW";
      if (framed) type = gtMemo;
    }
    const int pageIndex = frReadByte(Stream);
    if (pageIndex >= Count()) throw EReadError("Invalid page in report file");
    TfrPage& page = Pages(pageIndex);
    state.ActivePage = &page;
    std::unique_ptr<TfrView> view = frCreateObject(type, className);
    if (positioned) {
      nextPos = frReadInteger(Stream);
      nextPosRead = true;
    }
    if (view) {
      view->LoadFromStream(Stream);
      view->SetProperty("Name", view->Name);
      if (framed) {
        uint8_t frame[8];
        Stream.ReadBuffer(frame, 8);
      }
      if (state.ActiveReport == FParent) state.NameIndex->Add(view->Name);
      page.Objects.push_back(std::move(view));
    }
    if (nextPos != 0) SeekChecked(Stream, nextPos, blockStart);
  } catch (const Exception&) {
    // The object is skipped: from version 24 its block says where the next one starts.
    if (!positioned) return;
    if (!nextPosRead) nextPos = frReadInteger(Stream);
    SeekChecked(Stream, nextPos, blockStart);
  }
}

void TfrPages::PagesSaveToStream(TStream& Stream) const {
  frWriteWord(Stream, FParent->UseDefaultPrinter());
  frWriteWord(Stream, FParent->TwoPass());
  const TfrPrinter& printer = frPrinter();
  frWriteString(Stream, printer.IsVirtual() ? String() : printer.Printers()[size_t(printer.PrinterIndex())]);
  for (const auto& page : FPages) {
    frWriteByte(Stream, frPageBlock);
    page->SaveToStream(Stream);
  }
  WriteObjects(Stream);
  frWriteByte(Stream, frDictionaryBlock);
  FParent->Dictionary().SaveToStream(Stream);
}

void TfrPages::WriteObjects(TStream& Stream) const {
  for (int i = 0; i < Count(); ++i) {
    if (i > 0xFF && !Pages(i).Objects.empty()) throw EWriteError("报表模板的页数超过 256，无法保存");
    for (const auto& view : Pages(i).Objects) {
      frWriteByte(Stream, view->Typ);
      if (view->Typ == gtAddIn) frWriteString(Stream, view->ClassName());
      frWriteByte(Stream, uint8_t(i));
      const int64_t nextPos = frWritePlaceholder(Stream);
      view->SaveToStream(Stream);
      frPatchPosition(Stream, nextPos);
    }
  }
}

void TfrPages::AlignObjects() {
  TfrEngineState& state = frState();
  TfrPage* const saved = state.ActivePage;
  for (const auto& page : FPages) {
    state.ActivePage = page.get();
    for (const auto& view : page->Objects)
      if (view->BandAlign != baNone) view->Draw(&frScratchCanvas());
  }
  state.ActivePage = saved;
}
