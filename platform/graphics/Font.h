// TFont: a font description (face, size, style, colour, character set, rotation) that makes the
// handle a canvas selects. Sizes convert between points and pixels at PixelsPerInch (96 on
// screens, the printer's resolution on a printer canvas).
#pragma once

#include "graphics/GdiObjects.h"
#include "graphics/GraphicsObject.h"

// The fixed-metrics face for tests that measure text: every character is a box, narrow characters
// half the pixel height wide and wide (CJK) characters as wide as the height; tmHeight is the pixel
// height, tmAscent three quarters of it.
inline constexpr const char* TestFontName = "Quorin Test Fixed";

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TGraphicsObject {
 public:
  TFont();
  void Assign(const TPersistent* source) override;
  String ClassName() const override { return "TFont"; }

  const String& Name() const { return FLogFont.FaceName; }
  void SetName(const String& name);
  int Size() const;
  void SetSize(int points);
  int Height() const { return FLogFont.Height; }
  void SetHeight(int height);
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Charset() const { return FLogFont.CharSet; }
  void SetCharset(int charset);
  // Rotation in tenths of a degree, counter-clockwise (900: text runs upwards).
  int Orientation() const { return FLogFont.Escapement; }
  void SetOrientation(int tenths);
  void SetPixelsPerInch(int ppi) { FPixelsPerInch = ppi; }

  HFONT Handle() const;
  // Takes face, height, style, character set and rotation from a handle; the colour stays.
  void SetHandle(const HFONT& font);

 private:
  void Changed() override;
  void Update(const TLogFont& lf);

  TLogFont FLogFont;
  TColor FColor = clWindowText;
  int FPixelsPerInch = 96;
  mutable HFONT FHandle;
};
