// The fifth group of message dialogs: messages with one or two buttons and
// messages with a centred check box (154, 155, 143).
#include <array>

#include "dialogs/dialog_groups.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_layouts.h"

namespace ctrlelem {
namespace dialogs {
namespace {

// Dialogs 139 and 140 differ only in their message.
constexpr std::array<Child, 3> Notice(int message) {
  return {
      Image(1003, 226, {10, 12, 32, 32}),
      Text(1004, S(message), {55, 21, 350, 35}).Format(1),
      OkButton({77, 56, 152, 79}),
  };
}

// clang-format off
constexpr auto k139 = Notice(1094);
constexpr auto k140 = Notice(1096);

constexpr auto k154 = BoxedYesNoQuestion(316, Text(1004, S(1606), {55, 12, 380, 56}));
constexpr auto k155 = BoxedYesNoQuestion(316, Text(1004, S(1607), {55, 12, 380, 56}));

// The link button comes before the message it starts.
constexpr Child k141[] = {
    Image(1003, 226, {10, 12, 32, 32}),
    Button(988, S(844), {56, 19, 110, 35}).Size(9),
    Text(1004, S(935), {100, 21, 350, 35}).Format(1),
    OkButton({77, 56, 152, 79}),
};

constexpr Child k142[] = {
    Image(1003, 316, {10, 12, 32, 32}),
    Text(1004, S(1111), {55, 12, 600, 52}).Format(1),
    OkButton({210, 62, 283, 85}),
    CancelButton({310, 62, 383, 85}),
};

constexpr auto k143 = BoxedQuestion(226, Text(1004, S(1117), {55, 20, 380, 44}), Answers::yes_no,
                                    {50, 83, 107, 227});

constexpr MessageDialog kFifthGroup[] = {
    // window (id, caption, size)   children  measured
    {{139, 2, {373, 87}},           k139,     std::nullopt},
    {{140, 2, {373, 87}},           k140,     std::nullopt},
    {{154, 2, {390, 135}},          k154,     Measured(743, 9)},
    {{155, 2, {390, 135}},          k155,     Measured(743, 9)},
    {{141, 2, {373, 87}},           k141,     std::nullopt},
    {{142, 2, {610, 95}},           k142,     std::nullopt},
    {{143, 2, {390, 115}},          k143,     Measured(743, 9)},
};
// clang-format on

}  // namespace

std::vector<ElementDescription> FifthGroup() { return MessageDialogs(kFifthGroup); }

}  // namespace dialogs
}  // namespace ctrlelem
