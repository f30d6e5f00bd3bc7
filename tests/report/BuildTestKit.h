// The kit of tests that build reports: a data module owning a report, in-memory tables with record
// sources over them, a template page with usable height 1000 (top 20, bottom limit 1020) on which
// bands and text objects are placed, and the prepared pages read back as the texts and places of
// their objects.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ReportTestKit.h"
#include "data/MemDataSet.h"
#include "report/FR_Band.h"
#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_DBSet.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_Register.h"
#include "report/FR_State.h"
#include "report/FR_SubReport.h"
#include "support/PreparedPages.h"

// Base is the test fixture the kit builds on: plain, or the GUI harness for windows.
template <class Base>
class TBuildTestOf : public Base {
 protected:
  void SetUp() override {
    Base::SetUp();
    StartEngine();
    Module = MakeComponent<TComponent>();
    Module->SetName("dmTest");
    Report = new TfrReport(Module.get());
    Report->SetName("rptTest");
    Page();
  }
  void TearDown() override {
    frParser().OnGetValue = nullptr;
    frParser().OnFunction = nullptr;
    frInterpretator().OnSetReportValue = nullptr;
    SetAggregateHost(nullptr);
    Module.reset();
    frVariables().Clear();
    frResetState();
    Base::TearDown();
  }

  // Pages are added with the margins of the kit.
  TfrPage& Page(int Index = 0) {
    while (Report->Pages().Count() <= Index) {
      TfrPage& page = Report->Pages().Add();
      page.LeftMargin = page.TopMargin = page.RightMargin = 20;
      page.BottomMargin = page.PrnInfo.PageHeight - 1020;
    }
    return Report->Pages().Pages(Index);
  }

  // A table of the module with string columns (a name ending in "#" makes a float column) and
  // its rows, and the record source over it, named Name.
  TMemDataSet& Table(const String& Name, const std::vector<String>& Columns,
                     const std::vector<std::vector<Variant>>& Rows) {
    auto* table = new TMemDataSet(Module.get());
    table->SetName("tbl" + Name);
    for (const String& column : Columns) {
      if (!column.empty() && column.back() == '#')
        table->FieldDefs().Add(column.substr(0, column.size() - 1), ftFloat);
      else
        table->FieldDefs().Add(column, ftString, 40);
    }
    table->CreateDataSet();
    for (const auto& row : Rows) table->AppendRecord(row);
    auto* source = new TfrDBDataSet(Module.get());
    source->SetName(Name);
    source->SetDataSet(table);
    return *table;
  }

  TfrBandView& Band(TfrBandType Type, int Top, int Height, const String& Name, const String& Source = String(),
                    int PageIndex = 0) {
    auto band = std::make_unique<TfrBandView>();
    band->Name = Name;
    band->SetBandType(Type);
    band->SetBounds(0, Top, Page(PageIndex).PrnInfo.PageWidth, Height);
    band->DisplayFormatText = Source;
    TfrBandView& ref = *band;
    Page(PageIndex).Objects.push_back(std::move(band));
    return ref;
  }
  // A band holding one text at the left margin, as high as a line (20).
  TfrBandView& TextBand(TfrBandType Type, int Top, int Height, const String& Name, const String& TextName,
                        const String& Text, const String& Source = String(), int PageIndex = 0) {
    TfrBandView& band = Band(Type, Top, Height, Name, Source, PageIndex);
    Memo(TextName, Bounds(20, Top, 200, 20), Text, PageIndex);
    return band;
  }
  TfrMemoView& Memo(const String& Name, TRect Bounds, const String& Text, int PageIndex = 0) {
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = Name;
    memo->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    memo->Memo.SetText(Text);
    memo->Flags &= ~flHideZeros;
    TfrMemoView& ref = *memo;
    Page(PageIndex).Objects.push_back(std::move(memo));
    return ref;
  }

  int Pages() { return Report->EMFPages().Count(); }
  std::vector<TPrinted> Printed(int PageIndex) { return PrintedObjects(Report->EMFPages(), PageIndex); }
  // The texts of a prepared page's objects in the order they were printed.
  std::vector<String> Texts(int PageIndex) {
    std::vector<String> texts;
    for (const TPrinted& object : Printed(PageIndex)) texts.push_back(object.Text);
    return texts;
  }
  // The texts of every page, pages separated by "/".
  String AllTexts() {
    String all;
    for (int page = 0; page < Pages(); ++page) {
      if (page > 0) all += " / ";
      for (size_t i = 0; const String& text : Texts(page)) all += (i++ > 0 ? " " : "") + text;
    }
    return all;
  }

  TComponentPtr<TComponent> Module;
  TfrReport* Report = nullptr;
  TScriptedDialogsScope Dialogs;
};

using TBuildTest = TBuildTestOf<::testing::Test>;
