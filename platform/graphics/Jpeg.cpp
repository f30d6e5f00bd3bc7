// JPEG through libjpeg. libjpeg reports errors by a call that must not return, so each codec
// call runs under setjmp with no C++ object of its own between the setjmp and the longjmp; the
// error text becomes an EInvalidGraphic.
#include "graphics/Jpeg.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "graphics/BitmapQt.h"

namespace {

struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
  auto* error = reinterpret_cast<TJpegError*>(info->err);
  (*info->err->format_message)(info, error->Message);
  std::longjmp(error->Jump, 1);
}

// Warnings are silent, except the end of data in the middle of the image: libjpeg would make up
// the missing rows, and a cut-off picture is refused instead.
void OnJpegMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnJpegError(info);
}

void InitError(TJpegError& error) {
  jpeg_std_error(&error.Manager);
  error.Manager.error_exit = OnJpegError;
  error.Manager.emit_message = OnJpegMessage;
  error.Message[0] = 0;
}

// Refuses a header that declares more than the data can be: more pixels than a picture may have,
// or more 8 x 8 blocks than the bits that follow the header (Huffman coding spends at least one
// bit on each block's DC code; arithmetic coding has no such floor and is held by the pixel limit
// alone). Nothing is allocated for the picture before this check.
bool CheckDeclaredSize(const jpeg_decompress_struct& info, char* message) {
  if ((long long)info.image_width * info.image_height > MaxPicturePixels) {
    std::strcpy(message, "图像过大");
    return false;
  }
  long long blocks = 0;
  for (int c = 0; c < info.num_components; ++c)
    blocks += (long long)info.comp_info[c].width_in_blocks * info.comp_info[c].height_in_blocks;
  if (!info.arith_code && (long long)info.src->bytes_in_buffer * 8 < blocks) {
    std::strcpy(message, "数据不足以填满图像");
    return false;
  }
  return true;
}

// Decodes into image (RGB888 or Grayscale8); answers false with the error text in message.
bool Decode(const uint8_t* data, size_t size, bool grayscale, QImage& image, char* message) {
  jpeg_decompress_struct info;
  TJpegError error;
  InitError(error);
  info.err = &error.Manager;
  if (setjmp(error.Jump)) {
    std::strcpy(message, error.Message);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, (unsigned long)size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
  if (!CheckDeclaredSize(info, message)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  image = QImage(int(info.output_width), int(info.output_height),
                 grayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool Encode(const QImage& image, int quality, bool grayscale, unsigned char** out, unsigned long* outSize,
            char* message) {
  jpeg_compress_struct info;
  TJpegError error;
  InitError(error);
  info.err = &error.Manager;
  if (setjmp(error.Jump)) {
    std::strcpy(message, error.Message);
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, outSize);
  info.image_width = JDIMENSION(image.width());
  info.image_height = JDIMENSION(image.height());
  info.input_components = grayscale ? 1 : 3;
  info.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Assign(const TPersistent* source) {
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
    FQuality = jpeg->FQuality;
    FGrayscale = jpeg->FGrayscale;
    FData = jpeg->FData;
    FBitmap.reset();
    if (jpeg->FBitmap) {
      FBitmap = std::make_unique<TBitmap>();
      FBitmap->Assign(jpeg->FBitmap.get());
    }
    Changed();
    return;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->Assign(bitmap);
    FBitmap->SetPixelFormat(TPixelFormat::pf24bit);
    FData.clear();
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) const {
  if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
    if (FBitmap) bitmap->Assign(FBitmap.get());
    else bitmap->SetSize(0, 0);
    return;
  }
  TGraphic::AssignTo(dest);
}

bool TJPEGImage::Empty() const { return !FBitmap || FBitmap->Empty(); }
int TJPEGImage::Width() const { return FBitmap ? FBitmap->Width() : 0; }
int TJPEGImage::Height() const { return FBitmap ? FBitmap->Height() : 0; }

void TJPEGImage::SetCompressionQuality(int quality) {
  FQuality = std::clamp(quality, 1, 100);
  FData.clear();
}

void TJPEGImage::SetGrayscale(bool value) {
  if (value == FGrayscale) return;
  FGrayscale = value;
  if (!FData.empty()) LoadFromBytes(TBytes(FData));
}

void TJPEGImage::Draw(TCanvas* canvas, const TRect& r) const {
  if (FBitmap) FBitmap->Draw(canvas, r);
}

void TJPEGImage::LoadFromBytes(const TBytes& data) {
  QImage image;
  char message[JMSG_LENGTH_MAX] = {0};
  if (data.empty() || !Decode(data.data(), data.size(), FGrayscale, image, message))
    throw EInvalidGraphic(String("JPEG 图像无效：") + (data.empty() ? "empty data" : message));
  auto bitmap = std::make_unique<TBitmap>();
  QtImage(*bitmap) = image.convertToFormat(QImage::Format_RGB32);
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  FBitmap = std::move(bitmap);
  FData = data;
  Changed();
}

TBytes TJPEGImage::SaveToBytes() const {
  if (!FData.empty() || Empty()) return FData;
  const QImage source = QtImage(*FBitmap).convertToFormat(FGrayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {0};
  const bool ok = Encode(source, FQuality, FGrayscale, &buffer, &size, message);
  if (ok) FData.assign(buffer, buffer + size);
  std::free(buffer);
  if (!ok) throw EInvalidGraphic(String("JPEG 压缩失败：") + message);
  return FData;
}
