// The fonts the system gives its own parts: caption, small caption, menu, status line, message
// boxes and icon titles, from one table with the defaults of this program's screens (the
// default face at 9 points); tests replace them through TSystemFontsOverride.
#pragma once

#include "graphics/GdiObjects.h"

struct TSystemFonts {
  TLogFont Caption;
  TLogFont SmallCaption;
  TLogFont Menu;
  TLogFont Status;
  TLogFont Message;
  TLogFont IconTitle;
};

// Every font "宋体" 9 pt (height -12); the two caption fonts bold.
const TSystemFonts& DefaultSystemFonts();
const TSystemFonts& GetSystemFonts();

// Replaces the table while it lives; the previous one returns when it is destroyed.
class TSystemFontsOverride {
 public:
  explicit TSystemFontsOverride(const TSystemFonts& Fonts);
  ~TSystemFontsOverride();
  TSystemFontsOverride(const TSystemFontsOverride&) = delete;
  TSystemFontsOverride& operator=(const TSystemFontsOverride&) = delete;

 private:
  TSystemFonts FPrevious;
};
