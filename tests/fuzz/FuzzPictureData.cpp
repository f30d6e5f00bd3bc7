// Fuzz target for the binary data of stored layouts: the picture data (an image's Picture.Data,
// a button's Glyph.Data) and an image list's images (its Bitmap). Any input either loads or
// raises the reader's own errors; what loaded stores data that loads to the same pictures.
#include <cstddef>
#include <cstdint>

#include "classes/Filer.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"
#include "rtl/Streams.h"

namespace {

// Hands the input to the binary property the object defines, and keeps what it writes.
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

// Reads the input into Object; false when the reader refused it with its own error.
bool Read(TPersistent& Object, const uint8_t* Data, size_t Size) {
  TDataFiler reader(Data, Size);
  try {
    Object.DefineProperties(reader);
  } catch (const EInvalidGraphic&) {
    return false;
  } catch (const EReadError&) {
    return false;
  }
  return true;
}

// Writes Object's data and reads it into Copy, which must take it.
bool WriteAndReadBack(TPersistent& Object, TPersistent& Copy) {
  TDataFiler writer(nullptr, 0);
  writer.FWriting = true;
  Object.DefineProperties(writer);
  if (writer.Output.Size() == 0) return false;
  TDataFiler again(static_cast<const uint8_t*>(writer.Output.Memory()), static_cast<size_t>(writer.Output.Size()));
  Copy.DefineProperties(again);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPicture picture, pictureCopy;
  if (Read(picture, data, size) && WriteAndReadBack(picture, pictureCopy) &&
      (pictureCopy.Width() != picture.Width() || pictureCopy.Height() != picture.Height()))
    __builtin_trap();
  TImageList list(4, 4), listCopy(4, 4);
  if (Read(list, data, size) && WriteAndReadBack(list, listCopy) && listCopy.Count() != list.Count()) __builtin_trap();
  return 0;
}
