// Renders a sample of frames, edges, frame controls and Chinese text. With QUORIN_GRAPHICS_PNG
// set to a file name the picture is also written there, to be looked at.
#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics/BitmapQt.h"
#include "support/PixelCanvas.h"

namespace {

void DrawEdges(HDC dc) {
  const unsigned edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP, BDR_RAISEDINNER, BDR_SUNKENOUTER};
  for (int i = 0; i < 6; ++i) {
    TRect r = Bounds(10 + i * 50, 10, 40, 30);
    DrawEdge(dc, r, edges[i], BF_RECT | BF_ADJUST);
  }
  TRect flat = Bounds(310, 10, 40, 30);
  DrawEdge(dc, flat, EDGE_RAISED, BF_RECT | BF_FLAT);
}

void DrawControls(HDC dc) {
  struct Control { unsigned type, state; };
  const Control controls[] = {
      {DFC_BUTTON, DFCS_BUTTONPUSH}, {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
      {DFC_BUTTON, DFCS_BUTTONCHECK}, {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
      {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED}, {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE},
      {DFC_CAPTION, DFCS_CAPTIONCLOSE}, {DFC_CAPTION, DFCS_CAPTIONMIN}, {DFC_CAPTION, DFCS_CAPTIONMAX},
      {DFC_CAPTION, DFCS_CAPTIONRESTORE}, {DFC_SCROLL, DFCS_SCROLLUP}, {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED},
      {DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE}, {DFC_SCROLL, DFCS_SCROLLRIGHT}, {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
  };
  int x = 10;
  for (const Control& c : controls) {
    const bool check = c.type == DFC_BUTTON && !(c.state & DFCS_BUTTONPUSH);
    TRect r = Bounds(x, 52, check ? 13 : 16, check ? 13 : 16);
    DrawFrameControl(dc, r, c.type, c.state);
    x += 22;
  }
}

void DrawTexts(TCanvas* canvas) {
  HDC dc = canvas->Handle();
  SetBkMode(dc, TRANSPARENT);
  canvas->Font()->SetName("宋体");
  canvas->Font()->SetSize(9);
  TRect r = Bounds(10, 80, 150, 20);
  DrawText(dc, "高一(1)班 体育成绩", -1, r, DT_SINGLELINE | DT_VCENTER);
  TRect box = Bounds(10, 104, 150, 60);
  DrawEdge(dc, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillRect(dc, box, GetSysColorBrush(COLOR_WINDOW));
  InflateRect(box, -2, -2);
  DrawText(dc, "立定跳远、一千米跑和坐位体前屈的成绩按年级标准换算为得分。", -1, box, DT_WORDBREAK | DT_END_ELLIPSIS);
  canvas->Font()->SetName("黑体");
  canvas->Font()->SetSize(12);
  canvas->Font()->SetStyle(fsBold);
  TRect title = Bounds(170, 80, 180, 24);
  DrawText(dc, "&学生名单", -1, title, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  canvas->Font()->SetStyle(0);
  canvas->Font()->SetSize(9);
  TRect path = Bounds(170, 108, 180, 16);
  DrawText(dc, "D:\\体育\\成绩\\二〇二六年\\高一年级成绩表.frf", -1, path, DT_SINGLELINE | DT_PATH_ELLIPSIS);
  TRect focus = Bounds(168, 126, 120, 18);
  SetTextColor(dc, clWindowText);
  DrawText(dc, "焦点行", -1, focus, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  SetBkColor(dc, clBlack);
  SetTextColor(dc, clWhite);
  DrawFocusRect(dc, focus);
}

void DrawShapes(HDC dc) {
  SetTextColor(dc, ColorToRGB(clBtnFace));
  SetBkColor(dc, ColorToRGB(clBtnHighlight));
  FillRect(dc, Bounds(300, 126, 50, 38), CreatePatternBrush(CheckerboardPattern()));
  SelectObject(dc, CreateSolidBrush(clNavy));
  SelectObject(dc, CreatePen(PS_SOLID, 1, clNavy));
  Polygon(dc, {{180, 150}, {192, 150}, {186, 156}});
  SelectObject(dc, CreateSolidBrush(clInfoBk));
  SelectObject(dc, GetStockPen(BLACK_PEN));
  Ellipse(dc, 200, 146, 240, 166);
  RoundRect(dc, 246, 146, 290, 166, 8, 8);
}

}  // namespace

TEST(SampleRender, FramesEdgesAndChineseText) {
  TPixelCanvas sample(360, 172, clBtnFace);
  DrawEdges(sample.DC());
  DrawControls(sample.DC());
  DrawTexts(sample.Canvas());
  DrawShapes(sample.DC());
  EXPECT_EQ(sample.At(10, 10), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(sample.At(49, 39), GetSysColor(COLOR_3DDKSHADOW));
  if (const char* file = std::getenv("QUORIN_GRAPHICS_PNG")) {
    const QImage& image = QtImage(sample.Bitmap());
    EXPECT_TRUE(image.scaled(image.size() * 2).save(QString::fromUtf8(file), "PNG"));
  }
}
