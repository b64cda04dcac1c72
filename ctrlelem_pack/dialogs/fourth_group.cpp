// The fourth group of message dialogs: one input dialog (125), messages with
// centred check boxes (113, 130, 131, 136, 151, 156, 157, 126 to 129) and plain
// messages with one to three buttons.
#include <array>

#include "dialogs/dialog_groups.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_layouts.h"

namespace ctrlelem {
namespace dialogs {
namespace {

// Dialogs 126 to 128 differ only in their message.
constexpr std::array<Child, 4> BoxedNotice(int message) {
  return {
      Image(1003, 226, {10, 12, 32, 32}),
      Text(1004, S(message), {55, 12, 400, 76}),
      Button(995, S(741), Centred(87, 103)),
      OkButton({167, 115, 242, 138}),
  };
}

// clang-format off
constexpr Child k125[] = {
    Image(1003, 164, {22, 33, 32, 32}),
    Text(1004, S(29), {72, 16, 200, 29}),
    Input(1002, 1, {71, 32, 236, 54}, InputHint::empty_packet),
    OkButton({265, 22, 338, 45}),
    CancelButton({265, 56, 338, 79}),
};

// The message is a fixed text, not a string of the tables.
constexpr Child k113[] = {
    Image(1003, 226, {10, 12, 32, 32}),
    Text(1004, Literal(L"You are not quitting Wembrix, but instead it will be minimized in your "
                       L"notification area.  To quit Wembrix go under the file menu and choose "
                       L"\"Exit\" or right click the icon in the notification area."),
         {55, 12, 400, 56}),
    Button(995, S(741), Centred(67, 83)),
    OkButton({167, 95, 242, 118}),
};

constexpr auto k130 = BoxedYesNoQuestion(226, Text(1004, S(862), {55, 12, 380, 56}));
constexpr auto k136 = BoxedYesNoQuestion(226, Text(1004, S(870), {55, 12, 380, 56}));

// Both boxes are as wide as the measured string 1556, the lower box's text.
constexpr Child k151[] = {
    Image(1003, 397, {10, 12, 32, 32}),
    Text(1004, S(1554), {55, 21, 575, 35}),
    Button(979, S(1555), Centred(47, 63)),
    Button(978, S(1556), Centred(67, 83)),
    OkButton({160, 100, 235, 123}),
};

constexpr Child k156[] = {
    Image(1003, 397, {10, 12, 32, 32}),
    Text(1004, S(1558), {55, 10, 525, 110}),
    Button(978, S(1556), Centred(120, 136)),
    OkButton({250, 146, 330, 170}),
};

constexpr Child k157[] = {
    Image(1003, 397, {10, 12, 32, 32}),
    Text(1004, S(1633), {55, 10, 495, 40}),
    Button(978, S(1556), Centred(47, 63)),
    OkButton({210, 73, 290, 97}),
};

constexpr auto k126 = BoxedNotice(682);
constexpr auto k127 = BoxedNotice(683);
constexpr auto k128 = BoxedNotice(684);

constexpr Child k129[] = {
    Image(1003, 226, {10, 12, 32, 32}),
    Text(1004, S(685), {55, 12, 400, 106}),
    Button(995, S(741), Centred(117, 133)),
    OkButton({167, 145, 242, 168}),
};

constexpr Child k112[] = {
    Image(1003, 226, {10, 12, 32, 32}),
    Text(1004, S(1), {55, 21, 290, 35}),
    OkButton({117, 56, 182, 79}),
};

// The message comes before the icon.
constexpr Child k134[] = {
    Text(1004, S(51), {55, 15, 500, 43}),
    Image(1003, 226, {10, 12, 32, 32}),
    OkButton({177, 56, 242, 79}),
};

constexpr Child k135[] = {
    Image(1003, 316, {10, 12, 32, 32}),
    Text(1004, S(869), {55, 21, 290, 35}),
    YesButton({57, 56, 122, 79}),
    NoButton({168, 56, 233, 79}),
};

constexpr auto k137 = YesNoQuestion(Text(1004, S(871), {55, 21, 350, 35}).Format(1));

constexpr Child k138[] = {
    Image(1003, 316, {10, 12, 32, 32}),
    Text(1004, S(1093), {55, 21, 350, 35}).Format(1),
    YesButton({77, 56, 152, 79}),
    Button(970, S(664), {158, 56, 233, 79}),
    CancelButton({238, 56, 313, 79}),
};

constexpr MessageDialog kFourthGroup[] = {
    // window (id, caption, size)   children  measured
    {{125, 801, {360, 98}},         k125,     std::nullopt},
    {{113, 2, {410, 135}},          k113,     Measured(741, 9)},
    {{130, 2, {390, 135}},          k130,     Measured(743, 9)},
    {{131, 2, {390, 135}},          k130,     Measured(743, 9)},
    {{136, 2, {390, 135}},          k136,     Measured(743, 9)},
    {{151, 2, {390, 135}},          k151,     Measured(1556, 9)},
    {{156, 2, {580, 180}},          k156,     Measured(1556, 9)},
    {{157, 2, {500, 110}},          k157,     Measured(1556, 9)},
    {{126, 680, {410, 155}},        k126,     Measured(741, 9)},
    {{127, 680, {410, 155}},        k127,     Measured(741, 9)},
    {{128, 680, {410, 155}},        k128,     Measured(741, 9)},
    {{129, 680, {410, 185}},        k129,     Measured(741, 9)},
    {{112, 2, {373, 87}},           k112,     std::nullopt},
    {{147, 2, {373, 87}},           k112,     std::nullopt},
    {{134, 2, {420, 87}},           k134,     std::nullopt},
    {{135, 2, {300, 87}},           k135,     std::nullopt},
    {{137, 2, {373, 87}},           k137,     std::nullopt},
    {{138, 2, {373, 87}},           k138,     std::nullopt},
};
// clang-format on

}  // namespace

std::vector<ElementDescription> FourthGroup() { return MessageDialogs(kFourthGroup); }

}  // namespace dialogs
}  // namespace ctrlelem
