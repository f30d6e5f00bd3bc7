// Published properties and events of the data-access components, so that stored layouts can
// create them by class name: connections, queries, tables, data sources and persistent fields.
#include "classes/Properties.h"
#include "data/ADODB.h"
#include "data/DataSource.h"
#include "data/MemDataSet.h"

namespace {

const char* const LockTypeNames[] = {"ltUnspecified", "ltReadOnly", "ltPessimistic", "ltOptimistic", "ltBatchOptimistic"};
const char* const CursorTypeNames[] = {"ctUnspecified", "ctOpenForwardOnly", "ctKeyset", "ctDynamic", "ctStatic"};
const char* const CursorLocationNames[] = {"clUseServer", "clUseClient"};
const char* const AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

void PublishDataSet(TClassBuilder<TDataSet>& c) {
  c.Property("Filter", &TDataSet::Filter, &TDataSet::SetFilter);
  c.Property("Filtered", &TDataSet::Filtered, &TDataSet::SetFiltered).Default(false);
  c.Property("Active", &TDataSet::Active, &TDataSet::SetActive).Default(false);
  for (auto [name, event] : {std::pair{"BeforeOpen", &TDataSet::BeforeOpen}, {"AfterOpen", &TDataSet::AfterOpen},
                             {"BeforeClose", &TDataSet::BeforeClose}, {"AfterClose", &TDataSet::AfterClose},
                             {"BeforeInsert", &TDataSet::BeforeInsert}, {"AfterInsert", &TDataSet::AfterInsert},
                             {"BeforeEdit", &TDataSet::BeforeEdit}, {"AfterEdit", &TDataSet::AfterEdit},
                             {"BeforePost", &TDataSet::BeforePost}, {"AfterPost", &TDataSet::AfterPost},
                             {"BeforeCancel", &TDataSet::BeforeCancel}, {"AfterCancel", &TDataSet::AfterCancel},
                             {"BeforeDelete", &TDataSet::BeforeDelete}, {"AfterDelete", &TDataSet::AfterDelete},
                             {"BeforeScroll", &TDataSet::BeforeScroll}, {"AfterScroll", &TDataSet::AfterScroll},
                             {"BeforeRefresh", &TDataSet::BeforeRefresh}, {"AfterRefresh", &TDataSet::AfterRefresh},
                             {"OnNewRecord", &TDataSet::OnNewRecord}})
    c.Event(name, event);
  c.Event("OnPostError", &TDataSet::OnPostError);
  c.Event("OnDeleteError", &TDataSet::OnDeleteError);
  c.Event("OnEditError", &TDataSet::OnEditError);
  c.Event("OnFilterRecord", &TDataSet::OnFilterRecord);
}

void PublishADODataSet(TClassBuilder<TCustomADODataSet>& c) {
  c.Property("Connection", &TCustomADODataSet::Connection, &TCustomADODataSet::SetConnection);
  c.Property("CursorLocation", &TCustomADODataSet::CursorLocation, &TCustomADODataSet::SetCursorLocation, CursorLocationNames)
      .Default(clUseClient);
  c.Property("CursorType", &TCustomADODataSet::CursorType, &TCustomADODataSet::SetCursorType, CursorTypeNames).Default(ctKeyset);
  c.Property("LockType", &TCustomADODataSet::LockType, &TCustomADODataSet::SetLockType, LockTypeNames).Default(ltOptimistic);
  c.Property("UpdateTable", &TCustomADODataSet::UpdateTable, &TCustomADODataSet::SetUpdateTable);
}

void PublishField(TClassBuilder<TField>& c) {
  c.Property("FieldName", &TField::FieldName, &TField::SetFieldName);
  c.Property("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel).Stored(&TField::HasOwnLabel);
  c.Property("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth).Stored(&TField::HasOwnWidth);
  c.Property("Alignment", &TField::Alignment, &TField::SetAlignment, AlignmentNames).NoDefault();
  c.Property("Visible", &TField::Visible, &TField::SetVisible).Default(true);
  c.Property("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly).Default(false);
  c.Property("Required", &TField::Required, &TField::SetRequired).Default(false);
  c.Property("Size", &TField::Size, &TField::SetSize).Default(0);
  c.Property("EditMask", &TField::EditMask, &TField::SetEditMask);
  c.Property("Origin", &TField::Origin, &TField::SetOrigin);
  c.Property("DisplayFormat", &TField::DisplayFormat, &TField::SetDisplayFormat);
  c.Property("FieldKind", &TField::FieldKind, &TField::SetFieldKind, FieldKindNames).Default(fkData);
  c.Property("KeyFields", &TField::KeyFields, &TField::SetKeyFields);
  c.Property("LookupDataSet", &TField::LookupDataSet, &TField::SetLookupDataSet);
  c.Property("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields);
  c.Property("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField);
  c.Event("OnChange", &TField::OnChange);
  c.Event("OnValidate", &TField::OnValidate);
  c.Event("OnGetText", &TField::OnGetText);
  c.Event("OnSetText", &TField::OnSetText);
}

}  // namespace

void RegisterDataClasses() {
  RegisterClass<TDataSet, TComponent>("TDataSet", PublishDataSet);
  RegisterClass<TMemDataSet, TDataSet>("TMemDataSet", [](TClassBuilder<TMemDataSet>& c) {
    c.Property("ReadOnly", &TMemDataSet::ReadOnly, &TMemDataSet::SetReadOnly).Default(false);
  });
  RegisterClass<TADOConnection, TComponent>("TADOConnection", [](TClassBuilder<TADOConnection>& c) {
    c.Property("ConnectionString", &TADOConnection::ConnectionString, &TADOConnection::SetConnectionString);
    c.Property("LoginPrompt", &TADOConnection::LoginPrompt, &TADOConnection::SetLoginPrompt).Default(true);
    c.Property("CommandTimeout", &TADOConnection::CommandTimeout, &TADOConnection::SetCommandTimeout).Default(30);
    c.Property("Connected", &TADOConnection::Connected, &TADOConnection::SetConnected).Default(false);
    c.Event("BeforeConnect", &TADOConnection::BeforeConnect);
    c.Event("AfterConnect", &TADOConnection::AfterConnect);
    c.Event("BeforeDisconnect", &TADOConnection::BeforeDisconnect);
    c.Event("AfterDisconnect", &TADOConnection::AfterDisconnect);
  });
  RegisterClass<TCustomADODataSet, TDataSet>("TCustomADODataSet", PublishADODataSet);
  RegisterClass<TADOQuery, TCustomADODataSet>("TADOQuery", [](TClassBuilder<TADOQuery>& c) { c.Property("SQL", &TADOQuery::SQL); });
  RegisterClass<TADOTable, TCustomADODataSet>("TADOTable", [](TClassBuilder<TADOTable>& c) {
    c.Property("TableName", &TADOTable::TableName, &TADOTable::SetTableName);
    c.Property("IndexFieldNames", &TADOTable::IndexFieldNames, &TADOTable::SetIndexFieldNames);
    c.Property("MasterFields", &TADOTable::MasterFields, &TADOTable::SetMasterFields);
    c.Property("MasterSource", &TADOTable::MasterSource, &TADOTable::SetMasterSource);
    c.Property("ReadOnly", &TADOTable::ReadOnly, &TADOTable::SetReadOnly).Default(false);
  });
  RegisterClass<TDataSource, TComponent>("TDataSource", [](TClassBuilder<TDataSource>& c) {
    c.Property("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true);
    c.Property("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
    c.Property("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(true);
    c.Event("OnStateChange", &TDataSource::OnStateChange);
    c.Event("OnDataChange", &TDataSource::OnDataChange);
    c.Event("OnUpdateData", &TDataSource::OnUpdateData);
  });
  RegisterClass<TField, TComponent>("TField", PublishField);
  RegisterClass<TStringField, TField>("TStringField");
  RegisterClass<TNumericField, TField>("TNumericField", [](TClassBuilder<TNumericField>& c) {
    c.Property("MaxValue", &TNumericField::MaxValue, &TNumericField::SetMaxValue).Default(0.0);
    c.Property("MinValue", &TNumericField::MinValue, &TNumericField::SetMinValue).Default(0.0);
  });
  RegisterClass<TIntegerField, TNumericField>("TIntegerField");
  RegisterClass<TAutoIncField, TIntegerField>("TAutoIncField");
  RegisterClass<TFloatField, TNumericField>("TFloatField");
  RegisterClass<TBooleanField, TField>("TBooleanField");
  RegisterClass<TDateTimeField, TField>("TDateTimeField");
  RegisterClass<TBlobField, TField>("TBlobField");
  RegisterClass<TMemoField, TBlobField>("TMemoField");
  RegisterClass<TGraphicField, TBlobField>("TGraphicField");
}
