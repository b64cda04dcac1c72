#include "dialogs/dialog_frame.h"

#include <optional>

namespace ctrlelem::dialogs {
namespace {

constexpr std::uint32_t kInputDialogStyle = 44;
// Message dialogs store this in key 9 rather than their child count, so a
// reader visits keys up to 49 and finds the few it needs.
constexpr std::uint32_t kMessageDialogTopKey = 49;

}  // namespace

__packet DialogDescription(Family family, const DialogWindow& window,
                           const schema::Children& children) {
  const bool input = family == Family::input;
  const schema::Window fields{
      .id = window.id,
      .caption = schema::Str(window.caption),
      .style = input ? std::optional<std::uint32_t>(kInputDialogStyle) : std::nullopt,
      .flags = schema::kWindowFramed,
      .reserved = std::nullopt,
      .min_size = std::nullopt,
      .max_size = std::nullopt,
      .initial_size = window.size,
      // Input dialogs count their children: the highest key used.
      .top_key = input ? std::nullopt : std::optional<std::uint32_t>(kMessageDialogTopKey),
  };
  return schema::WindowDescription(fields, children);
}

std::string InputHintBytes(InputHint hint) {
  switch (hint) {
    case InputHint::balloon:
      return schema::Hint(schema::BalloonHint()).data();
    case InputHint::balloon_record:
      return schema::HintWithoutKind(schema::BalloonHint()).data();
    case InputHint::empty_bytes:
      return std::string();
    case InputHint::empty_packet:
      return __packet().data();
  }
  return std::string();
}

}  // namespace ctrlelem::dialogs
