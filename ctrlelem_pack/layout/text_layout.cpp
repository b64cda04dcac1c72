// Text in a box, as DrawText lays it out: access-key marks, line feeds, word
// breaks, end ellipsis and alignment. Every step is linear in the text's
// length: words and characters are measured in batches, line widths are
// running sums, and the ellipsis cut is a search over cumulative widths.
#include <algorithm>
#include <climits>

#include "ctrlelem_pack/layout.h"
#include "ctrlelem_pack/schema/constants.h"
#include "saturate.h"

namespace ctrlelem::layout {
namespace {

namespace schema = ctrlelem::schema;

constexpr std::wstring_view kEllipsis = L"...";

// The text as drawn and the index of its access-key character: '&' before a
// character marks it and is not drawn, "&&" draws one '&', a text ends at its
// first NUL.
struct Drawn {
  std::wstring text;
  std::optional<std::size_t> access_key;
};

Drawn StripAccessKeys(std::wstring_view text) {
  text = text.substr(0, text.find(L'\0'));
  Drawn drawn;
  drawn.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != L'&' && !drawn.access_key) drawn.access_key = drawn.text.size();
    }
    drawn.text.push_back(text[i]);
  }
  return drawn;
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

int Width(Measurer& measurer, const Font& font, std::wstring_view text) {
  if (text.empty()) return 0;
  return measurer.Widths(font, std::span(&text, 1)).at(0);
}

// A line as a view into the drawn text, with its width.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// Lines split at line feeds; a CR before a line feed is dropped.
std::vector<Span> HardLines(std::wstring_view text) {
  std::vector<Span> lines;
  std::size_t begin = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == L'\n') {
      std::size_t end = i;
      if (end > begin && text[end - 1] == L'\r') --end;
      lines.push_back({begin, end});
      begin = i + 1;
    }
  }
  return lines;
}

// Greedy breaks at spaces: a line takes words while their running width fits;
// a word wider than the box stands on a line of its own. The words of every
// line are measured in one batch.
void Wrap(std::wstring_view text, Span line, int width, const Font& font, Measurer& measurer,
          std::vector<Span>& out) {
  std::vector<Span> words;
  std::size_t begin = line.begin;
  for (std::size_t i = line.begin; i <= line.end; ++i) {
    if (i == line.end || text[i] == L' ') {
      words.push_back({begin, i});
      begin = i + 1;
    }
  }
  std::vector<std::wstring_view> views;
  views.reserve(words.size() + 1);
  views.push_back(L" ");
  for (const Span& word : words) views.push_back(text.substr(word.begin, word.end - word.begin));
  const std::vector<int> widths = measurer.Widths(font, views);
  const int space = widths[0];
  Span current{words[0].begin, words[0].end};
  long long running = widths[1];
  for (std::size_t w = 1; w < words.size(); ++w) {
    const long long with_word = running + space + widths[w + 1];
    if (with_word > width) {
      out.push_back(current);
      current = words[w];
      running = widths[w + 1];
    } else {
      current.end = words[w].end;
      running = with_word;
    }
  }
  out.push_back(current);
}

// The longest start of the line that fits with "..." after it, found on the
// cumulative widths of its characters (a surrogate pair is one character).
std::wstring CutWithEllipsis(std::wstring_view line, int width, const Font& font,
                             Measurer& measurer) {
  std::vector<std::wstring_view> characters;
  characters.reserve(line.size() + 1);
  characters.push_back(kEllipsis);
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t length =
        IsHighSurrogate(line[i]) && i + 1 < line.size() && IsLowSurrogate(line[i + 1]) ? 2 : 1;
    characters.push_back(line.substr(i, length));
    i += length;
  }
  const std::vector<int> widths = measurer.Widths(font, characters);
  const long long room = static_cast<long long>(width) - widths[0];
  long long used = 0;
  std::size_t keep = 0;  // code units kept
  for (std::size_t c = 1; c < characters.size(); ++c) {
    used += widths[c];
    if (used > room) break;
    keep += characters[c].size();
  }
  std::wstring cut(line.substr(0, keep));
  cut += kEllipsis;
  return cut;
}

}  // namespace

TextLayout LayOutText(std::wstring_view text, const Font& font, std::uint32_t format, int width,
                      int height, Measurer& measurer) {
  TextLayout layout;
  layout.line_height = std::max(measurer.LineHeight(font), 1);
  layout.character_height = std::clamp(measurer.CharacterHeight(font), 1, layout.line_height);
  const Drawn drawn = StripAccessKeys(text);
  if (drawn.text.empty()) return layout;
  const std::wstring_view shown = drawn.text;

  const bool single_line = (format & schema::kFormatSingleLine) != 0;
  layout.wraps = !single_line && ((format & schema::kFormatWordBreak) != 0 ||
                                  height >= layout.line_height + layout.character_height);
  std::vector<Span> spans;
  if (single_line) {
    spans.push_back({0, shown.size()});
  } else {
    for (const Span& hard : HardLines(shown)) {
      if (layout.wraps && hard.end > hard.begin) {
        Wrap(shown, hard, width, font, measurer, spans);
      } else {
        spans.push_back(hard);
      }
    }
  }

  std::vector<std::wstring_view> views;
  views.reserve(spans.size());
  for (const Span& span : spans) views.push_back(shown.substr(span.begin, span.end - span.begin));
  const std::vector<int> widths = measurer.Widths(font, views);

  int top = 0;
  const long long total =
      static_cast<long long>(layout.line_height) * static_cast<long long>(spans.size() - 1) +
      layout.character_height;
  if (single_line && (format & schema::kFormatVCentre) != 0) {
    top = Saturate((static_cast<long long>(height) - layout.line_height) / 2);
  }
  for (std::size_t i = 0; i < spans.size(); ++i) {
    TextLine line;
    line.text.assign(views[i]);
    line.width = widths[i];
    layout.needed_width = std::max(layout.needed_width, line.width);
    if (spans[i].begin <= drawn.access_key.value_or(shown.size()) &&
        drawn.access_key.value_or(shown.size()) < spans[i].end) {
      line.access_key = *drawn.access_key - spans[i].begin;
    }
    if ((format & schema::kFormatEllipsis) != 0 && line.width > width) {
      line.text = CutWithEllipsis(views[i], width, font, measurer);
      line.width = Width(measurer, font, line.text);
      if (line.access_key && *line.access_key + kEllipsis.size() >= line.text.size()) {
        line.access_key.reset();
      }
    }
    if ((format & schema::kFormatCentre) != 0) {
      line.x = Saturate((static_cast<long long>(width) - line.width) / 2);
    } else if ((format & schema::kFormatRight) != 0) {
      line.x = Saturate(static_cast<long long>(width) - line.width);
    }
    line.y = Saturate(top + static_cast<long long>(i) * layout.line_height);
    layout.lines.push_back(std::move(line));
  }
  layout.needed_height = static_cast<int>(std::min<long long>(total, INT_MAX));
  layout.fits_width = layout.needed_width <= width;
  layout.fits_height = layout.needed_height <= height;
  return layout;
}

}  // namespace ctrlelem::layout
