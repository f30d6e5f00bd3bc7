// Field and bookmark routines of the report engine over the data access layer.
#include "report/FR_DBRel.h"

#include "graphics/Graphic.h"
#include "rtl/Streams.h"

namespace {

// The picture format that the bytes begin with, as a file extension.
String PictureKind(const String& bytes) {
  if (bytes.rfind("BM", 0) == 0) return ".bmp";
  if (bytes.rfind("\xFF\xD8\xFF", 0) == 0) return ".jpg";
  if (bytes.rfind(String("\0\0\1\0", 4), 0) == 0) return ".ico";
  throw EInvalidGraphic("不支持的图片格式");
}

void AssignPicture(const String& bytes, TPicture& picture) {
  if (bytes.empty()) return picture.SetGraphic(nullptr);
  std::unique_ptr<TGraphic> graphic = CreateGraphicForExtension(PictureKind(bytes));
  graphic->LoadFromBytes(TBytes(bytes.begin(), bytes.end()));
  picture.SetGraphic(graphic.get());
}

}  // namespace

bool IsBlobField(const TField* Field) {
  return Field && Field->DataType() >= ftBlob && Field->DataType() <= ftTypedBinary;
}

void AssignBlobTo(const TField& Blob, TObject* Target) {
  const String bytes = Blob.IsNull() ? String() : VarToStr(Blob.Value());
  if (auto* picture = dynamic_cast<TPicture*>(Target)) {
    AssignPicture(bytes, *picture);
  } else if (auto* strings = dynamic_cast<TStrings*>(Target)) {
    strings->SetText(bytes);
  } else if (auto* stream = dynamic_cast<TStream*>(Target)) {
    stream->WriteBuffer(bytes.data(), int(bytes.size()));
    stream->SetPosition(0);
  }
}

void GetFieldNamesSafe(TDataSet* DataSet, TStrings& List) {
  if (!DataSet) return;
  try {
    List.Clear();
    if (DataSet->FieldCount() > 0) {
      for (int i = 0; i < DataSet->FieldCount(); ++i) List.Add(DataSet->Fields()[i]->FieldName());
    } else {
      for (int i = 0; i < DataSet->FieldDefs().Count(); ++i) List.Add(DataSet->FieldDefs().Items(i).Name());
    }
  } catch (const Exception&) {
    // a lookup of names only: the names found so far serve
  }
}

TBookmark GetBookmark(const TDataSet& DataSet) { return DataSet.Bookmark(); }

void GotoBookmark(TDataSet& DataSet, const TBookmark& Bookmark) {
  if (!Bookmark.empty()) DataSet.GotoBookmark(Bookmark);
}

bool BookmarksEqual(const TDataSet& DataSet, const TBookmark& A, const TBookmark& B) {
  return DataSet.CompareBookmarks(A, B) == 0;
}
