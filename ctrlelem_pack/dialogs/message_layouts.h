// Layouts that message dialogs of several groups share. Each takes the rows
// that differ from dialog to dialog (the message, the icon) and gives the whole
// children list in container-key order.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/message_dialog.h"

namespace ctrlelem::dialogs {

// A yes/no question under the question icon.
constexpr std::array<Child, 4> YesNoQuestion(Child message) {
  return {
      Image(1003, 316, {10, 12, 32, 32}),
      message,
      Button(972, S(665), {77, 56, 152, 79}),
      Button(973, S(664), {228, 56, 303, 79}),
  };
}

// A yes/no question with the centred check box of string 743 above the
// buttons; the dialog measures string 743.
constexpr std::array<Child, 5> BoxedYesNoQuestion(std::uint32_t icon, Child message) {
  return {
      Image(1003, icon, {10, 12, 32, 32}),      message,
      Button(995, S(743), Centred(67, 83)),     Button(972, S(665), {107, 95, 182, 118}),
      Button(973, S(664), {227, 95, 302, 118}),
  };
}

}  // namespace ctrlelem::dialogs
