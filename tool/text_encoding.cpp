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

std::string QuoteJson(std::string_view wtf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < wtf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(wtf8[i]);
    // A three-byte sequence ED A0..BF xx encodes a surrogate unit.
    if (byte == 0xED && i + 2 < wtf8.size() &&
        (static_cast<unsigned char>(wtf8[i + 1]) & 0xE0) == 0xA0) {
      const std::uint32_t unit = 0xD000 | ((static_cast<unsigned char>(wtf8[i + 1]) & 0x3F) << 6) |
                                 (static_cast<unsigned char>(wtf8[i + 2]) & 0x3F);
      AppendEscape(unit, out);
      i += 2;
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
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
        if (byte < 0x20) {
          AppendEscape(byte, out);
        } else {
          out += static_cast<char>(byte);
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace ctrlelem_tool
