// The record store of a data set, its visible order, the window of buffered records and moving
// through them: navigation, bookmarks, and reading the records again (Refresh, Requery and the
// rest of a store that Open read only in part).
#include <algorithm>
#include <charconv>
#include <map>

#include "data/DataSource.h"
#include "rtl/ScopeExit.h"

TRecordData& TRecordStore::Add(std::vector<Variant> Values) {
  const uint64_t offset = FNextId - FFirstId;
  if (offset % BlockSize == 0) {
    if (!FBlocks.empty()) Prune(FBlocks.size() - 1);  // the last block is done: no Id is left for it
    FBlocks.push_back(std::make_unique<TBlock>());
  }
  TBlock& block = *FBlocks.back();
  TRecordData& record = block.Records[offset % BlockSize];
  record.Values = std::move(Values);
  record.Id = FNextId++;
  ++block.Live;
  return record;
}

TRecordData* TRecordStore::Find(uint64_t Id) const {
  if (Id < FFirstId || Id >= FNextId) return nullptr;
  const uint64_t offset = Id - FFirstId;
  TBlock* block = FBlocks[size_t(offset / BlockSize)].get();
  TRecordData* record = block ? &block->Records[offset % BlockSize] : nullptr;
  return record && record->Id == Id ? record : nullptr;
}

void TRecordStore::Remove(uint64_t Id) {
  if (!Find(Id)) return;
  const uint64_t offset = Id - FFirstId;
  TBlock& block = *FBlocks[size_t(offset / BlockSize)];
  block.Records[offset % BlockSize] = TRecordData();
  --block.Live;
  if (FNextId - FFirstId >= (offset / BlockSize + 1) * BlockSize) Prune(size_t(offset / BlockSize));
}

// Frees a block whose Ids are all given when none of its records is left; the blocks at the
// front that went leave the list.
void TRecordStore::Prune(size_t Index) {
  if (FBlocks[Index] && FBlocks[Index]->Live == 0) FBlocks[Index].reset();
  while (!FBlocks.empty() && !FBlocks.front()) {
    FBlocks.pop_front();
    FFirstId += BlockSize;
  }
}

void TRecordStore::Clear() {
  FBlocks.clear();
  FFirstId = FNextId;
}

TRecordData& TDataSet::AddRecord(TRowValues Values) {
  TRecordData& record = FRecords.Add(std::move(Values));
  FOrder.push_back(&record);
  return record;
}

void TDataSet::ClearStore() {
  FView.clear();
  FOrder.clear();
  FRecords.Clear();
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

const TRecordData* TDataSet::RecordById(const TBookmark& Bookmark) const {
  uint64_t id = 0;
  const char* end = Bookmark.data() + Bookmark.size();
  if (Bookmark.empty() || std::from_chars(Bookmark.data(), end, id).ptr != end) return nullptr;
  return FRecords.Find(id);
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

// Takes the rows read afresh, one by one, as the store: a row that identifies a record held here
// updates it (keeping its bookmark, and its pending change in a batch); other rows become new
// records. Records not found again are dropped, except those inserted in a pending batch, which
// follow.
class TDataSet::TRowMerge {
 public:
  explicit TRowMerge(TDataSet& DataSet)
      : FDataSet(DataSet),
        FCurrent(DataSet.CurrentRecord()),
        FCurrentPos(FCurrent ? FCurrent->Pos : -1),
        FColumns(DataSet.IdentityColumns()),
        FFirstNewId(DataSet.FRecords.NextId()) {
    for (TRecordData* record : DataSet.FOrder)
      if (record->Status != usInserted) FHeld.emplace(Identity(record->Stored(), FColumns), record);
  }

  void Take(TRowValues&& Row) {
    // Once every held record is found again, the rest of the rows are new.
    const auto it = FHeld.empty() ? FHeld.end() : FHeld.find(Identity(Row, FColumns));
    if (it == FHeld.end()) {
      FOrder.push_back(&FDataSet.FRecords.Add(std::move(Row)));
      return;
    }
    TRecordData* record = it->second;
    FHeld.erase(it);
    if (record->Status == usUnmodified) {
      record->Values = std::move(Row);
    } else {
      record->OldValues = std::move(Row);
    }
    FOrder.push_back(record);
  }

  void Finish();
  // A read that failed half-way adds no record.
  void Abandon() {
    for (uint64_t id = FFirstNewId; id < FDataSet.FRecords.NextId(); ++id) FDataSet.FRecords.Remove(id);
  }

 private:
  TDataSet& FDataSet;
  TRecordData* FCurrent;
  const int FCurrentPos;  // where the current record stood before the merge
  const std::vector<int> FColumns;
  std::multimap<String, TRecordData*> FHeld;
  const uint64_t FFirstNewId;
  std::vector<TRecordData*> FOrder;
};

void TDataSet::TRowMerge::Finish() {
  TDataSet& d = FDataSet;
  for (TRecordData* record : d.FOrder)
    if (record->Status == usInserted) FOrder.push_back(record);
  for (const auto& [key, record] : FHeld) {
    if (record == d.FEditRecord) {
      FOrder.push_back(record);  // being edited: it stays until the edit ends
      continue;
    }
    if (record == FCurrent) FCurrent = nullptr;
    d.FRecords.Remove(record->Id);
  }
  d.FOrder = std::move(FOrder);
  d.RebuildView();
  if (d.FState == dsInsert) return;
  if (FCurrent && FCurrent->Pos >= 0) {
    const bool bof = d.FBof, eof = d.FEof;
    d.PlaceBuffer(FCurrent->Pos, d.FActiveRecord);
    d.FBof = bof;
    d.FEof = eof;
  } else if (FCurrentPos >= 0) {
    // The current record is gone: the buffer must not hold it; its neighbour takes its place.
    d.PlaceBuffer(FCurrentPos, d.FActiveRecord);
  }
}

void TDataSet::EnsureComplete() {
  if (FComplete) return;
  FComplete = true;
  TRowMerge merge(*this);
  // On failure the rows are still to be read: the next need reads them again.
  auto unread = ScopeExit([&] {
    merge.Abandon();
    FComplete = false;
  });
  if (ReadRows([&merge](TRowValues&& Row) { merge.Take(std::move(Row)); })) merge.Finish();
  unread.Dismiss();
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
  std::vector<TRowValues> rows;
  if (ReadRows([&rows](TRowValues&& Row) { rows.push_back(std::move(Row)); })) {
    ClearStore();
    for (TRowValues& row : rows) AddRecord(std::move(row));
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
