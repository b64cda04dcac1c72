#include "text_encoding.h"

#include <cstdint>
#include <cstdio>

#include "language/utf8.h"

namespace ctrlelem_tool {
namespace {

void AppendEscape(std::uint32_t unit, std::string& out) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
  out += buffer;
}

}  // namespace

std::string WideToWtf8(std::wstring_view text) {
  return language::WideToUtf8(text, language::UnpairedSurrogates::keep);
}

namespace {

// The escapes of QuoteJson and Printable, in one place: a character that a
// terminal or a viewer would act on rather than show (C0 and C1 controls,
// DEL) and a lone surrogate become escapes; in JSON '"' and '\\' too.
void AppendEscaped(std::string_view wtf8, bool json, std::string& out) {
  for (std::size_t i = 0; i < wtf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(wtf8[i]);
    const auto next = i + 1 < wtf8.size() ? static_cast<unsigned char>(wtf8[i + 1]) : 0u;
    // A three-byte sequence ED A0..BF xx encodes a surrogate unit.
    if (byte == 0xED && i + 2 < wtf8.size() && (next & 0xE0) == 0xA0) {
      const std::uint32_t unit =
          0xD000 | ((next & 0x3F) << 6) | (static_cast<unsigned char>(wtf8[i + 2]) & 0x3F);
      AppendEscape(unit, out);
      i += 2;
      continue;
    }
    // C2 80..9F: the C1 controls (U+0080 to U+009F), CSI among them.
    if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      AppendEscape(next, out);
      ++i;
      continue;
    }
    switch (byte) {
      case '"':
        out += json ? "\\\"" : "\"";
        break;
      case '\\':
        out += json ? "\\\\" : "\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          AppendEscape(byte, out);
        } else {
          out += static_cast<char>(byte);
        }
    }
  }
}

}  // namespace

std::string QuoteJson(std::string_view wtf8) {
  std::string out = "\"";
  AppendEscaped(wtf8, true, out);
  out += '"';
  return out;
}

std::string Printable(std::string_view wtf8) {
  std::string out;
  AppendEscaped(wtf8, false, out);
  return out;
}

std::string Printable(std::wstring_view text) { return Printable(WideToWtf8(text)); }

}  // namespace ctrlelem_tool
