#include "render/pictures.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string_view>
#include <system_error>

#include "render/cairo_library.h"

namespace ctrlelem_tool::render {
namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
// The signature, then the first chunk, which must be IHDR: its length (13),
// its type, then the width and height as big-endian 32-bit numbers.
constexpr std::string_view kHeaderChunk = std::string_view("\0\0\0\x0dIHDR", 8);
constexpr std::size_t kWidthAt = 16;
constexpr std::size_t kHeaderBytes = 24;

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned n = (static_cast<unsigned char>(bytes[i]) << 16) |
                       (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                       static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += kDigits[(n >> 6) & 63];
    out += kDigits[n & 63];
  }
  if (i < bytes.size()) {
    unsigned n = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

struct Entry {
  std::unique_ptr<PictureFile> picture;  // null: no file, or refused
  bool decode_tried = false;
};

struct Store {
  std::map<std::string, Entry> entries;
  std::uint64_t pixels = 0;  // declared by the accepted pictures
  std::vector<std::string> warnings;

  ~Store() { Clear(); }

  void Clear() {
    for (auto& [path, entry] : entries) {
      if (entry.picture && entry.picture->surface) {
        Cairo().cairo_surface_destroy(entry.picture->surface);
      }
    }
    entries.clear();
    pixels = 0;
    warnings.clear();
  }
};

Store& Pictures() {
  static Store store;
  return store;
}

std::string Refused(const std::string& path, const std::string& why) {
  return "picture '" + path + "' not drawn: " + why;
}

// Reads and checks the file; null when there is none or it is refused, with
// the reason in `warning` (empty when there is simply no file).
std::unique_ptr<PictureFile> Read(const std::string& path, std::uint64_t pixels_so_far,
                                  std::string& warning) {
  // Non-blocking: a FIFO at the path must not stop the render.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) warning = Refused(path, std::generic_category().message(errno));
    return nullptr;
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } const closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > kMaxPictureFileBytes) {
    warning = Refused(path, "the file has " + std::to_string(size) + " bytes (at most " +
                                std::to_string(kMaxPictureFileBytes) + ")");
    return nullptr;
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      warning = Refused(path, std::generic_category().message(errno));
      return nullptr;
    }
    if (n == 0) break;  // shorter than it was: what is there is checked
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  if (bytes.size() < kHeaderBytes || !bytes.starts_with(kPngSignature) ||
      std::string_view(bytes).substr(kPngSignature.size(), kHeaderChunk.size()) != kHeaderChunk) {
    warning = Refused(path, "not a PNG file");
    return nullptr;
  }
  auto picture = std::make_unique<PictureFile>();
  picture->width = BigEndian32(bytes, kWidthAt);
  picture->height = BigEndian32(bytes, kWidthAt + 4);
  const std::string declared =
      std::to_string(picture->width) + " x " + std::to_string(picture->height) + " pixels";
  if (picture->width == 0 || picture->height == 0 || picture->width > kMaxPictureFileSide ||
      picture->height > kMaxPictureFileSide) {
    warning = Refused(path, "its header declares " + declared + " (at most " +
                                std::to_string(kMaxPictureFileSide) + " a side)");
    return nullptr;
  }
  const std::uint64_t pixels = std::uint64_t{picture->width} * picture->height;
  if (pixels_so_far + pixels > kMaxPicturePixelsPerRun) {
    warning = Refused(path, "with its " + declared + ", the pictures of this run would exceed " +
                                std::to_string(kMaxPicturePixelsPerRun) + " pixels");
    return nullptr;
  }
  picture->png = std::move(bytes);
  picture->base64 = Base64(picture->png);
  return picture;
}

// Hands cairo's PNG reader the bytes held in memory.
struct PngReader {
  std::string_view rest;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
  auto* reader = static_cast<PngReader*>(closure);
  if (reader->rest.size() < length) return CAIRO_STATUS_READ_ERROR;
  reader->rest.copy(reinterpret_cast<char*>(data), length);
  reader->rest.remove_prefix(length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

const PictureFile* LoadPicture(const std::string& path) {
  Store& store = Pictures();
  const auto [it, added] = store.entries.try_emplace(path);
  if (added) {
    std::string warning;
    it->second.picture = Read(path, store.pixels, warning);
    if (it->second.picture) {
      store.pixels += std::uint64_t{it->second.picture->width} * it->second.picture->height;
    }
    if (!warning.empty()) store.warnings.push_back(std::move(warning));
  }
  return it->second.picture.get();
}

cairo_surface_t* DecodedPicture(const std::string& path) {
  if (!LoadPicture(path)) return nullptr;
  Entry& entry = Pictures().entries.at(path);
  PictureFile& picture = *entry.picture;
  if (!entry.decode_tried) {
    entry.decode_tried = true;
    PngReader reader{picture.png};
    cairo_surface_t* surface = Cairo().cairo_image_surface_create_from_png_stream(ReadPng, &reader);
    const bool ok = Cairo().cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
                    Cairo().cairo_image_surface_get_width(surface) > 0 &&
                    Cairo().cairo_image_surface_get_height(surface) > 0;
    if (ok) {
      picture.surface = surface;
    } else {
      Pictures().warnings.push_back(
          Refused(path, std::string("cairo cannot read it: ") +
                            Cairo().cairo_status_to_string(Cairo().cairo_surface_status(surface))));
      Cairo().cairo_surface_destroy(surface);
    }
  }
  return picture.surface;
}

void ForgetPictures() { Pictures().Clear(); }

std::vector<std::string> TakePictureWarnings() {
  std::vector<std::string> warnings = std::move(Pictures().warnings);
  Pictures().warnings.clear();
  return warnings;
}

}  // namespace ctrlelem_tool::render
