// Constructors of layout values.
#include "classes/LayoutValue.h"

TLayoutValue TLayoutValue::OfKind(TValueKind kind) {
  TLayoutValue v;
  v.Kind = kind;
  return v;
}

TLayoutValue TLayoutValue::OfInteger(int64_t value) {
  TLayoutValue v = OfKind(TValueKind::Integer);
  v.Integer = value;
  return v;
}

TLayoutValue TLayoutValue::OfFloat(double value) {
  TLayoutValue v = OfKind(TValueKind::Float);
  v.Float = value;
  return v;
}

TLayoutValue TLayoutValue::OfString(String value) {
  TLayoutValue v = OfKind(TValueKind::String);
  v.Text = std::move(value);
  return v;
}

TLayoutValue TLayoutValue::OfIdent(String value) {
  TLayoutValue v = OfKind(TValueKind::Ident);
  v.Text = std::move(value);
  return v;
}

TLayoutValue TLayoutValue::OfSet(std::vector<String> names) {
  TLayoutValue v = OfKind(TValueKind::Set);
  v.Names = std::move(names);
  return v;
}
