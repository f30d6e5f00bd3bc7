// Writing the text form of a layout: the one canonical spelling that ParseLayout reads back.
#include <array>
#include <charconv>

#include "classes/LayoutText.h"
#include "rtl/Text.h"

namespace {

constexpr int kBytesPerLine = 32;

void PrintValue(String& out, const TLayoutValue& v, int indent);

void PrintProperty(String& out, const TLayoutProperty& p, int indent) {
  out.append(indent, ' ');
  out += p.Name;
  out += " = ";
  PrintValue(out, p.Value, indent);
  out += '\n';
}

void PrintSet(String& out, const std::vector<String>& names) {
  out += '[';
  for (size_t i = 0; i < names.size(); ++i) {
    if (i) out += ", ";
    out += names[i];
  }
  out += ']';
}

// Each element on its own line, the closing bracket right after the last one.
void PrintList(String& out, const std::vector<TLayoutValue>& items, int indent) {
  out += '(';
  for (const TLayoutValue& item : items) {
    out += '\n';
    out.append(indent + 2, ' ');
    PrintValue(out, item, indent + 2);
  }
  out += ')';
}

void PrintCollection(String& out, const std::vector<TLayoutItem>& items, int indent) {
  out += '<';
  for (const TLayoutItem& item : items) {
    out += '\n';
    out.append(indent + 2, ' ');
    out += "item\n";
    for (const TLayoutProperty& p : item.Properties) PrintProperty(out, p, indent + 4);
    out.append(indent + 2, ' ');
    out += "end";
  }
  out += '>';
}

void PrintBinary(String& out, const std::vector<uint8_t>& bytes, int indent) {
  static const char kHex[] = "0123456789ABCDEF";
  out += '{';
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % kBytesPerLine == 0) {
      out += '\n';
      out.append(indent + 2, ' ');
    }
    out += kHex[bytes[i] >> 4];
    out += kHex[bytes[i] & 15];
  }
  out += '}';
}

void PrintValue(String& out, const TLayoutValue& v, int indent) {
  switch (v.Kind) {
    case TValueKind::Integer: out += std::to_string(v.Integer); break;
    case TValueKind::Float: out += LayoutFloatText(v.Float); break;
    case TValueKind::String: out += LayoutQuote(v.Text); break;
    case TValueKind::Ident: out += v.Text; break;
    case TValueKind::Set: PrintSet(out, v.Names); break;
    case TValueKind::List: PrintList(out, v.Items, indent); break;
    case TValueKind::Collection: PrintCollection(out, v.CollectionItems, indent); break;
    case TValueKind::Binary: PrintBinary(out, v.Bytes, indent); break;
  }
}

void PrintObject(String& out, const TLayoutObject& obj, int indent) {
  out.append(indent, ' ');
  out += "object ";
  if (!obj.Name.empty()) out += obj.Name + ": ";
  out += obj.ClassName;
  out += '\n';
  for (const TLayoutProperty& p : obj.Properties) PrintProperty(out, p, indent + 2);
  for (const TLayoutObject& child : obj.Children) PrintObject(out, child, indent + 2);
  out.append(indent, ' ');
  out += "end\n";
}

}  // namespace

String LayoutQuote(const String& s) {
  if (s.empty()) return "''";
  String out;
  bool open = false;
  for (char ch : s) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 32) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(byte);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    out += ch;
    if (ch == '\'') out += '\'';
  }
  if (open) out += '\'';
  return out;
}

String LayoutFloatText(double value) {
  std::array<char, 64> buf{};
  auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  String text(buf.data(), result.ptr);
  if (text.find_first_of(".en") == String::npos) text += ".0";
  return text;
}

String LayoutValueText(const TLayoutValue& value) {
  constexpr int kMaxLength = 40;
  String printed;
  PrintValue(printed, value, 0);
  String text;
  for (size_t i = 0; i < printed.size(); ++i) {
    if (printed[i] != '\n') {
      text += printed[i];
      continue;
    }
    while (i + 1 < printed.size() && printed[i + 1] == ' ') ++i;
    text += ' ';
  }
  if (Length(text) > kMaxLength) text = Copy(text, 1, kMaxLength) + "...";
  return text;
}

String PrintLayout(const TLayoutObject& root) {
  String out;
  PrintObject(out, root, 0);
  return out;
}
