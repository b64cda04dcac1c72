// The picture files of `render --images DIR`: each read, checked and encoded
// once per run, and held to limits, so that a folder of hostile files (a
// sparse file of gigabytes with the PNG signature, a small PNG that declares
// 20000 x 20000 pixels) cannot make a render read, decode or embed gigabytes.
// A refused file is drawn as the placeholder, with a warning.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ctrlelem_tool::render {

// A picture file larger than this is refused unread: host pictures are icons
// and small bitmaps of a few kilobytes.
inline constexpr std::uint64_t kMaxPictureFileBytes = 1u << 20;
// A PNG whose header declares a side longer than this is refused undecoded.
inline constexpr std::uint32_t kMaxPictureFileSide = 4096;
// All the pictures of one run together: at most this many pixels decoded
// (256 MiB as cairo holds them); later ones are refused.
inline constexpr std::uint64_t kMaxPicturePixelsPerRun = 1u << 26;

// One accepted picture file.
struct PictureFile {
  std::string png;  // the whole file
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::string base64;                  // the file as base64, for SVG
  cairo_surface_t* surface = nullptr;  // decoded, for PNG and PDF output
};

// The picture at `path`, read the first time it is asked for and kept for the
// rest of the run; null when there is no regular file at the path or it is
// refused (the reason goes to the warnings, once per file).
const PictureFile* LoadPicture(const std::string& path);

// The decoded picture (cairo's image surface), made on first use; null when
// cairo cannot decode it (a warning says so).
cairo_surface_t* DecodedPicture(const std::string& path);

// Starts a run afresh: forgets every picture and warning.
void ForgetPictures();

// The warnings since the last call, in the order they arose.
std::vector<std::string> TakePictureWarnings();

}  // namespace ctrlelem_tool::render
