#include "json_writer.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <sstream>

#include "text_encoding.h"

namespace ctrlelem_tool {
namespace {

// The buffer is handed to the stream whenever it holds this much.
constexpr std::size_t kFlushAt = 64 * 1024;

// Whether QuoteJson would only add the quotes: no byte to escape (DEL
// included), no C1 control (lead byte C2) and no surrogate sequence (lead
// byte ED).
bool NeedsNoEscape(std::string_view wtf8) {
  return std::all_of(wtf8.begin(), wtf8.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != '"' && byte != '\\' && byte != 0x7F && byte != 0xC2 &&
           byte != 0xED;
  });
}

// Whether the wide text is printable ASCII that needs no escape, so each
// character is its own byte.
bool IsPlainAscii(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](wchar_t c) { return c >= 0x20 && c < 0x7F && c != L'"' && c != L'\\'; });
}

bool IsFlatArray(const Json& value) {
  return value.is_array() &&
         std::all_of(value.begin(), value.end(), [](const Json& v) { return v.is_number(); });
}

void WriteTree(const Json& value, JsonWriter& out) {
  if (value.is_object()) {
    out.BeginObject();
    for (const auto& [key, member] : value.items()) {
      out.Key(key);
      WriteTree(member, out);
    }
    out.EndObject();
  } else if (value.is_array()) {
    out.BeginArray(IsFlatArray(value));
    for (const Json& element : value) WriteTree(element, out);
    out.EndArray();
  } else if (value.is_string()) {
    out.String(value.get_ref<const std::string&>());
  } else {
    out.Raw(value.dump());  // numbers, booleans and null hold no text
  }
}

}  // namespace

JsonWriter::JsonWriter(std::ostream& out) : out_(out) { buffer_.reserve(kFlushAt + 4096); }

JsonWriter::~JsonWriter() { Flush(); }

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (level.flat) {
    if (level.count > 0) Put(", ");
  } else {
    Put(level.count > 0 ? ",\n" : "\n");
    Indent(levels_.size());
  }
  ++level.count;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  Put('{');
  levels_.push_back({true, false, 0});
}

void JsonWriter::EndObject() { Close('}'); }

void JsonWriter::BeginArray(bool flat) {
  BeforeValue();
  Put('[');
  levels_.push_back({false, flat, 0});
}

void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (level.count > 0 && !level.flat) {
    Put('\n');
    Indent(levels_.size());
  }
  Put(bracket);
  FlushIfFull();
}

void JsonWriter::Key(std::string_view name) {
  Level& level = levels_.back();
  Put(level.count > 0 ? ",\n" : "\n");
  Indent(levels_.size());
  ++level.count;
  Quoted(name);
  Put(": ");
  after_key_ = true;
}

void JsonWriter::Number(std::int64_t n) {
  BeforeValue();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::Number(std::uint64_t n) {
  BeforeValue();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::Numbers(std::initializer_list<std::int32_t> numbers) {
  BeginArray(true);
  for (const std::int32_t n : numbers) Number(n);
  EndArray();
}

void JsonWriter::Bool(bool b) { Raw(b ? "true" : "false"); }

void JsonWriter::Null() { Raw("null"); }

void JsonWriter::Raw(std::string_view json) {
  BeforeValue();
  Put(json);
}

void JsonWriter::String(std::string_view wtf8) {
  BeforeValue();
  Quoted(wtf8);
  FlushIfFull();
}

void JsonWriter::WideString(std::wstring_view text) {
  if (!IsPlainAscii(text)) {
    String(WideToWtf8(text));
    return;
  }
  BeforeValue();
  Put('"');
  const std::size_t at = buffer_.size();
  buffer_.resize(at + text.size());
  std::transform(text.begin(), text.end(), buffer_.begin() + static_cast<std::ptrdiff_t>(at),
                 [](wchar_t c) { return static_cast<char>(c); });
  Put('"');
  FlushIfFull();
}

void JsonWriter::Quoted(std::string_view wtf8) {
  if (NeedsNoEscape(wtf8)) {
    Put('"');
    Put(wtf8);
    Put('"');
  } else {
    Put(QuoteJson(wtf8));
  }
}

bool JsonWriter::Finish() {
  Put('\n');
  Flush();
  out_.flush();
  return static_cast<bool>(out_);
}

void JsonWriter::FlushIfFull() {
  if (buffer_.size() >= kFlushAt) Flush();
}

void JsonWriter::Flush() {
  if (buffer_.empty()) return;
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

std::string WriteJson(const Json& document) {
  std::ostringstream out;
  {
    JsonWriter writer(out);
    WriteTree(document, writer);
    writer.Finish();
  }
  return std::move(out).str();
}

}  // namespace ctrlelem_tool
