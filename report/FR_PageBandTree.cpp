// The band tree of a report page: a runtime band for every band object, chained by type and sorted
// by position, every object given to the band it lies on, headers and footers paired with their
// data bands, group headers chained to theirs, child bands and cross sources bound by name, and
// the width of the page's columns.
#include "report/FR_Page.h"

#include <algorithm>
#include <vector>

#include "report/FR_Band.h"
#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_State.h"
#include "report/FR_SubReport.h"
#include "report/FR_Utils.h"
#include "rtl/Text.h"

namespace {

bool IsCrossType(int Type) { return Type >= btCrossHeader && Type <= btCrossFooter; }

// The bands of the chain that start with First and were made from band objects.
std::vector<TfrBand*> PresentChain(TfrBand* First) {
  std::vector<TfrBand*> bands;
  for (TfrBand* band = First; band; band = band->Next.get())
    if (band->View) bands.push_back(band);
  return bands;
}

class TBandTreeBuilder {
 public:
  explicit TBandTreeBuilder(TfrPage& Page) : FPage(Page), FMarked(Page.Objects.size(), false) {}

  void Build() {
    PrepareObjects();
    PlaceCrossBands();
    for (int type = btReportTitle; type <= btChild; ++type)
      if (!IsCrossType(type)) PlaceBands(TfrBandType(type));
    PlaceOnNoBand();
    PairHeadersAndFooters();
    PairGroupFooters();
    BindCrossSources();
    BindChildren();
    ChainGroups();
    if (FPage.Columns == 0) FPage.Columns = 1;
    FPage.ColumnWidth =
        (FPage.GetRightMargin() - FPage.GetLeftMargin() - (FPage.Columns - 1) * FPage.ColumnGap) / FPage.Columns;
  }

 private:
  void PrepareObjects();
  void PlaceCrossBands();
  void PlaceBands(TfrBandType Type);
  void Assign(TfrBand& Band);
  void PlaceOnNoBand();
  void PairHeadersAndFooters();
  void PairGroupFooters();
  void BindCrossSources();
  void BindChildren();
  void ChainGroups();
  TfrBand* BandOfObject(const String& Name) const {
    const auto* view = dynamic_cast<const TfrBandView*>(FPage.FindObject(Name));
    return view ? view->Band : nullptr;
  }

  TfrPage& FPage;
  std::vector<bool> FMarked;  // objects not yet given to a band
};

void TBandTreeBuilder::PrepareObjects() {
  TfrEngineState& state = frState();
  const TfrReport* report = state.ActiveReport;
  for (size_t i = 0; i < FPage.Objects.size(); ++i) {
    TfrView* view = FPage.Objects[i].get();
    state.ActiveView = view;
    view->InPreparedPage = true;
    view->ParentBand = nullptr;
    FMarked[i] = view->Typ != gtBand;
    view->CompileScript();
    if (auto* memo = dynamic_cast<TfrMemoView*>(view))
      memo->HighlightPostfix = memo->HighlightCondition.empty() ? String() : frParser().GetPostfix(memo->HighlightCondition);
    const auto* sub = dynamic_cast<const TfrSubReportView*>(view);
    if (sub && report && sub->SubPage >= 0 && sub->SubPage < report->Pages().Count())
      report->Pages().Pages(sub->SubPage).IsSubReportPage = true;
  }
}

void TBandTreeBuilder::PlaceCrossBands() {
  for (const auto& object : FPage.Objects) {
    auto* view = dynamic_cast<TfrBandView*>(object.get());
    if (!view || !IsCrossType(view->BandType())) continue;
    TfrBand& band = *FPage.Bands[view->BandType()];
    band.TakeView(view, FPage.IsSubReportPage);
    band.Left = view->Left;
    band.Width = view->Width;
    band.SetDataSource(view->DataSource());
  }
  for (int type = btCrossHeader; type <= btCrossFooter; ++type) {
    TfrBand& band = *FPage.Bands[type];
    if (!band.View) continue;
    for (size_t i = 0; i < FPage.Objects.size(); ++i) {
      TfrView* view = FPage.Objects[i].get();
      if (!FMarked[i] || view->Left < band.Left || view->Left + view->Width > band.Left + band.Width) continue;
      view->Left -= band.Left;
      view->ParentBand = &band;
      band.Objects.push_back(view);
    }
  }
}

// Every band object of the type fills a band of the chain; objects are given to it as they come,
// the chain is then sorted by position (a band moves before an earlier one only when strictly
// higher).
void TBandTreeBuilder::PlaceBands(TfrBandType Type) {
  std::vector<std::unique_ptr<TfrBand>> bands;
  for (const auto& object : FPage.Objects) {
    auto* view = dynamic_cast<TfrBandView*>(object.get());
    if (!view || view->BandType() != Type) continue;
    bands.push_back(bands.empty() ? std::move(FPage.Bands[Type]) : std::make_unique<TfrBand>(Type, &FPage));
    TfrBand& band = *bands.back();
    band.TakeView(view, FPage.IsSubReportPage);
    band.Top = view->Top;
    band.Height = view->Height;
    band.ColumnNo = 1;
    band.SetDataSource(view->DataSource());
    Assign(band);
  }
  if (bands.empty()) return;
  std::stable_sort(bands.begin(), bands.end(), [](const auto& a, const auto& b) { return a->Top < b->Top; });
  TfrBand* last = bands.back().get();
  for (size_t i = bands.size() - 1; i > 0; --i) {
    bands[i]->Prev = bands[i - 1].get();
    bands[i - 1]->Next = std::move(bands[i]);
  }
  FPage.Bands[Type] = std::move(bands[0]);
  FPage.Bands[Type]->LastBand = last;
}

// Objects whose top lies on the band, edges included: first those of no band, then cross cells
// (which stay cells of their cross band too), then sub-reports, so that these come last.
void TBandTreeBuilder::Assign(TfrBand& Band) {
  enum TPass { ppPlain, ppCross, ppSubReport };
  for (TPass pass : {ppPlain, ppCross, ppSubReport})
    for (size_t i = 0; i < FPage.Objects.size(); ++i) {
      TfrView* view = FPage.Objects[i].get();
      if (!FMarked[i] || view->Top < Band.Top || view->Top > Band.Top + Band.Height) continue;
      const bool cross = view->ParentBand != nullptr;
      const bool sub = view->Typ == gtSubReport;
      if ((pass == ppPlain && (cross || sub)) || (pass == ppCross && !cross) || (pass == ppSubReport && (cross || !sub)))
        continue;
      view->Top -= Band.Top;
      FMarked[i] = false;
      if (!cross) view->ParentBand = &Band;
      Band.Objects.push_back(view);
    }
}

void TBandTreeBuilder::PlaceOnNoBand() {
  TfrBand& none = *FPage.Bands[btNone];
  none.Top = 0;
  for (bool subReports : {false, true})
    for (size_t i = 0; i < FPage.Objects.size(); ++i) {
      TfrView* view = FPage.Objects[i].get();
      if (!FMarked[i] || (view->Typ == gtSubReport) != subReports) continue;
      FMarked[i] = false;
      view->ParentBand = &none;
      none.Objects.push_back(view);
    }
}

void TBandTreeBuilder::PairHeadersAndFooters() {
  constexpr TfrBandType levels[][3] = {{btMasterHeader, btMasterData, btMasterFooter},
                                       {btDetailHeader, btDetailData, btDetailFooter},
                                       {btSubDetailHeader, btSubDetailData, btSubDetailFooter}};
  for (const auto& level : levels) {
    const std::vector<TfrBand*> data = PresentChain(FPage.Bands[level[1]].get());
    if (data.empty()) continue;
    for (TfrBand* header : PresentChain(FPage.Bands[level[0]].get())) {
      const auto below = std::find_if(data.begin(), data.end(),
                                      [&](const TfrBand* d) { return d->Top >= header->Top + header->Height; });
      if (below == data.end() || (*below)->Header) continue;
      (*below)->Header = header;
      header->DataBand = *below;
    }
    for (TfrBand* footer : PresentChain(FPage.Bands[level[2]].get())) {
      const auto after = std::find_if(data.begin(), data.end(),
                                      [&](const TfrBand* d) { return d->Top + d->Height > footer->Top; });
      TfrBand* owner = after == data.end() ? data.back() : after == data.begin() ? nullptr : *(after - 1);
      if (!owner || owner->Footer) continue;
      owner->Footer = footer;
      footer->DataBand = owner;
    }
  }
}

// The innermost group header pairs with the first group footer, and so outwards.
void TBandTreeBuilder::PairGroupFooters() {
  const std::vector<TfrBand*> headers = PresentChain(FPage.Bands[btGroupHeader].get());
  const std::vector<TfrBand*> footers = PresentChain(FPage.Bands[btGroupFooter].get());
  for (size_t i = 0; i < headers.size() && i < footers.size(); ++i) headers[headers.size() - 1 - i]->Footer = footers[i];
}

// The cross data band's text "BandName=SourceName;..." gives bands record sources of their own
// for the columns.
void TBandTreeBuilder::BindCrossSources() {
  const TfrBand& crossData = *FPage.Bands[btCrossData];
  if (!crossData.View || crossData.View->DataSource().find(';') == String::npos) return;
  const String& text = crossData.View->DataSource();
  for (int pos = 1; pos <= int(text.size());) {
    const String item = frExtractItem(text, pos);
    const size_t equals = item.find('=');
    if (equals == String::npos) continue;
    const String bandName = Trim(item.substr(0, equals)), sourceName = Trim(item.substr(equals + 1));
    for (int type = btMasterHeader; type <= btChild; ++type)
      for (TfrBand* band = FPage.Bands[type].get(); band; band = band->Next.get())
        if (band->View && AnsiSameText(band->View->Name, bandName)) band->SetCrossDataSource(sourceName);
  }
}

void TBandTreeBuilder::BindChildren() {
  for (auto& first : FPage.Bands)
    for (TfrBand* band = first.get(); band; band = band->Next.get())
      if (band->View && !band->View->ChildBand.empty())
        if (TfrBand* child = BandOfObject(band->View->ChildBand)) band->SetChild(child);
}

void TBandTreeBuilder::ChainGroups() {
  TfrBand* master = FPage.Bands[btMasterData].get();
  if (!master->View) return;
  for (TfrBand* group : PresentChain(FPage.Bands[btGroupHeader].get())) {
    TfrBand* data = group->View->Master.empty() ? master : BandOfObject(group->View->Master);
    if (!data) continue;
    group->PrevGroup = data->LastGroup;
    if (data->LastGroup)
      data->LastGroup->NextGroup = group;
    else
      data->FirstGroup = group;
    data->LastGroup = group;
  }
}

}  // namespace

void TfrPage::BuildBandTree() { TBandTreeBuilder(*this).Build(); }
