// TWriter: turns a component tree into a layout, writing each property only when its stored-when
// rule holds and its value differs from the default, in the order the reader expects.
#include "classes/Filer.h"
#include "classes/LayoutText.h"
#include "rtl/ScopeExit.h"
#include "rtl/Streams.h"

TLayoutObject TWriter::WriteRootComponent() { return WriteComponent(Root()); }

TLayoutObject TWriter::WriteComponent(TComponent* Instance) {
  Instance->SetStateBits(csWriting, true);
  const auto written = ScopeExit([Instance] { Instance->SetStateBits(csWriting, false); });
  const TClassInfo* info = GetClassInfo(*Instance);
  if (!info) throw EWriteError("Class " + Instance->ClassName() + " is not registered");
  TLayoutObject node;
  node.Name = Instance->Name();
  node.ClassName = info->Name();
  WriteProperties(*Instance, String(), node.Properties);
  Instance->GetChildren([this, &node](TComponent* child) { node.Children.push_back(WriteComponent(child)); }, Root());
  return node;
}

// Published properties first, in registration order, then the object's defined properties.
void TWriter::WriteProperties(TPersistent& Obj, const String& Prefix, std::vector<TLayoutProperty>& Out) {
  const TClassInfo* info = GetClassInfo(Obj);
  if (!info) throw EWriteError("Class " + Obj.ClassName() + " is not registered");
  for (const TPropInfo* prop : info->Properties()) {
    if (prop->IsStored(Obj)) WritePublished(Obj, *prop, Prefix, Out);
  }
  WriteDefined(Obj, Prefix, Out);
}

// The object's defined properties, named under Prefix; a string list's follow its lines, as
// "Categories.Visibles" follows "Categories".
void TWriter::WriteDefined(TPersistent& Obj, const String& Prefix, std::vector<TLayoutProperty>& Out) {
  auto* savedOut = FOut;
  const String savedPrefix = FPrefix;
  FOut = &Out;
  FPrefix = Prefix;
  Obj.DefineProperties(*this);
  FOut = savedOut;
  FPrefix = savedPrefix;
}

void TWriter::WritePublished(TPersistent& Obj, const TPropInfo& Prop, const String& Prefix,
                             std::vector<TLayoutProperty>& Out) {
  const String name = Prefix + Prop.Name();
  switch (Prop.Kind()) {
    case TPropKind::Object:
      WriteProperties(*Prop.GetObject(Obj), name + ".", Out);
      break;
    case TPropKind::Collection:
      Out.push_back(TLayoutProperty{name, WriteCollection(static_cast<TCollection&>(*Prop.GetObject(Obj))), 0});
      break;
    case TPropKind::StringList: {
      auto& strings = static_cast<TStrings&>(*Prop.GetObject(Obj));
      TLayoutValue list = TLayoutValue::OfKind(TValueKind::List);
      for (int i = 0; i < strings.Count(); ++i) list.Items.push_back(TLayoutValue::OfString(strings[i]));
      Out.push_back(TLayoutProperty{name, std::move(list), 0});
      WriteDefined(strings, name + ".", Out);
      break;
    }
    default:
      Out.push_back(TLayoutProperty{name, Prop.GetValue(Obj), 0});
  }
}

TLayoutValue TWriter::WriteCollection(TCollection& Collection) {
  TLayoutValue value = TLayoutValue::OfKind(TValueKind::Collection);
  for (int i = 0; i < Collection.Count(); ++i) {
    TLayoutItem item;
    WriteProperties(*Collection.Items(i), String(), item.Properties);
    value.CollectionItems.push_back(std::move(item));
  }
  return value;
}

void TWriter::DefineProperty(const String& Name, const TReaderProc&, const TWriterProc& WriteData, bool HasData) {
  if (!HasData || !WriteData || !FOut) return;
  FLists.assign(1, {});
  WriteData(*this);
  if (FLists.size() != 1 || FLists[0].size() != 1) {
    throw EWriteError("Property " + Name + " must write exactly one value");
  }
  FOut->push_back(TLayoutProperty{FPrefix + Name, std::move(FLists[0][0]), 0});
  FLists.clear();
}

void TWriter::DefineBinaryProperty(const String& Name, const TStreamProc&, const TStreamProc& WriteData,
                                   bool HasData) {
  if (!HasData || !WriteData || !FOut) return;
  TMemoryStream stream;
  WriteData(stream);
  TLayoutValue value = TLayoutValue::OfKind(TValueKind::Binary);
  value.Bytes.assign(stream.Memory(), stream.Memory() + stream.Size());
  FOut->push_back(TLayoutProperty{FPrefix + Name, std::move(value), 0});
}

void TWriter::Append(TLayoutValue Value) {
  if (FLists.empty()) throw EWriteError("A value is written outside a defined property");
  FLists.back().push_back(std::move(Value));
}

void TWriter::WriteInteger(int64_t Value) { Append(TLayoutValue::OfInteger(Value)); }

void TWriter::WriteBoolean(bool Value) { Append(TLayoutValue::OfIdent(Value ? "True" : "False")); }

void TWriter::WriteString(const String& Value) { Append(TLayoutValue::OfString(Value)); }

void TWriter::WriteIdent(const String& Value) { Append(TLayoutValue::OfIdent(Value)); }

void TWriter::WriteListBegin() { FLists.emplace_back(); }

void TWriter::WriteListEnd() {
  if (FLists.size() < 2) throw EWriteError("WriteListEnd without WriteListBegin");
  TLayoutValue list = TLayoutValue::OfKind(TValueKind::List);
  list.Items = std::move(FLists.back());
  FLists.pop_back();
  Append(std::move(list));
}

String WriteLayout(TComponent* Root) {
  TWriter writer(Root);
  return PrintLayout(writer.WriteRootComponent());
}
