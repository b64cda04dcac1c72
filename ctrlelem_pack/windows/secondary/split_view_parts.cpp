#include "windows/secondary/split_view_parts.h"

#include <array>

#include "text/fitted_geometry.h"
#include "text/measure.h"
#include "windows/secondary/element_rows.h"

namespace ctrlelem::secondary {
namespace {

using schema::Children;
using schema::Str;
using schema::TextElement;

constexpr std::uint32_t kGrey = 0xAAB5AF;        // the disabled look of white captions
constexpr std::uint32_t kDimGrey = 0x848484;     // the disabled look of black captions
constexpr std::uint32_t kStripGreen = 0xA0E7BE;  // the strip behind the HTML view
constexpr std::uint32_t kEllipsisLine =
    schema::kFormatEllipsis | schema::kFormatSingleLine | schema::kFormatVCentre;

// ---- Split views -------------------------------------------------------------

constexpr ImageRow kOuterSplitter[] = {
    {1, 576, kAnchorFill, {0, 0, 0, 0}},
};

// A vertical three-slice: a top cap 40 high, a stretched middle, a bottom cap.
constexpr ImageRow kInnerSplitter[] = {
    {1, 566, kAnchorAlongTop, {0, 0, 0, 40}},
    {2, 565, kAnchorFill, {0, 40, 0, 29}},
    {3, 564, kAnchorAlongBottom, {0, 29, 0, 29}},
};

__packet ImageContainer(std::span<const ImageRow> rows) {
  Children images;
  AddImages(images, rows);
  return images.packet();
}

constexpr ImageRow kFramePane[] = {
    {110, 562, kAnchorTopLeft, {0, 0, 6, 40}},    {111, 551, kAnchorAlongTop, {6, 0, 10, 5}},
    {112, 563, kAnchorTopRight, {10, 0, 10, 39}}, {113, 560, kAnchorDownLeft, {0, 40, 1, 29}},
    {114, 561, kAnchorDownRight, {5, 39, 5, 29}}, {115, 558, kAnchorBottomLeft, {0, 29, 5, 29}},
    {116, 550, kAnchorAlongBottom, {5, 5, 9, 5}}, {117, 559, kAnchorBottomRight, {9, 29, 9, 29}},
};

// ---- Control bar -------------------------------------------------------------

// The bar's frame; the right-hand pieces stand `edge` pixels from the right,
// clear of the send button.
std::array<ImageRow, 9> BarFrame(int edge) {
  return {{
      {120, 567, kAnchorFill, {0, 0, 0, 0}},
      {121, 568, kAnchorTopLeft, {5, 33, 195, 32}},
      {122, 569, kAnchorDownLeft, {5, 65, 7, 33}},
      {123, 570, kAnchorBottomLeft, {5, 33, 7, 27}},
      {126, 573, kAnchorTopRight, {edge, 63, 7, 7}},
      {127, 574, kAnchorDownRight, {edge, 70, 7, 33}},
      {128, 575, kAnchorBottomRight, {edge, 33, 7, 27}},
      {124, 571, kAnchorAlongTop, {200, 63, edge, 3}},
      {125, 572, kAnchorAlongBottom, {12, 9, edge, 3}},
  }};
}

std::array<ImageRow, 3> StatusPictures(int shift) {
  return {{
      {130, 577, kAnchorTopLeft, {150 + shift, 2, 110, 26}},
      {161, 513, kAnchorTopLeft, {158 + shift, 8, 39, 14}},
      {160, 506, kAnchorTopLeft, {214 + shift, 8, 39, 14}},
  }};
}

__packet OptionsButton() {
  TextElement caption{.text = Str(822), .format = kEllipsisLine, .anchor = kAnchorFill};
  const __packet normal = schema::Text(caption);
  caption.colour = kDimGrey;
  const schema::StateSet states = CaptionStates(normal, schema::Text(caption));
  // Its hint was switched to the second face's code before it was first
  // stored, so both hints carry code 3.
  const __packet hint = schema::StringHint(2059, 1, schema::kHintCodeSecond);
  return schema::StateGroupButton({.id = 1004,
                                   .style = schema::kButtonTwoSetText,
                                   .anchor = kAnchorTopLeft,
                                   .rect = {10, 5, 70, 20},
                                   .hint = hint,
                                   .states = states,
                                   .second_hint = hint,
                                   .second_states = states});
}

__packet CallButton(int left) {
  TextElement caption{.id = 2,
                      .text = Str(823),
                      .colour = schema::kWhite,
                      .size = 10,
                      .style = schema::kFontStyleLabel,
                      .format = schema::kFormatEllipsis | schema::kFormatCentredLine,
                      .anchor = kAnchorFill};
  const __packet normal = schema::Text(caption);
  caption.colour = kGrey;
  const __packet disabled = schema::Text(caption);
  schema::StateSet states;
  const std::array<std::uint32_t, 4> images = {578, 579, 580, 581};
  for (std::size_t s = 0; s < states.size(); ++s) {
    const __packet layer = schema::Image(1, images[s], kAnchorTopLeft, {0, 0, 52, 25});
    states[s] = schema::CaptionedLayers(s == 3 ? disabled : normal, {&layer, 1});
  }
  return schema::StateGroupButton({.id = 1005,
                                   .style = schema::kButtonPicture,
                                   .anchor = kAnchorTopLeft,
                                   .rect = {left, 2, 52, 25},
                                   .hint = schema::StringHint(2060, 2),
                                   .states = states});
}

__packet SpeakerButton(int left) {
  const __packet on = schema::Image(1, 520, kAnchorTopLeft, {0, 0, 26, 26});
  const __packet off = schema::Image(1, 522, kAnchorTopLeft, {0, 0, 26, 26});
  return schema::StateGroupButton(
      {.id = 1006,
       .style = schema::kButtonTwoSetPicture,
       .anchor = kAnchorTopRight,
       .rect = {left, 7, 25, 26},
       .hint = schema::StringHint(2062, 2),
       .states = schema::SameInEveryState(schema::LayersOnly({&on, 1})),
       .second_hint = schema::StringHint(2074, 1, schema::kHintCodeSecond),
       .second_states = schema::SameInEveryState(schema::LayersOnly({&off, 1}))});
}

// The link that shows or hides the video area, as wide as its label.
__packet VideoLinkButton(int label_width, std::uint32_t format) {
  TextElement caption{.text = Str(824),
                      .colour = schema::kBlue,
                      .style = schema::kFontStyleLink,
                      .format = format,
                      .anchor = kAnchorFill,
                      .rect = {3, 0, 0, 0}};
  const __packet normal = schema::Text(caption);
  caption.style = schema::kFontStyleLink | schema::kFontStyleFourth;
  return schema::StateGroupButton({.id = 1007,
                                   .style = schema::kButtonFlatTextAlt,
                                   .anchor = kAnchorTopRight,
                                   .rect = {label_width + 10, 30, label_width, 20},
                                   .hint = schema::StringHint(2064, 2),
                                   .states = CaptionStates(normal, schema::Text(caption))});
}

// Buttons 1001 and 1002: a small picture (the lead) and an arrow 5:319 beside
// the caption; states 2 and 3 lay them over a three-slice background.
__packet SlicedButton(std::uint32_t id, RECT rect, StringRef hint, int label, RECT caption_rect,
                      const __packet& lead) {
  const __packet caption = schema::Text({.text = Str(label),
                                         .format = schema::kFormatCentredLine,
                                         .anchor = kAnchorFill,
                                         .rect = caption_rect});
  const __packet arrow = schema::Image(5, 319, kAnchorRightMiddle, {18, 0, 16, 16});
  const auto slices = [](std::uint32_t left, std::uint32_t middle, std::uint32_t right) {
    return std::array<__packet, 3>{
        schema::Image(1, left, kAnchorTopLeft, {0, 0, 3, 27}),
        schema::Image(2, middle, kAnchorAlongTop, {3, 0, 3, 27}),
        schema::Image(3, right, kAnchorTopRight, {3, 0, 3, 27}),
    };
  };
  const auto hover = slices(597, 598, 599);
  const auto pressed = slices(600, 601, 602);
  const __packet plain[] = {lead, arrow};
  const __packet over_hover[] = {hover[0], hover[1], hover[2], lead, arrow};
  const __packet over_pressed[] = {pressed[0], pressed[1], pressed[2], lead, arrow};
  return schema::StateGroupButton({.id = id,
                                   .style = schema::kButtonPicture,
                                   .anchor = kAnchorTopLeft,
                                   .rect = rect,
                                   .hint = schema::StringHint(hint.id, hint.table),
                                   .states = {schema::CaptionedLayers(caption, plain),
                                              schema::CaptionedLayers(caption, over_hover),
                                              schema::CaptionedLayers(caption, over_pressed),
                                              schema::CaptionedLayers(caption, plain)}});
}

__packet EmoticonsButton() {
  return SlicedButton(1001, {7, 35, 100, 27}, {2065, 2}, 423, {22, 0, 16, 0},
                      schema::Image(4, 603, kAnchorLeftMiddle, {2, 0, 20, 20}));
}

__packet FontButton() {
  __packet button = SlicedButton(1002, {110, 35, 65, 27}, {2066}, 424, {22, 0, 0, 0},
                                 schema::Image(173, 604, kAnchorLeftMiddle, {2, 0, 20, 20}));
  // Made as a copy of the emoticons button with its lead picture swapped; the
  // copy's counts were set one short, so its containers keep the arrow 5:319
  // as a last layer beyond the count, and a reader that stops at the count
  // does not draw it.
  schema::SetLayerCounts(button, {1, 4, 4, 1});
  return button;
}

__packet SendButton(int label_width) {
  const int width = label_width + 10;
  TextElement caption{.id = 4,
                      .text = Str(425),
                      .colour = schema::kWhite,
                      .size = 10,
                      .style = schema::kFontStyleLabel,
                      .format = schema::kFormatCentredLine,
                      .anchor = kAnchorFill};
  const __packet normal = schema::Text(caption);
  caption.colour = kGrey;
  const __packet disabled = schema::Text(caption);
  // Three slices per state: top edge, stretched middle, bottom edge.
  const std::array<std::array<std::uint32_t, 3>, 4> pictures = {
      {{582, 583, 584}, {585, 586, 587}, {588, 589, 590}, {591, 592, 593}}};
  schema::StateSet states;
  for (std::size_t s = 0; s < states.size(); ++s) {
    const __packet layers[] = {
        schema::Image(1, pictures[s][0], kAnchorTopLeft, {0, 0, width, 4}),
        schema::Image(2, pictures[s][1], kAnchorDownLeft, {0, 4, width, 4}),
        schema::Image(3, pictures[s][2], kAnchorBottomLeft, {0, 4, width, 4}),
    };
    states[s] = schema::CaptionedLayers(s == 3 ? disabled : normal, layers);
  }
  return schema::StateGroupButton({.id = 1003,
                                   .style = schema::kButtonPicture,
                                   .anchor = kAnchorDownRight,
                                   .rect = {label_width + 19, 63, width, 7},
                                   .hint = schema::StringHint(2067, 2),
                                   .states = states});
}

}  // namespace

schema::StateSet PictureStates(const PictureFace& face) {
  const auto group = [](const std::optional<__packet>& caption, std::span<const __packet> layers) {
    return caption ? schema::CaptionedLayers(*caption, layers) : schema::LayersOnly(layers);
  };
  const __packet hover[] = {face.hover_background, face.icon};
  const __packet pressed[] = {face.pressed_background, face.icon};
  const std::optional<__packet>& fourth_caption =
      face.fourth_caption ? face.fourth_caption : face.caption;
  return {group(face.caption, {&face.icon, 1}), group(face.caption, hover),
          group(face.caption, pressed), group(fourth_caption, {&face.fourth_icon, 1})};
}

__packet NestedSplitViews(const SplitSizes& sizes, const Children& panel,
                          const Children& frame_pane, const Children& control_bar) {
  Children inner;
  inner.Add(schema::SplitViewElement(
      {.id = 5002, .split_flag = 1, .size_a = sizes.inner_a, .size_b = sizes.inner_b}, panel,
      ImageContainer(kInnerSplitter), frame_pane));
  return schema::SplitViewElement(
      {.id = 5001, .split_flag = 0, .size_a = sizes.outer_a, .size_b = sizes.outer_b}, inner,
      ImageContainer(kOuterSplitter), control_bar);
}

void AddFramePane(Children& pane) {
  pane.Add(WhiteFill());
  AddImages(pane, kFramePane);
}

void AddControlBar(Children& bar, const ControlBarVariant& variant) {
  const int send_width = ClampToMinimumWidth(MeasureStringWidth(425, 10, kFontBold));
  const int link_width = MeasureStringWidth(824, 9, kFontNormal);
  const int edge = send_width + 29;

  bar.Add(WhiteFill());
  AddImages(bar, BarFrame(edge));
  bar.Add(OptionsButton());
  bar.Add(CallButton(variant.call_left));
  AddImages(bar, StatusPictures(variant.status_shift));
  if (variant.extra_button) bar.Add(*variant.extra_button);
  bar.Add(SpeakerButton(variant.speaker_left));
  bar.Add(schema::TwinImage(5006, kAnchorTopRight, {variant.volume_left, 2, 150, 26}, 594, 595,
                            schema::StringHint(2063, 2)));
  bar.Add(VideoLinkButton(link_width, variant.video_link_format));
  bar.Add(EmoticonsButton());
  bar.Add(FontButton());
  // The message entry, between the frame pieces and clear of the send button.
  bar.Add(schema::StyledArea(5005, 6, kAnchorFill, {7, 65, edge, 9}));
  bar.Add(SendButton(send_width));
}

void AddBottomRows(Children& children, std::span<const std::wstring> bar_texts,
                   const StripPage& strip) {
  children.Add(schema::InformationBar(1021, bar_texts));
  children.Add(
      schema::BackgroundFill(strip.strip_id, kStripGreen, kAnchorAlongBottom, {0, 64, 0, 64}));
  children.Add(schema::HtmlView(strip.view_id, kAnchorCentredBottom, {0, 64, 275, 60},
                                std::wstring(strip.page), kStripGreen));
}

}  // namespace ctrlelem::secondary
