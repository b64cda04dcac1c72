#include "lng_file.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "utf.h"

namespace language {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class Section { none, language, table1, table2 };

struct SectionName {
  std::string_view name;
  Section section;
};

constexpr SectionName kSections[] = {
    {"language", Section::language},
    {"table 1", Section::table1},
    {"table 2", Section::table2},
};

constexpr std::string_view kNameKey = "name";
constexpr std::string_view kCodeKey = "code";

// A language code as pages and tools label text with (`de`, `fr-CA`,
// `zh-Hant`): a letter, then letters, digits and hyphens, at most 35 in all
// (the longest well-formed tag of its registry). Only the shape is checked.
constexpr std::size_t kMaxCodeLength = 35;
bool IsLanguageCode(std::string_view code) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (code.empty() || code.size() > kMaxCodeLength || !letter(code.front())) return false;
  for (const char c : code) {
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '-') return false;
  }
  return true;
}

// The escapes known inside double quotes: the letter after the backslash and
// the character it stands for.
struct Escape {
  char letter;
  char character;
};

constexpr Escape kEscapes[] = {{'"', '"'}, {'\\', '\\'}, {'n', '\n'}, {'t', '\t'}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<Section> FindSection(std::string_view name) {
  for (const SectionName& known : kSections) {
    if (known.name == name) return known.section;
  }
  return std::nullopt;
}

std::optional<char> Unescape(char letter) {
  for (const Escape& escape : kEscapes) {
    if (escape.letter == letter) return escape.character;
  }
  return std::nullopt;
}

std::optional<char> EscapeLetter(wchar_t character) {
  for (const Escape& escape : kEscapes) {
    if (static_cast<wchar_t>(escape.character) == character) return escape.letter;
  }
  return std::nullopt;
}

// A string id: decimal digits only, at most 2147483647.
std::optional<int> ParseId(std::string_view key) {
  if (key.empty()) return std::nullopt;
  long long id = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + (c - '0');
    if (id > 2147483647) return std::nullopt;
  }
  return static_cast<int>(id);
}

// The result of reading one part of a line: the error reason, if any.
using LineError = std::optional<std::string>;

bool IsRefusedControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 && c != '\t';
}

// A piece of the line as an error message quotes it: control characters as
// \xNN, so that a message cannot move a terminal's cursor or erase lines.
std::string Shown(std::string_view piece) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : piece) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kDigits[byte >> 4];
      out += kDigits[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

// Texts and names hold no control characters but TAB: a line break is written
// as \n inside quotes, and anything else (ESC, CR, BEL) would reach every
// terminal and window that shows the text.
LineError RefuseControls(std::string_view raw) {
  for (const char c : raw) {
    if (!IsRefusedControl(c)) continue;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return std::string("control character U+00") + kDigits[byte >> 4] + kDigits[byte & 0xF] +
           " in the text (only TAB may stand in a text; write a line break as \\n in quotes)";
  }
  return std::nullopt;
}

// The text after '=' (already trimmed): quoted or literal. The line is known
// to be well-formed UTF-8, and unescaping only touches ASCII, so the decoded
// bytes stay well-formed.
LineError ParseText(std::string_view value, std::wstring& text) {
  if (auto error = RefuseControls(value)) return error;
  std::string bytes;
  if (!value.starts_with('"')) {
    bytes = value;
  } else {
    std::size_t pos = 1;
    for (;; ++pos) {
      if (pos == value.size()) return "unterminated quote";
      const char c = value[pos];
      if (c == '"') break;
      if (c != '\\') {
        bytes.push_back(c);
        continue;
      }
      if (++pos == value.size()) return "unterminated quote";
      const auto unescaped = Unescape(value[pos]);
      if (!unescaped)
        return "unknown escape '\\" + Shown(value.substr(pos, 1)) + "' in quoted text";
      bytes.push_back(*unescaped);
    }
    if (pos + 1 != value.size()) return "text after the closing quote";
  }
  // Well-formed UTF-8: every byte but a continuation byte starts a character.
  const auto characters =
      static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      }));
  if (characters > kMaxTextLength) {
    return "text of " + std::to_string(characters) + " characters (at most " +
           std::to_string(kMaxTextLength) + ")";
  }
  text = Utf8ToWide(bytes).value_or(std::wstring());
  return std::nullopt;
}

// Reads the lines of a language file into a table set; every rule about one
// line lives here.
class LngParser {
 public:
  LineError ParseLine(std::string_view line) {
    if (const auto bad = FindInvalidUtf8(line)) {
      return "invalid UTF-8 at byte " + std::to_string(*bad + 1) + " of the line";
    }
    if (line.find('\0') != std::string_view::npos) return "NUL character in the line";
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') return std::nullopt;
    if (line.front() == '[') return ParseSectionHeader(line);

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return "line without '='";
    if (section_ == Section::none) return "entry before any section";
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    return section_ == Section::language ? ParseLanguageEntry(key, value)
                                         : ParseTableEntry(key, value);
  }

  LngData& data() { return data_; }

 private:
  LineError ParseSectionHeader(std::string_view line) {
    if (!line.ends_with(']')) return "section header without closing ']'";
    const std::string_view name = Trim(line.substr(1, line.size() - 2));
    const auto section = FindSection(name);
    if (!section) return "unknown section [" + Shown(name) + "]";
    section_ = *section;
    return std::nullopt;
  }

  LineError ParseLanguageEntry(std::string_view key, std::string_view value) {
    if (key == kCodeKey) {
      if (!IsLanguageCode(value)) {
        return "bad language code '" + Shown(value) + "' (expected letters, digits and '-', " +
               "such as de or fr-CA)";
      }
      if (data_.code) return "duplicate code";
      data_.code = std::string(value);
      return std::nullopt;
    }
    if (key != kNameKey) return "unknown key '" + Shown(key) + "' in [language]";
    std::wstring text;
    if (auto error = ParseText(value, text)) return error;
    if (data_.name) return "duplicate name";
    data_.name = std::move(text);
    return std::nullopt;
  }

  LineError ParseTableEntry(std::string_view key, std::string_view value) {
    const auto id = ParseId(key);
    if (!id) return "bad string id '" + Shown(key) + "' (expected 0 to 2147483647)";
    std::wstring text;
    if (auto error = ParseText(value, text)) return error;
    const bool first_table = section_ == Section::table1;
    auto& table = first_table ? data_.table1 : data_.table2;
    if (!table.emplace(*id, std::move(text)).second) {
      return "duplicate id " + std::to_string(*id) + " in [table " + (first_table ? "1" : "2") +
             "]";
    }
    lines_[{first_table ? 1 : 2, *id}] = line_;
    return std::nullopt;
  }

 public:
  void SetLine(int line) { line_ = line; }
  EntryLines& lines() { return lines_; }

 private:
  Section section_ = Section::none;
  LngData data_;
  EntryLines lines_;
  int line_ = 0;
};

// Editors that save "Unicode" write UTF-16: a byte-order mark FF FE or FE FF,
// or, without one, ASCII characters each beside a NUL byte. Told apart from
// UTF-8 by the mark, or by at least half of the first byte pairs holding
// exactly one NUL (UTF-8 text holds none, and the parser refuses a NUL anyway).
std::optional<std::string> Utf16Reason(std::string_view content) {
  constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
  constexpr std::string_view kBigEndianMark = "\xFE\xFF";
  constexpr std::size_t kSniffedPairs = 256;
  constexpr std::string_view kSaveAsUtf8 = "; save it as UTF-8";
  if (content.starts_with(kLittleEndianMark) || content.starts_with(kBigEndianMark)) {
    const bool little = content.starts_with(kLittleEndianMark);
    return std::string("the file is UTF-16 (byte-order mark ") + (little ? "FF FE" : "FE FF") +
           ")" + std::string(kSaveAsUtf8);
  }
  const std::size_t pairs = std::min(content.size() / 2, kSniffedPairs);
  std::size_t half_nul = 0;
  for (std::size_t i = 0; i < pairs; ++i) {
    half_nul += (content[2 * i] == '\0') != (content[2 * i + 1] == '\0') ? 1 : 0;
  }
  if (pairs >= 2 && half_nul * 2 >= pairs) {
    return "the file looks like UTF-16 (NUL bytes between the characters)" +
           std::string(kSaveAsUtf8);
  }
  return std::nullopt;
}

std::string TooLarge() {
  return "file larger than " + std::to_string(kMaxLngFileSize >> 20) + " MiB";
}

// A language file is a regular file. Anything else is refused before a byte is
// read: reading a FIFO or a terminal would wait for a writer that may never
// come, and a device may never end. The check is made on the opened file, so
// a path swapped for a FIFO after a first look cannot make the read block.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::string& content) {
  constexpr const char* kNotRegular =
      "not a regular file (a folder, FIFO, device or socket cannot be a language file)";
#if defined(_WIN32)
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) return "cannot open the file: " + ec.message();
  if (!std::filesystem::is_regular_file(status)) return kNotRegular;
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open the file";
  char buffer[1 << 16];
  while (in) {
    in.read(buffer, sizeof buffer);
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (content.size() > kMaxLngFileSize) return TooLarge();
  }
  if (in.bad()) return "read error";
  return std::nullopt;
#else
  // Non-blocking open: opening a FIFO for reading would otherwise wait here.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return "cannot open the file: " + std::generic_category().message(errno);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } const closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0)
    return "cannot read the file: " + std::generic_category().message(errno);
  if (!S_ISREG(info.st_mode)) return kNotRegular;
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return "read error: " + std::generic_category().message(errno);
    if (got == 0) return std::nullopt;
    content.append(buffer, static_cast<std::size_t>(got));
    if (content.size() > kMaxLngFileSize) return TooLarge();
  }
#endif
}

}  // namespace

const std::wstring* LngData::Find(int id, int table) const {
  const std::map<int, std::wstring>* entries = table == 1   ? &table1
                                               : table == 2 ? &table2
                                                            : nullptr;
  if (!entries) return nullptr;
  const auto it = entries->find(id);
  return it == entries->end() ? nullptr : &it->second;
}

std::optional<LngError> ParseLng(std::string_view content, const std::string& file, LngData& out,
                                 EntryLines* lines) {
  if (auto reason = Utf16Reason(content)) return LngError{file, 0, std::move(*reason)};
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  LngParser parser;
  int line_number = 0;
  while (!content.empty()) {
    ++line_number;
    const std::size_t newline = content.find('\n');
    std::string_view line = content.substr(0, newline);
    content.remove_prefix(newline == std::string_view::npos ? content.size() : newline + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    parser.SetLine(line_number);
    if (auto reason = parser.ParseLine(line)) {
      return LngError{file, line_number, std::move(*reason)};
    }
  }
  out = std::move(parser.data());
  if (lines) *lines = std::move(parser.lines());
  return std::nullopt;
}

std::optional<LngError> ReadLngFile(const std::string& path, LngData& out, EntryLines* lines) {
  return ReadLngFile(PathFromUtf8(path), path, out, lines);
}

std::optional<LngError> ReadLngFile(const std::filesystem::path& fs_path, const std::string& file,
                                    LngData& out, EntryLines* lines) {
  std::string content;
  if (auto reason = ReadRegularFile(fs_path, content)) {
    return LngError{file, 0, std::move(*reason)};
  }
  return ParseLng(content, file, out, lines);
}

std::string LngTextSyntax(std::wstring_view text) {
  const bool needs_quotes =
      (!text.empty() && (text.front() == L' ' || text.front() == L'\t' || text.front() == L'"' ||
                         text.back() == L' ' || text.back() == L'\t')) ||
      text.find_first_of(L"\r\n") != std::wstring_view::npos;
  if (!needs_quotes) return WideToUtf8(text);

  std::wstring quoted = L"\"";
  for (wchar_t c : text) {
    if (const auto letter = EscapeLetter(c)) {
      quoted.push_back(L'\\');
      quoted.push_back(static_cast<wchar_t>(*letter));
    } else {
      quoted.push_back(c);
    }
  }
  quoted.push_back(L'"');
  return WideToUtf8(quoted);
}

}  // namespace language
