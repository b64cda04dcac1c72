#include "text/measure.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "language/strings.h"
#include "screen/screen.h"

namespace ctrlelem {
namespace {

constexpr int kMeasuredTable = 1;

std::wstring_view TableOneString(int id) {
  const wchar_t* text = LoadResourceString(id, kMeasuredTable, 0);
  return text != nullptr ? std::wstring_view(text) : std::wstring_view();
}

template <std::size_t N>
std::array<int, N> MeasureStrings(const std::array<int, N>& ids, int point_size, int weight) {
  const screen::FontRequest font{std::wstring(TableOneString(kMeasuringFaceString)), point_size,
                                 weight};
  std::array<std::wstring_view, N> texts;
  for (std::size_t i = 0; i < N; ++i) texts[i] = TableOneString(ids[i]);
  const std::vector<int> measured = screen::Current().TextWidths(font, texts);
  std::array<int, N> widths{};  // a backend that answers short leaves zeros
  for (std::size_t i = 0; i < N && i < measured.size(); ++i) {
    widths[i] = std::clamp(measured[i], -kMaxMeasuredWidth, kMaxMeasuredWidth);
  }
  return widths;
}

}  // namespace

int MeasureStringWidth(int string_id, int point_size, int weight) {
  return MeasureStrings<1>({string_id}, point_size, weight)[0];
}

std::pair<int, int> MeasureStringWidths(int first_id, int second_id, int point_size, int weight) {
  const std::array<int, 2> widths = MeasureStrings<2>({first_id, second_id}, point_size, weight);
  return {widths[0], widths[1]};
}

}  // namespace ctrlelem
