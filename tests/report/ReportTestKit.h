// The report engine's test kit: a fixture with a fresh engine state, a report whose lookups the
// parser calls back and scripted message boxes; a byte builder for template files of every
// version; and small helpers to place objects on a page.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_Factory.h"
#include "report/FR_Globals.h"
#include "report/FR_Line.h"
#include "report/FR_Memo.h"
#include "report/FR_Picture.h"
#include "report/FR_Register.h"
#include "report/FR_State.h"
#include "report/FR_SubReport.h"
#include "rtl/CodePage.h"
#include "support/ScriptedDialogs.h"

using TBytes = std::vector<uint8_t>;

// Little-endian bytes of a template file, written field by field.
class TBytesBuilder {
 public:
  TBytesBuilder& Byte(int b) {
    FBytes.push_back(uint8_t(b));
    return *this;
  }
  TBytesBuilder& Word(int w) { return Byte(w & 0xFF).Byte((w >> 8) & 0xFF); }
  TBytesBuilder& Int(int32_t i) { return Word(i & 0xFFFF).Word(int(uint32_t(i) >> 16)); }
  // Word length, GB18030 bytes, byte 0.
  TBytesBuilder& Str(const String& s) {
    const std::string bytes = Utf8ToGB18030(s);
    Word(int(bytes.size()));
    for (char c : bytes) Byte(uint8_t(c));
    return Byte(0);
  }
  // Zero-terminated, as files before version 23 hold strings.
  TBytesBuilder& OldStr(const String& s) {
    for (char c : Utf8ToGB18030(s)) Byte(uint8_t(c));
    return Byte(0);
  }
  TBytesBuilder& EmptyMemo() { return Word(0).Byte(0); }
  TBytesBuilder& Memo(const std::vector<String>& lines) {
    Word(int(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) Byte(13);
      const std::string bytes = Utf8ToGB18030(lines[i]);
      Word(int(bytes.size()));
      for (char c : bytes) Byte(uint8_t(c));
    }
    return Byte(0);
  }
  TBytesBuilder& Append(const TBytes& bytes) {
    FBytes.insert(FBytes.end(), bytes.begin(), bytes.end());
    return *this;
  }
  size_t Size() const { return FBytes.size(); }
  // Overwrites the 32-bit value at an earlier offset.
  void PatchInt(size_t at, int32_t i) {
    for (int k = 0; k < 4; ++k) FBytes[at + size_t(k)] = uint8_t(uint32_t(i) >> (8 * k));
  }
  const TBytes& Bytes() const { return FBytes; }

 private:
  TBytes FBytes;
};

inline TBytes StreamBytes(TMemoryStream& stream) {
  return TBytes(stream.Memory(), stream.Memory() + stream.Size());
}

inline void FillStream(TMemoryStream& stream, const TBytes& bytes) {
  stream.Clear();
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), int(bytes.size()));
  stream.SetPosition(0);
}

inline TRect BoundsOf(const TfrView& view) { return Bounds(view.Left, view.Top, view.Width, view.Height); }

// The engine as a test starts it: a fresh state, its classes registered, no script variables, and
// A4 on the printer layer.
inline void StartEngine() {
  frResetState();
  RegisterReportClasses();
  frVariables().Clear();
  frPrinter().SetPrinterInfo(9, 0, 0, 0, frDefaultBin, true);
}

class TReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartEngine();
    Report = MakeComponent<TfrReport>();
    Report->SetName("rptTest");
    frState().ActiveReport = Report.get();
    frParser().OnGetValue = [this](const String& name, Variant& value) { Report->GetVariableValue(name, value); };
  }
  void TearDown() override {
    frParser().OnGetValue = nullptr;
    frVariables().Clear();
    Report.reset();
    frResetState();
  }

  TfrPage& Page(int index = 0) {
    while (Report->Pages().Count() <= index) Report->Pages().Add();
    return Report->Pages().Pages(index);
  }
  template <class T>
  T& Place(const String& Name, TRect Bounds, int PageIndex = 0) {
    auto view = std::make_unique<T>();
    view->Name = Name;
    view->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    T& ref = *view;
    Page(PageIndex).Objects.push_back(std::move(view));
    return ref;
  }
  TBytes Saved() {
    TMemoryStream stream;
    Report->SaveToStream(stream);
    return StreamBytes(stream);
  }
  bool Load(const TBytes& bytes) {
    TMemoryStream stream;
    FillStream(stream, bytes);
    return Report->LoadFromStream(stream);
  }

  TComponentPtr<TfrReport> Report;
  TScriptedDialogsScope Dialogs;
};
