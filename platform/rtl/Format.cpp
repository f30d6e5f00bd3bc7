// printf-like formatting of Variant arguments (Format, see Convert.h).
#include <algorithm>

#include "rtl/Convert.h"
#include "rtl/Exceptions.h"
#include "rtl/Text.h"

namespace {

struct TFormatSpec {
  bool LeftJustify = false;
  int Width = -1;
  int Precision = -1;
  char Type = 0;
};

class TFormatter {
 public:
  TFormatter(const String& format, std::span<const Variant> args, const TFormatSettings& fs)
      : FFormat(format), FArgs(args), FSettings(fs) {}

  String Run() {
    String out;
    while (FPos < FFormat.size()) {
      const char c = FFormat[FPos++];
      if (c != '%') {
        out += c;
      } else if (FPos < FFormat.size() && FFormat[FPos] == '%') {
        out += '%';
        ++FPos;
      } else {
        const TFormatSpec spec = ReadSpec();
        out += Pad(Convert(spec, NextArg()), spec);
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const { throw EConvertError("格式 '" + FFormat + "' 无效或与参数不符"); }

  const Variant& NextArg() {
    if (FArgIndex >= FArgs.size()) throw EConvertError("格式 '" + FFormat + "' 缺少参数");
    return FArgs[FArgIndex++];
  }

  int IntegerArg() {
    const Variant& arg = NextArg();
    if (arg.VarType() != varInteger && arg.VarType() != varInt64) Invalid();
    return arg.AsInteger();
  }

  // Digits or "*" (the next argument); -1 when neither is there.
  int ReadCount() {
    if (FPos < FFormat.size() && FFormat[FPos] == '*') {
      ++FPos;
      return IntegerArg();
    }
    int value = -1;
    while (FPos < FFormat.size() && FFormat[FPos] >= '0' && FFormat[FPos] <= '9') {
      value = std::min((value < 0 ? 0 : value) * 10 + (FFormat[FPos++] - '0'), 1 << 20);
    }
    return value;
  }

  // "%" [index ":"] ["-"] [width] ["." precision] type, the "%" already read.
  TFormatSpec ReadSpec() {
    TFormatSpec spec;
    int count = ReadCount();
    if (count >= 0 && FPos < FFormat.size() && FFormat[FPos] == ':') {
      FArgIndex = size_t(count);
      ++FPos;
      count = -1;
    }
    if (count < 0 && FPos < FFormat.size() && FFormat[FPos] == '-') {
      spec.LeftJustify = true;
      ++FPos;
    }
    spec.Width = count >= 0 ? count : ReadCount();
    if (FPos < FFormat.size() && FFormat[FPos] == '.') {
      ++FPos;
      spec.Precision = std::max(ReadCount(), 0);
    }
    if (FPos >= FFormat.size()) Invalid();
    spec.Type = char(std::tolower(static_cast<unsigned char>(FFormat[FPos++])));
    return spec;
  }

  String Convert(const TFormatSpec& spec, const Variant& arg) {
    const bool integer = arg.VarType() == varInteger || arg.VarType() == varInt64;
    const bool floating = arg.VarType() == varDouble || arg.VarType() == varCurrency || arg.VarType() == varDate;
    switch (spec.Type) {
      case 's': {
        const String text = VarToStr(arg, FSettings);
        return spec.Precision >= 0 ? Copy(text, 1, spec.Precision) : text;
      }
      case 'd':
        if (integer) return IntegerText(arg.AsInt64(), spec.Precision);
        break;
      case 'x':
        if (integer)
          return arg.VarType() == varInteger ? IntToHex(arg.AsInteger(), spec.Precision)
                                             : IntToHex(arg.AsInt64(), spec.Precision);
        break;
      default:
        if (floating) return FloatText(spec, arg.AsDouble());
        break;
    }
    Invalid();
  }

  static String IntegerText(int64_t value, int minDigits) {
    String digits = IntToStr(value);
    const size_t start = value < 0 ? 1 : 0;
    if (int(digits.size() - start) < minDigits) digits.insert(start, size_t(minDigits) - (digits.size() - start), '0');
    return digits;
  }

  String FloatText(const TFormatSpec& spec, double value) {
    const int p = spec.Precision;
    switch (spec.Type) {
      case 'e': return FloatToStrF(value, ffExponent, p < 0 ? 15 : p, 3, FSettings);
      case 'f': return FloatToStrF(value, ffFixed, 15, p < 0 ? 2 : p, FSettings);
      case 'g': return FloatToStrF(value, ffGeneral, p < 0 ? 15 : p, 0, FSettings);
      case 'n': return FloatToStrF(value, ffNumber, 15, p < 0 ? 2 : p, FSettings);
      case 'm': return FloatToStrF(value, ffCurrency, 15, p < 0 ? FSettings.CurrencyDecimals : p, FSettings);
      default: Invalid();
    }
  }

  static String Pad(String text, const TFormatSpec& spec) {
    const int length = Length(text);
    if (spec.Width <= length) return text;
    const String blanks(size_t(spec.Width - length), ' ');
    return spec.LeftJustify ? text + blanks : blanks + text;
  }

  const String& FFormat;
  std::span<const Variant> FArgs;
  const TFormatSettings& FSettings;
  size_t FPos = 0;
  size_t FArgIndex = 0;
};

}  // namespace

String Format(const String& format, std::span<const Variant> args, const TFormatSettings& fs) {
  return TFormatter(format, args, fs).Run();
}

String Format(const String& format, std::initializer_list<Variant> args, const TFormatSettings& fs) {
  return Format(format, std::span<const Variant>(args.begin(), args.size()), fs);
}
