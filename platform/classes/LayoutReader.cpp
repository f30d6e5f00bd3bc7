// TReader: builds a component tree from a parsed layout inside the loading bracket, resolving
// references at the end and freeing everything it made when any step fails.
#include <algorithm>

#include "classes/Filer.h"
#include "classes/LayoutText.h"
#include "rtl/ScopeExit.h"
#include "rtl/Streams.h"
#include "rtl/Text.h"

namespace {

// The message of an error raised while reading, whatever its class.
String MessageOf(const std::exception& e) {
  if (auto* ex = dynamic_cast<const Exception*>(&e)) return ex->Message();
  return e.what();
}

}  // namespace

TReader::TReader(TComponent* Root) : TFiler(Root), FNames(std::make_unique<TRootResolver>(Root)) {}

TReader::~TReader() = default;

void TReader::ReadRootComponent(const TLayoutObject& Node) {
  TComponent* root = Root();
  const TClassInfo* info = GetClassInfo(*root);
  if (!info) throw ELayoutError(Node.Line, "Class " + root->ClassName() + " is not registered");
  if (!SameText(info->Name(), Node.ClassName)) {
    throw ELayoutError(Node.Line, "A layout of " + Node.ClassName + " cannot be read into " + info->Name());
  }
  auto abandon = ScopeExit([this] { Abandon(); });
  BeginLoading(root);
  SetRootName(Node.Name);
  FNode = &Node;
  FInstance = root;
  root->ReadState(*this);
  FinishLoading();
  abandon.Dismiss();
}

// A second form of the same class under the same owner gets its name with _1, _2 ... added.
void TReader::SetRootName(const String& Name) {
  TComponent* root = Root();
  String name = Name;
  for (int n = 1; root->Owner() && !name.empty(); ++n) {
    TComponent* holder = root->Owner()->FindComponent(name);
    if (!holder || holder == root) break;
    name = Name + "_" + std::to_string(n);
  }
  try {
    root->SetName(name);
  } catch (const Exception& e) {
    throw ELayoutError(FNode ? FNode->Line : 1, e.Message());
  }
}

void TReader::BeginLoading(TComponent* Instance) {
  Instance->SetStateBits(csLoading | csReading, true);
  FLoaded.push_back(Instance);
}

void TReader::FinishLoading() {
  for (TComponent* c : FLoaded) c->SetStateBits(csReading, false);
  for (const TFixup& f : FFixups) {
    try {
      f.Prop->SetValue(*f.Object, *f.Value, *FNames);
    } catch (const ELayoutError&) {
      throw;
    } catch (const std::exception& e) {
      throw ELayoutError(f.Line, "Error reading " + f.Path + ": " + MessageOf(e));
    }
  }
  FFixups.clear();
  for (TComponent* c : FLoaded) {
    c->Loaded();
    c->SetStateBits(csLoading, false);
  }
}

// Frees the children made so far, last first. A child may already have gone with another one,
// so each is looked up among the root's components before it is freed.
void TReader::Abandon() {
  TComponent* root = Root();
  for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it) {
    const auto& owned = root->FComponents;
    if (std::find(owned.begin(), owned.end(), *it) != owned.end()) (*it)->Free();
  }
  FCreated.clear();
  FFixups.clear();
  root->SetStateBits(csLoading | csReading, false);
}

void TReader::ReadData(TComponent* Instance) {
  const TLayoutObject& node = *FNode;
  ReadProperties(*Instance, node.Properties);
  TComponent* savedParent = FParent;
  FParent = Instance;
  for (const TLayoutObject& child : node.Children) ReadComponent(child, Instance);
  FParent = savedParent;
}

void TReader::ReadComponent(const TLayoutObject& Node, TComponent* Parent) {
  const TClassInfo* info = GetClass(Node.ClassName);
  if (!info) throw ELayoutError(Node.Line, "Class " + Node.ClassName + " not found");
  if (!info->IsComponentClass()) throw ELayoutError(Node.Line, "Class " + Node.ClassName + " is not a component class");
  TComponent* instance = info->CreateComponent(Root());
  FCreated.push_back(instance);
  BeginLoading(instance);
  try {
    instance->SetName(Node.Name);
    instance->SetParentComponent(Parent);
  } catch (const Exception& e) {
    throw ELayoutError(Node.Line, e.Message());
  }
  const TLayoutObject* savedNode = FNode;
  TComponent* savedInstance = FInstance;
  FNode = &Node;
  FInstance = instance;
  instance->ReadState(*this);
  FNode = savedNode;
  FInstance = savedInstance;
}

void TReader::ReadProperties(TPersistent& Obj, const std::vector<TLayoutProperty>& Props) {
  for (const TLayoutProperty& p : Props) ReadProperty(Obj, p);
}

String TReader::ErrorPath(const String& Property) const {
  const String owner = FInstance && !FInstance->Name().empty() ? FInstance->Name() : String("(unnamed)");
  return owner + "." + Property;
}

// Errors raised by setters and conversions get the line and the property's full name here.
void TReader::ReadProperty(TPersistent& Obj, const TLayoutProperty& Prop) {
  try {
    TPropTarget target = ResolvePropPath(Obj, Prop.Name);
    if (target.Prop) {
      ReadPublished(*target.Object, *target.Prop, Prop.Value, ErrorPath(Prop.Name));
    } else {
      ReadDefined(*target.Object, target.Name, Prop.Value);
    }
  } catch (const ELayoutError&) {
    throw;
  } catch (const std::exception& e) {
    throw ELayoutError(Prop.Line, "Error reading " + ErrorPath(Prop.Name) + ": " + MessageOf(e));
  }
}

void TReader::ReadPublished(TPersistent& Obj, const TPropInfo& Prop, const TLayoutValue& Value, const String& Path) {
  switch (Prop.Kind()) {
    case TPropKind::Collection:
      ReadCollection(static_cast<TCollection&>(*Prop.GetObject(Obj)), Value);
      break;
    case TPropKind::StringList:
      ReadStrings(static_cast<TStrings&>(*Prop.GetObject(Obj)), Value);
      break;
    case TPropKind::Object:
      layout_detail::InvalidValue(Value);
    case TPropKind::Component:
      layout_detail::DecodeReferenceName(Value);  // a wrong kind of value fails on its own line
      FFixups.push_back(TFixup{&Obj, &Prop, &Value, Value.Line, Path});
      break;
    default:
      Prop.SetValue(Obj, Value, *FNames);
  }
}

void TReader::ReadDefined(TPersistent& Obj, const String& Name, const TLayoutValue& Value) {
  FDefinedName = Name;
  FDefinedValue = &Value;
  FDefinedFound = false;
  FCursors.assign(1, TCursor{&Value, 1, 0});
  Obj.DefineProperties(*this);
  FDefinedValue = nullptr;
  if (!FDefinedFound) throw EPropertyError("Property " + Name + " does not exist");
}

void TReader::DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc&, bool) {
  if (FDefinedFound || !FDefinedValue || !SameText(Name, FDefinedName)) return;
  FDefinedFound = true;
  if (ReadData) ReadData(*this);
}

void TReader::DefineBinaryProperty(const String& Name, const TStreamProc& ReadData, const TStreamProc&, bool) {
  if (FDefinedFound || !FDefinedValue || !SameText(Name, FDefinedName)) return;
  FDefinedFound = true;
  if (FDefinedValue->Kind != TValueKind::Binary) layout_detail::InvalidValue(*FDefinedValue);
  TMemoryStream stream;
  const auto& bytes = FDefinedValue->Bytes;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  if (ReadData) ReadData(stream);
}

// The items are read into a new set of items; references held by the old ones are forgotten.
void TReader::ReadCollection(TCollection& Collection, const TLayoutValue& Value) {
  if (Value.Kind != TValueKind::Collection) layout_detail::InvalidValue(Value);
  DropFixupsInside(Collection);
  Collection.BeginUpdate();
  Bracket(
      [&] {
        Collection.Clear();
        for (const TLayoutItem& item : Value.CollectionItems) ReadProperties(*Collection.Add(), item.Properties);
      },
      [&Collection] { Collection.EndUpdate(); });
}

void TReader::DropFixupsInside(const TPersistent& Container) {
  auto inside = [&Container](const TFixup& f) {
    for (const TPersistent* p = f.Object; p; p = p->GetOwner()) {
      if (p == &Container) return true;
    }
    return false;
  };
  FFixups.erase(std::remove_if(FFixups.begin(), FFixups.end(), inside), FFixups.end());
}

void TReader::ReadStrings(TStrings& Strings, const TLayoutValue& Value) {
  if (Value.Kind != TValueKind::List) layout_detail::InvalidValue(Value);
  for (const TLayoutValue& line : Value.Items) {
    if (line.Kind != TValueKind::String) layout_detail::InvalidValue(line);
  }
  Strings.BeginUpdate();
  Bracket(
      [&] {
        Strings.Clear();
        for (const TLayoutValue& line : Value.Items) Strings.Add(line.Text);
      },
      [&Strings] { Strings.EndUpdate(); });
}

const TLayoutValue& TReader::NextValue() {
  if (FCursors.empty() || EndOfList()) layout_detail::InvalidValue();
  TCursor& top = FCursors.back();
  return top.First[top.Index++];
}

int TReader::ReadInteger() {
  return static_cast<int>(layout_detail::DecodeInteger(NextValue(), INT32_MIN, INT32_MAX));
}

bool TReader::ReadBoolean() { return layout_detail::DecodeBoolean(NextValue()); }

String TReader::ReadString() { return layout_detail::DecodeString(NextValue()); }

String TReader::ReadIdent() {
  const TLayoutValue& v = NextValue();
  if (v.Kind != TValueKind::Ident) layout_detail::InvalidValue(v);
  return v.Text;
}

void TReader::ReadListBegin() {
  const TLayoutValue& v = NextValue();
  if (v.Kind != TValueKind::List) layout_detail::InvalidValue(v);
  FCursors.push_back(TCursor{v.Items.data(), v.Items.size(), 0});
}

bool TReader::EndOfList() const { return FCursors.empty() || FCursors.back().Index >= FCursors.back().Count; }

void TReader::ReadListEnd() {
  if (FCursors.size() < 2 || !EndOfList()) layout_detail::InvalidValue();
  FCursors.pop_back();
}

void ReadLayout(const String& Text, TComponent* Root) {
  const TLayoutObject node = ParseLayout(Text);
  TReader reader(Root);
  reader.ReadRootComponent(node);
}
