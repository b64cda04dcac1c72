#include "catalogue/catalogue.h"

#include <set>
#include <utility>

#include "dialogs/dialog_groups.h"
#include "language/strings.h"
#include "windows/main/form_windows.h"
#include "windows/main/main_menu.h"
#include "windows/main/main_window.h"
#include "windows/secondary/descriptions.h"

namespace ctrlelem::catalogue {
namespace {

// The menus do not carry their own id.
__packet MainMenu(ElementId) { return main_window::MainMenu(GetLeguagesList()); }
__packet Menu8(ElementId) { return secondary::Menu8(); }
__packet Menu12(ElementId) { return secondary::Menu12(); }

// Families are built in this order: the main window's, then those of 3, 4, 14
// and 2. Within a family the window comes first, then what it opens.
constexpr Entry kWindows[] = {
    // the main window family
    {1, main_window::MainWindow},
    {7, MainMenu},
    {11, main_window::FormWindow11},
    {18, main_window::FormWindow18},
    // the split-view window 3 and its family
    {3, secondary::SplitViewWindow3},
    {8, Menu8},
    {13, secondary::ImageSetWindow13},
    {16, secondary::ThreeButtonPanel16},
    // the frame-sized window
    {4, secondary::FrameSizedWindow4},
    // the button-strip window
    {14, secondary::ButtonStripWindow14},
    // the split-view window 2 and its family
    {2, secondary::SplitViewWindow2},
    {12, Menu12},
    {17, secondary::NoticeWindow17},
};

constexpr DialogGroup kDialogGroups[] = {
    dialogs::InputDialogs, dialogs::SecondGroup, dialogs::ThirdGroup,
    dialogs::FourthGroup,  dialogs::FifthGroup,
};

}  // namespace

std::span<const Entry> Windows() { return kWindows; }
std::span<const DialogGroup> DialogGroups() { return kDialogGroups; }

void RegisterAll() {
  for (const Entry& entry : kWindows) Register(entry.id, entry.build(entry.id));
  for (const DialogGroup group : kDialogGroups) {
    for (ElementDescription& dialog : group()) Register(dialog.id, std::move(dialog.packet));
  }
}

std::map<ElementId, __packet> BuildDescriptions(std::span<const ElementId> ids) {
  const std::set<ElementId> wanted(ids.begin(), ids.end());
  std::map<ElementId, __packet> built;
  for (const Entry& entry : kWindows) {
    if (wanted.contains(entry.id)) built.try_emplace(entry.id, entry.build(entry.id));
  }
  // A group's ids are known only once it has run: run them in order until
  // every id asked for is found, each at most once. try_emplace keeps the
  // first description of an id, as the registry does.
  for (const DialogGroup group : kDialogGroups) {
    if (built.size() == wanted.size()) break;
    for (ElementDescription& dialog : group()) {
      if (wanted.contains(dialog.id)) built.try_emplace(dialog.id, std::move(dialog.packet));
    }
  }
  return built;
}

__packet BuildDescription(ElementId id) {
  std::map<ElementId, __packet> built = BuildDescriptions(std::span(&id, 1));
  const auto found = built.find(id);
  return found != built.end() ? std::move(found->second) : __packet();
}

}  // namespace ctrlelem::catalogue
