#include "language/diagnostics.h"

#include <mutex>
#include <utility>

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

}  // namespace

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
