#include "language/diagnostics.h"

#include <mutex>
#include <utility>

#include "language/utf8.h"

namespace language {
namespace {

struct Channel {
  std::mutex mutex;
  std::vector<std::string> kept;
  std::size_t dropped = 0;
};

// Built on first use, so reports made while other statics are being
// constructed still find it.
Channel& TheChannel() {
  static Channel channel;
  return channel;
}

bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

bool DropDiagnosticIfFull() {
  Channel& channel = TheChannel();
  std::lock_guard lock(channel.mutex);
  if (channel.kept.size() < kMaxDiagnostics) return false;
  ++channel.dropped;
  return true;
}

// Both look at no more than the excerpt, whatever the length of the text.
std::string Excerpt(std::string_view utf8) {
  if (utf8.size() <= kExcerptLength) return std::string(utf8);
  std::size_t cut = kExcerptLength;
  while (cut > 0 && IsUtf8Continuation(utf8[cut])) --cut;  // never split a sequence
  return std::string(utf8.substr(0, cut)) + "... (" + std::to_string(utf8.size()) + " bytes)";
}

std::string Excerpt(std::wstring_view text) {
  if (text.size() <= kExcerptLength) return WideToUtf8(text);
  std::size_t cut = kExcerptLength;
  if (IsHighSurrogate(text[cut - 1])) --cut;  // never split a surrogate pair
  return WideToUtf8(text.substr(0, cut)) + "... (" + std::to_string(text.size()) + " characters)";
}

void ReportDiagnostic(std::string message) {
  Channel& channel = TheChannel();
  std::lock_guard lock(channel.mutex);
  if (channel.kept.size() < kMaxDiagnostics) {
    channel.kept.push_back(std::move(message));
  } else {
    ++channel.dropped;
  }
}

std::vector<std::string> TakeDiagnostics() {
  Channel& channel = TheChannel();
  std::lock_guard lock(channel.mutex);
  std::vector<std::string> taken = std::exchange(channel.kept, {});
  if (channel.dropped > 0) {
    taken.push_back(std::to_string(channel.dropped) + (channel.dropped == 1
                                                           ? " further diagnostic dropped"
                                                           : " further diagnostics dropped"));
    channel.dropped = 0;
  }
  return taken;
}

}  // namespace language
