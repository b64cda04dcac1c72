#include "text/format_label.h"

#include <algorithm>
#include <new>
#include <optional>

#include "language/diagnostics.h"

namespace ctrlelem {
namespace {

// Digits beyond this are not accumulated: any such field fails anyway, and the
// count must not overflow.
constexpr std::size_t kFieldSaturation = kMaxFieldWidth + 1;

enum class Size { standard, half, wide, int32, int64, pointer };

// What a conversion reads and how it writes it.
enum class Kind {
  wide_string,
  narrow_string,
  wide_char,
  narrow_char,
  signed_number,
  unsigned_number
};

struct Conversion {
  bool left_align = false;
  bool hex_prefix = false;
  bool zero_pad = false;
  std::size_t width = 0;
  std::size_t precision = 0;  // 0: not given (or given as 0)
  Size size = Size::standard;
  wchar_t type = 0;
};

bool IsFloatingPointType(wchar_t c) {
  return c == L'e' || c == L'E' || c == L'f' || c == L'g' || c == L'G';
}

std::optional<Kind> KindOf(const Conversion& conversion) {
  const bool narrow_prefix = conversion.size == Size::half;
  const bool wide_prefix = conversion.size == Size::wide;
  switch (conversion.type) {
    case L's':
      return narrow_prefix ? Kind::narrow_string : Kind::wide_string;
    case L'S':
      return wide_prefix ? Kind::wide_string : Kind::narrow_string;
    case L'c':
      return narrow_prefix ? Kind::narrow_char : Kind::wide_char;
    case L'C':
      return wide_prefix ? Kind::wide_char : Kind::narrow_char;
    case L'd':
    case L'i':
      return Kind::signed_number;
    case L'u':
    case L'x':
    case L'X':
    case L'p':
      return Kind::unsigned_number;
    default:
      return std::nullopt;
  }
}

const char* SortName(const LabelArg& arg) {
  switch (arg.value.index()) {
    case 0:
      return "wide string";
    case 1:
      return "narrow string";
    default:
      return "number";
  }
}

const char* SortName(Kind kind) {
  switch (kind) {
    case Kind::wide_string:
      return "wide string";
    case Kind::narrow_string:
      return "narrow string";
    default:
      return "number";
  }
}

// The integer argument's bits, whichever of the two integer sorts it is.
std::optional<std::uint64_t> IntegerBits(const LabelArg& arg) {
  if (const auto* value = std::get_if<std::int64_t>(&arg.value)) {
    return static_cast<std::uint64_t>(*value);
  }
  if (const auto* value = std::get_if<std::uint64_t>(&arg.value)) return *value;
  return std::nullopt;
}

int BitsOf(Size size) {
  switch (size) {
    case Size::half:
      return 16;
    case Size::int64:
      return 64;
    case Size::pointer:
      return static_cast<int>(8 * sizeof(void*));
    default:
      return 32;
  }
}

// Formats one pattern; holds the output and what is needed to report.
class Formatter {
 public:
  Formatter(std::wstring_view pattern, std::span<const LabelArg> args)
      : pattern_(pattern.substr(0, pattern.find(L'\0'))), args_(args) {}

  // The result, or nothing when a field was too wide.
  std::optional<std::wstring> Run() {
    std::size_t i = 0;
    while (i < pattern_.size()) {
      if (pattern_[i] != L'%') {
        out_ += pattern_[i++];
        continue;
      }
      const std::size_t start = i;
      Conversion conversion;
      i = ParseFields(i + 1, conversion);
      if (i >= pattern_.size()) break;  // the pattern ends inside a conversion
      conversion.type = pattern_[i];
      if (IsFloatingPointType(conversion.type)) {
        const std::wstring_view written = pattern_.substr(start, i + 1 - start);
        out_ += written;
        Report([&] {
          return "floating-point conversion '" + language::Excerpt(written) +
                 "' is not supported and was copied as written";
        });
        ++i;
        continue;
      }
      const std::optional<Kind> kind = KindOf(conversion);
      if (!kind) {
        out_ += pattern_[i++];  // no type: the character is copied as text
        continue;
      }
      ++i;
      if (conversion.width > kMaxFieldWidth || conversion.precision > kMaxFieldWidth) {
        Report([&] {
          return "field of '" + language::Excerpt(pattern_.substr(start, i - start)) +
                 "' is wider than " + std::to_string(kMaxFieldWidth) + " characters";
        });
        return std::nullopt;
      }
      if (conversion.type == L'p') {
        conversion.width = 2 * sizeof(void*);
        conversion.zero_pad = true;
        conversion.size = Size::pointer;
      }
      Convert(conversion, *kind, pattern_.substr(start, i - start));
    }
    return std::move(out_);
  }

 private:
  // Reads flags, width, precision and size from `i`; returns where the type
  // belongs.
  std::size_t ParseFields(std::size_t i, Conversion& conversion) const {
    auto at = [&](std::size_t k) { return k < pattern_.size() ? pattern_[k] : L'\0'; };
    auto flag = [&](wchar_t c, bool& set) {
      if (at(i) != c) return;
      set = true;
      ++i;
    };
    flag(L'-', conversion.left_align);
    flag(L'#', conversion.hex_prefix);
    flag(L'0', conversion.zero_pad);
    i = ParseNumber(i, conversion.width);
    if (at(i) == L'.') i = ParseNumber(i + 1, conversion.precision);
    // The size prefixes, longest first; I alone is pointer-sized.
    struct SizePrefix {
      std::wstring_view text;
      Size size;
    };
    static constexpr SizePrefix kSizePrefixes[] = {
        {L"I64", Size::int64}, {L"I32", Size::int32}, {L"I", Size::pointer},
        {L"h", Size::half},    {L"l", Size::wide},    {L"w", Size::wide},
    };
    for (const SizePrefix& prefix : kSizePrefixes) {
      if (pattern_.substr(std::min(i, pattern_.size())).starts_with(prefix.text)) {
        conversion.size = prefix.size;
        return i + prefix.text.size();
      }
    }
    return i;
  }

  std::size_t ParseNumber(std::size_t i, std::size_t& number) const {
    while (i < pattern_.size() && pattern_[i] >= L'0' && pattern_[i] <= L'9') {
      number =
          std::min(number * 10 + static_cast<std::size_t>(pattern_[i] - L'0'), kFieldSaturation);
      ++i;
    }
    return i;
  }

  void Convert(const Conversion& conversion, Kind kind, std::wstring_view written) {
    const std::size_t index = next_arg_++;
    if (index >= args_.size()) {
      Report([&] {
        return "conversion '" + language::Excerpt(written) + "' has no argument (" +
               std::to_string(args_.size()) + " given)";
      });
      return;
    }
    const LabelArg& arg = args_[index];
    switch (kind) {
      case Kind::wide_string:
      case Kind::narrow_string:
        if (!WriteString(conversion, kind, arg)) WrongSort(written, index, kind, arg);
        return;
      case Kind::wide_char:
      case Kind::narrow_char:
      case Kind::signed_number:
      case Kind::unsigned_number: {
        const std::optional<std::uint64_t> bits = IntegerBits(arg);
        if (!bits) {
          WrongSort(written, index, kind, arg);
          return;
        }
        if (kind == Kind::signed_number || kind == Kind::unsigned_number) {
          WriteNumber(conversion, kind == Kind::signed_number, *bits);
        } else {
          WriteCharacter(conversion, kind == Kind::wide_char, *bits);
        }
        return;
      }
    }
  }

  bool WriteString(const Conversion& conversion, Kind kind, const LabelArg& arg) {
    std::wstring text;
    const std::size_t limit = conversion.precision == 0 ? std::wstring::npos : conversion.precision;
    if (kind == Kind::wide_string) {
      const auto* value = std::get_if<std::wstring>(&arg.value);
      if (value == nullptr) return false;
      const std::wstring_view view(*value);
      text = view.substr(0, view.find(L'\0')).substr(0, limit);
    } else {
      const auto* value = std::get_if<std::string>(&arg.value);
      if (value == nullptr) return false;
      const std::string_view view(*value);
      for (char byte : view.substr(0, view.find('\0')).substr(0, limit)) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
      }
    }
    WritePadded(conversion, text);
    return true;
  }

  void WriteCharacter(const Conversion& conversion, bool wide, std::uint64_t bits) {
    const auto unit = static_cast<wchar_t>(wide ? (bits & 0xFFFF) : (bits & 0xFF));
    WritePadded(conversion, unit == 0 ? std::wstring() : std::wstring(1, unit));
  }

  // Text padded with spaces to the field width.
  void WritePadded(const Conversion& conversion, std::wstring_view text) {
    const std::size_t padding = conversion.width > text.size() ? conversion.width - text.size() : 0;
    if (!conversion.left_align) out_.append(padding, L' ');
    out_ += text;
    if (conversion.left_align) out_.append(padding, L' ');
  }

  void WriteNumber(const Conversion& conversion, bool is_signed, std::uint64_t bits) {
    const int size_bits = BitsOf(conversion.size);
    if (size_bits < 64) bits &= (std::uint64_t{1} << size_bits) - 1;
    bool negative = false;
    if (is_signed && size_bits < 64 && (bits >> (size_bits - 1)) != 0) {
      negative = true;
      bits = (std::uint64_t{1} << size_bits) - bits;  // the magnitude, in range
    } else if (is_signed && size_bits == 64 && static_cast<std::int64_t>(bits) < 0) {
      negative = true;
      bits = ~bits + 1;
    }
    const bool hex = conversion.type == L'x' || conversion.type == L'X' || conversion.type == L'p';
    const bool upper = conversion.type == L'X' || conversion.type == L'p';
    const unsigned base = hex ? 16 : 10;
    const wchar_t* digit_chars = upper ? L"0123456789ABCDEF" : L"0123456789abcdef";

    std::wstring digits;
    do {
      digits.insert(digits.begin(), digit_chars[bits % base]);
      bits /= base;
    } while (bits != 0);

    std::wstring lead;  // what goes before any zeros: sign or prefix
    if (negative) lead = L"-";
    if (hex && conversion.hex_prefix) lead = upper ? L"0X" : L"0x";

    std::size_t zeros =
        conversion.precision > digits.size() ? conversion.precision - digits.size() : 0;
    const bool pad_with_zeros = conversion.zero_pad && !conversion.left_align;
    const std::size_t used = lead.size() + zeros + digits.size();
    if (pad_with_zeros && conversion.width > used) zeros += conversion.width - used;

    std::wstring field = lead;
    field.append(zeros, L'0');
    field += digits;
    WritePadded(conversion, field);
  }

  void WrongSort(std::wstring_view written, std::size_t index, Kind kind, const LabelArg& arg) {
    Report([&] {
      return "conversion '" + language::Excerpt(written) + "' reads a " + SortName(kind) +
             " but argument " + std::to_string(index + 1) + " is a " + SortName(arg);
    });
  }

  // Builds the message only while the channel has room, and quotes only an
  // excerpt of the pattern: a pattern of many faulty conversions must cost
  // time in proportion to its length, not to its length squared.
  template <class What>
  void Report(const What& what) const {
    if (language::DropDiagnosticIfFull()) return;
    language::ReportDiagnostic("label pattern '" + language::Excerpt(pattern_) + "': " + what());
  }

  std::wstring_view pattern_;
  std::span<const LabelArg> args_;
  std::size_t next_arg_ = 0;
  std::wstring out_;
};

}  // namespace

std::optional<std::wstring> FormatLabel(std::wstring_view pattern, std::span<const LabelArg> args) {
  try {
    return Formatter(pattern, args).Run();
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

std::wstring FormatWithOneArgument(std::wstring_view pattern, const LabelArg& argument) {
  return FormatLabel(pattern, std::span<const LabelArg>(&argument, 1)).value_or(std::wstring());
}

}  // namespace ctrlelem
