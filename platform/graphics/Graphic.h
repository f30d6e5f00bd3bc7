// Pictures: TGraphic and its kinds (TBitmap, TIcon; TJPEGImage and TMetafile have their own
// headers) and TPicture, the container that loads a picture file by its extension.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/Canvas.h"
#include "rtl/Streams.h"

QUORIN_EXCEPTION(EInvalidGraphic, Exception);
QUORIN_EXCEPTION(EInvalidGraphicOperation, Exception);

using TBytes = std::vector<uint8_t>;

class TGraphic : public TPersistent {
 public:
  String ClassName() const override { return "TGraphic"; }
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);
  // Draws the picture stretched into r.
  virtual void Draw(TCanvas* canvas, const TRect& r) const = 0;
  // The file format of the kind; a reader raises EInvalidGraphic for data it cannot read and
  // leaves the picture as it was.
  virtual void LoadFromBytes(const TBytes& data) = 0;
  virtual TBytes SaveToBytes() const = 0;
  // Reads from the stream's position to its end (a bitmap stops at the size its header gives).
  virtual void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;

  bool Modified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }
  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  bool FTransparent = false;
  bool FModified = false;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmapData;

// An off-screen image with a canvas. Pixels are 32-bit; a monochrome bitmap (pf1bit) keeps every
// pixel black or white. New pixels are white. The file format is the device-independent bitmap
// file ("BM"): 1, 4, 8, 16, 24 and 32 bits, compressed or not, are read; a monochrome bitmap is
// written with 1 bit per pixel, pf32bit with 32 and every other format with 24.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  String ClassName() const override { return "TBitmap"; }
  void Assign(const TPersistent* source) override;

  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  // Keeps the pixels that stay inside; the rest is white.
  void SetSize(int width, int height);
  TCanvas* Canvas();

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const { return FPixelFormat == TPixelFormat::pf1bit; }
  void SetMonochrome(bool value) { SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice); }

  // With tmAuto the colour of the bottom-left pixel; setting a colour makes the mode tmFixed.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return FTransparentMode; }

  // Row y of the pixels, 0x00RRGGBB in the low 24 bits of each 32-bit value.
  uint32_t* ScanLine(int y);
  const uint32_t* ScanLine(int y) const;

  void Draw(TCanvas* canvas, const TRect& r) const override;
  void LoadFromBytes(const TBytes& data) override;
  TBytes SaveToBytes() const override;
  void LoadFromStream(TStream& stream) override;

  TBitmapData& Data() const { return *FData; }
  // Stored layouts keep the pixels as "Data": the bitmap file with its size before it.
  void DefineProperties(TFiler& filer) override;

 private:
  std::unique_ptr<TBitmapData> FData;
  TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  TColor FTransparentColor = clDefault;
};

// An icon file ("ICO"): its bytes are kept as read and written back unchanged; it draws its
// first image with its transparency.
class TIcon : public TGraphic {
 public:
  TIcon();
  ~TIcon() override;
  String ClassName() const override { return "TIcon"; }
  void Assign(const TPersistent* source) override;
  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  void Draw(TCanvas* canvas, const TRect& r) const override;
  void LoadFromBytes(const TBytes& data) override;
  TBytes SaveToBytes() const override { return FBytes; }

 private:
  TBytes FBytes;
  std::unique_ptr<TBitmap> FImage;  // colour pixels
  std::unique_ptr<TBitmap> FMask;   // white where transparent
};

class TMetafile;

// A picture of any kind, owned. Files load by extension: .bmp, .ico, .jpg/.jpeg, .emf/.wmf.
class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  String ClassName() const override { return "TPicture"; }
  void Assign(const TPersistent* source) override;

  TGraphic* Graphic() const { return FGraphic.get(); }
  // Takes a copy of graphic (nullptr empties the picture).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap, icon or metafile; asking for a kind it does not hold replaces the
  // contents with an empty picture of that kind.
  TBitmap* Bitmap();
  TIcon* Icon();
  TMetafile* Metafile();
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;

  TNotifyEvent OnChange;
  // Stored layouts keep the picture as "Data": the kind's class name, then its file with its size.
  void DefineProperties(TFiler& filer) override;

 private:
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;
  void Changed();
  template <class T>
  T* Require();
  void Own(std::unique_ptr<TGraphic> graphic);

  std::unique_ptr<TGraphic> FGraphic;
};

// Makes a graphic of the kind a class name names ("TBitmap", "TJPEGImage", ...), nullptr when unknown.
std::unique_ptr<TGraphic> CreateGraphicForClass(const String& className);
// The sized block of a graphic's file as stored layouts keep it: 32-bit length, then the bytes.
void WriteSizedGraphic(TStream& stream, const TGraphic& graphic);
void ReadSizedGraphic(TStream& stream, TGraphic& graphic);
// Makes a graphic of the kind a file extension names (".bmp", ".jpg", ...), nullptr when unknown.
std::unique_ptr<TGraphic> CreateGraphicForExtension(const String& extension);
