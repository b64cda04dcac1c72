#include "windows/main/language_menu.h"

#include <algorithm>
#include <optional>

#include "schema/writers.h"
#include "text/format_label.h"

namespace ctrlelem::main_window {
namespace {

// The English caption; other languages get " (Language)" added.
constexpr std::wstring_view kEnglishCaption = L"Change Lan&guage";
constexpr std::wstring_view kLanguageSuffix = L" (Language)";

constexpr wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c + (L'a' - L'A') : c; }

// Letter case is folded for the ASCII letters only, which are all that the
// English caption holds; any other character must match exactly.
bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b,
                            [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

// An item of the submenu: no flags, no picture, no submenu of its own.
schema::MenuItem Item(std::uint32_t command, std::wstring caption,
                      std::optional<std::uint32_t> mark) {
  return {.command = command,
          .flags = 0,
          .caption = std::move(caption),
          .image = std::nullopt,
          .alternative = mark,
          .submenu = std::nullopt};
}

}  // namespace

std::wstring LanguageMenuCaption(std::wstring_view localised) {
  std::wstring caption(localised);
  if (!EqualIgnoringAsciiCase(localised, kEnglishCaption)) caption += kLanguageSuffix;
  return caption;
}

std::wstring LanguageLabel(std::wstring_view key, std::wstring_view name) {
  const std::size_t last_backslash = key.rfind(L'\\');
  if (last_backslash == std::wstring_view::npos) return std::wstring(name);
  // Formatting fails only when the room for the label cannot be had; the bare
  // name is the best label left then.
  return FormatLabel(L"%s (%s)", {name, key.substr(last_backslash + 1)})
      .value_or(std::wstring(name));
}

__packet LanguageSubmenu(const LanguageList& languages) {
  schema::ItemList items;
  std::uint32_t command = kFirstLanguageCommand;
  for (const auto& [key, name] : languages) {
    if (command == kMoreLanguagesCommand) break;  // kMaxLanguageItems reached
    items.Add(Item(command++, LanguageLabel(key, name), schema::kMenuNoPicture));
  }
  items.AddSeparator();
  items.Add(Item(kMoreLanguagesCommand, schema::Str(1494), std::nullopt));
  items.Add(Item(kHelpTranslateCommand, schema::Str(1503), std::nullopt));
  return schema::Submenu(items);
}

}  // namespace ctrlelem::main_window
