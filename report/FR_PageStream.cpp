// The page record of template files. Files before version 24 lack the dialog fields, the page type
// and the script, and those before 23 carry six unused bytes after the orientation.
#include "report/FR_Page.h"

#include "report/FR_Limits.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"

namespace {

constexpr uint16_t WordBool(bool Value) { return Value ? 0xFFFF : 0; }

}  // namespace

void TfrPage::LoadFromStream(TStream& Stream) {
  const int version = frState().FileVersion;
  Script.Clear();
  int size = frReadInteger(Stream);
  const bool marked = size == -1;
  if (marked) size = frReadInteger(Stream);
  const int width = frReadPaperTenths(Stream);
  const int height = frReadPaperTenths(Stream);
  LeftMargin = frReadCoordinate(Stream);
  TopMargin = frReadCoordinate(Stream);
  RightMargin = frReadCoordinate(Stream);
  BottomMargin = frReadCoordinate(Stream);
  const int orientation = frReadByte(Stream);
  if (version < 23) {
    uint8_t unused[6];
    Stream.ReadBuffer(unused, 6);
  }
  const int bin = version > 23 ? frReadInteger(Stream) : -1;
  PrintToPrevPage = frReadWord(Stream) != 0;
  StretchToPrintable = frReadWord(Stream) != 0;
  Columns = frReadColumnCount(Stream);
  ColumnGap = frReadCoordinate(Stream);
  if (version >= 24) {
    Type = frReadByte(Stream) == ptDialog ? ptDialog : ptReport;
    Name = frReadString(Stream);
    const uint8_t border = frReadByte(Stream);
    BorderStyle = border == 0 ? 3 : border == 1 ? 2 : border;
    Caption = frReadString(Stream);
    Color = frReadInteger(Stream);
    FormLeft = frReadCoordinate(Stream);
    FormTop = frReadCoordinate(Stream);
    FormWidth = frReadCoordinate(Stream);
    FormHeight = frReadCoordinate(Stream);
    Position = frReadByte(Stream) != 0 ? 4 : 0;
    if (marked) frReadMemo(Stream, Script);
  } else {
    SetDefaultName();
  }
  ChangePaper(size, width, height, orientation, bin);
}

void TfrPage::SaveToStream(TStream& Stream) const {
  frWriteInteger(Stream, -1);
  frWriteInteger(Stream, Size);
  frWriteInteger(Stream, Width);
  frWriteInteger(Stream, Height);
  for (int margin : {LeftMargin, TopMargin, RightMargin, BottomMargin}) frWriteInteger(Stream, margin);
  frWriteByte(Stream, uint8_t(Orientation));
  frWriteInteger(Stream, PaperBin);
  frWriteWord(Stream, WordBool(PrintToPrevPage));
  frWriteWord(Stream, WordBool(StretchToPrintable));
  frWriteInteger(Stream, Columns);
  frWriteInteger(Stream, ColumnGap);
  frWriteByte(Stream, uint8_t(Type));
  frWriteString(Stream, Name);
  frWriteByte(Stream, BorderStyle);
  frWriteString(Stream, Caption);
  frWriteInteger(Stream, Color);
  for (int bound : {FormLeft, FormTop, FormWidth, FormHeight}) frWriteInteger(Stream, bound);
  frWriteByte(Stream, Position);
  frWriteMemo(Stream, Script);
}
