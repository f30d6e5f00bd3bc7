// The filter expressions of a data set: comparisons of fields with literals joined by and, or and
// not, as in "(Fd_Sex = '男') and not ([Fd_Grade] is null)". Parsed once when Filter is set.
#pragma once

#include <memory>

#include "data/DataSet.h"

struct TFilterNode;

class TFilterExpression {
 public:
  // EDatabaseError naming the position for text that is not an expression.
  static std::shared_ptr<TFilterExpression> Parse(const String& Text);
  ~TFilterExpression();
  bool Evaluate(const TDataSet& DataSet, const TRowValues& Values, TFilterOptions Options) const;

 private:
  std::unique_ptr<TFilterNode> FRoot;
};

// Whether a stored field value matches a key value as Locate and filters compare them: texts
// ignoring case when asked and by their start when Partial; other kinds after converting the key
// into the field's kind (a key that does not convert matches nothing). Null matches only Null.
bool FieldValueMatches(const TField& Field, const Variant& Stored, const Variant& Key, bool CaseInsensitive,
                       bool Partial);
