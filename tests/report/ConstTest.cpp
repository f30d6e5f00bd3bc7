// The engine's string table through frLoadStr and the locale's event, the tables built from it,
// and the named constants.
#include <gtest/gtest.h>

#include "report/FR_Const.h"

namespace {

TEST(ConstTest, StringTableTextsAndEmptyIds) {
  const std::pair<int, const char*> cases[] = {
      {53000, "查找文本"},       {53048, "输入页号或页范围,逗号分隔.例如: 1,3,5-12"},
      {54803, "导出框线(&)"},    {55000, "确认"},
      {55007, "虚拟打印机"},     {55077, "报表标题"},
      {55098, "子"},             {55099, "无"},
      {55177, "yyyy''年''mm''月''dd''日''"}, {55178, "yyyy''年''mm''月''dd''日''"},
      {55200, "计算时发生错误"}, {55206, "错误"},
      {55209, "Untitled"},       {55337, "1"},
      {55345, "不支持的FRF格式"}, {55439, "符号没定义"},
      // ids the engine asks for that hold no text in this program
      {53420, ""}, {55005, ""}, {55008, ""}, {55074, ""}, {55190, ""}, {55228, ""}, {55349, ""},
      {55416, ""}, {55435, ""}, {52999, ""}, {55440, ""},
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(frLoadStr(id), text) << id;
}

TEST(ConstTest, LocalizeEventAnswersFirstUnlessItsAnswerIsEmpty) {
  frLocale().OnLocalize = [](int id, String& text) {
    if (id == 55206) text = "Error";
  };
  EXPECT_EQ(frLoadStr(55206), "Error");
  EXPECT_EQ(frLoadStr(55207), "预览");
  frLocale().OnLocalize = nullptr;
  EXPECT_EQ(frLoadStr(55206), "错误");
}

TEST(ConstTest, LocalizedTables) {
  const TfrLocalizedTables& tables = frLocalizedTables();
  EXPECT_EQ(tables.BandNames[0], "报表标题");
  EXPECT_EQ(tables.BandNames[5], "主项数据");
  EXPECT_EQ(tables.BandNames[22], "无");
  EXPECT_EQ(tables.BoolStrings, (std::array<String, 4>{"0;1", "否;是", "_;x", "假;真"}));
  EXPECT_EQ(tables.DateFormats[0], "yy.mm.dd");
  EXPECT_EQ(tables.DateFormats[3], "yyyy''年''mm''月''dd''日''");
  EXPECT_EQ(tables.TimeFormats, (std::array<String, 4>{"hh:nn:ss", "h:nn:ss", "hh:nn", "h:nn"}));
}

TEST(ConstTest, NamedConstants) {
  const TfrVariables& consts = frConsts();
  const std::pair<const char*, Variant> cases[] = {
      {"clTransparent", 0x1FFFFFFF}, {"clRed", 0xFF},       {"clWhite", 0xFFFFFF},
      {"clScrollBar", int32_t(0x80000000u)},                {"clInfoBk", int32_t(0x80000018u)},
      {"clBtnFace", int32_t(0x8000000Fu)},                  {"mb_YesNo", 4},
      {"mb_IconWarning", 48}, {"mrNo", 7},                  {"fsBold", 2},
      {"fsItalic", 1},        {"frftTop", 8},               {"frtaDown", 16},
      {"baTop", 6},           {"psDouble", 5},              {"CRLF", "\r\n"},
      {"CLTRANSPARENT", 0x1FFFFFFF}, {"btJPG", 1},           {"btWMF", 3},
  };
  for (const auto& [name, value] : cases) {
    EXPECT_EQ(VarType(consts.Variable(name)), VarType(value)) << name;
    EXPECT_EQ(VarToStr(consts.Variable(name)), VarToStr(value)) << name;
  }
  EXPECT_GE(consts.IndexOf("Null"), 0);
  EXPECT_TRUE(VarIsNull(consts.Variable("Null")));
  EXPECT_EQ(consts.IndexOf("clHotLight"), -1);
  EXPECT_EQ(consts.Count(), 17 + 25 + 41 + 4 + 2);
}

}  // namespace
