// The second group of message dialogs: an input dialog (101), a check box with
// a formatted note beside it (105), yes/no and notice messages, and a
// connection-problem dialog with a column of texts and link buttons (110).
#include "dialogs/dialog_groups.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_layouts.h"

namespace ctrlelem {
namespace dialogs {
namespace {

// clang-format off
constexpr Child k101[] = {
    Image(1003, 5030, {25, 12, 32, 32}),
    Text(TenPlusKey, S(32), {70, 27, 250, 43}),
    Input(1001, 0, {25, 50, 235, 70}, InputHint::empty_bytes),
    OkButton({60, 85, 130, 107}),
    CancelButton({140, 85, 210, 107}),
};

// A is the width of string 821, B that of string 820 (the unformatted pattern,
// although the label shows it formatted), C the check mark.
constexpr Child k105[] = {
    Image(1003, 316, {10, 12, 32, 32}),
    Text(1004, S(41), {55, 21, 300, 35}),
    Button(984, S(821), {40, 40, A + C + 44, 60}),
    Button(985, Formatted(820, 1132), {A + C + 47, 42, A + B + C + 47, 62}).Size(9),
    YesButton({70, 67, 145, 90}),
    NoButton({155, 67, 230, 90}),
};

constexpr auto k106 = YesNoQuestion(Text(1004, S(43), {55, 21, 290, 35}));
constexpr auto k132 = YesNoQuestion(Text(1004, S(44), {55, 21, 290, 35}));
constexpr auto k108 = YesNoQuestion(Text(1004, S(48), {55, 21, 290, 35}));
constexpr auto k109 = YesNoQuestion(Text(1004, S(50), {55, 21, 290, 35}));

constexpr Child k110[] = {
    Image(1003, 164, {10, 12, 32, 32}),
    Text(12, S(4), {52, 10, 290, 24}),
    Text(13, S(5), {52, 26, 290, 40}),
    Text(122, S(1), {52, 42, 340, 56}),
    Text(15, S(10), {52, 62, 290, 76}),
    Button(999, Formatted(1513, 1516), {52, 78, 260, 92}).Size(9),
    Button(998, Formatted(1514, 1515), {52, 94, 260, 108}).Size(9),
    Button(997, S(9), {52, 110, 260, 124}).Size(9),
    Button(973, S(489), {270, 102, 340, 125}),
};

constexpr Child k111[] = {
    Image(1003, 397, {10, 12, 32, 32}),
    Text(1004, S(1), {55, 21, 575, 35}),
    OkButton({117, 56, 182, 79}),
};

constexpr MessageDialog kSecondGroup[] = {
    // window (id, caption, size)   children  measured
    {{101, 31, {270, 120}},         k101,     std::nullopt},
    {{105, 40, {300, 100}},         k105,     MeasuredPair(821, 820, 8)},
    {{106, 42, {373, 87}},          k106,     std::nullopt},
    {{132, 2, {373, 87}},           k132,     std::nullopt},
    {{133, 2, {373, 87}},           k106,     std::nullopt},
    {{108, 47, {373, 87}},          k108,     std::nullopt},
    {{109, 49, {373, 87}},          k109,     std::nullopt},
    {{145, 49, {373, 87}},          k109,     std::nullopt},
    {{110, 3, {355, 135}},          k110,     std::nullopt},
    {{111, 2, {640, 87}},           k111,     std::nullopt},
    {{148, 2, {640, 87}},           k111,     std::nullopt},
};
// clang-format on

}  // namespace

std::vector<ElementDescription> SecondGroup() { return MessageDialogs(kSecondGroup); }

}  // namespace dialogs
}  // namespace ctrlelem
