// Fuzz target for the picture data of stored layouts (an image's Picture.Data, a button's
// Glyph.Data): any input either loads or raises the reader's own errors; a loaded picture
// stores data that loads to the same size.
#include <cstddef>
#include <cstdint>

#include "classes/Filer.h"
#include "graphics/Graphic.h"
#include "rtl/Streams.h"

namespace {

// Hands the input to the binary property the picture defines, and keeps what it writes.
class TDataFiler : public TFiler {
 public:
  TDataFiler(const uint8_t* Data, size_t Size) : TFiler(nullptr) {
    FInput.WriteBuffer(Data, static_cast<int>(Size));
    FInput.SetPosition(0);
  }
  void DefineProperty(const String&, const TReaderProc&, const TWriterProc&, bool) override {}
  void DefineBinaryProperty(const String&, const TStreamProc& ReadData, const TStreamProc& WriteData, bool HasData) override {
    if (!FWriting) return ReadData(FInput);
    if (HasData) WriteData(Output);
  }
  bool FWriting = false;
  TMemoryStream Output;

 private:
  TMemoryStream FInput;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPicture picture;
  TDataFiler reader(data, size);
  try {
    picture.DefineProperties(reader);
  } catch (const EInvalidGraphic&) {
    return 0;
  } catch (const EReadError&) {
    return 0;
  }
  TDataFiler writer(nullptr, 0);
  writer.FWriting = true;
  picture.DefineProperties(writer);
  if (writer.Output.Size() == 0) return 0;
  TPicture copy;
  TDataFiler again(static_cast<const uint8_t*>(writer.Output.Memory()), static_cast<size_t>(writer.Output.Size()));
  copy.DefineProperties(again);
  if (copy.Width() != picture.Width() || copy.Height() != picture.Height()) __builtin_trap();
  return 0;
}
