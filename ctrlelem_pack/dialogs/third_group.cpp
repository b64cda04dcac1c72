// The third group of message dialogs: messages with a centred check box (114,
// 152, 121, 123), plain messages (116, 117, 153, 144), dialogs with an input
// field (115, 122, 124), columns of texts and link buttons (118, 120), and
// dialogs whose controls follow a measured text (115, 150).
#include "dialogs/dialog_groups.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_layouts.h"

namespace ctrlelem {
namespace dialogs {
namespace {

using schema::kBlue;

// clang-format off
constexpr auto k114 = BoxedQuestion(226, Text(1004, S(742), {55, 12, 370, 56}), Answers::ok_cancel,
                                    {67, 95, 97, 207});
constexpr auto k152 = BoxedQuestion(226, Text(1004, S(784), {55, 12, 370, 86}), Answers::ok_cancel,
                                    {97, 125, 97, 207});

// W is the width of string 746, the text the link button follows.
constexpr Child k115[] = {
    Image(1003, 164, {22, 33, 32, 32}),
    Text(1004, S(745), {72, 16, 340, 29}),
    Input(1001, 0, {71, 42, 366, 64}, InputHint::balloon_record),
    Text(TenPlusKey, S(746), {72, 86, W + 72, 99}),
    Button(994, S(747), {W + 77, 86, W + 227, 99}),
    OkButton({395, 22, 468, 45}),
    CancelButton({395, 56, 468, 79}),
};

constexpr auto k116 = YesNoQuestion(Text(1004, S(1), {55, 21, 290, 35}).Format(1));

constexpr Child k117[] = {
    Image(1003, 226, {10, 12, 32, 32}),
    Text(1004, S(1), {55, 21, 290, 35}),
    OkButton({117, 56, 182, 79}),
};

constexpr Child k118[] = {
    Image(1003, 164, {10, 12, 32, 32}),
    Text(1004, S(761), {52, 12, 480, 56}),
    Button(993, Formatted(762, 1131), {53, 66, 253, 86}),
    Button(992, S(763), {53, 86, 253, 106}),
    Button(991, S(764), {53, 106, 253, 126}),
    Button(972, Literal(L"60"), {410, 86, 480, 106}),
};

constexpr Child k119[] = {
    Image(1003, 164, {10, 12, 32, 32}),
    Button(988, Formatted(768, 1106), {52, 18, 280, 54}),
    Button(973, S(908), {290, 16, 360, 39}),
};

constexpr Child k120[] = {
    Image(1003, 164, {20, 12, 32, 32}),
    Text(120, S(1), {65, 10, 240, 24}),
    Text(121, S(1), {65, 26, 240, 40}),
    Text(14, S(772), {65, 42, 240, 56}),
    Text(15, S(773), {65, 62, 240, 76}),
    Button(987, S(769), {65, 78, 240, 92}).Size(9),
    Button(973, S(908), {100, 102, 160, 125}),
};

constexpr auto k121 = BoxedQuestion(226, Text(1004, S(776), {55, 12, 370, 68}), Answers::yes_no,
                                    {77, 105, 97, 207});

constexpr Child k122[] = {
    Image(1003, 164, {22, 33, 32, 32}),
    Text(1004, S(34), {72, 16, 200, 29}),
    Input(1001, 16, {71, 32, 236, 54}, InputHint::balloon_record),
    Text(123, S(34), {71, 65, 260, 93}),
    Button(986, S(1), {71, 65, 236, 80}).Colour(kBlue),
    OkButton({265, 22, 338, 45}),
    CancelButton({265, 56, 338, 79}),
};

constexpr auto k123 = BoxedQuestion(226, Text(1004, S(819), {55, 12, 370, 56}), Answers::yes_no,
                                    {67, 95, 97, 207});

constexpr Child k124[] = {
    Image(1003, 164, {22, 33, 32, 32}),
    Text(1004, S(37), {72, 16, 200, 29}),
    Input(1001, 16, {71, 32, 236, 54}, InputHint::balloon_record),
    Image(14, 181, {71, 65, 16, 16}),
    Button(990, S(765), {92, 65, 236, 80}).Colour(kBlue),
    OkButton({265, 22, 338, 45}),
    CancelButton({265, 56, 338, 79}),
};

// W is the width of string 1537: the link starts where that text ends.
constexpr Child k150[] = {
    Image(1003, 164, {22, 33, 32, 32}),
    Text(1005, S(1536), {72, 16, 450, 42}),
    Text(1006, S(1537), {72, 42, 450, 55}),
    OkButton({150, 70, 220, 93}),
    CancelButton({240, 70, 310, 93}),
    Button(1007, S(1538), {W + 72, 42, W + 272, 55}).Colour(kBlue),
};

constexpr MessageDialog kThirdGroup[] = {
    // window (id, caption, size)   children  measured
    {{114, 2, {380, 135}},          k114,     Measured(743, 9)},
    {{152, 2, {380, 165}},          k152,     Measured(743, 9)},
    {{115, 744, {490, 118}},        k115,     Measured(746, 9)},
    {{116, 760, {373, 87}},         k116,     std::nullopt},
    {{117, 2, {373, 87}},           k117,     std::nullopt},
    {{153, 2, {373, 87}},           k117,     std::nullopt},
    {{144, 1427, {373, 87}},        k116,     std::nullopt},
    {{118, 760, {490, 136}},        k118,     std::nullopt},
    {{119, 767, {370, 70}},         k119,     std::nullopt},
    {{120, 1417, {270, 135}},       k120,     std::nullopt},
    {{121, 2, {380, 145}},          k121,     Measured(743, 9)},
    {{122, 800, {360, 98}},         k122,     std::nullopt},
    {{123, 2, {380, 135}},          k123,     Measured(743, 9)},
    {{124, 36, {360, 98}},          k124,     std::nullopt},
    {{150, 1535, {460, 103}},       k150,     Measured(1537, 8)},
};
// clang-format on

}  // namespace

std::vector<ElementDescription> ThirdGroup() { return MessageDialogs(kThirdGroup); }

}  // namespace dialogs
}  // namespace ctrlelem
