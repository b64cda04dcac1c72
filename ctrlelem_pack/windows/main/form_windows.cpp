#include "windows/main/form_windows.h"

#include "windows/main/main_look.h"

namespace ctrlelem::main_window {
namespace {

using schema::Str;

// The forms' grid: labels in a column at the left, entry elements in a column
// at x 170, one row every 30 pixels.
constexpr int kRowPitch = 30;
constexpr int kLabelTop = 13;
constexpr int kEntryTop = 10;

__packet FormBackground() {
  return schema::BackgroundFill(0, kFormGrey, kAnchorFill, {0, 0, 0, 0});
}

__packet FormLabel(std::uint32_t id, int string_id, int row) {
  return schema::Text({.id = id,
                       .text = Str(string_id),
                       .format = kFormatRightMiddle,
                       .anchor = kAnchorTopLeft,
                       .rect = {10, kLabelTop + kRowPitch * row, 150, 14}});
}

RECT EntryRect(int row) { return {170, kEntryTop + kRowPitch * row, 110, 20}; }

__packet FormEntryBox(std::uint32_t id, int row) {
  return schema::EntryBox(id, 9, kAnchorTopLeft, EntryRect(row), BalloonRecord());
}

// OK (1) and Cancel (2) at the bottom: text buttons whose caption covers them
// in every state and carries the button's id.
__packet FormButton(std::uint32_t id, int caption, int left) {
  const __packet label = schema::Text({.id = id,
                                       .text = Str(caption),
                                       .format = schema::kFormatCentredLine,
                                       .anchor = kAnchorCaptionCover,
                                       .rect = {0, 0, 0, 0}});
  return OneSetButton(id, schema::kButtonText, kAnchorBottomLeft, {left, 32, 80, 22}, std::nullopt,
                      schema::SameInEveryState(schema::CaptionOnly(label)));
}

void AddFormButtons(schema::Children& children) {
  children.Add(FormButton(1, 489, 50));
  children.Add(FormButton(2, 490, 180));
}

__packet FormWindow(std::uint32_t id, int caption, int height, const schema::Children& children) {
  const SIZE size{310, height};
  return schema::WindowDescription({.id = id,
                                    .caption = Str(caption),
                                    .style = kFormWindowStyle,
                                    .flags = schema::kWindowPlain,
                                    .reserved = 0u,
                                    .min_size = size,
                                    .max_size = size,
                                    .initial_size = size,
                                    .top_key = std::nullopt},
                                   children);
}

}  // namespace

__packet FormWindow11(ElementId id) {
  schema::Children children;
  children.Add(FormBackground());
  children.Add(FormLabel(154, 711, 0));
  children.Add(FormLabel(155, 712, 1));
  children.Add(FormLabel(156, 713, 2));
  children.Add(FormEntryBox(1022, 0));
  children.Add(FormEntryBox(1023, 1));
  children.Add(FormEntryBox(1024, 2));
  AddFormButtons(children);
  return FormWindow(id, 710, 140, children);
}

__packet FormWindow18(ElementId id) {
  schema::Children children;
  children.Add(FormBackground());
  children.Add(FormLabel(154, 711, 0));
  children.Add(FormLabel(162, 714, 1));
  children.Add(FormEntryBox(1022, 0));
  children.Add(schema::InputField(1033, 8, kAnchorTopLeft, EntryRect(1), BalloonRecord().data()));
  AddFormButtons(children);
  return FormWindow(id, 709, 110, children);
}

}  // namespace ctrlelem::main_window
