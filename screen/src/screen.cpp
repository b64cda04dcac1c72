#include "screen/screen.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <mutex>
#include <utility>

#include "default_backend.h"

namespace screen {
namespace {

std::mutex g_install_mutex;
std::shared_ptr<Screen> g_installed;  // null: the default backend

}  // namespace

Screen& Current() {
  {
    std::lock_guard<std::mutex> lock(g_install_mutex);
    if (g_installed) return *g_installed;
  }
  return DefaultBackend();
}

void Install(std::shared_ptr<Screen> backend) {
  std::shared_ptr<Screen> replaced;
  {
    std::lock_guard<std::mutex> lock(g_install_mutex);
    replaced = std::exchange(g_installed, std::move(backend));
  }
  // `replaced` dies here, outside the lock, in case its destructor is slow.
}

std::shared_ptr<Screen> Installed() {
  std::lock_guard<std::mutex> lock(g_install_mutex);
  return g_installed;
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(a) * b;  // |product| <= 2^62
  std::int64_t divisor = c;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  // Integer division truncates toward zero, so moving the product half a
  // divisor away from zero first rounds halves away from zero.
  const std::int64_t half = divisor / 2;
  const std::int64_t quotient =
      product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max()) {
    return -1;
  }
  return static_cast<int>(quotient);
}

int FontHeight(int point_size, int log_pixels_y) {
  const int em = MulDiv(point_size, log_pixels_y, 72);
  return em == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -em;
}

int DefaultLineHeight(int point_size, int log_pixels_y) {
  const long long em = std::max(MulDiv(point_size, log_pixels_y, 72), 0);
  return static_cast<int>(std::min<long long>(em + em / 4, std::numeric_limits<int>::max()));
}

int Screen::LineHeight(const FontRequest& font) {
  return DefaultLineHeight(font.point_size, LogPixelsY());
}

}  // namespace screen
