// The few routines through which the report engine touches fields and bookmarks of the data
// access layer: blob fields and their transfer to pictures, string lists and streams, field
// names, and bookmarks.
#pragma once

#include "data/DataSet.h"
#include "rtl/StringList.h"

// True when the field exists and holds a blob kind (blob, memo, graphic, formatted memo, the two
// OLE kinds, typed binary).
bool IsBlobField(const TField* Field);
// A picture takes the field's picture (bitmap, JPEG or icon; an empty field empties it); a string
// list takes its text; a stream receives its bytes and is then positioned at 0. Other targets are
// left alone. A picture in no known format raises EInvalidGraphic.
void AssignBlobTo(const TField& Blob, TObject* Target);
// Fills List with the data set's field names, or with those of its field definitions when it has
// no fields. An error on the way leaves List with what it had been given by then.
void GetFieldNamesSafe(TDataSet* DataSet, TStrings& List);

// Bookmarks are values here: there is nothing to free.
TBookmark GetBookmark(const TDataSet& DataSet);
// An empty bookmark does nothing.
void GotoBookmark(TDataSet& DataSet, const TBookmark& Bookmark);
bool BookmarksEqual(const TDataSet& DataSet, const TBookmark& A, const TBookmark& B);
