// The engine's string table with every text the engine shows, the locale object that reads it, the
// tables built from it, and the named constants.
#include "report/FR_Const.h"

#include <algorithm>

#include "graphics/Colors.h"

namespace {

struct TStringEntry {
  int Id;
  const char* Text;
};

// Sorted by id. Ids between 53000 and 55439 that are not listed have no text in this program.
constexpr TStringEntry kStrings[] = {
    {53000, "查找文本"},
    {53001, "待查文本(&F)"},
    {53002, "选项"},
    {53003, "大小写敏感(&C)"},
    {53004, "起点"},
    {53005, "首页(&1)"},
    {53006, "当前页(&P)"},
    {53020, "页宽(&P)"},
    {53021, "全页(&W)"},
    {53022, "双页(&T)"},
    {53023, "关闭预览"},
    {53024, "放缩"},
    {53025, "打开报表"},
    {53026, "保存报表"},
    {53027, "打印报表"},
    {53028, "查找文本"},
    {53029, "编辑页"},
    {53030, "增加页"},
    {53031, "删除页"},
    {53032, "显示帮助"},
    {53040, "打印"},
    {53041, "打印机"},
    {53042, "属性"},
    {53043, "打印份数"},
    {53044, "页范围"},
    {53045, "全部(&A)"},
    {53046, "当前页(&g)"},
    {53047, "页(&P):"},
    {53048, "输入页号或页范围,逗号分隔.例如: 1,3,5-12"},
    {53049, "名称(&N):"},
    {53050, "打印份数(&c):"},
    {53051, "对齐(&l)"},
    {53052, "打印(&r)"},
    {53053, "全部页"},
    {53054, "奇数页"},
    {53055, "偶数页"},
    {54800, "文本导出选项"},
    {54801, "压缩空行(&K)"},
    {54802, "转换到DOS(&D)"},
    {54803, "导出框线(&)"},
    {54804, "使用DOS伪图形(&p)"},
    {54805, "插入页分隔(&b)"},
    {54806, "放缩比例"},
    {54810, "CSV 导出选项"},
    {54811, "&CSV 分隔"},
    {54820, "RTF 导出选项"},
    {54821, "导出图片(&p)"},
    {54822, "转换表格(&t)"},
    {54830, "HTML 导出选项"},
    {55000, "确认"},
    {55001, "取消"},
    {55002, "是"},
    {55003, "否"},
    {55004, "页"},
    {55007, "虚拟打印机"},
    {55076, "[无]"},
    {55077, "报表标题"},
    {55078, "报表合计"},
    {55079, "页头"},
    {55080, "页脚"},
    {55081, "主项头"},
    {55082, "主项数据"},
    {55083, "主项脚"},
    {55084, "细项头"},
    {55085, "细项数据"},
    {55086, "细项脚"},
    {55087, "子细项头"},
    {55088, "子细项数据"},
    {55089, "子细项脚"},
    {55090, "覆盖"},
    {55091, "栏目头"},
    {55092, "栏目脚"},
    {55093, "分组头"},
    {55094, "分组脚"},
    {55095, "交叉表头"},
    {55096, "交叉表数据"},
    {55097, "交叉表脚"},
    {55098, "子"},
    {55099, "无"},
    {55130, "文本"},
    {55131, "数字"},
    {55132, "日期"},
    {55133, "时间"},
    {55134, "布尔"},
    {55150, "[无]"},
    {55155, "1234,5"},
    {55156, "1234,50"},
    {55157, "1 234,5"},
    {55158, "1 234,50"},
    {55159, "自定义"},
    {55160, "98.11.15"},
    {55161, "1998.11.15"},
    {55162, "1998年11月15日"},
    {55163, "1998年11月15日"},
    {55164, "自定义"},
    {55165, "02:43:35"},
    {55166, "2:43:35"},
    {55167, "02:43"},
    {55168, "2:43"},
    {55169, "自定义"},
    {55170, "0;1"},
    {55171, "否;是"},
    {55172, "_;x"},
    {55173, "假;真"},
    {55174, "自定义"},
    {55175, "yy.mm.dd"},
    {55176, "yyyy.mm.dd"},
    {55177, "yyyy''年''mm''月''dd''日''"},
    {55178, "yyyy''年''mm''月''dd''日''"},
    {55179, "hh:nn:ss"},
    {55180, "h:nn:ss"},
    {55181, "hh:nn"},
    {55182, "h:nn"},
    {55199, "从"},
    {55200, "计算时发生错误"},
    {55201, "报表:"},
    {55202, "对象:"},
    {55203, "正在准备报表"},
    {55204, "进行第一次处理:"},
    {55205, "正在处理页:"},
    {55206, "错误"},
    {55207, "预览"},
    {55208, "正在打印页:"},
    {55209, "Untitled"},
    {55210, "所选打印机错误"},
    {55211, "Report 文件"},
    {55212, "ASCII Text 文件"},
    {55218, "Rich Text 文件"},
    {55219, "CSV 文件"},
    {55220, "HTML 文件"},
    {55334, "字体..."},
    {55337, "1"},
    {55339, "条码错误"},
    {55345, "不支持的FRF格式"},
    {55439, "符号没定义"},
};

const char* FindString(int id) {
  const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                   [](const TStringEntry& e, int key) { return e.Id < key; });
  return it != std::end(kStrings) && it->Id == id ? it->Text : "";
}

template <size_t N>
std::array<String, N> LoadRange(int firstId) {
  std::array<String, N> texts;
  for (size_t i = 0; i < N; ++i) texts[i] = frLoadStr(firstId + int(i));
  return texts;
}

void AddConstants(TfrVariables& consts) {
  const std::pair<const char*, TColor> colours[] = {
      {"clWhite", clWhite}, {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen},
      {"clOlive", clOlive}, {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal},
      {"clGray", clGray}, {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime},
      {"clYellow", clYellow}, {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua},
      {"clTransparent", clNone},
  };
  for (const auto& [name, colour] : colours) consts.SetVariable(name, colour);
  // The system colours in the order of their indices.
  const char* const systemColours[] = {
      "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow",
      "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder",
      "clAppWorkSpace", "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText",
      "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText",
      "clInfoBk",
  };
  for (int i = 0; i < int(std::size(systemColours)); ++i) consts.SetVariable(systemColours[i], SysColor(i));
  const std::pair<const char*, int> numbers[] = {
      {"mrNone", 0}, {"mrOk", 1}, {"mrCancel", 2}, {"mrYes", 6}, {"mrNo", 7},
      {"fsBold", 2}, {"fsItalic", 1}, {"fsUnderline", 4}, {"fsStrikeOut", 8},
      {"frftNone", 0}, {"frftRight", 1}, {"frftBottom", 2}, {"frftLeft", 4}, {"frftTop", 8},
      {"frtaLeft", 0}, {"frtaRight", 1}, {"frtaCenter", 2}, {"frtaVertical", 4}, {"frtaMiddle", 8},
      {"frtaDown", 16},
      {"baNone", 0}, {"baLeft", 1}, {"baRight", 2}, {"baCenter", 3}, {"baWidth", 4}, {"baBottom", 5},
      {"baTop", 6},
      {"psSolid", 0}, {"psDash", 1}, {"psDot", 2}, {"psDashDot", 3}, {"psDashDotDot", 4}, {"psDouble", 5},
      {"mb_Ok", 0}, {"mb_OkCancel", 1}, {"mb_YesNo", 4}, {"mb_YesNoCancel", 3}, {"mb_IconError", 16},
      {"mb_IconQuestion", 32}, {"mb_IconInformation", 64}, {"mb_IconWarning", 48},
      // Kinds of picture data in blob fields, for scripts that set a picture's BlobType.
      {"btBMP", 0}, {"btJPG", 1}, {"btICO", 2}, {"btWMF", 3},
  };
  for (const auto& [name, value] : numbers) consts.SetVariable(name, value);
  consts.SetVariable("CRLF", "\r\n");
  consts.SetVariable("Null", Variant::Null());
}

}  // namespace

String TfrLocale::LoadStr(int id) const {
  if (OnLocalize) {
    String text;
    OnLocalize(id, text);
    if (!text.empty()) return text;
  }
  return FindString(id);
}

TfrLocale& frLocale() {
  static TfrLocale locale;
  return locale;
}

String frLoadStr(int id) { return frLocale().LoadStr(id); }

const TfrLocalizedTables& frLocalizedTables() {
  static const TfrLocalizedTables tables{
      LoadRange<23>(55077),
      LoadRange<4>(55170),
      LoadRange<4>(55175),
      LoadRange<4>(55179),
  };
  return tables;
}

const TfrVariables& frConsts() {
  static const TfrVariables consts = [] {
    TfrVariables list;
    list.SetSorted(true);
    AddConstants(list);
    return list;
  }();
  return consts;
}
