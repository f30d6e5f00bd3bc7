// Export filters: what a report's prepared pages are written through when they are exported to a
// file of another format, and the list of filters the preview offers when it saves. This program
// registers none; the interface is what a filter would implement.
#pragma once

#include <functional>
#include <vector>

#include "controls/ControlTypes.h"
#include "rtl/Streams.h"

class TfrView;

class TfrExportFilter {
 public:
  virtual ~TfrExportFilter() = default;

  // The file type the save dialog offers ("Excel 文件") and its mask ("*.xls").
  virtual String Description() const = 0;
  virtual String FileMask() const = 0;
  // The filter the save dialog proposes first.
  bool Default = false;

  // The file being written and the stream over it, set by the report while it exports.
  String FileName;
  TStream* Stream = nullptr;

  // Asked before anything is written (Accept starts true), and told when the file is closed.
  std::function<void(const String& FileName, bool& Accept)> OnBeforeExport;
  std::function<void(const String& FileName)> OnAfterExport;

  // The filter's own dialog; export goes on when it answers true.
  virtual bool ShowModal() { return true; }
  virtual void OnBeginDoc() {}
  virtual void OnEndDoc() {}
  virtual void OnBeginPage() {}
  virtual void OnEndPage() {}
  // One line of a text object as it would be drawn: the object's rectangle, the line's position,
  // the frame sides this line carries and the text.
  virtual void OnText(const TRect& DrawRect, int X, int Y, const String& Text, int FrameTyp, TfrView* View) {
    (void)DrawRect, (void)X, (void)Y, (void)Text, (void)FrameTyp, (void)View;
  }
  // Every object of a page, before its lines.
  virtual void OnData(TfrView* View) { (void)View; }
};

// The filters the program registers, in order; it does not own them.
std::vector<TfrExportFilter*>& frExportFilters();
