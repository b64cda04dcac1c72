#include "language/infobar.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <vector>

#include "language/diagnostics.h"

namespace language {
namespace {

constexpr std::wstring_view kLinkOpen = L"[[";
constexpr std::wstring_view kLinkClose = L"]]";
constexpr wchar_t kLinkSeparator = L'|';

struct Run {
  unsigned type;
  std::wstring text;
  std::wstring target;  // links only
};

// Splits the text into plain runs and links. Each "]]" search starts where the
// last one ended, and a target stops at the first '[', so the scan stays linear
// even for text full of unfinished links.
class MarkupScanner {
 public:
  explicit MarkupScanner(std::wstring_view text) : text_(text) {}

  std::vector<Run> Scan() {
    std::size_t pos = 0;
    while (pos < text_.size()) {
      if (text_.substr(pos).starts_with(kLinkOpen) && TryLink(pos)) continue;
      AddPlain(text_[pos]);
      ++pos;
    }
    return std::move(runs_);
  }

 private:
  // A complete link at `pos`: added, and `pos` moved past it.
  bool TryLink(std::size_t& pos) {
    const std::size_t target_begin = pos + kLinkOpen.size();
    const std::size_t target_end = text_.find_first_of(L"|[]", target_begin);
    if (target_end == std::wstring_view::npos || text_[target_end] != kLinkSeparator ||
        target_end == target_begin) {
      return false;
    }
    const std::size_t text_begin = target_end + 1;
    const std::size_t text_end = NextClose(text_begin);
    if (text_end == std::wstring_view::npos || text_end == text_begin) return false;
    runs_.push_back({kInfoRunLink, std::wstring(text_.substr(text_begin, text_end - text_begin)),
                     std::wstring(text_.substr(target_begin, target_end - target_begin))});
    pos = text_end + kLinkClose.size();
    return true;
  }

  // The first "]]" at or after `from`.
  std::size_t NextClose(std::size_t from) {
    const bool stale =
        from < searched_from_ || (close_ != std::wstring_view::npos && close_ < from);
    if (stale) {
      close_ = text_.find(kLinkClose, from);
      searched_from_ = from;
    }
    return close_;
  }

  void AddPlain(wchar_t c) {
    if (runs_.empty() || runs_.back().type != kInfoRunPlain)
      runs_.push_back({kInfoRunPlain, {}, {}});
    runs_.back().text.push_back(c);
  }

  std::wstring_view text_;
  std::vector<Run> runs_;
  // The last search for "]]": where it started and what it found.
  std::size_t searched_from_ = std::wstring_view::npos;
  std::size_t close_ = std::wstring_view::npos;
};

__packet RunPacket(const Run& run) {
  __packet packet;
  packet << __val(kInfoRunKeyType, run.type) << __val(kInfoRunKeyText, run.text);
  if (run.type == kInfoRunLink) packet << __val(kInfoRunKeyTarget, run.target);
  return packet;
}

}  // namespace
}  // namespace language

void ParseInformationBarText(__packet* target, std::wstring text) {
  if (!target) return;
  const std::vector<int> keys = target->keys();
  const int highest = keys.empty() ? 0 : *std::max_element(keys.begin(), keys.end());
  if (highest == INT_MAX) {
    language::ReportDiagnostic("information bar: no key left above " + std::to_string(highest) +
                               "; text not added");
    return;
  }

  __packet text_packet;
  int run_key = 1;
  for (const language::Run& run : language::MarkupScanner(text).Scan()) {
    text_packet << __val(run_key++, language::RunPacket(run).data());
  }
  *target << __val(highest + 1, text_packet.data());
}
