#include "gallery/gallery.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>

#include "common.h"
#include "ctrlelem_pack/schema/kind_table.h"
#include "ctrlelem_pack/schema/readers.h"
#include "frame/registry.h"
#include "language/diagnostics.h"
#include "language/strings.h"
#include "language/utf8.h"
#include "render/cairo_canvas.h"
#include "render/output.h"
#include "standard_input.h"
#include "text_encoding.h"

namespace ctrlelem_tool::gallery {
namespace {

namespace fs = std::filesystem;
using render::XmlEscape;

// What one description looks like in one language.
struct Page {
  std::string svg;
  render::Rendering rendering;
  std::string caption;
  int kind = 0;
};

// The ids whose native captures were copied into the site.
using NativeCaptures = std::set<std::uint32_t>;

// The largest capture the gallery copies: far beyond any window's picture.
constexpr std::uintmax_t kLargestCapture = std::uintmax_t{64} << 20;
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

std::string Utf8(const std::wstring& text) { return language::WideToUtf8(text); }

// The bytes of a native capture, or nothing (with the reason on err) when it
// is missing, too large or not a PNG file.
std::optional<std::string> ReadCapture(const fs::path& file, std::ostream& err) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(file, ec);
  std::string reason;
  std::string bytes;
  if (ec) {
    reason = ec.message();
  } else if (size > kLargestCapture) {
    reason = "larger than " + std::to_string(kLargestCapture >> 20) + " MiB";
  } else {
    std::ifstream in(file, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
      reason = "cannot be read";
    } else if (bytes.compare(0, kPngSignature.size(), kPngSignature) != 0) {
      reason = "not a PNG file";
    }
  }
  if (reason.empty()) return bytes;
  err << "ctrlelem: native capture " << Printable(file.string()) << ": " << reason
      << " (left out)\n";
  return std::nullopt;
}

bool WriteFile(const fs::path& file, const std::string& text, std::ostream& err) {
  return ctrlelem_tool::WriteFile(file.string(), text, err);
}

// The page's language is the first language's (lang="" where its file gives no
// code: unknown, rather than English); the script follows the switch.
std::string Head(const std::string& title, const std::vector<Language>& languages) {
  return "<!DOCTYPE html>\n<html lang=\"" + XmlEscape(languages[0].code) +
         "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + XmlEscape(title) +
         "</title>\n<link rel=\"stylesheet\" href=\"gallery.css\">\n<script "
         "src=\"gallery.js\"></script>\n</head>\n<body>\n";
}

std::string LanguageSwitch(const std::vector<Language>& languages) {
  if (languages.size() < 2) return {};
  std::string html = "<label>Language <select id=\"language\">";
  for (std::size_t i = 0; i < languages.size(); ++i) {
    html += "<option value=\"" + std::to_string(i) + "\" data-code=\"" +
            XmlEscape(languages[i].code) + "\">" + XmlEscape(languages[i].name) + "</option>";
  }
  return html + "</select></label>";
}

// The last step of a path ("child 16"), or the whole path for the root.
std::string LastStep(const std::string& path) {
  const std::size_t at = path.rfind(" > ");
  return at == std::string::npos ? path : path.substr(at + 3);
}

// The element tree as nested lists, from the drawn elements and their depths.
std::string Tree(const render::Rendering& rendering) {
  std::map<std::string, bool> overflowing;
  for (const render::Overflow& overflow : rendering.overflows) overflowing[overflow.path] = true;
  std::ostringstream html;
  int depth = -1;
  for (const render::DrawnElement& element : rendering.elements) {
    if (element.depth > depth) {
      for (; depth < element.depth; ++depth) html << "<ul>";
    } else {
      html << "</li>";
      for (; depth > element.depth; --depth) html << "</ul></li>";
    }
    const render::ElementInfo& info = element.info;
    const std::string_view kind = info.kind != 0 ? ctrlelem::schema::KindName(info.kind) : "";
    html << "<li data-element-path=\"" << XmlEscape(info.path) << '"'
         << (overflowing.count(info.path) ? " class=\"overflow\"" : "")
         << "><input type=\"checkbox\" class=\"toggle\" checked title=\"Show or hide this element "
            "and what it holds\"><span>"
         << XmlEscape(LastStep(info.path));
    if (!kind.empty()) html << ": " << kind;
    if (info.id != 0) html << ' ' << info.id;
    if (!info.text.empty()) html << " <q class=\"text\">" << XmlEscape(Utf8(info.text)) << "</q>";
    if (!info.hints.empty()) {
      html << " <span class=\"hints\" title=\"Its hints, as a host shows them\">"
           << XmlEscape(Utf8(info.hints)) << "</span>";
    }
    html << "</span>";
  }
  if (depth >= 0) html << "</li>";
  for (; depth > 0; --depth) html << "</ul></li>";
  if (depth == 0) html << "</ul>";
  return html.str();
}

std::string OverflowList(const render::Rendering& rendering) {
  if (rendering.overflows.empty()) return {};
  std::string html = "<h3>Texts that do not fit</h3><ul class=\"overflows\">";
  for (const render::Overflow& overflow : rendering.overflows) {
    html += "<li>" + XmlEscape(overflow.path) + ": \"" + XmlEscape(Utf8(overflow.text)) +
            "\" needs " + std::to_string(overflow.needed) + " px, has " +
            std::to_string(overflow.available) + " px" + (overflow.height ? " of height" : "") +
            (overflow.hidden ? " (hidden)" : "") + "</li>";
  }
  return html + "</ul>";
}

std::string Caption(const Page& page) {
  return page.caption.empty() ? std::string(ctrlelem::schema::KindName(page.kind)) : page.caption;
}

// The description's caption in each language it is registered in, each shown
// only while its language is: a heading follows the language switch.
std::string Captions(std::uint32_t id, const std::vector<Language>& languages,
                     const std::vector<std::map<std::uint32_t, Page>>& pages) {
  std::string html;
  for (std::size_t lang = 0; lang < languages.size(); ++lang) {
    const auto found = pages[lang].find(id);
    if (found == pages[lang].end()) continue;
    html += "<span data-lang=\"" + std::to_string(lang) + "\" lang=\"" +
            XmlEscape(languages[lang].code) + "\">" + XmlEscape(Caption(found->second)) + "</span>";
  }
  return html;
}

// The native capture beside the picture, when captures were given.
std::string NativeFigure(std::uint32_t id, const std::optional<NativeCaptures>& native) {
  if (!native) return {};
  if (!native->count(id)) return "<div class=\"native\"><p>No native capture.</p></div>\n";
  const std::string number = std::to_string(id);
  return "<figure class=\"native\"><img src=\"native/" + number + ".png\" alt=\"" + number +
         ", native\"><figcaption>Native (ctrlelem_view)</figcaption></figure>\n";
}

std::string DescriptionPage(std::uint32_t id, const std::vector<Language>& languages,
                            const std::vector<std::map<std::uint32_t, Page>>& pages,
                            const std::optional<NativeCaptures>& native) {
  const Page& first = pages[0].at(id);
  std::string html = Head(std::to_string(id) + " " + Caption(first), languages);
  html += "<header><a href=\"index.html\" data-keep-lang>All descriptions</a><h1>" +
          std::to_string(id) + ": " + Captions(id, languages, pages) + " (" +
          std::string(ctrlelem::schema::KindName(first.kind)) + ")</h1>" +
          LanguageSwitch(languages) + "</header>\n<main>\n";
  for (std::size_t lang = 0; lang < languages.size(); ++lang) {
    const auto found = pages[lang].find(id);
    html += "<section data-lang=\"" + std::to_string(lang) + "\" lang=\"" +
            XmlEscape(languages[lang].code) + "\">\n";
    if (found == pages[lang].end()) {
      html += "<p>Not registered in this language.</p></section>\n";
      continue;
    }
    const Page& page = found->second;
    // The captures are of the first language's descriptions.
    html += "<div class=\"description\">\n<div class=\"picture\">\n" + page.svg + "</div>\n" +
            (lang == 0 ? NativeFigure(id, native) : std::string()) + "<div class=\"tree\">" +
            OverflowList(page.rendering) + Tree(page.rendering) + "</div>\n</div>\n</section>\n";
  }
  return html + "</main>\n</body>\n</html>\n";
}

std::string IndexPage(const std::vector<std::uint32_t>& ids, const std::vector<Language>& languages,
                      const std::vector<std::map<std::uint32_t, Page>>& pages) {
  std::string html = Head("Descriptions", languages);
  html += "<header><h1>" + std::to_string(ids.size()) + " descriptions</h1>" +
          LanguageSwitch(languages) + "</header>\n<main>\n<div class=\"cards\">\n";
  for (const std::uint32_t id : ids) {
    const Page& page = pages[0].at(id);
    const std::string number = std::to_string(id);
    html += "<a class=\"card\" data-element-id=\"" + number + "\" href=\"" + number +
            ".html\" data-keep-lang>\n<div class=\"thumb\">";
    for (std::size_t lang = 0; lang < languages.size(); ++lang) {
      if (!pages[lang].count(id)) continue;
      html += "<img data-lang=\"" + std::to_string(lang) + "\" src=\"svg/" + number + "-" +
              std::to_string(lang) + ".svg\" alt=\"" + number + "\">";
    }
    html += "</div>\n<div class=\"title\">" + number + ": " + Captions(id, languages, pages) +
            "</div>\n<div class=\"meta\">" + std::string(ctrlelem::schema::KindName(page.kind)) +
            ", " + std::to_string(page.rendering.width) + " x " +
            std::to_string(page.rendering.height);
    for (std::size_t lang = 0; lang < languages.size(); ++lang) {
      const auto found = pages[lang].find(id);
      if (found == pages[lang].end() || found->second.rendering.overflows.empty()) continue;
      html += "<span class=\"overflow\" data-lang=\"" + std::to_string(lang) + "\">, " +
              std::to_string(found->second.rendering.overflows.size()) + " overflowing</span>";
    }
    html += "</div>\n</a>\n";
  }
  return html + "</div>\n</main>\n</body>\n</html>\n";
}

}  // namespace

int WriteGallery(const std::string& dir, const std::vector<Language>& languages, std::ostream& out,
                 std::ostream& err, const std::string& native_dir) {
  const fs::path root(dir);
  std::error_code ec;
  fs::create_directories(root / "svg", ec);
  if (ec) {
    err << "ctrlelem: cannot create '" << (root / "svg").string() << "': " << ec.message() << '\n';
    return 1;
  }
  render::RenderOptions options;
  options.mark_overflow = true;
  std::vector<std::map<std::uint32_t, Page>> pages(languages.size());
  std::vector<std::uint32_t> ids;
  for (std::size_t lang = 0; lang < languages.size(); ++lang) {
    if (auto error = language::SetLanguageFile(languages[lang].file)) {
      language::TakeDiagnostics();
      err << "ctrlelem: bad language file: " << Printable(ShowStandardInput(error->message))
          << '\n';
      return 2;
    }
    BuildDescriptions(err);
    for (const ctrlelem::ElementId id : ctrlelem::RegisteredIds()) {
      const __packet description = ctrlelem::Lookup(id);
      Page page;
      page.kind = description.kind().value_or(0);
      page.caption = Utf8(ctrlelem::schema::ReadText(description, 2).text);
      if (page.kind == ctrlelem::schema::kMenu) page.caption.clear();
      // Ids of its own per description and language: every page inlines the
      // documents of all its languages.
      render::SvgPicture picture = render::RenderSvgPicture(
          id, description, options, "d" + std::to_string(id) + "l" + std::to_string(lang) + "c");
      if (!picture.error.message.empty()) {
        err << "ctrlelem: description " << id << ": " << picture.error.message << '\n';
        return 2;
      }
      page.svg = std::move(picture.svg);
      page.rendering = std::move(picture.rendering);
      const fs::path svg =
          root / "svg" / (std::to_string(id) + "-" + std::to_string(lang) + ".svg");
      if (!WriteFile(svg, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + page.svg, err)) {
        return 1;
      }
      if (lang == 0) ids.push_back(id);
      pages[lang].emplace(id, std::move(page));
    }
  }
  std::optional<NativeCaptures> native;
  if (!native_dir.empty()) {
    native.emplace();
    fs::create_directories(root / "native", ec);
    if (ec) {
      err << "ctrlelem: cannot create '" << (root / "native").string() << "': " << ec.message()
          << '\n';
      return 1;
    }
    for (const std::uint32_t id : ids) {
      const std::string name = std::to_string(id) + ".png";
      const std::optional<std::string> bytes = ReadCapture(fs::path(native_dir) / name, err);
      if (!bytes) continue;
      if (!WriteFile(root / "native" / name, *bytes, err)) return 1;
      native->insert(id);
    }
  }
  if (!WriteFile(root / "gallery.css", kGalleryCss, err) ||
      !WriteFile(root / "gallery.js", kGalleryJs, err) ||
      !WriteFile(root / "index.html", IndexPage(ids, languages, pages), err)) {
    return 1;
  }
  for (const std::uint32_t id : ids) {
    if (!WriteFile(root / (std::to_string(id) + ".html"),
                   DescriptionPage(id, languages, pages, native), err)) {
      return 1;
    }
  }
  out << "wrote " << ids.size() << " descriptions in " << languages.size() << " language"
      << (languages.size() == 1 ? "" : "s") << " to " << (root / "index.html").string() << '\n';
  return 0;
}

}  // namespace ctrlelem_tool::gallery
