// Helpers shared by the text functions of the device context.
#pragma once

#include <QRegion>

#include <string>

#include "graphics/CanvasQt.h"

// The first count characters (all when count < 0).
std::u32string CodePointsOf(const String& text, int count);
// Advance of text in the selected font with the character extra.
int RunWidth(HDC dc, const std::u32string& text);
// Draws one run at logical (x, y) with the current colours and background mode.
void OutputRun(HDC dc, int x, int y, const std::u32string& text, int underlineIndex, const QRegion& clip);
