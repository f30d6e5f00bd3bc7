// The layout reader and writer as the components see them: DefineProperties declares values a
// layout keeps beyond the published properties, read and written through TReader and TWriter
// (values in order, lists, or binary data through a stream); ReadState reads a component.
#pragma once

#include <functional>
#include <vector>

#include "classes/LayoutValue.h"
#include "classes/Properties.h"

class TReader;
class TWriter;
class TStream;

class TFiler {
 public:
  using TReaderProc = std::function<void(TReader& Reader)>;
  using TWriterProc = std::function<void(TWriter& Writer)>;
  using TStreamProc = std::function<void(TStream& Stream)>;

  explicit TFiler(TComponent* Root) : FRoot(Root) {}
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  TComponent* Root() const { return FRoot; }

  // A value written as "Name = value" (or a list of values) when HasData holds.
  virtual void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                              bool HasData) = 0;
  // Binary data written as "Name = { hex }" when HasData holds. ReadData gets a stream positioned
  // at the start of the data; WriteData writes the data into an empty stream.
  virtual void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                                    bool HasData) = 0;

 private:
  TComponent* FRoot;
};

// Reads a layout into its root component: creates the children by class name, sets properties
// while every component is in csLoading, resolves component references once everything is
// read, then calls Loaded on each component in the order they were read.
class TReader : public TFiler {
 public:
  explicit TReader(TComponent* Root);
  ~TReader() override;

  // Reads Node into the root. On an error every component created so far is freed, the root
  // leaves the loading state, and ELayoutError names the line.
  void ReadRootComponent(const TLayoutObject& Node);
  // The component whose layout block encloses the one being read (nullptr for the root).
  TComponent* Parent() const { return FParent; }
  // Reads the properties and children of the component being read (TComponent::ReadState).
  void ReadData(TComponent* Instance);

  // The values of a defined property, in the order they were written.
  int ReadInteger();
  bool ReadBoolean();
  String ReadString();
  String ReadIdent();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();

  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                            bool HasData) override;

 private:
  struct TFixup {
    TPersistent* Object;
    const TPropInfo* Prop;
    const TLayoutValue* Value;
    int Line;
    String Path;
  };
  struct TCursor {
    const TLayoutValue* First;
    size_t Count;
    size_t Index;
  };

  void ReadComponent(const TLayoutObject& Node, TComponent* Parent);
  void ReadProperties(TPersistent& Obj, const std::vector<TLayoutProperty>& Props);
  void ReadProperty(TPersistent& Obj, const TLayoutProperty& Prop);
  void ReadPublished(TPersistent& Obj, const TPropInfo& Prop, const TLayoutValue& Value, const String& Path);
  void ReadDefined(TPersistent& Obj, const String& Name, const TLayoutValue& Value);
  void ReadCollection(TCollection& Collection, const TLayoutValue& Value);
  void ReadStrings(TStrings& Strings, const TLayoutValue& Value);
  void DropFixupsInside(const TPersistent& Container);
  void SetRootName(const String& Name);
  void BeginLoading(TComponent* Instance);
  void FinishLoading();
  void Abandon();
  const TLayoutValue& NextValue();
  String ErrorPath(const String& Property) const;

  TComponent* FParent = nullptr;
  TComponent* FInstance = nullptr;        // the component whose block is being read
  const TLayoutObject* FNode = nullptr;   // its block
  std::vector<TComponent*> FLoaded;       // every component read, root first
  std::vector<TComponent*> FCreated;      // the children this reader created
  std::vector<TFixup> FFixups;
  std::unique_ptr<TRootResolver> FNames;
  // The defined property being looked for, and the values it reads.
  String FDefinedName;
  const TLayoutValue* FDefinedValue = nullptr;
  bool FDefinedFound = false;
  std::vector<TCursor> FCursors;
};

// Turns a component and the components it stores into a layout.
class TWriter : public TFiler {
 public:
  explicit TWriter(TComponent* Root) : TFiler(Root) {}

  TLayoutObject WriteRootComponent();

  void WriteInteger(int64_t Value);
  void WriteBoolean(bool Value);
  void WriteString(const String& Value);
  void WriteIdent(const String& Value);
  void WriteListBegin();
  void WriteListEnd();

  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                            bool HasData) override;

 private:
  TLayoutObject WriteComponent(TComponent* Instance);
  void WriteProperties(TPersistent& Obj, const String& Prefix, std::vector<TLayoutProperty>& Out);
  void WriteDefined(TPersistent& Obj, const String& Prefix, std::vector<TLayoutProperty>& Out);
  void WritePublished(TPersistent& Obj, const TPropInfo& Prop, const String& Prefix, std::vector<TLayoutProperty>& Out);
  TLayoutValue WriteCollection(TCollection& Collection);
  void Append(TLayoutValue Value);

  // Where defined properties go, and the lists they are writing into.
  String FPrefix;
  std::vector<TLayoutProperty>* FOut = nullptr;
  std::vector<std::vector<TLayoutValue>> FLists;
};

// Reads layout text into Root (the object the text's outer block describes); ELayoutError with
// the line for any error.
void ReadLayout(const String& Text, TComponent* Root);
// The layout text of Root and the components it stores.
String WriteLayout(TComponent* Root);
