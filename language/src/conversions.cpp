#include "language/conversions.h"

namespace language {
namespace {

constexpr std::wstring_view kFlags = L"-#0";
constexpr std::wstring_view kTypes = L"sScCdiuxXp";
constexpr std::wstring_view kFloatingTypes = L"eEfgG";
// Longest first, so that I64 is not read as I.
constexpr std::wstring_view kSizes[] = {L"I32", L"I64", L"I", L"h", L"l", L"w"};

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

Conversions ReadConversions(std::wstring_view pattern) {
  Conversions found;
  std::size_t i = 0;
  while ((i = pattern.find(L'%', i)) != std::wstring_view::npos) {
    const std::size_t start = i++;
    if (i < pattern.size() && pattern[i] == L'%') {
      ++i;
      continue;
    }
    while (i < pattern.size() && kFlags.find(pattern[i]) != std::wstring_view::npos) ++i;
    while (i < pattern.size() && IsDigit(pattern[i])) ++i;
    if (i < pattern.size() && pattern[i] == L'.') {
      ++i;
      while (i < pattern.size() && IsDigit(pattern[i])) ++i;
    }
    std::wstring size;
    for (const std::wstring_view candidate : kSizes) {
      if (pattern.substr(i).starts_with(candidate)) {
        size = candidate;
        i += candidate.size();
        break;
      }
    }
    if (i == pattern.size()) {
      ++found.stray;
      break;
    }
    const wchar_t type = pattern[i++];
    if (kTypes.find(type) != std::wstring_view::npos) {
      found.kinds.push_back(size + type);
    } else if (kFloatingTypes.find(type) != std::wstring_view::npos) {
      found.floating.emplace_back(pattern.substr(start, i - start));
    } else {
      ++found.stray;
    }
  }
  return found;
}

std::wstring ConversionList(const std::vector<std::wstring>& kinds) {
  if (kinds.empty()) return L"none";
  std::wstring list;
  for (const std::wstring& kind : kinds) {
    if (!list.empty()) list += L' ';
    list += L"%" + kind;
  }
  return list;
}

}  // namespace language
