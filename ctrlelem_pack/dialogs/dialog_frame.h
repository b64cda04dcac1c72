// What every dialog of the catalogue shares: the window around its children and
// the forms an input field's hint takes.
//
// The catalogue has two families. Input dialogs carry window style 44, count
// their children in key 9 and place children with anchor flags 6 (x, y, width,
// height). Message dialogs carry no style, store 49 in key 9 whatever their
// child count, and place children with anchor flags 0 (left, top, right,
// bottom; images left, top, width, height).
#pragma once

#include <cstdint>
#include <string>

#include "schema/writers.h"

namespace ctrlelem::dialogs {

enum class Family { input, message };

// A dialog's own window fields: the id it is registered under, its caption
// (a string of table 1) and its size in unscaled pixels.
struct DialogWindow {
  std::uint32_t id = 0;
  int caption = 0;
  SIZE size{};
};

// The dialog's window description around its children, with the family's
// window fields.
__packet DialogDescription(Family family, const DialogWindow& window,
                           const schema::Children& children);

// What an input field holds under key 5. The host reads all four.
enum class InputHint {
  balloon,         // the balloon hint, kind 5 (input dialogs)
  balloon_record,  // the balloon hint's six keys in a packet without kind
  empty_bytes,     // the empty byte string: no packet at all
  empty_packet,    // an empty packet without kind, serialised
};

std::string InputHintBytes(InputHint hint);

}  // namespace ctrlelem::dialogs
