// The object record shared by every report object, in template files (all fields) and in prepared
// pages (the expanded text in place of the template text, without display format, script and
// visibility). Files before version 24 lack the later fields; objects read from them keep their
// defaults.
#include "report/FR_View.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "report/FR_Limits.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Arith.h"

int32_t frEncodeFrameWidth(double Width) {
  if (!(Width > 0)) return 0;
  return int32_t(std::min<double>(double(Round(std::min(Width, 2.2e6) * 1000)), INT32_MAX));
}

double frDecodeFrameWidth(int32_t Stored) {
  if (Stored < 0) return 0;
  const double thousandths = Stored < 11 ? double(Stored) * 1000 : double(Stored);
  return std::min(thousandths / 1000, frMaxFrameWidth);
}

void TfrView::SaveToStream(TStream& Stream) {
  StreamMajor = 2;
  frWriteString(Stream, Name);
  frWriteByte(Stream, StreamMajor);
  frWriteByte(Stream, StreamMinor);
  for (int bound : {Left, Top, Width, Height}) frWriteInteger(Stream, bound);
  frWriteWord(Stream, Flags);
  frWriteWord(Stream, FrameTyp);
  frWriteInteger(Stream, frEncodeFrameWidth(FrameWidth));
  frWriteInteger(Stream, FrameColor);
  frWriteWord(Stream, FrameStyle);
  frWriteInteger(Stream, FillColor);
  if (!InPreparedPage) {
    frWriteInteger(Stream, DisplayFormatCode);
    frWriteString(Stream, DisplayFormatText);
  }
  frWriteMemo(Stream, InPreparedPage ? ExpandedText : Memo);
  if (!InPreparedPage) {
    frWriteMemo(Stream, Script);
    frWriteWord(Stream, Visible ? 0xFFFF : 0);
  }
  frWriteWord(Stream, Restrictions);
  frWriteString(Stream, Tag);
  frWriteInteger(Stream, GapX);
  frWriteInteger(Stream, GapY);
  frWriteByte(Stream, BandAlign);
}

void TfrView::LoadFromStream(TStream& Stream) {
  const int version = frState().FileVersion;
  if (version >= 24 || (version == 23 && !InPreparedPage))
    Name = ReadVersionedString(Stream);
  else
    CreateUniqueName();
  if (version >= 24) {
    StreamMajor = frReadByte(Stream);
    StreamMinor = frReadByte(Stream);
  }
  Left = frReadCoordinate(Stream);
  Top = frReadCoordinate(Stream);
  Width = frReadCoordinate(Stream);
  Height = frReadCoordinate(Stream);
  Flags = frReadWord(Stream);
  FrameTyp = frReadWord(Stream);
  FrameWidth = frDecodeFrameWidth(frReadInteger(Stream));
  FrameColor = frReadInteger(Stream);
  FrameStyle = frReadWord(Stream);
  FillColor = frReadInteger(Stream);
  if (!InPreparedPage) {
    DisplayFormatCode = frReadInteger(Stream);
    DisplayFormatText = ReadVersionedString(Stream);
  }
  ReadVersionedMemo(Stream, Memo);
  if (version >= 23 && !InPreparedPage) {
    ReadVersionedMemo(Stream, Script);
    Visible = frReadWord(Stream) != 0;
  }
  if (version >= 24) {
    Restrictions = frReadWord(Stream);
    Tag = frReadString(Stream);
    GapX = frReadCoordinate(Stream);
    GapY = frReadCoordinate(Stream);
  }
  if (StreamMajor > 1) BandAlign = frReadByte(Stream);
}
