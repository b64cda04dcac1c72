#include "text_encoding.h"

#include <cstdint>
#include <cstdio>

namespace ctrlelem_tool {
namespace {

bool IsHighSurrogate(std::uint32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendCodePoint(std::uint32_t c, std::string& out) {
  if (c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendEscape(std::uint32_t unit, std::string& out) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
  out += buffer;
}

}  // namespace

std::string WideToWtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = static_cast<std::uint32_t>(text[i]);
    // A surrogate pair (stored as two units) is one character; a lone
    // surrogate is kept as it is.
    if (IsHighSurrogate(c) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<std::uint32_t>(text[i + 1]))) {
      const std::uint32_t low = static_cast<std::uint32_t>(text[++i]);
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendCodePoint(c, out);
  }
  return out;
}

std::string QuoteJson(std::string_view wtf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < wtf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(wtf8[i]);
    // A three-byte sequence ED A0..BF xx encodes a surrogate unit.
    if (byte == 0xED && i + 2 < wtf8.size() && (static_cast<unsigned char>(wtf8[i + 1]) & 0xE0) == 0xA0) {
      const std::uint32_t unit = 0xD000 | ((static_cast<unsigned char>(wtf8[i + 1]) & 0x3F) << 6) |
                                 (static_cast<unsigned char>(wtf8[i + 2]) & 0x3F);
      AppendEscape(unit, out);
      i += 2;
      continue;
    }
    switch (byte) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
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
