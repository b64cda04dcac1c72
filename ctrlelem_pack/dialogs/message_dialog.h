// The rows of the message dialogs' tables. A dialog is its window fields and a
// list of children, one row each, in container-key order:
//
//   Image(1003, 316, {10, 12, 32, 32}),
//   Text(1004, S(43), {55, 21, 290, 35}),
//   Button(972, S(665), {77, 56, 152, 79}),
//   Button(995, S(743), Centred(67, 83)),
//
// Every child carries the defaults of its sort (anchor flags 0, black text on
// the transparent key colour, face string 20 of table 2, size 9 for texts and
// 0 for buttons); a row names only what differs (.Size(9), .Format(1),
// .Colour(kBlue)).
//
// Where dialogs differ only in a row or two (the message, the icon), a
// function returning the whole list names that layout once and takes those
// rows (message_layouts.h for layouts several groups share).
//
// Rectangles may follow widths measured while the dialog is built: a dialog
// declares what it measures, and a member written W + 77 (or A + C + 44) is
// computed from those widths and the check-mark width.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ctrlelem_pack/schema/constants.h"
#include "dialogs/dialog_frame.h"
#include "frame/registry.h"

namespace ctrlelem::dialogs {

// A text of a child: string n of table 1, a literal, or a pattern of table 1
// formatted with a string of table 2.
struct Caption {
  enum class Form { string, literal, formatted };
  Form form = Form::string;
  int string = 0;  // the string, or the pattern
  const wchar_t* literal = nullptr;
  int argument = 0;  // a string of table 2
};
constexpr Caption S(int id) { return {Caption::Form::string, id, nullptr, 0}; }
constexpr Caption Literal(const wchar_t* text) { return {Caption::Form::literal, 0, text, 0}; }
constexpr Caption Formatted(int pattern, int argument) {
  return {Caption::Form::formatted, pattern, nullptr, argument};
}

// One member of a rectangle: a constant plus multiples of the dialog's first
// and second measured widths and of the check-mark width (SM_CXMENUCHECK, read
// afresh for every member that uses it).
struct Term {
  int constant = 0;
  int first = 0;
  int second = 0;
  int check = 0;

  constexpr Term(int n) : constant(n) {}
  constexpr Term(int n, int a, int b, int c) : constant(n), first(a), second(b), check(c) {}
  friend constexpr Term operator+(Term x, Term y) {
    return {x.constant + y.constant, x.first + y.first, x.second + y.second, x.check + y.check};
  }
};
inline constexpr Term W{0, 1, 0, 0};  // the measured width
inline constexpr Term A = W;          // the first of two measured widths
inline constexpr Term B{0, 0, 1, 0};  // the second
inline constexpr Term C{0, 0, 0, 1};  // the check-mark width

// A rectangle (left, top, right, bottom; images left, top, width, height), or
// the check box centred in the dialog on rows top..bottom, as wide as the
// first measured width plus the check mark.
struct Place {
  Term left = 0;
  Term top = 0;
  Term right = 0;
  Term bottom = 0;
  bool centred = false;
};
constexpr Place Centred(int top, int bottom) { return {0, top, 0, bottom, true}; }

// A child id, or 10 plus the container key the child is stored under.
struct ChildId {
  std::uint32_t value = 0;
  bool plus_key = false;
  constexpr ChildId(std::uint32_t id) : value(id) {}
  constexpr ChildId(std::uint32_t base, bool add_key) : value(base), plus_key(add_key) {}
};
inline constexpr ChildId TenPlusKey{10, true};

struct Child {
  enum class Sort { image, text, button, input };
  Sort sort = Sort::text;
  ChildId id = 0;
  Caption text;             // texts and buttons
  std::uint32_t image = 0;  // images
  Place place;
  std::uint32_t colour = schema::kBlack;
  std::uint32_t size = 0;
  std::uint32_t format = 0;
  std::uint32_t style = 0;  // input fields' style word
  InputHint hint = InputHint::balloon_record;

  // The fields every sort has; the factories below add the rest.
  static constexpr Child Of(Sort sort, ChildId id, Place place) {
    Child child;
    child.sort = sort;
    child.id = id;
    child.place = place;
    return child;
  }

  constexpr Child Colour(std::uint32_t value) const { return With(&Child::colour, value); }
  constexpr Child Size(std::uint32_t value) const { return With(&Child::size, value); }
  constexpr Child Format(std::uint32_t value) const { return With(&Child::format, value); }

 private:
  constexpr Child With(std::uint32_t Child::*field, std::uint32_t value) const {
    Child copy = *this;
    copy.*field = value;
    return copy;
  }
};

constexpr Child Image(ChildId id, std::uint32_t image, Place place) {
  Child child = Child::Of(Child::Sort::image, id, place);
  child.image = image;
  return child;
}
constexpr Child Text(ChildId id, Caption text, Place place) {
  Child child = Child::Of(Child::Sort::text, id, place);
  child.text = text;
  child.size = schema::kTextSize;
  return child;
}
constexpr Child Button(ChildId id, Caption text, Place place) {
  Child child = Child::Of(Child::Sort::button, id, place);
  child.text = text;
  return child;
}
constexpr Child Input(ChildId id, std::uint32_t style, Place place, InputHint hint) {
  Child child = Child::Of(Child::Sort::input, id, place);
  child.style = style;
  child.hint = hint;
  return child;
}

// What a dialog measures before its children are made: one or two strings of
// table 1, in one font of the given size and weight 400.
struct Measure {
  int first = 0;
  std::optional<int> second;
  int point_size = 0;
};
constexpr Measure Measured(int string, int point_size) {
  return {string, std::nullopt, point_size};
}
constexpr Measure MeasuredPair(int first, int second, int point_size) {
  return {first, second, point_size};
}

struct MessageDialog {
  DialogWindow window;
  std::span<const Child> children;
  std::optional<Measure> measure;
};

// The dialogs' descriptions, in the order given, each with its id.
std::vector<ElementDescription> MessageDialogs(std::span<const MessageDialog> dialogs);

}  // namespace ctrlelem::dialogs
