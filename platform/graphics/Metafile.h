// The recording canvas. A TMetafileCanvas records every drawing call made on it, as the
// primitives a surface receives, into its TMetafile when it is destroyed; the metafile replays
// them onto any canvas, stretched to the rectangle it is drawn into (so at natural size on a
// surface of another resolution it keeps its physical size), and lists its text runs with their
// positions for searching. Metafile files of other programs are kept as bytes and not drawn.
#pragma once

#include <memory>
#include <vector>

#include "graphics/Graphic.h"

class TMetafileRecord;

struct TMetafileTextRun {
  int RecordIndex = 0;  // position among all records, from 0
  String Text;
  TRect Bounds;         // in the metafile's coordinates
};

// A filled area: rectangles, lines, edges and shapes all reach the surface as fills.
struct TMetafileFill {
  int RecordIndex = 0;
  TRect Bounds;         // of the painted part (area within clip), in the metafile's coordinates
  TColor Color = 0;     // $00BBGGRR; for a pattern, the colour at the area's top-left pixel
};

class TMetafile : public TGraphic {
 public:
  TMetafile();
  ~TMetafile() override;
  String ClassName() const override { return "TMetafile"; }
  void Assign(const TPersistent* source) override;

  bool Empty() const override;
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int width) { FWidth = width; }
  void SetHeight(int height) { FHeight = height; }
  // Resolution of the recording (96 unless recorded on another surface).
  int Dpi() const { return FDpi; }

  int RecordCount() const { return int(FRecords.size()); }
  std::vector<TMetafileTextRun> TextRuns() const;
  std::vector<TMetafileFill> Fills() const;

  void Draw(TCanvas* canvas, const TRect& r) const override;
  // Foreign metafile data: kept unchanged, written back as read, drawn as nothing.
  void LoadFromBytes(const TBytes& data) override;
  // Recordings exist only in memory: saving one raises EInvalidGraphicOperation.
  TBytes SaveToBytes() const override;
  void Clear();

 private:
  friend class TMetafileCanvas;
  std::vector<std::shared_ptr<const TMetafileRecord>> FRecords;
  TBytes FForeign;
  int FWidth = 0;
  int FHeight = 0;
  int FDpi = 96;
};

class TMetafileCanvas : public TCanvas {
 public:
  // Records for metafile, which must outlive the canvas; its contents are replaced when the
  // canvas is destroyed. The metafile takes the given size (0: the extent of what was drawn); a
  // canvas of a given size clips to it, as any other surface clips to its bounds.
  explicit TMetafileCanvas(TMetafile* metafile, int width = 0, int height = 0);
  ~TMetafileCanvas() override;
  String ClassName() const override { return "TMetafileCanvas"; }

 private:
  TMetafile* FMetafile;
  int FWidth;
  int FHeight;
};
