// The date editor: the mask and edit format from the locale, the texts of a date, the keyword
// parser and TextToDate, validation with its error date and handler, the stored date and its
// events, the calendar it drops down, a locale change, and the stand-alone date edit as the
// application's dialogs configure it.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Filer.h"
#include "controls/Edit.h"
#include "editors/dxCalendar.h"
#include "editors/dxEdLib.h"
#include "rtl/FormatSettings.h"
#include "windows/Focus.h"
#include "windows/Window.h"

namespace {

TDateTime Day(int Year, int Month, int Day) { return EncodeDate(Year, Month, Day); }

// Wednesday 13 March 2024, 10:30 unless a test moves the clock.
class DateEditTest : public TEditorsTest {
 protected:
  void SetUp() override {
    TEditorsTest::SetUp();
    FSavedClock = SetClockSource([this] { return Clock; });
    FSavedSettings = FormatSettings();
  }
  void TearDown() override {
    FormatSettings() = FSavedSettings;
    LoadFirstDayOfWeek();
    SetClockSource(FSavedClock);
    TEditorsTest::TearDown();
  }
  TdxDateEdit* StandAlone(bool Mask, TRect Bounds = {10, 150, 131, 174}) {
    auto* edit = new TdxDateEdit(Form);
    edit->SetParent(Form);
    edit->SetBoundsRect(Bounds);
    edit->SetUseEditMask(Mask);
    edit->OnDateChange = [this](TObject*) { ++DateChanges; };
    Pump();
    return edit;
  }
  void Focus(TWinControl* Control) {
    Control->SetFocus();
    Pump();
  }
  TDateTime Clock = Day(2024, 3, 13) + EncodeTime(10, 30, 0, 0);
  int DateChanges = 0;

 private:
  TClockSource FSavedClock;
  TFormatSettings FSavedSettings;
};

TEST_F(DateEditTest, TheMaskAndTheEditFormatFollowTheShortDateFormat) {
  struct TCase {
    const char* Format;
    const char* Mask;
    const char* EditFormat;
  };
  const TCase cases[] = {
      {"yyyy-m-d", "!9999-99-99;1; ", "yyyy-mm-dd"},
      {"dd/MM/yy", "!99/99/99;1; ", "dd/MM/yy"},
      {"d.mmm.yyyy", "!99.lll.9999;1; ", "dd.mmm.yyyy"},
  };
  for (const TCase& c : cases) {
    FormatSettings().ShortDateFormat = c.Format;
    EXPECT_EQ(BuildDateEditMask(), c.Mask) << c.Format;
    EXPECT_EQ(GetDateEditFormat(), c.EditFormat) << c.Format;
  }
  FormatSettings().ShortDateFormat = "yyyy-m-d";
  EXPECT_EQ(DateToDisplayText(NullDate), "");
  EXPECT_EQ(DateToDisplayText(Day(2003, 5, 1)), "2003-5-1");
  EXPECT_EQ(DateToDisplayText(Day(2003, 5, 1) + EncodeTime(8, 15, 0, 0)), "2003-5-1 8:15:00");
  EXPECT_EQ(DateToEditText(true, Day(2003, 5, 1) + EncodeTime(8, 15, 0, 0)), "2003-05-01") << "no time under the mask";
  EXPECT_EQ(DateToEditText(false, Day(2003, 5, 1)), "2003-5-1");
  EXPECT_EQ(DateToEditText(true, NullDate), "");
}

TEST_F(DateEditTest, KeywordsGiveTheirDatesWithAnOffsetAndIgnoreCase) {
  struct TCase {
    const char* Text;
    TDateTime Today;
    TDateTime Expected;
  };
  const TDateTime wed = Day(2024, 3, 13), mon = Day(2024, 3, 11), sun = Day(2024, 3, 10), sat = Day(2024, 3, 16);
  const TCase cases[] = {
      {"today", wed, wed},           {"Today +2", wed, wed + 2},     {"TOMORROW-1", wed, wed},
      {"yesterday", wed, wed - 1},   {"TODAYX", wed, wed},           {"TODAY+", wed, wed},
      {"TODAY+x", wed, wed},         {"TODAY + 3", wed, wed + 3},    {"TODAY+-3", wed, wed - 3},
      {"TODAY xyz", wed, wed},       {"bom", wed, Day(2024, 3, 1)},  {"eom", wed, Day(2024, 3, 31)},
      {"MONDAY", mon, mon},          {"monday", wed, Day(2024, 3, 18)}, {"sunday", wed, Day(2024, 3, 17)},
      {"FIRST", sun, sun},           {"first", wed, sun},            {"SEVENTH", sat, sat},
      {"seventh", wed, sat},         {"EOM", Day(2000, 2, 10), Day(2000, 2, 29)},
      {"EOM", Day(1900, 2, 10), Day(1900, 2, 28)},
  };
  for (const TCase& c : cases) {
    Clock = c.Today + EncodeTime(10, 30, 0, 0);
    TDateTime date = 0;
    EXPECT_TRUE(ParseDateKeyword(c.Text, date)) << c.Text;
    EXPECT_EQ(date, c.Expected) << c.Text;
  }
  TDateTime date = 7;
  EXPECT_TRUE(ParseDateKeyword("now", date));
  EXPECT_EQ(date, Clock);
  for (const char* none : {"SUN", "", "xTODAY", "2003-5-1"}) {
    date = 7;
    EXPECT_FALSE(ParseDateKeyword(none, date)) << none;
    EXPECT_EQ(date, 7) << none;
  }
}

TEST_F(DateEditTest, TextToDateReadsKeywordsDatesTimesAndDayCounts) {
  struct TCase {
    const char* Text;
    bool IsDate;
    TDateTime Expected;
  };
  const TCase cases[] = {
      {"2003-5-1", true, Day(2003, 5, 1)},
      {"  2003-5-1 12:30 ", true, Day(2003, 5, 1) + EncodeTime(12, 30, 0, 0)},
      {"2003- 5- 1", true, Day(2003, 5, 1)},
      {"tomorrow", true, Day(2024, 3, 14)},
      {"37742", true, Day(2003, 5, 1)},
      {"", false, 0},
      {"   ", false, 0},
      {"abc", false, 0},
      {"2003-2-30", false, 0},
      {"99999999", false, 0},
      {"-700000", false, 0},
  };
  for (const TCase& c : cases) {
    TDateTime date = -1;
    EXPECT_EQ(TextToDate(c.Text, date), c.IsDate) << c.Text;
    EXPECT_EQ(date, c.IsDate ? c.Expected : -1) << c.Text;
  }
  FormatSettings().ShortDateFormat = "dd.mm.yyyy";
  FormatSettings().DateSeparator = '.';
  TDateTime date = 0;
  EXPECT_TRUE(TextToDate("12.05.2003", date));
  EXPECT_EQ(date, Day(2003, 5, 12));
}

TEST_F(DateEditTest, TheMaskComesFromUseEditMaskAndTheDateIsShownInIt) {
  TdxDateEdit* edit = StandAlone(false);
  EXPECT_EQ(edit->Width(), 121);
  EXPECT_TRUE(edit->TabStop());
  EXPECT_FALSE(edit->IsMasked());
  edit->SetUseEditMask(true);
  EXPECT_EQ(edit->EditMask(), "!9999-99-99;1; ");
  EXPECT_EQ(edit->StoredValues(), svEditMask);
  EXPECT_EQ(edit->GetEditText(), "    -  -  ");
  String display = "x";
  edit->GetDisplayText(display);
  EXPECT_EQ(display, "");
  EXPECT_TRUE(edit->GetEditValue().IsNull());

  edit->SetDate(Day(2003, 5, 1));
  EXPECT_EQ(edit->GetEditText(), "2003-05-01");
  EXPECT_EQ(edit->GetEditValue(), Variant::FromDateTime(Day(2003, 5, 1)));
  edit->SetUseEditMask(false);
  EXPECT_EQ(edit->StoredValues(), 0u);
  EXPECT_EQ(edit->GetEditText(), "2003-5-1");
  EXPECT_EQ(DateChanges, 1) << "applying the mask changes no date";
}

TEST_F(DateEditTest, ValidationStoresTheDateTheErrorDateOrRaisesAsConfigured) {
  enum THandler { hNone, hAcceptOther, hRefuse };
  struct TCase {
    const char* Text;
    bool Validation;
    TDateOnError OnError;
    bool Hiding;
    THandler Handler;
    bool Raises;
    TDateTime Date;
    const char* Message;
    bool Asked;
  };
  const TDateTime before = Day(2000, 1, 1), other = Day(1999, 12, 31), today = Day(2024, 3, 13);
  const TCase cases[] = {
      {"2003-5-1", false, deNull, false, hNone, false, Day(2003, 5, 1), "", false},
      {"abc", false, deNull, false, hNone, false, NullDate, "", true},
      {"abc", false, deToday, false, hNone, false, today, "", true},
      {"abc", false, deNull, false, hAcceptOther, false, other, "", true},
      {"abc", true, deNull, false, hNone, true, before, "Invalid Date", true},
      {"abc", true, deToday, false, hAcceptOther, false, other, "", true},
      {"2003-5-1", true, deNull, false, hRefuse, true, before, "早于开学日期。", true},
      {"2003-5-1", true, deNull, false, hNone, false, Day(2003, 5, 1), "", true},
      {"", true, deToday, false, hNone, false, NullDate, "", true},
      {"2003-5-1", true, deNull, true, hNone, false, before, "", false},
      {"abc", false, deToday, true, hNone, false, before, "", false},
  };
  for (const TCase& c : cases) {
    const String what = String(c.Text) + (c.Validation ? " checked" : "") + (c.Hiding ? " hiding" : "");
    TdxDateEdit* edit = StandAlone(false);
    edit->SetDate(before);
    edit->SetDateValidation(c.Validation);
    edit->SetDateOnError(c.OnError);
    bool asked = false;
    edit->OnDateValidateInput = [&](TObject*, const String& Text, TDateTime& Date, String& Message, bool& Error) {
      asked = true;
      EXPECT_EQ(Text, c.Text);
      if (c.Handler == hAcceptOther) Date = other, Error = false;
      if (c.Handler == hRefuse) Message = "早于开学日期。", Error = true;
    };
    edit->SetEditText(c.Text);
    edit->SetHidingForPost(c.Hiding);
    const int beeps = Beeps();
    String message;
    try {
      edit->ValidateEdit();
    } catch (const Exception& e) {
      message = e.Message();
    }
    EXPECT_EQ(message, c.Message) << what;
    EXPECT_EQ(Beeps() - beeps, c.Raises ? 1 : 0) << what;
    EXPECT_EQ(edit->Date(), c.Date) << what;
    EXPECT_EQ(asked, c.Asked) << what;
    if (c.Hiding) {
      EXPECT_EQ(edit->GetEditText(), "") << what;
    }
    if (c.Raises) {
      EXPECT_EQ(edit->GetEditText(), c.Text) << what << ": the text stays";
    }
    edit->Free();
  }
}

TEST_F(DateEditTest, TheSameDateChangesNothingUntilTheUserTyped) {
  TdxDateEdit* edit = StandAlone(true);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetDate(Day(2003, 5, 1));
  edit->SetDate(Day(2003, 5, 1));
  EXPECT_EQ(DateChanges, 1);
  Focus(edit);
  Press(VK_HOME);
  Type("1");
  EXPECT_EQ(edit->GetEditText(), "1003-05-01");
  const int typed = changes;
  edit->SetDate(Day(2003, 5, 1));
  EXPECT_EQ(edit->GetEditText(), "2003-05-01") << "shown again";
  EXPECT_EQ(DateChanges, 1);
  EXPECT_GT(typed, 0);

  edit->SetEditValue(Variant::FromDateTime(Day(2004, 1, 2)));
  EXPECT_EQ(edit->Date(), Day(2004, 1, 2));
  EXPECT_EQ(DateChanges, 1) << "a value set by the host fires nothing";
  for (const Variant& none : {Variant(""), Variant::Null()}) {
    edit->SetEditValue(Day(2004, 1, 2));
    edit->SetEditValue(none);
    EXPECT_EQ(edit->Date(), NullDate);
    EXPECT_TRUE(edit->GetEditValue().IsNull());
  }
}

TEST_F(DateEditTest, AReadOnlyStandAloneEditIgnoresDatesAHostSetsItsOwnInPlace) {
  TdxDateEdit* edit = StandAlone(true);
  edit->SetReadOnly(true);
  edit->SetDate(Day(2003, 5, 1));
  EXPECT_EQ(edit->Date(), NullDate);

  auto* hosted = static_cast<TdxInplaceDateEdit*>(DateEditClass().CreateEditor(Host));
  hosted->SetDate(Day(2003, 5, 1));
  EXPECT_EQ(hosted->Date(), NullDate) << "the host lets nothing change";
  Host->BeginEditorSet();
  hosted->SetDate(Day(2003, 5, 1));
  Host->EndEditorSet();
  EXPECT_EQ(hosted->Date(), Day(2003, 5, 1));
}

TEST_F(DateEditTest, TheCalendarOpensOnTheParsedDayAndAPickedDayKeepsItsTime) {
  TdxDateEdit* edit = StandAlone(false);
  edit->SetDateButtons(1u << btnClear);
  edit->SetPopupBorder(pbFlat);
  Focus(edit);
  edit->DropDown();
  Pump();
  TdxGridDatePopup* calendar = edit->Calendar();
  ASSERT_TRUE(calendar);
  EXPECT_EQ(calendar->GetSelStart(), Day(2024, 3, 13)) << "nothing parsed yet: today";
  EXPECT_FALSE(calendar->ShowToday());
  EXPECT_TRUE(calendar->ShowClear());
  EXPECT_EQ(calendar->PopupBorder(), pbFlat);
  EXPECT_EQ(GetFocus(), calendar->Handle());
  Press(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(calendar->Handle()));
  EXPECT_EQ(GetFocus(), edit->Handle());

  edit->SetDate(Day(2003, 5, 1) + EncodeTime(8, 15, 0, 0));
  Press(VK_DOWN, ssAlt);
  ASSERT_TRUE(IsWindowVisible(calendar->Handle()));
  EXPECT_EQ(calendar->FirstDate(), Day(2003, 5, 1));
  EXPECT_EQ(calendar->GetSelStart(), Day(2003, 5, 1));
  Press(VK_RIGHT);
  Press(VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(calendar->Handle()));
  EXPECT_EQ(edit->Date(), Day(2003, 5, 2) + EncodeTime(8, 15, 0, 0));
  EXPECT_TRUE(edit->GetModified());
  EXPECT_FALSE(edit->PopupShown());

  edit->SetEditText("");
  Press(VK_F4);
  EXPECT_EQ(calendar->GetSelStart(), Day(2003, 5, 1)) << "the day parsed at the last drop-down";
  Press(VK_ESCAPE);
}

TEST_F(DateEditTest, ALocaleChangeShowsTheDateInTheNewFormatWithoutADateChange) {
  TdxDateEdit* edit = StandAlone(true);
  edit->SetDate(Day(2003, 5, 1));
  FormatSettings().ShortDateFormat = "dd/mm/yyyy";
  FormatSettings().DateSeparator = '/';
  edit->Perform(CM_WININICHANGE);
  EXPECT_EQ(edit->EditMask(), "!99/99/9999;1; ");
  EXPECT_EQ(edit->GetEditText(), "01/05/2003");
  EXPECT_EQ(edit->Date(), Day(2003, 5, 1));
  EXPECT_EQ(DateChanges, 1);
}

// The date field of the result-entry dialogs, as their stored forms describe it.
constexpr const char* InputDialogLayout =
    "object Form1: TForm\n"
    "  object edtTestDate: TdxDateEdit\n"
    "    Left = 10\n"
    "    Top = 150\n"
    "    Width = 121\n"
    "    TabOrder = 0\n"
    "    Date = -700000\n"
    "    DateButtons = []\n"
    "    DateOnError = deToday\n"
    "    DateValidation = True\n"
    "    UseEditMask = True\n"
    "    StoredValues = 4\n"
    "    PopupAlignment = taRightJustify\n"
    "    PopupBorder = pbSingle\n"
    "  end\n"
    "end\n";

TEST_F(DateEditTest, TheInputDialogsDateFieldTakesATypedDateAndAnErasedText) {
  ReadLayout(InputDialogLayout, Form);
  auto* edit = dynamic_cast<TdxDateEdit*>(Form->FindComponent("edtTestDate"));
  ASSERT_TRUE(edit);
  Pump();
  EXPECT_EQ(edit->Date(), NullDate);
  EXPECT_EQ(edit->GetEditText(), "    -  -  ");
  EXPECT_EQ(edit->DateButtons(), 0u);
  Focus(edit);
  Press(VK_HOME);
  Type("2003-5-1");
  Press(VK_RETURN);
  EXPECT_EQ(edit->Date(), Day(2003, 5, 1));
  EXPECT_EQ(edit->GetEditText(), "2003-05-01");

  Press(VK_HOME);
  Press(VK_END, ssShift);
  Press(VK_DELETE);
  EXPECT_EQ(edit->GetEditText(), edit->GetEmptyEditText());
  Press(VK_RETURN);
  EXPECT_EQ(edit->Date(), NullDate);
  EXPECT_TRUE(MessageBoxes().Shown.empty());

  Press(VK_HOME);
  Type("20031345");
  Press(VK_RETURN);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u) << "a month 13 is refused";
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Invalid Date");
  EXPECT_EQ(edit->Date(), NullDate);
  EXPECT_EQ(GetFocus(), edit->Handle());
}

// A click puts the focus into the box, as Tab does: the keys go where the caret shows.
TEST_F(DateEditTest, TheInputDialogsDateFieldTakesTypingAfterAClick) {
  ReadLayout(InputDialogLayout, Form);
  auto* edit = Find<TdxDateEdit>(Form, "edtTestDate");
  ASSERT_TRUE(edit);
  auto* other = new TEdit(Form);
  other->SetParent(Form);
  other->SetBounds(10, 190, 121, 21);
  Pump();
  Focus(other);
  const TPoint inside = edit->ClientToScreen(TPoint{30, 8});
  MouseAt(TMouseInput::Press, inside);
  MouseAt(TMouseInput::Release, inside);
  Pump();
  EXPECT_EQ(GetFocus(), edit->Handle());
  Press(VK_HOME);
  Type("2003-5-1");
  Press(VK_RETURN);
  EXPECT_EQ(edit->Date(), Day(2003, 5, 1));
}

TEST_F(DateEditTest, TheSearchDialogsDatesBecomeNoDateSilentlyAndFormsKeepOnlyWhatTheySet) {
  ReadLayout(InputDialogLayout, Form);
  auto* edit = dynamic_cast<TdxDateEdit*>(Form->FindComponent("edtTestDate"));
  ASSERT_TRUE(edit);
  edit->SetDateOnError(deNull);
  edit->SetDateValidation(false);
  Pump();
  Focus(edit);
  Press(VK_HOME);
  Type("20031345");
  Press(VK_RETURN);
  EXPECT_TRUE(MessageBoxes().Shown.empty());
  EXPECT_EQ(edit->Date(), NullDate);
  TDateTime date = 0;
  EXPECT_FALSE(TextToDate(edit->GetEditText(), date)) << "the search takes no criterion from it";

  const String layout = WriteLayout(Form);
  const String written = layout.substr(layout.find("object edtTestDate"));
  for (const char* line : {"StoredValues = 4", "UseEditMask = True", "Date = ", "DateButtons = []", "PopupBorder = pbSingle"})
    EXPECT_NE(written.find(line), String::npos) << line;
  for (const char* line : {" EditMask", "Caption", "Height", "TabStop", "ParentColor", "DateValidation", "SaveTime"})
    EXPECT_EQ(written.find(line), String::npos) << line;
}

}  // namespace
