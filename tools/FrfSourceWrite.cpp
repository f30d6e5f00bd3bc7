// Writing a report's template in its source form: each property compared with that of a new object
// of the same kind, placed as the compiler would place it, so that only what differs is written.
#include "classes/LayoutText.h"
#include "report/FR_Page.h"
#include "tools/FrfSource.h"
#include "tools/FrfSourceFields_p.h"

namespace {

TLayoutProperty DictionaryList(const char* Name, const TfrVariables& List) {
  TLayoutValue items = TLayoutValue::OfKind(TValueKind::Collection);
  for (int i = 0; i < List.Count(); ++i) {
    TLayoutItem item;
    item.Properties.push_back({"Name", TLayoutValue::OfString(List.Name(i)), 0});
    item.Properties.push_back({"Value", TLayoutValue::OfString(VarToStr(List.Value(i))), 0});
    items.CollectionItems.push_back(std::move(item));
  }
  return {Name, std::move(items), 0};
}

// A name that is no identifier goes into a Name property.
TLayoutObject NamedObject(const String& Name, const String& ClassName) {
  TLayoutObject object;
  object.ClassName = ClassName;
  if (IsSourceIdent(Name))
    object.Name = Name;
  else if (!Name.empty())
    object.Properties.push_back({"Name", TLayoutValue::OfString(Name), 0});
  return object;
}

// Fresh is a new object of the view's class, with the defaults the compiler gives it in its place.
TLayoutObject ObjectSource(TfrView& View, TfrView& Fresh) {
  TLayoutObject object = NamedObject(View.Name, SourceClassName(View));
  for (TLayoutProperty& property : ChangedFields(ViewFields(View), View, Fresh)) {
    // A band writes its source as a group header's condition or as a data source, not as both.
    const bool otherSource = View.Typ == gtBand && (property.Name == "DataSource" || property.Name == "Condition") &&
                             property.Name != BandSourceName(View);
    if (!otherSource) object.Properties.push_back(std::move(property));
  }
  return object;
}

std::unique_ptr<TfrView> FreshObject(const TfrView& View) { return NewObjectOfClass(SourceClassName(View)); }

// The page's objects in template order: a band and, inside it, the objects that follow it and
// whose top lies on it and on no other band, counted from the band's top.
void PageObjects(TfrPage& Page, TLayoutObject& Source) {
  int stackTop = Page.TopMargin;
  TfrView* band = nullptr;
  for (const auto& object : Page.Objects) {
    TfrView& view = *object;
    std::unique_ptr<TfrView> fresh = FreshObject(view);
    if (IsHorizontalBand(view)) {
      fresh->Top = stackTop;
      fresh->Width = Page.PrnInfo.PageWidth;
      Source.Children.push_back(ObjectSource(view, *fresh));
      band = &view;
      stackTop = view.Top + view.Height + kBandGap;
    } else if (band && view.Typ != gtBand && view.Top >= band->Top && view.Top < band->Top + band->Height &&
               BandsHolding(Page, view.Top) == 1) {
      view.Top -= band->Top;
      Source.Children.back().Children.push_back(ObjectSource(view, *fresh));
      view.Top += band->Top;
    } else {
      Source.Children.push_back(ObjectSource(view, *fresh));
      band = nullptr;
    }
  }
}

// The sizes of a paper from the table are not written; the compiler takes them from the paper.
TLayoutObject PageSource(TfrPage& Page) {
  TfrPage fresh(frDefaultPaper, 0, 0, frDefaultBin, 0);
  TfrPage paper(frDefaultPaper, 0, 0, frDefaultBin, 0);
  paper.ChangePaper(Page.Size, 0, 0, Page.Orientation, Page.PaperBin);
  fresh.Width = paper.Width;
  fresh.Height = paper.Height;
  TLayoutObject source = NamedObject(Page.Name, "TfrPage");
  for (TLayoutProperty& property : ChangedFields(PageFields(), Page, fresh)) source.Properties.push_back(std::move(property));
  PageObjects(Page, source);
  return source;
}

}  // namespace

String TemplateSource(TfrReport& Report, const String& RootName) {
  TfrReport fresh(nullptr);
  TLayoutObject root;
  root.Name = RootName;
  root.ClassName = "TfrReport";
  root.Properties = ChangedFields(ReportFields(), Report, fresh);
  const TfrDataDictionary& dictionary = Report.Dictionary();
  const std::pair<const char*, const TfrVariables*> lists[] = {
      {"Variables", &dictionary.Variables}, {"FieldAliases", &dictionary.FieldAliases}, {"ExtraList", &dictionary.ExtraList}};
  for (const auto& [name, list] : lists)
    if (list->Count() > 0) root.Properties.push_back(DictionaryList(name, *list));
  for (int i = 0; i < Report.Pages().Count(); ++i) root.Children.push_back(PageSource(Report.Pages().Pages(i)));
  return PrintLayout(root);
}
