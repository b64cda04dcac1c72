// JSON written straight to an output stream, in the tool's layout: two spaces
// of indent per level, one member or element per line, short arrays of
// numbers on one line. Strings are generalised UTF-8 (text_encoding.h), so a
// lone surrogate in a description's text comes out as a \uXXXX escape.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace ctrlelem_tool {

// A small document built as a tree (reports); the dump streams instead.
using Json = nlohmann::ordered_json;

// Writes one JSON document as it is produced, holding at most a buffer's worth
// of it: nothing is built in memory. The bytes go through the stream, so its
// error state tells whether they were written. Call Finish() once the outer
// value is closed; the destructor flushes what is left but cannot report.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out);
  ~JsonWriter();
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  void BeginObject();
  void EndObject();
  // Elements on lines of their own, or, when `flat`, on one line: [a, b].
  void BeginArray(bool flat = false);
  void EndArray();
  void Key(std::string_view name);  // the next value is this member's

  void Number(std::int64_t n);
  void Number(std::uint64_t n);
  void Number(std::int32_t n) { Number(std::int64_t{n}); }
  void Number(std::uint32_t n) { Number(std::uint64_t{n}); }
  void Numbers(std::initializer_list<std::int32_t> numbers);  // a flat array
  void Bool(bool b);
  void Null();
  void String(std::string_view wtf8);
  void WideString(std::wstring_view text);  // as WideToWtf8 would give it
  // A value that is already JSON text (a number, true, false or null).
  void Raw(std::string_view json);

  // Ends the document with a newline and hands everything to the stream.
  // False when the stream failed.
  bool Finish();

 private:
  void BeforeValue();
  void Put(char c) { buffer_.push_back(c); }
  void Put(std::string_view text) { buffer_.append(text); }
  void Indent(std::size_t levels) { buffer_.append(2 * levels, ' '); }
  void FlushIfFull();
  void Flush();

  void Quoted(std::string_view wtf8);
  void Close(char bracket);

  struct Level {
    bool object = false;
    bool flat = false;
    std::size_t count = 0;
  };
  std::ostream& out_;
  std::string buffer_;
  std::vector<Level> levels_;
  bool after_key_ = false;
};

// A tree written in the same layout, ending with a newline.
std::string WriteJson(const Json& document);

}  // namespace ctrlelem_tool
