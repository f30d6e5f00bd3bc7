// A string list's own defined properties travel with its lines in a layout.
#include <gtest/gtest.h>

#include "classes/Filer.h"
#include "classes/Properties.h"

namespace {

// Lines with one flag each, stored beside the lines as "<list>.Flags".
class TFlaggedStrings : public TStringList {
 public:
  std::vector<bool> Flags;
  void DefineProperties(TFiler& Filer) override {
    Filer.DefineProperty(
        "Flags",
        [this](TReader& Reader) {
          Flags.clear();
          Reader.ReadListBegin();
          while (!Reader.EndOfList()) Flags.push_back(Reader.ReadBoolean());
          Reader.ReadListEnd();
        },
        [this](TWriter& Writer) {
          Writer.WriteListBegin();
          for (bool flag : Flags) Writer.WriteBoolean(flag);
          Writer.WriteListEnd();
        },
        !Flags.empty());
  }
};

class TFlagHolder : public TComponent {
 public:
  explicit TFlagHolder(TComponent* AOwner) : TComponent(AOwner) {}
  String ClassName() const override { return "TFlagHolder"; }
  TFlaggedStrings* Names() { return &FNames; }

 private:
  TFlaggedStrings FNames;
};

TEST(StringListDefined, FollowsTheLinesAndReadsBack) {
  RegisterClass<TFlagHolder, TComponent>("TFlagHolder",
                                         [](TClassBuilder<TFlagHolder>& c) { c.Property("Names", &TFlagHolder::Names); });
  auto holder = MakeComponent<TFlagHolder>();
  holder->SetName("Holder");
  holder->Names()->Add("a");
  holder->Names()->Add("b");
  holder->Names()->Flags = {true, false};
  const String text = WriteLayout(holder.get());
  EXPECT_NE(text.find("Names = (\n    'a'\n    'b')\n  Names.Flags = (\n    True\n    False)\n"), String::npos) << text;

  auto copy = MakeComponent<TFlagHolder>();
  ReadLayout(text, copy.get());
  EXPECT_EQ(copy->Names()->Count(), 2);
  EXPECT_EQ(copy->Names()->Flags, (std::vector<bool>{true, false}));
}

}  // namespace
