// The property tables of the template source form and the conversions of their values.
#include "tools/FrfSourceFields_p.h"

#include <limits>
#include <span>
#include <type_traits>

#include "controls/StdControlClasses.h"
#include "report/FR_BandView.h"
#include "report/FR_Factory.h"
#include "report/FR_Format.h"
#include "report/FR_Line.h"
#include "report/FR_Memo.h"
#include "report/FR_Picture.h"
#include "report/FR_SubReport.h"
#include "report/FR_Utils.h"

namespace {

[[noreturn]] void Fail(const TLayoutValue& Value, const String& Message) { throw ELayoutError(Value.Line, Message); }

void Expect(const TLayoutValue& Value, TValueKind Kind, const char* What) {
  if (Value.Kind != Kind) Fail(Value, String(What) + " expected");
}

// Values --------------------------------------------------------------------------------------

int64_t AsInteger(const TLayoutValue& Value, int64_t Low, int64_t High) {
  Expect(Value, TValueKind::Integer, "A whole number");
  if (Value.Integer < Low || Value.Integer > High) Fail(Value, "Number out of range");
  return Value.Integer;
}

double AsFloat(const TLayoutValue& Value) {
  if (Value.Kind == TValueKind::Integer) return double(Value.Integer);
  Expect(Value, TValueKind::Float, "A number");
  return Value.Float;
}

bool AsBool(const TLayoutValue& Value) {
  if (Value.Kind == TValueKind::Ident && (Value.Text == "True" || Value.Text == "False")) return Value.Text == "True";
  Fail(Value, "True or False expected");
}

const String& AsText(const TLayoutValue& Value) {
  Expect(Value, TValueKind::String, "A quoted text");
  return Value.Text;
}

TLayoutValue OfBool(bool Value) { return TLayoutValue::OfIdent(Value ? "True" : "False"); }

TLayoutValue OfLines(const TStrings& Lines) {
  TLayoutValue list = TLayoutValue::OfKind(TValueKind::List);
  for (int i = 0; i < Lines.Count(); ++i) list.Items.push_back(TLayoutValue::OfString(Lines[i]));
  return list;
}

void SetLines(TStrings& Lines, const TLayoutValue& Value) {
  Expect(Value, TValueKind::List, "A list of quoted texts");
  Lines.Clear();
  for (const TLayoutValue& line : Value.Items) Lines.Add(AsText(line));
}

// Bits by name: a name stands for Value within Mask, so a field of several bits (the horizontal
// alignment) has a name per value. Bits no name covers make the whole value a number.
struct TBitName {
  const char* Name;
  uint32_t Mask;
  uint32_t Value;
};

TLayoutValue OfBits(uint32_t Value, std::span<const TBitName> Names) {
  TLayoutValue set = TLayoutValue::OfKind(TValueKind::Set);
  uint32_t rest = Value;
  for (const TBitName& name : Names)
    if (name.Value != 0 && (Value & name.Mask) == name.Value) {
      set.Names.push_back(name.Name);
      rest &= ~name.Mask;
    }
  return rest == 0 ? set : TLayoutValue::OfInteger(Value);
}

uint32_t AsBits(const TLayoutValue& Value, std::span<const TBitName> Names) {
  if (Value.Kind == TValueKind::Integer) return uint32_t(AsInteger(Value, 0, UINT32_MAX));
  Expect(Value, TValueKind::Set, "A set of names");
  uint32_t bits = 0;
  for (const String& element : Value.Names) {
    const TBitName* found = nullptr;
    for (const TBitName& name : Names)
      if (element == name.Name) found = &name;
    if (!found) Fail(Value, "Unknown set element " + element);
    bits = (bits & ~found->Mask) | found->Value;
  }
  return bits;
}

TLayoutValue OfEnum(int64_t Value, std::span<const char* const> Names) {
  if (Value >= 0 && Value < int64_t(Names.size())) return TLayoutValue::OfIdent(Names[size_t(Value)]);
  return TLayoutValue::OfInteger(Value);
}

int64_t AsEnum(const TLayoutValue& Value, std::span<const char* const> Names, int64_t Low, int64_t High) {
  if (Value.Kind == TValueKind::Integer) return AsInteger(Value, Low, High);
  Expect(Value, TValueKind::Ident, "A name");
  for (size_t i = 0; i < Names.size(); ++i)
    if (Value.Text == Names[i]) return int64_t(i);
  Fail(Value, "Unknown name " + Value.Text);
}

TLayoutValue OfColor(TColor Color) {
  String name;
  if (IntToIdent(Color, name, ColorIdents())) return TLayoutValue::OfIdent(name);
  return TLayoutValue::OfInteger(Color);
}

TColor AsColor(const TLayoutValue& Value) {
  if (Value.Kind == TValueKind::Integer) return TColor(AsInteger(Value, INT32_MIN, UINT32_MAX));
  Expect(Value, TValueKind::Ident, "A colour");
  int color = 0;
  if (!IdentToInt(Value.Text, color, ColorIdents())) Fail(Value, "Unknown colour " + Value.Text);
  return color;
}

// Fields over members --------------------------------------------------------------------------

// The range of a member's numbers; an enumeration's is that of its underlying type.
template <class M>
using TNumberOf = typename std::conditional_t<std::is_enum_v<M>, std::underlying_type<M>, std::type_identity<M>>::type;
template <class M>
int64_t Lowest() {
  return int64_t(std::numeric_limits<TNumberOf<M>>::min());
}
template <class M>
int64_t Highest() {
  return int64_t(std::numeric_limits<TNumberOf<M>>::max());
}

// Owner is the kind the table serves (TfrView, TfrPage); T the class holding the member.
template <class Owner, class T, class M>
TSourceField<Owner> IntField(const char* Name, M T::*Member) {
  return {Name, [Member](Owner& o) { return TLayoutValue::OfInteger(static_cast<T&>(o).*Member); },
          [Member](Owner& o, const TLayoutValue& v) {
            static_cast<T&>(o).*Member = M(AsInteger(v, Lowest<M>(), Highest<M>()));
          }};
}

template <class Owner, class T>
TSourceField<Owner> BoolField(const char* Name, bool T::*Member) {
  return {Name, [Member](Owner& o) { return OfBool(static_cast<T&>(o).*Member); },
          [Member](Owner& o, const TLayoutValue& v) { static_cast<T&>(o).*Member = AsBool(v); }};
}

template <class Owner, class T>
TSourceField<Owner> TextField(const char* Name, String T::*Member) {
  return {Name, [Member](Owner& o) { return TLayoutValue::OfString(static_cast<T&>(o).*Member); },
          [Member](Owner& o, const TLayoutValue& v) { static_cast<T&>(o).*Member = AsText(v); }};
}

template <class Owner, class T>
TSourceField<Owner> LinesField(const char* Name, TStringList T::*Member) {
  return {Name, [Member](Owner& o) { return OfLines(static_cast<T&>(o).*Member); },
          [Member](Owner& o, const TLayoutValue& v) { SetLines(static_cast<T&>(o).*Member, v); }};
}

template <class Owner, class T, class M>
TSourceField<Owner> ColorField(const char* Name, M T::*Member) {
  return {Name, [Member](Owner& o) { return OfColor(TColor(static_cast<T&>(o).*Member)); },
          [Member](Owner& o, const TLayoutValue& v) { static_cast<T&>(o).*Member = M(AsColor(v)); }};
}

template <class Owner, class T, class M>
TSourceField<Owner> EnumField(const char* Name, M T::*Member, std::span<const char* const> Names) {
  return {Name, [Member, Names](Owner& o) { return OfEnum(int64_t(static_cast<T&>(o).*Member), Names); },
          [Member, Names](Owner& o, const TLayoutValue& v) {
            static_cast<T&>(o).*Member = M(AsEnum(v, Names, Lowest<M>(), Highest<M>()));
          }};
}

// The bits of Mask in the member, by name; the other bits are left as they are.
template <class Owner, class T, class M>
TSourceField<Owner> BitsField(const char* Name, M T::*Member, std::span<const TBitName> Names, uint32_t Mask = ~0u) {
  return {Name, [=](Owner& o) { return OfBits(uint32_t(static_cast<T&>(o).*Member) & Mask, Names); },
          [=](Owner& o, const TLayoutValue& v) {
            const uint32_t bits = AsBits(v, Names);
            if (bits & ~Mask) Fail(v, String("Bits outside ") + Name);
            M& member = static_cast<T&>(o).*Member;
            member = M((uint32_t(member) & ~Mask) | bits);
          }};
}

// One byte of a 32-bit member (the parts of a format code) as a number.
template <class Owner, class T>
TSourceField<Owner> ByteField(const char* Name, int T::*Member, int Shift) {
  return {Name, [=](Owner& o) { return TLayoutValue::OfInteger((uint32_t(static_cast<T&>(o).*Member) >> Shift) & 0xFF); },
          [=](Owner& o, const TLayoutValue& v) {
            int& member = static_cast<T&>(o).*Member;
            member = int((uint32_t(member) & ~(0xFFu << Shift)) | (uint32_t(AsInteger(v, 0, 255)) << Shift));
          }};
}

// Names -----------------------------------------------------------------------------------------

constexpr TBitName kFrameSides[] = {
    {"frftRight", frftRight, frftRight}, {"frftBottom", frftBottom, frftBottom},
    {"frftLeft", frftLeft, frftLeft}, {"frftTop", frftTop, frftTop}};
constexpr TBitName kMemoFlags[] = {
    {"flStretched", flStretched, flStretched}, {"flWordWrap", flWordWrap, flWordWrap},
    {"flWordBreak", flWordBreak, flWordBreak}, {"flAutoWidth", flAutoWidth, flAutoWidth},
    {"flTextOnly", flTextOnly, flTextOnly},    {"flSuppress", flSuppress, flSuppress},
    {"flHideZeros", flHideZeros, flHideZeros}, {"flUnderlines", flUnderlines, flUnderlines},
    {"flRTLReading", flRTLReading, flRTLReading}};
constexpr TBitName kBandFlags[] = {
    {"flStretched", flStretched, flStretched},
    {"flBandFormNewPage", flBandFormNewPage, flBandFormNewPage},
    {"flBandPrintIfSubsetEmpty", flBandPrintIfSubsetEmpty, flBandPrintIfSubsetEmpty},
    {"flBandBreaked", flBandBreaked, flBandBreaked},
    {"flBandOnFirstPage", flBandOnFirstPage, flBandOnFirstPage},
    {"flBandOnLastPage", flBandOnLastPage, flBandOnLastPage},
    {"flBandRepeatHeader", flBandRepeatHeader, flBandRepeatHeader},
    {"flBandPrintChildIfInvisible", flBandPrintChildIfInvisible, flBandPrintChildIfInvisible}};
constexpr TBitName kPictureFlags[] = {
    {"flStretched", flStretched, flStretched}, {"flPictCenter", flPictCenter, flPictCenter},
    {"flPictRatio", flPictRatio, flPictRatio}};
constexpr TBitName kPlainFlags[] = {{"flStretched", flStretched, flStretched}};
constexpr TBitName kAlignment[] = {
    {"frtaRight", 3, frtaRight},          {"frtaCenter", 3, frtaCenter}, {"frtaJustify", 3, frtaJustify},
    {"frtaVertical", frtaVertical, frtaVertical}, {"frtaMiddle", frtaMiddle, frtaMiddle},
    {"frtaDown", frtaDown, frtaDown}};
// The engine's style bits of fonts and highlights.
constexpr TBitName kStyleBits[] = {{"fsItalic", 1, 1}, {"fsBold", 2, 2}, {"fsUnderline", 4, 4}, {"fsStrikeOut", 8, 8}};
constexpr const char* kFrameStyles[] = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psDouble"};
constexpr const char* kBandAligns[] = {"baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom", "baTop"};
constexpr const char* kBandTypes[] = {
    "btReportTitle",   "btReportSummary", "btPageHeader",      "btPageFooter",      "btMasterHeader",
    "btMasterData",    "btMasterFooter",  "btDetailHeader",    "btDetailData",      "btDetailFooter",
    "btSubDetailHeader", "btSubDetailData", "btSubDetailFooter", "btOverlay",       "btColumnHeader",
    "btColumnFooter",  "btGroupHeader",   "btGroupFooter",     "btCrossHeader",     "btCrossData",
    "btCrossFooter",   "btChild",         "btNone"};
constexpr const char* kFormatCategories[] = {"fcText", "fcNumber", "fcDate", "fcTime", "fcBoolean"};
constexpr const char* kBlobTypes[] = {"btBMP", "btJPG", "btICO", "btWMF"};
constexpr const char* kOrientations[] = {"poPortrait", "poLandscape"};
constexpr const char* kPageTypes[] = {"ptReport", "ptDialog"};

// Tables ----------------------------------------------------------------------------------------

using TFields = std::vector<TViewField>;

TFields Join(TFields A, const TFields& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}

// Flags and frame sides differ by kind of object, so each kind's table starts with its own.
TFields BaseFields(std::span<const TBitName> FlagNames, bool Band) {
  TFields fields = {
      IntField<TfrView>("Left", &TfrView::Left),
      IntField<TfrView>("Top", &TfrView::Top),
      IntField<TfrView>("Width", &TfrView::Width),
      IntField<TfrView>("Height", &TfrView::Height),
      BitsField<TfrView>("Flags", &TfrView::Flags, FlagNames),
      // A band keeps its type in the low byte of the frame sides.
      Band ? BitsField<TfrView>("FrameTyp", &TfrView::FrameTyp, {}, 0xFF00)
           : BitsField<TfrView>("FrameTyp", &TfrView::FrameTyp, kFrameSides),
      {"FrameWidth", [](TfrView& v) { return TLayoutValue::OfFloat(v.FrameWidth); },
       [](TfrView& v, const TLayoutValue& x) { v.FrameWidth = AsFloat(x); }},
      ColorField<TfrView>("FrameColor", &TfrView::FrameColor),
      EnumField<TfrView>("FrameStyle", &TfrView::FrameStyle, kFrameStyles),
      ColorField<TfrView>("FillColor", &TfrView::FillColor),
      // The format code: the category in the top byte, then the subtype, decimals and separator.
      {"Format.Category", [](TfrView& v) { return OfEnum(uint32_t(v.DisplayFormatCode) >> 24, kFormatCategories); },
       [](TfrView& v, const TLayoutValue& x) {
         const auto category = uint32_t(AsEnum(x, kFormatCategories, 0, 255));
         v.DisplayFormatCode = int((uint32_t(v.DisplayFormatCode) & 0xFFFFFF) | (category << 24));
       }},
      ByteField<TfrView>("Format.Subtype", &TfrView::DisplayFormatCode, 16),
      ByteField<TfrView>("Format.Decimals", &TfrView::DisplayFormatCode, 8),
      ByteField<TfrView>("Format.Separator", &TfrView::DisplayFormatCode, 0),
      TextField<TfrView>(Band ? "DataSource" : "Format.Text", &TfrView::DisplayFormatText),
      LinesField<TfrView>("Memo", &TfrView::Memo),
      LinesField<TfrView>("Script", &TfrView::Script),
      BoolField<TfrView>("Visible", &TfrView::Visible),
      IntField<TfrView>("Restrictions", &TfrView::Restrictions),
      TextField<TfrView>("Tag", &TfrView::Tag),
      IntField<TfrView>("GapX", &TfrView::GapX),
      IntField<TfrView>("GapY", &TfrView::GapY),
      EnumField<TfrView>("BandAlign", &TfrView::BandAlign, kBandAligns),
  };
  return fields;
}

TFields MemoFields() {
  auto font = [](TfrView& v) -> TFont& { return static_cast<TfrMemoView&>(v).Font; };
  return Join(BaseFields(kMemoFlags, false),
              {
                  {"Font.Name", [=](TfrView& v) { return TLayoutValue::OfString(font(v).Name()); },
                   [=](TfrView& v, const TLayoutValue& x) { font(v).SetName(AsText(x)); }},
                  {"Font.Size", [=](TfrView& v) { return TLayoutValue::OfInteger(font(v).Size()); },
                   [=](TfrView& v, const TLayoutValue& x) { font(v).SetSize(int(AsInteger(x, INT32_MIN, INT32_MAX))); }},
                  {"Font.Style", [=](TfrView& v) { return OfBits(frFontStyleToBits(font(v).Style()), kStyleBits); },
                   [=](TfrView& v, const TLayoutValue& x) {
                     font(v).SetStyle(frBitsToFontStyle(uint8_t(AsBits(x, kStyleBits))));
                   }},
                  {"Font.Color", [=](TfrView& v) { return OfColor(font(v).Color()); },
                   [=](TfrView& v, const TLayoutValue& x) { font(v).SetColor(AsColor(x)); }},
                  {"Font.Charset", [=](TfrView& v) { return TLayoutValue::OfInteger(font(v).Charset()); },
                   [=](TfrView& v, const TLayoutValue& x) { font(v).SetCharset(int(AsInteger(x, 0, 0xFFFF))); }},
                  BitsField<TfrView>("Alignment", &TfrMemoView::Alignment, kAlignment),
                  BitsField<TfrView>("Highlight.Style", &TfrMemoView::HighlightStyle, kStyleBits),
                  ColorField<TfrView>("Highlight.FontColor", &TfrMemoView::HighlightFontColor),
                  ColorField<TfrView>("Highlight.FillColor", &TfrMemoView::HighlightFillColor),
                  TextField<TfrView>("Highlight.Condition", &TfrMemoView::HighlightCondition),
                  IntField<TfrView>("LineSpacing", &TfrMemoView::LineSpacing),
                  IntField<TfrView>("CharSpacing", &TfrMemoView::CharSpacing),
              });
}

TFields BandFields() {
  TFields fields = BaseFields(kBandFlags, true);
  fields.insert(fields.begin(),
                {"BandType", [](TfrView& v) { return OfEnum(v.FrameTyp & 0xFF, kBandTypes); },
                 [](TfrView& v, const TLayoutValue& x) {
                   v.FrameTyp = uint16_t((v.FrameTyp & 0xFF00) | AsEnum(x, kBandTypes, 0, 255));
                 },
                 true});
  // A group header's condition is kept where data bands keep their source.
  fields.push_back(TextField<TfrView>("Condition", &TfrView::DisplayFormatText));
  return Join(fields, {
                          TextField<TfrView>("ChildBand", &TfrBandView::ChildBand),
                          IntField<TfrView>("Columns", &TfrBandView::Columns),
                          IntField<TfrView>("ColumnWidth", &TfrBandView::ColumnWidth),
                          IntField<TfrView>("ColumnGap", &TfrBandView::ColumnGap),
                          IntField<TfrView>("NewColumnAfter", &TfrBandView::NewColumnAfter),
                          TextField<TfrView>("Master", &TfrBandView::Master),
                      });
}

// A picture as the template stores it: its kind byte, then its data.
TLayoutValue PictureValue(TfrView& View) {
  const auto [kind, data] = frPictureData(static_cast<TfrPictureView&>(View).Picture.Graphic());
  TLayoutValue value = TLayoutValue::OfKind(TValueKind::Binary);
  value.Bytes.push_back(kind);
  value.Bytes.insert(value.Bytes.end(), data.begin(), data.end());
  return value;
}

void SetPicture(TfrView& View, const TLayoutValue& Value) {
  Expect(Value, TValueKind::Binary, "Picture data");
  TPicture& picture = static_cast<TfrPictureView&>(View).Picture;
  picture.SetGraphic(nullptr);
  if (Value.Bytes.size() < 2) return;
  std::unique_ptr<TGraphic> graphic = frGraphicOfKind(Value.Bytes[0]);
  if (!graphic) Fail(Value, "Unknown kind of picture");
  graphic->LoadFromBytes(TBytes(Value.Bytes.begin() + 1, Value.Bytes.end()));
  picture.SetGraphic(graphic.get());
}

TFields PictureFields() {
  return Join(BaseFields(kPictureFlags, false),
              {EnumField<TfrView>("BlobType", &TfrPictureView::BlobType, kBlobTypes), {"Picture", PictureValue, SetPicture}});
}

TFields SubReportFields() {
  return Join(BaseFields(kPlainFlags, false), {IntField<TfrView>("SubPage", &TfrSubReportView::SubPage)});
}

struct TObjectClass {
  const char* Name;
  uint8_t Type;
};
constexpr TObjectClass kClasses[] = {{"TfrMemoView", gtMemo},
                                     {"TfrPictureView", gtPicture},
                                     {"TfrBandView", gtBand},
                                     {"TfrSubReportView", gtSubReport},
                                     {"TfrLineView", gtLine}};

}  // namespace

const std::vector<TViewField>& ViewFields(const TfrView& View) {
  static const TFields memo = MemoFields(), band = BandFields(), picture = PictureFields(),
                       subReport = SubReportFields(), line = BaseFields(kPlainFlags, false);
  switch (View.Typ) {
    case gtMemo: return memo;
    case gtBand: return band;
    case gtPicture: return picture;
    case gtSubReport: return subReport;
    default: return line;
  }
}

const std::vector<TPageField>& PageFields() {
  static const std::vector<TPageField> fields = {
      IntField<TfrPage>("Paper", &TfrPage::Size),
      IntField<TfrPage>("PaperWidth", &TfrPage::Width),
      IntField<TfrPage>("PaperHeight", &TfrPage::Height),
      EnumField<TfrPage>("Orientation", &TfrPage::Orientation, kOrientations),
      IntField<TfrPage>("PaperBin", &TfrPage::PaperBin),
      IntField<TfrPage>("LeftMargin", &TfrPage::LeftMargin),
      IntField<TfrPage>("TopMargin", &TfrPage::TopMargin),
      IntField<TfrPage>("RightMargin", &TfrPage::RightMargin),
      IntField<TfrPage>("BottomMargin", &TfrPage::BottomMargin),
      BoolField<TfrPage>("PrintToPrevPage", &TfrPage::PrintToPrevPage),
      BoolField<TfrPage>("StretchToPrintable", &TfrPage::StretchToPrintable),
      IntField<TfrPage>("Columns", &TfrPage::Columns),
      IntField<TfrPage>("ColumnGap", &TfrPage::ColumnGap),
      EnumField<TfrPage>("PageType", &TfrPage::Type, kPageTypes),
      IntField<TfrPage>("BorderStyle", &TfrPage::BorderStyle),
      TextField<TfrPage>("Caption", &TfrPage::Caption),
      ColorField<TfrPage>("Color", &TfrPage::Color),
      IntField<TfrPage>("FormLeft", &TfrPage::FormLeft),
      IntField<TfrPage>("FormTop", &TfrPage::FormTop),
      IntField<TfrPage>("FormWidth", &TfrPage::FormWidth),
      IntField<TfrPage>("FormHeight", &TfrPage::FormHeight),
      IntField<TfrPage>("Position", &TfrPage::Position),
      LinesField<TfrPage>("Script", &TfrPage::Script),
  };
  return fields;
}

const std::vector<TReportField>& ReportFields() {
  // The two flags are Words; a set flag is written as 0xFFFF, any other value as its number.
  auto flag = [](const char* Name, uint16_t (TfrReport::*Get)() const, void (TfrReport::*Set)(uint16_t)) {
    return TReportField{Name,
                        [=](TfrReport& r) {
                          const uint16_t value = (r.*Get)();
                          return value == 0 || value == 0xFFFF ? OfBool(value != 0) : TLayoutValue::OfInteger(value);
                        },
                        [=](TfrReport& r, const TLayoutValue& v) {
                          (r.*Set)(v.Kind == TValueKind::Integer ? uint16_t(AsInteger(v, 0, 0xFFFF))
                                                                 : uint16_t(AsBool(v) ? 0xFFFF : 0));
                        }};
  };
  static const std::vector<TReportField> fields = {
      flag("UseDefaultPrinter", &TfrReport::UseDefaultPrinter, &TfrReport::SetUseDefaultPrinter),
      flag("TwoPass", &TfrReport::TwoPass, &TfrReport::SetTwoPass),
      {"PrinterName", [](TfrReport& r) { return TLayoutValue::OfString(r.PrinterName()); },
       [](TfrReport& r, const TLayoutValue& v) { r.SetPrinterTo(AsText(v)); }},
  };
  return fields;
}

String SourceClassName(const TfrView& View) {
  for (const TObjectClass& c : kClasses)
    if (c.Type == View.Typ) return c.Name;
  return View.ClassName();
}

std::unique_ptr<TfrView> NewObjectOfClass(const String& ClassName) {
  for (const TObjectClass& c : kClasses)
    if (ClassName == c.Name) return frCreateObject(c.Type, String());
  return nullptr;
}

bool IsHorizontalBand(const TfrView& View) {
  if (View.Typ != gtBand) return false;
  const int type = View.FrameTyp & 0xFF;
  return type != btCrossHeader && type != btCrossData && type != btCrossFooter;
}

int BandsHolding(const TfrPage& Page, int Top) {
  int bands = 0;
  for (const auto& view : Page.Objects)
    if (IsHorizontalBand(*view) && Top >= view->Top && Top <= view->Top + view->Height) ++bands;
  return bands;
}

const char* BandSourceName(const TfrView& Band) {
  return (Band.FrameTyp & 0xFF) == btGroupHeader ? "Condition" : "DataSource";
}

bool IsSourceIdent(const String& Name) {
  if (Name.empty()) return false;
  for (size_t i = 0; i < Name.size(); ++i) {
    const char c = Name[i];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
  }
  return true;
}

bool SameValue(const TLayoutValue& A, const TLayoutValue& B) {
  if (A.Kind != B.Kind) return false;
  switch (A.Kind) {
    case TValueKind::Integer: return A.Integer == B.Integer;
    case TValueKind::Float: return A.Float == B.Float;
    case TValueKind::String:
    case TValueKind::Ident: return A.Text == B.Text;
    case TValueKind::Set: return A.Names == B.Names;
    case TValueKind::Binary: return A.Bytes == B.Bytes;
    case TValueKind::List:
      return std::equal(A.Items.begin(), A.Items.end(), B.Items.begin(), B.Items.end(), SameValue);
    case TValueKind::Collection: return false;
  }
  return false;
}
