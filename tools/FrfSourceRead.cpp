// Compiling a template source into a report: the report's own properties and dictionary, each
// page with its paper, and the page's objects in source order, bands stacked down the page and the
// objects written inside a band placed on it.
#include "classes/LayoutText.h"
#include "report/FR_Page.h"
#include "tools/FrfSource.h"
#include "tools/FrfSourceFields_p.h"

namespace {

// The dictionary's three lists, each a collection of items with a Name and a Value.
TfrVariables* DictionaryList(TfrReport& Report, const String& Name) {
  TfrDataDictionary& dictionary = Report.Dictionary();
  if (Name == "Variables") return &dictionary.Variables;
  if (Name == "FieldAliases") return &dictionary.FieldAliases;
  if (Name == "ExtraList") return &dictionary.ExtraList;
  return nullptr;
}

String ItemText(const TLayoutItem& Item, const char* Name) {
  for (const TLayoutProperty& property : Item.Properties)
    if (property.Name == Name) {
      if (property.Value.Kind != TValueKind::String) throw ELayoutError(property.Line, "A quoted text expected");
      return property.Value.Text;
    }
  throw ELayoutError(Item.Line, String(Name) + " expected");
}

void SetDictionaryList(TfrVariables& List, const TLayoutProperty& Property) {
  if (Property.Value.Kind != TValueKind::Collection) throw ELayoutError(Property.Line, "A list of items expected");
  List.Clear();
  for (const TLayoutItem& item : Property.Value.CollectionItems) List.SetVariable(ItemText(item, "Name"), ItemText(item, "Value"));
}

// The object's own name, or the one its Name property gives.
String NameProperty(const TLayoutProperty& Property) {
  if (Property.Value.Kind != TValueKind::String) throw ELayoutError(Property.Line, "A quoted text expected");
  return Property.Value.Text;
}

class TSourceCompiler {
 public:
  explicit TSourceCompiler(TfrReport& Report) : FReport(Report) {}

  void Compile(const TLayoutObject& Root) {
    if (Root.ClassName != "TfrReport") throw ELayoutError(Root.Line, "The root object must be a TfrReport");
    FReport.Clear();
    for (const TLayoutProperty& property : Root.Properties) {
      if (TfrVariables* list = DictionaryList(FReport, property.Name))
        SetDictionaryList(*list, property);
      else
        SetField(ReportFields(), FReport, property, "TfrReport");
    }
    for (const TLayoutObject& page : Root.Children) Page(page);
  }

 private:
  // The paper is set once all of it is known; sizes not given are the paper's own.
  void Page(const TLayoutObject& Source) {
    if (Source.ClassName != "TfrPage") throw ELayoutError(Source.Line, "A page must be a TfrPage");
    TfrPage& page = FReport.Pages().Add();
    page.Name = Source.Name;
    page.Width = page.Height = 0;
    for (const TLayoutProperty& property : Source.Properties) {
      if (property.Name == "Name")
        page.Name = NameProperty(property);
      else
        SetField(PageFields(), page, property, "TfrPage");
    }
    page.ChangePaper(page.Size, page.Width, page.Height, page.Orientation, page.PaperBin);
    int stackTop = page.TopMargin;
    FOnBands.clear();
    for (const TLayoutObject& child : Source.Children) {
      TfrView& view = Place(page, NewObject(child));
      if (!IsHorizontalBand(view)) {
        if (!child.Children.empty()) throw ELayoutError(child.Line, "Only a band holds other objects");
        continue;
      }
      if (!Given(child, "Top")) view.Top = stackTop;
      if (!Given(child, "Width")) view.Width = page.PrnInfo.PageWidth;
      stackTop = view.Top + view.Height + kBandGap;
      for (const TLayoutObject& inner : child.Children) PlaceOnBand(page, view, inner);
    }
    for (const auto& [view, line] : FOnBands)
      if (BandsHolding(page, view->Top) > 1)
        throw ELayoutError(line, "The top of " + view->Name + " lies on another band too");
  }

  static bool Given(const TLayoutObject& Source, const char* Property) {
    for (const TLayoutProperty& property : Source.Properties)
      if (property.Name == Property) return true;
    return false;
  }

  static std::unique_ptr<TfrView> NewObject(const TLayoutObject& Source) {
    std::unique_ptr<TfrView> view = NewObjectOfClass(Source.ClassName);
    if (!view) throw ELayoutError(Source.Line, "Unknown report object class " + Source.ClassName);
    view->Name = Source.Name;
    for (const TLayoutProperty& property : Source.Properties) {
      if (property.Name == "Name")
        view->Name = NameProperty(property);
      else
        SetField(ViewFields(*view), *view, property, Source.ClassName);
    }
    return view;
  }

  static TfrView& Place(TfrPage& Page, std::unique_ptr<TfrView> View) {
    Page.Objects.push_back(std::move(View));
    return *Page.Objects.back();
  }

  // The object's top is counted from the band's and must lie on it, so that the engine gives the
  // object to this band when it builds the page.
  void PlaceOnBand(TfrPage& Page, const TfrView& Band, const TLayoutObject& Source) {
    std::unique_ptr<TfrView> view = NewObject(Source);
    if (view->Typ == gtBand) throw ELayoutError(Source.Line, "A band cannot lie inside another band");
    if (!Source.Children.empty()) throw ELayoutError(Source.Line, "Only a band holds other objects");
    if (view->Top < 0 || view->Top >= Band.Height)
      throw ELayoutError(Source.Line, "The top of " + view->Name + " lies outside its band");
    view->Top += Band.Top;
    FOnBands.emplace_back(&Place(Page, std::move(view)), Source.Line);
  }

  TfrReport& FReport;
  // The objects written inside a band, with their lines, checked once the page is complete.
  std::vector<std::pair<const TfrView*, int>> FOnBands;
};

}  // namespace

void CompileTemplateSource(const String& Text, TfrReport& Report) { TSourceCompiler(Report).Compile(ParseLayout(Text)); }
