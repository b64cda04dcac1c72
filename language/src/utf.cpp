#include "utf.h"

#include <cstdint>

namespace language {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

// One decoded code point and the number of bytes it took.
struct Decoded {
  char32_t code_point;
  std::size_t length;
};

// Decodes the sequence starting at bytes[pos]; nothing when it is malformed
// (truncated, a stray continuation byte, overlong, a surrogate or too large).
std::optional<Decoded> DecodeAt(std::string_view bytes, std::size_t pos) {
  const auto lead = static_cast<std::uint8_t>(bytes[pos]);
  if (lead < 0x80) return Decoded{lead, 1};

  std::size_t length = 0;
  char32_t code_point = 0;
  char32_t smallest = 0;  // below this the sequence is overlong
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code_point = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code_point = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code_point = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;  // a continuation byte or 0xF8..0xFF as lead
  }
  if (bytes.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(bytes[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code_point = (code_point << 6) | (next & 0x3F);
  }
  if (code_point < smallest || code_point > kMaxCodePoint || IsSurrogate(code_point)) {
    return std::nullopt;
  }
  return Decoded{code_point, length};
}

void AppendWide(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      const SurrogatePair pair = SplitIntoSurrogates(c);
      out.push_back(static_cast<wchar_t>(pair.high));
      out.push_back(static_cast<wchar_t>(pair.low));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(c));
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The code point of text[pos] (a surrogate pair counts as one) and the number of
// code units it took; U+FFFD for a value above U+10FFFF and, unless kept, for
// an unpaired surrogate.
Decoded WideAt(std::wstring_view text, std::size_t pos, UnpairedSurrogates unpaired) {
  const auto unit = static_cast<char32_t>(text[pos]);
  if (IsHighSurrogate(unit) && pos + 1 < text.size()) {
    const auto low = static_cast<char32_t>(text[pos + 1]);
    if (IsLowSurrogate(low)) return {CombineSurrogates(unit, low), 2};
  }
  if (unit > kMaxCodePoint) return {kReplacement, 1};
  if (IsSurrogate(unit) && unpaired == UnpairedSurrogates::replace) return {kReplacement, 1};
  return {unit, 1};
}

// Calls visit with each code point of the text, as WideAt reads them.
template <class Visit>
void ForEachCodePoint(std::wstring_view text, UnpairedSurrogates unpaired, Visit visit) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Decoded decoded = WideAt(text, pos, unpaired);
    visit(decoded.code_point);
    pos += decoded.length;
  }
}

}  // namespace

std::optional<std::size_t> FindInvalidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const auto decoded = DecodeAt(bytes, pos);
    if (!decoded) return pos;
    pos += decoded->length;
  }
  return std::nullopt;
}

std::optional<std::wstring> Utf8ToWide(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const auto decoded = DecodeAt(bytes, pos);
    if (!decoded) return std::nullopt;
    AppendWide(out, decoded->code_point);
    pos += decoded->length;
  }
  return out;
}

std::string WideToUtf8(std::wstring_view text, UnpairedSurrogates unpaired) {
  std::string out;
  out.reserve(text.size());
  ForEachCodePoint(text, unpaired, [&out](char32_t c) { AppendUtf8(out, c); });
  return out;
}

std::u32string WideToCodePoints(std::wstring_view text) {
  std::u32string out;
  out.reserve(text.size());
  ForEachCodePoint(text, UnpairedSurrogates::replace, [&out](char32_t c) { out.push_back(c); });
  return out;
}

std::filesystem::path PathFromUtf8(const std::string& path) {
#if defined(_WIN32)
  if (auto wide = Utf8ToWide(path)) return std::filesystem::path(*wide);
#endif
  return std::filesystem::path(path);
}

std::optional<std::wstring> PathToWide(const std::filesystem::path& path) {
#if defined(_WIN32)
  return path.wstring();
#else
  return Utf8ToWide(path.native());
#endif
}

}  // namespace language
