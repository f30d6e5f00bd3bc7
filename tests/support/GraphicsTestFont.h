// The fixed-metrics test font and a recording canvas for tests that check where text goes: with
// height 12 every narrow character is 6 pixels wide, a CJK character 12, the line 12 high.
#pragma once

#include <functional>
#include <vector>

#include "graphics/Gdi.h"
#include "graphics/Metafile.h"

inline void UseTestFont(TFont* font, int pixelHeight = 12) {
  font->SetName(TestFontName);
  font->SetHeight(-pixelHeight);
}

// Runs draw on a recording canvas that uses the test font and answers the text runs it drew.
inline std::vector<TMetafileTextRun> RecordTextRuns(const std::function<void(HDC)>& draw, int width = 400,
                                                     int height = 300) {
  TMetafile metafile;
  {
    TMetafileCanvas canvas(&metafile, width, height);
    UseTestFont(canvas.Font());
    draw(&canvas);
  }
  return metafile.TextRuns();
}
