// Named values of the description schema: colours, text format and font style
// bits, button style words, hint constants, window flags and menu item values.
// Anchor flags have their own header (anchor.h).
#pragma once

#include <cstdint>

namespace ctrlelem::schema {

// Colours (COLORREF, 0x00BBGGRR).
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kRed = 0x0000FF;
// The background of every text drawn over pictures: the colour key that the
// host treats as transparent.
inline constexpr std::uint32_t kTransparent = 0xFF00FF;

// Text format bits (the DrawText flags the host passes on).
inline constexpr std::uint32_t kFormatCentre = 0x1;       // DT_CENTER
inline constexpr std::uint32_t kFormatRight = 0x2;        // DT_RIGHT
inline constexpr std::uint32_t kFormatVCentre = 0x4;      // DT_VCENTER
inline constexpr std::uint32_t kFormatWordBreak = 0x10;   // DT_WORDBREAK
inline constexpr std::uint32_t kFormatSingleLine = 0x20;  // DT_SINGLELINE
inline constexpr std::uint32_t kFormatEllipsis = 0x8000;  // DT_END_ELLIPSIS
// One line, centred both ways: the most common format.
inline constexpr std::uint32_t kFormatCentredLine =
    kFormatSingleLine | kFormatVCentre | kFormatCentre;

// Font style bits of text elements.
inline constexpr std::uint32_t kFontStyleLabel = 0x1;   // label and caption texts
inline constexpr std::uint32_t kFontStyleLink = 0x2;    // link-coloured texts
inline constexpr std::uint32_t kFontStyleFourth = 0x8;  // the caption of a button's fourth state

// Text element font size of almost every text, in points.
inline constexpr std::uint32_t kTextSize = 9;
// What a font size of 0 stands for: the host's dialog font, 8 points (the size
// the dialogs' text-fitted widths are measured at, and whose 13-pixel line the
// dialogs' label rows are made for).
inline constexpr std::uint32_t kDefaultTextSize = 8;

// Button style words (every one has bit 0x40).
inline constexpr std::uint32_t kButtonPicture = 0x60;
inline constexpr std::uint32_t kButtonText = 0x41;
inline constexpr std::uint32_t kButtonTwoSetPicture = 0x64;
inline constexpr std::uint32_t kButtonTwoSetText = 0x65;
inline constexpr std::uint32_t kButtonFlat = 0x68;
inline constexpr std::uint32_t kButtonTwoSetFlat = 0x6C;
inline constexpr std::uint32_t kButtonFlatText = 0x168;
inline constexpr std::uint32_t kButtonFlatTextAlt = 0x268;
inline constexpr std::uint32_t kButtonLink = 0x368;
inline constexpr std::uint32_t kButtonHalf = 0x864;

// Hints: the two forms' codes and the tooltip constants they carry.
inline constexpr std::uint32_t kHintCode = 2;        // ordinary hint under key 5
inline constexpr std::uint32_t kHintCodeSecond = 3;  // hint of a second set (key 18)
inline constexpr std::uint32_t kHintCodeBalloon = 1002;
inline constexpr std::uint32_t kTooltipBalloon = 0x40;   // TTS_BALLOON
inline constexpr std::uint32_t kTooltipWarning = 2;      // TTI_WARNING
inline constexpr std::uint32_t kTooltipSubclass = 0x10;  // TTF_SUBCLASS
inline constexpr std::uint32_t kTooltipTrack = 0x20;     // TTF_TRACK

// Window flag words (key 4).
inline constexpr std::uint32_t kWindowFramed = 0x200;
inline constexpr std::uint32_t kWindowPlain = 1;

// Menu item flags (key 6i+2).
inline constexpr std::uint32_t kMenuItemGrayed = 1;    // MF_GRAYED
inline constexpr std::uint32_t kMenuItemDisabled = 2;  // MF_DISABLED
// The value (key 6i+5) that items drawn without a picture of their own carry.
inline constexpr std::uint32_t kMenuNoPicture = 403;

// Image numbers with this bit select the fourth state's look of a picture.
inline constexpr std::uint32_t kFourthStateImage = 0x10000;

}  // namespace ctrlelem::schema
