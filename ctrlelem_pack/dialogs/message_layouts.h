// Layouts that message dialogs of several groups share. Each takes the rows
// that differ from dialog to dialog (the message, the icon) and gives the whole
// children list in container-key order.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/message_dialog.h"

namespace ctrlelem::dialogs {

// The rows many dialogs share, named once: the answer buttons (control ids 972
// and 973) and the centred "Don't ask me again" check box (995, string 743,
// 16 high, as wide as the measured string plus the check mark).
constexpr Child OkButton(Place place) { return Button(972, S(489), place); }
constexpr Child CancelButton(Place place) { return Button(973, S(490), place); }
constexpr Child YesButton(Place place) { return Button(972, S(665), place); }
constexpr Child NoButton(Place place) { return Button(973, S(664), place); }
constexpr Child DoNotAskAgainBox(int top) { return Button(995, S(743), Centred(top, top + 16)); }

// A yes/no question under the question icon.
constexpr std::array<Child, 4> YesNoQuestion(Child message) {
  return {
      Image(1003, 316, {10, 12, 32, 32}),
      message,
      YesButton({77, 56, 152, 79}),
      NoButton({228, 56, 303, 79}),
  };
}

// A question with the check box above its two answers; the dialog measures
// string 743.
enum class Answers { ok_cancel, yes_no };
struct BoxedRows {
  int box_top;
  int buttons_top;  // the buttons are 75 by 23
  int first_left;
  int second_left;
};
constexpr std::array<Child, 5> BoxedQuestion(std::uint32_t icon, Child message, Answers answers,
                                             BoxedRows rows) {
  const auto at = [&rows](int left) -> Place {
    return {left, rows.buttons_top, left + 75, rows.buttons_top + 23};
  };
  const bool ok = answers == Answers::ok_cancel;
  return {
      Image(1003, icon, {10, 12, 32, 32}),
      message,
      DoNotAskAgainBox(rows.box_top),
      ok ? OkButton(at(rows.first_left)) : YesButton(at(rows.first_left)),
      ok ? CancelButton(at(rows.second_left)) : NoButton(at(rows.second_left)),
  };
}

// The most common form: yes and no below the box at 67.
constexpr std::array<Child, 5> BoxedYesNoQuestion(std::uint32_t icon, Child message) {
  return BoxedQuestion(icon, message, Answers::yes_no, {67, 95, 107, 227});
}

}  // namespace ctrlelem::dialogs
