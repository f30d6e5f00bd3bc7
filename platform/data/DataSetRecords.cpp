// The record store of a data set, its visible order, the window of buffered records and moving
// through them: navigation, bookmarks, and reading the records again (Refresh, Requery and the
// rest of a store that Open read only in part).
#include <algorithm>
#include <charconv>
#include <map>

#include "data/DataSource.h"

TRecordData& TDataSet::AddRecord(TRowValues Values) {
  auto record = std::make_unique<TRecordData>();
  record->Values = std::move(Values);
  record->Id = FNextId++;
  TRecordData& ref = *record;
  FOrder.push_back(&ref);
  FRecords.emplace(ref.Id, std::move(record));
  return ref;
}

void TDataSet::ClearStore() {
  FView.clear();
  FOrder.clear();
  FRecords.clear();
  FComplete = true;
}

void TDataSet::RebuildView() {
  for (TRecordData* record : FOrder) record->Pos = -1;
  FView.clear();
  for (TRecordData* record : FOrder)
    if (record->Status != usDeleted && Accepts(*record)) FView.push_back(record);
  Renumber(0);
}

void TDataSet::Renumber(size_t From) {
  for (size_t i = From; i < FView.size(); ++i) FView[i]->Pos = int(i);
}

TRecordData* TDataSet::BufferRecord(int Row) const {
  if (FInsertRow >= 0) {
    if (Row == FInsertRow) return FNewRecord.get();
    if (Row > FInsertRow) --Row;
  }
  return FView[size_t(FBufFirst + Row)];
}

TRecordData* TDataSet::CurrentRecord() const {
  if (IsEditing()) return FState == dsInsert ? FNewRecord.get() : FEditRecord;
  return FBufRows == 0 ? nullptr : BufferRecord(FActiveRecord);
}

// Places the buffer so that the record at Pos stands at Row when the records around it allow,
// filling the whole buffer near the end of the data.
void TDataSet::PlaceBuffer(int Pos, int Row) {
  const int count = int(FView.size());
  FInsertRow = -1;
  if (count == 0) {
    FBufFirst = FBufRows = FActiveRecord = 0;
    FBof = FEof = true;
    return;
  }
  Pos = std::clamp(Pos, 0, count - 1);
  Row = std::clamp(Row, 0, FBufferCount - 1);
  const int first = std::max(0, std::min(Pos - std::min(Row, Pos), count - FBufferCount));
  FBufFirst = first;
  FBufRows = std::min(FBufferCount, count - first);
  FActiveRecord = Pos - first;
  if (FState == dsEdit) FEditRow = FActiveRecord;  // the edited record is the one placed
  FBof = FEof = false;
}

// Moves the current record to Pos, shifting the window only as far as needed.
void TDataSet::ScrollBufferTo(int Pos) {
  if (Pos >= FBufFirst + FBufRows) {
    const int rows = Pos - FBufFirst + 1;
    if (rows <= FBufferCount) {
      FBufRows = rows;
    } else {
      FBufFirst = Pos - FBufferCount + 1;
      FBufRows = FBufferCount;
    }
  } else if (Pos < FBufFirst) {
    FBufRows = std::min(FBufferCount, FBufRows + FBufFirst - Pos);
    FBufFirst = Pos;
  }
  FActiveRecord = Pos - FBufFirst;
}

void TDataSet::ShowFirst() {
  PlaceBuffer(0, 0);
  FBof = true;
  FEof = FView.empty();
}

void TDataSet::Resync() {
  TRecordData* current = CurrentRecord();
  PlaceBuffer(current && current->Pos >= 0 ? current->Pos : CurrentPos(), FActiveRecord);
  DataEvent(deDataSetChange, 0);
}

void TDataSet::First() {
  CheckBrowseMode();
  Fire(BeforeScroll, this);
  EnsureComplete();
  ShowFirst();
  DataEvent(deDataSetChange, 0);
  Fire(AfterScroll, this);
}

void TDataSet::Last() {
  CheckBrowseMode();
  Fire(BeforeScroll, this);
  EnsureComplete();
  PlaceBuffer(int(FView.size()) - 1, FBufferCount - 1);
  FEof = true;
  FBof = FView.empty();
  DataEvent(deDataSetChange, 0);
  Fire(AfterScroll, this);
}

int TDataSet::MoveBy(int Distance) {
  CheckBrowseMode();
  Fire(BeforeScroll, this);
  if (!((Distance > 0 && !FEof) || (Distance < 0 && !FBof))) return 0;
  EnsureComplete();
  const int count = int(FView.size());
  const int from = CurrentPos();
  int target = from + Distance;
  FBof = FEof = false;
  if (target >= count) {
    target = count - 1;
    FEof = true;
  } else if (target < 0) {
    target = 0;
    FBof = true;
  }
  const int oldFirst = FBufFirst;
  ScrollBufferTo(target);
  DataEvent(deDataSetScroll, oldFirst - FBufFirst);
  Fire(AfterScroll, this);
  return target - from;
}

// Moves to the record at Pos as Locate and bookmarks do: the buffer is laid out anew, with the
// record in its middle when Center is set.
void TDataSet::MoveToRecord(int Pos, bool Center) {
  PlaceBuffer(Pos, Center ? (FBufferCount - 1) / 2 : FActiveRecord);
  DataEvent(deDataSetChange, 0);
  Fire(AfterScroll, this);
}

int TDataSet::RecNo() const {
  if (!Active() || FState == dsInsert || FBufRows == 0) return -1;
  return CurrentPos() + 1;
}

void TDataSet::SetRecNo(int Value) {
  CheckBrowseMode();
  EnsureComplete();
  if (FView.empty() || Value == RecNo()) return;
  Fire(BeforeScroll, this);
  MoveToRecord(std::clamp(Value, 1, int(FView.size())) - 1, true);
}

int TDataSet::RecordCount() const {
  CheckActive();
  const_cast<TDataSet*>(this)->EnsureComplete();
  return int(FView.size());
}

TBookmark TDataSet::Bookmark() const {
  if (!Active() || FState == dsInsert) return TBookmark();
  const TRecordData* record = CurrentRecord();
  return record ? std::to_string(record->Id) : TBookmark();
}

TRecordData* TDataSet::RecordById(const TBookmark& Bookmark) const {
  uint64_t id = 0;
  const char* end = Bookmark.data() + Bookmark.size();
  if (Bookmark.empty() || std::from_chars(Bookmark.data(), end, id).ptr != end) return nullptr;
  const auto it = FRecords.find(id);
  return it == FRecords.end() ? nullptr : it->second.get();
}

bool TDataSet::BookmarkValid(const TBookmark& Value) const {
  const TRecordData* record = Active() ? RecordById(Value) : nullptr;
  return record && record->Pos >= 0;
}

int TDataSet::CompareBookmarks(const TBookmark& A, const TBookmark& B) const {
  if (A.empty() || B.empty()) return int(!A.empty()) - int(!B.empty());
  const TRecordData* a = RecordById(A);
  const TRecordData* b = RecordById(B);
  // Records no longer shown keep an order among themselves: the order they were read in.
  const auto order = [](const TRecordData* r) {
    return r && r->Pos >= 0 ? std::pair<int, uint64_t>(0, uint64_t(r->Pos))
                            : std::pair<int, uint64_t>(1, r ? r->Id : 0);
  };
  const auto ka = order(a), kb = order(b);
  return (ka > kb) - (ka < kb);
}

void TDataSet::GotoBookmark(const TBookmark& Value) {
  CheckBrowseMode();
  EnsureComplete();
  const TRecordData* record = RecordById(Value);
  if (!record || record->Pos < 0) throw EDatabaseError("找不到记录。");
  Fire(BeforeScroll, this);
  MoveToRecord(record->Pos, true);
}

void TDataSet::EnsureComplete() {
  if (FComplete) return;
  FComplete = true;
  if (auto rows = ReadRows()) MergeRows(std::move(*rows));
}

namespace {

// A value with its kind, so that 1 and "1" identify different rows.
void AppendIdentity(String& key, const Variant& value) {
  key += char('A' + int(value.VarType() & 0x1F));
  if (!value.IsNull() && !value.IsEmpty()) key += value.VarType() == varDouble || value.VarType() == varDate
                                                      ? std::to_string(value.AsDouble())
                                                      : value.AsString();
  key += '\x1f';
}

String Identity(const TRowValues& values, const std::vector<int>& columns) {
  String key;
  if (columns.empty())
    for (const Variant& value : values) AppendIdentity(key, value);
  else
    for (int column : columns) AppendIdentity(key, values[size_t(column)]);
  return key;
}

}  // namespace

// Takes the rows read afresh as the store: a row that identifies a record held here updates it
// (keeping its bookmark, and its pending change in a batch); other rows become new records.
// Records not found again are dropped, except those inserted in a pending batch, which follow.
void TDataSet::MergeRows(std::vector<TRowValues> Rows) {
  TRecordData* current = CurrentRecord();
  const std::vector<int> columns = IdentityColumns();
  std::multimap<String, TRecordData*> held;
  for (TRecordData* record : FOrder)
    if (record->Status != usInserted) held.emplace(Identity(record->Stored(), columns), record);
  std::vector<TRecordData*> order;
  for (TRowValues& row : Rows) {
    const auto it = held.empty() ? held.end() : held.find(Identity(row, columns));
    if (it == held.end()) {
      order.push_back(&AddRecord(std::move(row)));
      continue;
    }
    TRecordData* record = it->second;
    held.erase(it);
    if (record->Status == usUnmodified) {
      record->Values = std::move(row);
    } else {
      record->OldValues = std::move(row);
    }
    order.push_back(record);
  }
  for (TRecordData* record : FOrder)
    if (record->Status == usInserted) order.push_back(record);
  for (const auto& [key, record] : held) {
    if (record == FEditRecord) {
      order.push_back(record);  // being edited: it stays until the edit ends
      continue;
    }
    if (record == current) current = nullptr;
    FRecords.erase(record->Id);
  }
  FOrder = std::move(order);
  FView.clear();
  RebuildView();
  if (current && current->Pos >= 0 && FState != dsInsert) {
    const bool bof = FBof, eof = FEof;
    PlaceBuffer(current->Pos, FActiveRecord);
    FBof = bof;
    FEof = eof;
  }
}

void TDataSet::Refresh() {
  CheckBrowseMode();
  Fire(BeforeRefresh, this);
  FComplete = false;
  EnsureComplete();
  Resync();
  Fire(AfterRefresh, this);
}

void TDataSet::ReloadFromFirst() {
  if (auto rows = ReadRows()) {
    ClearStore();
    for (TRowValues& row : *rows) AddRecord(std::move(row));
    RebuildView();
  }
  ShowFirst();
  DataEvent(deDataSetChange, 0);
}

void TDataSet::Requery() {
  CheckBrowseMode();
  Fire(BeforeRefresh, this);
  ReloadFromFirst();
  Fire(AfterRefresh, this);
}
