// The tree list's string table, its error routine and its text comparison.
#include <map>

#include "rtl/Text.h"
#include "treelist/dxTLTypes.h"

namespace {

const std::map<int, String>& Table() {
  static const std::map<int, String> table = {
      {dxSTreeListInvalidOwner, "Invalid Owner TdxTreeListNode"},
      {dxSTreeListCustomize, "Customize"},
      {dxSTreeListBands, "    Bands    "},
      {dxSTreeListHeaders, "   Headers   "},
      {dxSTreeListInvalidGroupName, "Invalidate group name!"},
      {dxSTreeListDuplicateGroupName, "Invalidate group name: duplicate!"},
  };
  return table;
}

}  // namespace

String dxTreeListText(int Id) {
  const auto found = Table().find(Id);
  return found == Table().end() ? String() : found->second;
}

void RaiseTreeListError(const String& Message) { throw EInvaliddxTreeListOperation(Message); }

bool AnsiSameTextUpper(const String& A, const String& B) { return AnsiUpperCase(A) == AnsiUpperCase(B); }
