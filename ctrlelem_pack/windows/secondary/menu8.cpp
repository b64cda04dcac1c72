// The menu with five submenus (element id 8): conversation, edit, view,
// actions and help.
#include "windows/secondary/descriptions.h"
#include "windows/secondary/menu_rows.h"

namespace ctrlelem::secondary {
namespace {

// One row per item, as the menu shows them: command, flags, caption, image
// number, the value 403.
// clang-format off
constexpr MenuRow kConversation[] = {
    {31101, 0, 334, 413},
    {kSeparator},
    {31102, 0, 335, 414},
    {31103, 0, 336, 415},
    {kSeparator},
    {31104, 0, 337, 416},
};

constexpr MenuRow kEdit[] = {
    {31111, 0, 339, 417},
    {kSeparator},
    {31112, 0, 340, 418},
    {31113, 0, 341, 419},
    {31114, 0, 342, 420},
    {31115, 0, 343, 421},
    {kSeparator},
    {31116, 0, 344},
};

constexpr MenuRow kView[] = {
    {31121, 0, 346, 422},
    {31122, kMenuItemDisabled, 347, 0, kNoPicture},
    {31123, kMenuItemDisabled, 348, 423},
};

constexpr MenuRow kActions[] = {
    {31131, 0, 316, 195},
    {31132, 0, 353, 424},
    {.command = 31139, .caption = 1487, .image = 740, .opens_dialog = true},
    {31133, 0, 354, 425},
    {31135, 0, 1567, 426},
    {31136, 0, 357, 427},
    {31138, kMenuItemDisabled, 359, 445},
    {kSeparator},
    {31137, 0, 360, 428},
};
// clang-format on

}  // namespace

__packet Menu8() {
  return SplitViewMenuBar(
      {.conversation = kConversation, .edit = kEdit, .view = kView, .actions = kActions});
}

}  // namespace ctrlelem::secondary
