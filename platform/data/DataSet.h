// TDataSet: an open set of records with a current record, the states of editing, navigation,
// bookmarks, searching, filtering and the window of buffered records that data links read.
// Every record is held here; a back end (TMemDataSet, the SQLite data sets) only fills the
// store, writes posted records and deletions, and reads the rows again when asked.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "data/DB.h"
#include "data/Fields.h"

class TDataSource;
class TFilterExpression;

// One record of the store. Values are what fields read; Stored() are the values as they stand in
// the back end's store, which finds the row again by them (a changed key is found by its old
// value). They differ only while a batch holds a change of the record; OldValues is empty
// otherwise. The Id names the record in bookmarks for as long as it exists.
struct TRecordData {
  std::vector<Variant> Values;
  std::vector<Variant> OldValues;
  const std::vector<Variant>& Stored() const { return OldValues.empty() ? Values : OldValues; }
  uint64_t Id = 0;
  int Pos = -1;  // position among the visible records; -1 while filtered out or deleted
  TUpdateStatus Status = usUnmodified;
};

// The records of a data set by Id. Ids count up and are never given twice; the records of
// consecutive Ids live together in blocks, so that reading a row costs no allocation beyond its
// values and a bookmark finds its record by arithmetic. A block goes when its last record goes.
class TRecordStore {
 public:
  TRecordStore() = default;
  TRecordStore(const TRecordStore&) = delete;
  TRecordStore& operator=(const TRecordStore&) = delete;

  // A new record with the next Id and these values.
  TRecordData& Add(std::vector<Variant> Values);
  // The record of an Id; nullptr when it is gone or was never given.
  TRecordData* Find(uint64_t Id) const;
  void Remove(uint64_t Id);
  // Every record goes; Ids go on counting, so that no bookmark of them finds a later record.
  void Clear();
  uint64_t NextId() const { return FNextId; }

 private:
  // 8 KB blocks: larger ones leave holes among the rows' values when they go, around which the
  // heap keeps growing from one reading of the rows to the next.
  static constexpr uint64_t BlockSize = 128;
  void Prune(size_t Index);
  struct TBlock {
    TRecordData Records[BlockSize];
    uint64_t Live = 0;
  };
  uint64_t FFirstId = 1;  // Id of the first record of the first block
  uint64_t FNextId = 1;
  std::deque<std::unique_ptr<TBlock>> FBlocks;  // nil where every record of a block went
};

// What a back end writes when a record is posted. It may change Values (an auto-number, a
// column default); the data set keeps them afterwards.
struct TPostRequest {
  TRecordData& Record;         // the stored record; for an insert a new one, not yet stored
  std::vector<Variant>& Values;
  const std::vector<bool>& Assigned;  // fields set since Edit, Insert or Append
  bool Inserting;
};

using TRowValues = std::vector<Variant>;

class TDataSet : public TComponent {
 public:
  explicit TDataSet(TComponent* AOwner);
  ~TDataSet() override;
  String ClassName() const override { return "TDataSet"; }

  // Opening and closing. Closing drops a pending edit without posting it.
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  bool Active() const { return FState != dsInactive; }
  void SetActive(bool Value);
  TDataSetState State() const { return FState; }

  // Fields. Persistent fields (given a data set before it opens) replace the default ones.
  TFieldDefs& FieldDefs() { return FFieldDefs; }
  const TFieldDefs& FieldDefs() const { return FFieldDefs; }
  TFields& Fields() { return FFields; }
  int FieldCount() const { return FFields.Count(); }
  TField* FindField(const String& Name) const { return FFields.FindField(Name); }
  TField* FieldByName(const String& Name) const { return FFields.FieldByName(Name); }
  bool DefaultFields() const { return FDefaultFields; }
  Variant FieldValue(const String& Name) const { return FieldByName(Name)->Value(); }

  // Navigation. Bof holds after Open and First and after a move that hit the start; Eof after
  // Last and a move that hit the end; both on an empty set. Moving posts a pending edit first.
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  // Moves by up to Distance records and answers how far it moved.
  int MoveBy(int Distance);
  bool Bof() const { return !Active() || FBof; }
  bool Eof() const { return !Active() || FEof; }
  // 1-based position of the current record; -1 when there is none or a record is being inserted.
  int RecNo() const;
  void SetRecNo(int Value);
  int RecordCount() const;
  bool IsEmpty() const { return !Active() || FBufRows == 0; }
  // Whether RecNo and RecordCount give positions; a back end that cannot number its records says no.
  virtual bool IsSequenced() const { return true; }

  // Bookmarks stay valid while their record exists, across edits, filters and refreshes.
  TBookmark Bookmark() const;
  void GotoBookmark(const TBookmark& Value);
  bool BookmarkValid(const TBookmark& Value) const;
  // Order of two bookmarks in the current record order; an empty bookmark comes first.
  int CompareBookmarks(const TBookmark& A, const TBookmark& B) const;

  // Searching. KeyFields names one or several fields separated by ";", with one value each.
  // Partial keys match the start of a text; case-insensitive matching applies to texts.
  bool Locate(const String& KeyFields, const Variant& KeyValue, TLocateOptions Options = 0);
  bool Locate(const String& KeyFields, const std::vector<Variant>& KeyValues, TLocateOptions Options = 0);
  // The value of ResultField in the first matching record, without moving; Null when none.
  Variant Lookup(const String& KeyFields, const Variant& KeyValue, const String& ResultField);
  Variant Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues, const String& ResultField);

  // Filtering: the expression of Filter ("Fd_Sex = '男' and not (Fd_Grade is null)") and
  // OnFilterRecord, both applied while Filtered. A text ending in "*" matches by its start
  // unless foNoPartialCompare is set.
  const String& Filter() const { return FFilterText; }
  void SetFilter(const String& Value);
  bool Filtered() const { return FFiltered; }
  void SetFiltered(bool Value);
  TFilterOptions FilterOptions() const { return FFilterOptions; }
  void SetFilterOptions(TFilterOptions Value);

  // Editing.
  void Append();
  void Insert();
  // Edit on an empty set inserts.
  void Edit();
  void Post();
  void Cancel();
  // Deleting while inserting cancels the insert.
  void Delete();
  void AppendRecord(const std::vector<Variant>& Values);
  virtual bool CanModify() const;
  bool Modified() const { return FModified; }
  // In insert state: the new record goes after the last one (Append, or Insert into no records).
  bool Appending() const { return FState == dsInsert && FInsertPos >= int(FView.size()); }
  // The pending change of the current record in a batch.
  TUpdateStatus UpdateStatus() const;
  // Asks the data links to put their pending values into the fields.
  void UpdateRecord();
  // Posts a modified pending record, cancels an unmodified one.
  void CheckBrowseMode();

  // Nested; links hear nothing while disabled and one data-set change when the last enable
  // comes.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return FDisableCount > 0; }

  // Reads the records again and stays on the current record when it still exists.
  void Refresh();
  // Reads the records again, as new ones, and goes to the first.
  void Requery();

  // The window of buffered records that data links show: BufferRecordCount consecutive records,
  // as many as the largest BufferCount of the links, ActiveRecord being the current one. A link
  // may switch ActiveRecord to read another buffered record and must switch it back.
  int BufferCount() const { return FBufferCount; }
  int BufferRecordCount() const { return FBufRows; }
  int ActiveRecord() const { return FActiveRecord; }
  void SetActiveRecord(int Value);

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit, BeforePost, AfterPost;
  TDataSetNotifyEvent BeforeCancel, AfterCancel, BeforeDelete, AfterDelete;
  TDataSetNotifyEvent BeforeScroll, AfterScroll, BeforeRefresh, AfterRefresh, OnNewRecord;
  TDataSetErrorEvent OnPostError, OnDeleteError, OnEditError;
  TFilterRecordEvent OnFilterRecord;

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

 protected:
  // Fills FieldDefs when the back end describes the columns, and the store with AddRecord.
  virtual void InternalOpen() = 0;
  virtual void InternalClose() {}
  // Writes a posted record; raises EDatabaseError when it cannot.
  virtual void InternalPost(TPostRequest& Request) = 0;
  virtual void InternalDelete(TRecordData& Record) = 0;
  // Hands every row of the back end's store afresh to Take, in store order; false (and nothing
  // handed) when the records held here are the store itself.
  virtual bool ReadRows(const std::function<void(TRowValues&& Row)>& Take) {
    (void)Take;
    return false;
  }
  // Columns whose values identify a row when the records are read again; empty means all.
  virtual std::vector<int> IdentityColumns() const { return {}; }
  // Posts are kept as pending changes (Status) instead of being written at once.
  virtual bool CachesUpdates() const { return false; }

  // For back ends: a record read from the store, appended unchanged.
  TRecordData& AddRecord(TRowValues Values);
  // The store has more rows than were read at Open; they are read (ReadRows) when needed.
  void SetPartiallyRead() { FComplete = false; }
  // The records in store order, those deleted in a batch included.
  const std::vector<TRecordData*>& StoredRecords() const { return FOrder; }
  // Forgets the pending changes of a batch: deleted records go, the others become unmodified.
  void AcceptPendingChanges();
  // Gives every pending change back: inserted records go, the others take their old values.
  void RevertPendingChanges();
  bool HasPendingChanges() const;
  // Resynchronises the buffer after the store changed and tells the links.
  void Resync();
  void CheckActive() const;
  void CheckInactive() const;
  void DataEvent(TDataEvent Event, intptr_t Info);
  void Loaded() override;
  // Reads the rows again as new records and shows the first (Requery, master-detail).
  void ReloadFromFirst();

 private:
  friend class TDataSource;
  friend class TDataLink;
  friend class TField;

  // Opening
  void OpenCursor();
  void CloseCursor();
  void BindFields();
  void SetState(TDataSetState Value);
  void AddDataSource(TDataSource* Source);
  void RemoveDataSource(TDataSource* Source);
  void UpdateBufferCount();

  // Records, view and buffer
  void ClearStore();
  void RebuildView();
  void Renumber(size_t From);
  void EnsureComplete();
  class TRowMerge;
  const TRecordData* RecordById(const TBookmark& Bookmark) const;
  TRecordData* BufferRecord(int Row) const;
  TRecordData* CurrentRecord() const;
  int CurrentPos() const { return FBufFirst + FActiveRecord; }
  void PlaceBuffer(int Pos, int Row);
  void ScrollBufferTo(int Pos);
  void ShowFirst();
  void MoveToRecord(int Pos, bool Center);
  bool Accepts(TRecordData& Record);

  // Editing
  bool IsEditing() const { return FState == dsEdit || FState == dsInsert; }
  void BeginInsert(bool Appending);
  void WriteRecord();
  TRecordData& StoreInsertedRecord(std::unique_ptr<TRecordData> Record);
  void RemoveRecord(TRecordData* Record);
  void CheckRequiredFields() const;
  void ClearEditBuffers();
  void CheckCanModify() const;
  void CheckOperation(const std::function<void()>& Operation, const TDataSetErrorEvent& OnError);

  // Fields
  const std::vector<Variant>* ActiveValues() const;
  Variant GetFieldValue(const TField* Field) const;
  Variant GetOldFieldValue(const TField* Field) const;
  void SetFieldValue(TField* Field, const Variant& Value);
  std::vector<TField*> FieldList(const String& Names) const;
  TRecordData* FindRecord(const std::vector<TField*>& Fields, const std::vector<Variant>& Values,
                          TLocateOptions Options);
  void ApplyFilter();

  static void Fire(const TDataSetNotifyEvent& Event, TDataSet* Sender) {
    if (Event) Event(Sender);
  }

  TDataSetState FState = dsInactive;
  bool FStreamedActive = false;
  TFieldDefs FFieldDefs;
  TFields FFields;
  bool FDefaultFields = true;
  std::vector<TDataSource*> FDataSources;

  TRecordStore FRecords;
  std::vector<TRecordData*> FOrder;  // store order
  std::vector<TRecordData*> FView;   // the visible records, in store order
  bool FComplete = true;

  int FBufferCount = 1;
  int FBufFirst = 0;  // view position of buffer row 0 (the new record not counted)
  int FBufRows = 0;
  int FActiveRecord = 0;
  int FInsertRow = -1;  // buffer row of the record being inserted
  bool FBof = true;
  bool FEof = true;

  std::vector<Variant> FEditValues;
  std::vector<bool> FAssigned;
  TRecordData* FEditRecord = nullptr;
  std::unique_ptr<TRecordData> FNewRecord;
  int FInsertPos = 0;  // view position the new record takes when posted
  int FEditRow = 0;
  bool FModified = false;

  String FFilterText;
  std::shared_ptr<TFilterExpression> FFilterExpression;
  bool FFiltered = false;
  TFilterOptions FFilterOptions = 0;
  TRecordData* FFilterRecord = nullptr;

  int FDisableCount = 0;
  TDataSetState FDisableState = dsInactive;
  TDataEvent FEnableEvent = deDataSetChange;
};

// Registers the data-access classes and their published properties for stored layouts; calling
// it again changes nothing.
void RegisterDataClasses();
