// The menu of the split-view window 2 (element id 12): the same five bar
// entries and help submenu as the menu 8, the other submenus its own; the view
// submenu opens a further submenu of four items.
#include "windows/secondary/descriptions.h"
#include "windows/secondary/menu_rows.h"

namespace ctrlelem::secondary {
namespace {

// One row per item, as the menu shows them: command, flags, caption, image
// number, the value 403.
// clang-format off
constexpr MenuRow kConversation[] = {
    {31102, 0, 335, 414},
    {31103, 0, 336, 415},
    {kSeparator},
    {31104, 0, 337, 416},
};

// Every item of the edit submenu is greyed here, unlike in the menu 8.
constexpr MenuRow kEdit[] = {
    {31111, kMenuItemGrayed, 339, 417},
    {kSeparator},
    {31112, kMenuItemGrayed, 340, 418},
    {31113, kMenuItemGrayed, 341, 419},
    {31114, kMenuItemGrayed, 342, 420},
    {31115, kMenuItemGrayed, 343, 421},
    {kSeparator},
    {31116, kMenuItemGrayed, 344},
};

// Opened from the view submenu's third item.
constexpr MenuRow kViewNested[] = {
    {31150, kMenuItemDisabled, 400, 0, kNoPicture},
    {31151, kMenuItemDisabled, 401, 0, kNoPicture},
    {31152, kMenuItemDisabled, 402, 0, kNoPicture},
    {31154, kMenuItemDisabled, 404, 0, kNoPicture},
};
constexpr MenuRows kViewNestedRows = kViewNested;

constexpr MenuRow kView[] = {
    {31121, 0, 346, 422},
    {31122, kMenuItemDisabled, 347, 0, kNoPicture},
    {.command = 31123, .caption = 349, .submenu = &kViewNestedRows},
    {31125, 0, 364, 0, kNoPicture},
    {31124, 0, 350, 0, kNoPicture},
};

constexpr MenuRow kActions[] = {
    {31131, 0, 405, 222},
    {31132, 0, 406, 181},
    {31134, 0, 408, 400},
    {31138, 0, 1487, 740},
    {31135, 0, 409, 199},
    {31136, 0, 410},
    {31137, 0, 411},
    {31139, 0, 1630},
};
// clang-format on

}  // namespace

__packet Menu12() {
  return SplitViewMenuBar(
      {.conversation = kConversation, .edit = kEdit, .view = kView, .actions = kActions});
}

}  // namespace ctrlelem::secondary
