// The properties of the template source form: for the report, its pages and each kind of report
// object, the name a property has in the source and how its value is read from the engine's
// object and written back. Values use the engine's own names for flags and enumerations (flWordWrap,
// frtaCenter, btMasterData, psDash) and fall back to numbers for bits that have none, so that every
// stored value has a source form.
#pragma once

#include <functional>
#include <vector>

#include "classes/LayoutValue.h"
#include "report/FR_Class.h"
#include "report/FR_Page.h"
#include "report/FR_View.h"

template <class Owner>
struct TSourceField {
  const char* Name;
  std::function<TLayoutValue(Owner&)> Get;
  std::function<void(Owner&, const TLayoutValue&)> Set;
  // Written even with the value of a new object, as a band's type is, so that a reader sees it.
  bool Always = false;
};
using TViewField = TSourceField<TfrView>;
using TPageField = TSourceField<TfrPage>;
using TReportField = TSourceField<TfrReport>;

// Those every object has, then those of the object's own kind.
const std::vector<TViewField>& ViewFields(const TfrView& View);
// The paper (size, width, height, orientation, bin) comes first: it is set by one call once read.
const std::vector<TPageField>& PageFields();
const std::vector<TReportField>& ReportFields();

// The source class of a report object, and a new object of a source class (nullptr when the
// class is none of the engine's).
String SourceClassName(const TfrView& View);
std::unique_ptr<TfrView> NewObjectOfClass(const String& ClassName);

// Band kinds that stack down the page and hold the objects lying on them: all but cross bands.
bool IsHorizontalBand(const TfrView& View);
// The space a band without a top leaves between itself and the band before it. The engine gives
// an object to the first band, by kind, whose top and bottom edges enclose the object's top, edges
// included; stacked bands never touch, so that the objects of one never fall to the other.
constexpr int kBandGap = 8;
// How many bands of the page that stack (all but cross bands, which come last) enclose a top that
// way.
int BandsHolding(const TfrPage& Page, int Top);

// The property that a band's data source or group condition is written as.
const char* BandSourceName(const TfrView& Band);

// Object and layout names are identifiers of letters, digits and "_"; other names are written as
// a Name property.
bool IsSourceIdent(const String& Name);

bool SameValue(const TLayoutValue& A, const TLayoutValue& B);

// Sets the field that Property names; ELayoutError when the owner has none of that name.
template <class Owner>
void SetField(const std::vector<TSourceField<Owner>>& Fields, Owner& Object, const TLayoutProperty& Property,
              const String& ClassName) {
  for (const auto& field : Fields)
    if (Property.Name == field.Name) {
      field.Set(Object, Property.Value);
      return;
    }
  throw ELayoutError(Property.Line, ClassName + " has no property " + Property.Name);
}

// The fields of Object whose values differ from those of Fresh, in the order of the list.
template <class Owner>
std::vector<TLayoutProperty> ChangedFields(const std::vector<TSourceField<Owner>>& Fields, Owner& Object,
                                           Owner& Fresh) {
  std::vector<TLayoutProperty> changed;
  for (const auto& field : Fields) {
    TLayoutValue value = field.Get(Object);
    if (field.Always || !SameValue(value, field.Get(Fresh))) changed.push_back({field.Name, std::move(value), 0});
  }
  return changed;
}
