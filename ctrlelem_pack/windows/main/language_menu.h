// The language submenu of the main menu: one item per installed language, then
// a separator and the two fixed items "More Languages" and "Help Translate".
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "language/packet.h"

namespace ctrlelem::main_window {

// Language file path -> display name, in the order the menu lists them.
using LanguageList = std::map<std::wstring, std::wstring>;

// Language i (from 0, in list order) triggers command 2100 + i.
inline constexpr std::uint32_t kFirstLanguageCommand = 2100;
// The fixed items that follow the languages.
inline constexpr std::uint32_t kMoreLanguagesCommand = 2135;
inline constexpr std::uint32_t kHelpTranslateCommand = 2136;
// Language commands end below the first fixed item: a list longer than this is
// cut after its first 35 entries, so that no language item shares its command
// with another item of the menu.
inline constexpr std::size_t kMaxLanguageItems = kMoreLanguagesCommand - kFirstLanguageCommand;

// The caption of the item that opens the submenu, from the localised text of
// "Change Lan&guage": taken as it is when it is that English text (in any
// letter case), otherwise followed by " (Language)" so that someone who cannot
// read the current language still finds the way back.
std::wstring LanguageMenuCaption(std::wstring_view localised);

// The label of one language: its display name, followed by " (FILE)" when the
// key holds a backslash, FILE being what follows the last backslash (possibly
// nothing). The name is never interpreted.
std::wstring LanguageLabel(std::wstring_view key, std::wstring_view name);

// The submenu packet (without kind): 1 = 13, 2 = item count, 3 = item list.
__packet LanguageSubmenu(const LanguageList& languages);

}  // namespace ctrlelem::main_window
