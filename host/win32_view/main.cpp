// ctrlelem_view: the reference host. It loads ctrlelem_pack.dll, builds the
// descriptions once, and shows one as a real window (ctrlelem_view ID), or
// captures windows and reports where their elements really are (--capture,
// --capture-all, --layout-json), for comparison with the layout model.
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <objbase.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture.h"
#include "ctrlelem_pack/host.h"
#include "fonts.h"
#include "layout_json.h"
#include "library.h"
#include "pictures.h"
#include "view_window.h"

namespace {

using namespace ctrlelem_view;

constexpr int kUsageError = 2;
constexpr int kFailure = 1;
// Element ids a host asks for: the library registers its descriptions below.
constexpr std::uint32_t kLastId = 999;
// Windows stand at the screen's top left, where a capture sees all of them.
constexpr int kWindowX = 0;
constexpr int kWindowY = 0;

// The metrics' values on a 96 dpi screen, scaled with the resolution as the
// description library's screen profile scales them.
struct MetricDefault {
  const char* name;
  int value_at_96;
  bool horizontal;
};
constexpr MetricDefault kMetrics[] = {{"cxmenucheck", 13, true},
                                      {"cxframe", 4, true},
                                      {"cyframe", 4, false},
                                      {"cycaption", 18, false}};

struct Arguments {
  std::string id;
  std::string dpi;
  std::string metrics;
  std::string language;
  std::string languages_dir;
  std::string images;
  std::string capture;
  std::string capture_all;
  std::string size;
  bool layout_json = false;
};

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// "N" or "NxM", each 1..10000; false when it is neither.
bool ParsePair(const std::string& text, int& first, int& second) {
  const std::size_t cross = text.find_first_of("xX");
  const auto number = [](const std::string& part, int& out) {
    if (part.empty() || part.size() > 5 ||
        part.find_first_not_of("0123456789") != std::string::npos) {
      return false;
    }
    out = std::stoi(part);
    return out >= 1 && out <= 10000;
  };
  if (!number(text.substr(0, cross), first)) return false;
  if (cross == std::string::npos) {
    second = first;
    return true;
  }
  return number(text.substr(cross + 1), second);
}

// The screen the descriptions are made for. The description library reads the
// same settings from the environment when InitPacketsLib runs.
std::optional<ScreenSettings> Screen(const Arguments& args) {
  ScreenSettings screen;
  int dpi_x = 96, dpi_y = 96;
  const bool given = !args.dpi.empty() || !args.metrics.empty();
  if (!args.dpi.empty() && !ParsePair(args.dpi, dpi_x, dpi_y)) {
    std::cerr << "ctrlelem_view: bad resolution '" << args.dpi
              << "': expected N or NxM, 1 to 10000\n";
    return std::nullopt;
  }
  if (!given) {
    HDC dc = GetDC(nullptr);
    dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
  }
  int values[4];
  for (int i = 0; i < 4; ++i) {
    values[i] = MulDiv(kMetrics[i].value_at_96, kMetrics[i].horizontal ? dpi_x : dpi_y, 96);
  }
  if (!given) {
    const int indices[4] = {SM_CXMENUCHECK, SM_CXFRAME, SM_CYFRAME, SM_CYCAPTION};
    for (int i = 0; i < 4; ++i) values[i] = GetSystemMetrics(indices[i]);
  }
  std::size_t start = 0;
  while (start < args.metrics.size()) {
    const std::size_t comma = args.metrics.find(',', start);
    const std::string item = args.metrics.substr(start, comma - start);
    const std::size_t equals = item.find('=');
    int found = -1;
    for (int i = 0; i < 4 && equals != std::string::npos; ++i) {
      if (item.compare(0, equals, kMetrics[i].name) == 0) found = i;
    }
    const std::string value = equals == std::string::npos ? "" : item.substr(equals + 1);
    if (found < 0 || value.empty() || value.size() > 5 ||
        value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) > 10000) {
      std::cerr << "ctrlelem_view: bad metric '" << item
                << "': expected NAME=VALUE, NAME one of cxmenucheck, cxframe, cyframe, "
                   "cycaption, VALUE 0 to 10000\n";
      return std::nullopt;
    }
    values[found] = std::stoi(value);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  screen.layout.check_box = values[0];
  screen.layout.frame_x = values[1];
  screen.layout.frame_y = values[2];
  screen.layout.caption_height = values[3];
  screen.dpi_y = dpi_y;
  return screen;
}

void SetVariable(const char* name, const std::string& value) {
  if (value.empty()) return;
  const std::string assignment = std::string(name) + "=" + value;
  _putenv(assignment.c_str());
}

// Shows one window until it is closed.
int Interactive(ViewWindow& view) {
  view.set_quit_on_close(true);
  view.Show();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

bool WriteJson(const std::wstring& file, const nlohmann::json& json) {
  std::ofstream out(file.c_str());
  out << json.dump(1) << '\n';
  out.close();
  if (!out) {
    std::cerr << "ctrlelem_view: " << Utf8(file) << ": cannot be written\n";
    return false;
  }
  return true;
}

// Shows the window, then captures it, reports its layout, and (given a size)
// resizes it and reports again. Each result goes to its own file, or the
// layout to standard output.
struct Outputs {
  std::wstring capture;  // PNG, or empty
  std::wstring layout;   // JSON file, or empty for standard output
  std::wstring resized;  // JSON file of the resized layout, or empty for standard output
  // JSON file of the layout after every toggling button was clicked and every
  // field was given the focus with Caps Lock on, or empty for none.
  std::wstring clicked;
  bool layout_json = false;
  std::optional<std::pair<int, int>> size;
};

bool Run(ViewWindow& view, const Outputs& outputs) {
  view.Show();
  SettleMessages();
  bool ok = true;
  if (!outputs.capture.empty()) {
    const CaptureResult capture = CaptureWindow(view.handle(), outputs.capture);
    if (!capture.error.empty()) {
      std::cerr << "ctrlelem_view: " << Utf8(capture.error) << '\n';
      ok = false;
    }
  }
  if (outputs.layout_json && !outputs.size) {
    if (outputs.layout.empty()) {
      std::cout << view.RealLayout().dump(1) << '\n';
    } else {
      ok = WriteJson(outputs.layout, view.RealLayout()) && ok;
    }
  }
  if (outputs.size) {
    if (outputs.layout_json && !outputs.layout.empty()) {
      ok = WriteJson(outputs.layout, view.RealLayout()) && ok;
    }
    view.ResizeModel(outputs.size->first, outputs.size->second);
    SettleMessages();
    if (outputs.layout_json) {
      if (outputs.resized.empty()) {
        std::cout << view.RealLayout().dump(1) << '\n';
      } else {
        ok = WriteJson(outputs.resized, view.RealLayout()) && ok;
      }
    }
  }
  if (outputs.layout_json && !outputs.clicked.empty()) {
    view.ClickToggles();
    view.FocusFieldsWithCapsLock();
    SettleMessages();
    ok = WriteJson(outputs.clicked, view.RealLayout()) && ok;
  }
  return ok;
}

int Main(int argc, char** argv) {
  CLI::App app{"The reference host: descriptions as real windows", "ctrlelem_view"};
  Arguments args;
  app.add_option("id", args.id, "Element id to show")->type_name("ID");
  app.add_option("--dpi", args.dpi, "Logical resolutions: N or NxM (default: the screen's)");
  app.add_option("--metrics", args.metrics,
                 "System metrics: NAME=VALUE[,...] of cxmenucheck, cxframe, cyframe, cycaption");
  app.add_option("--language", args.language, "The current language file");
  app.add_option("--languages-dir", args.languages_dir, "The folder of the language list");
  app.add_option("--images", args.images, "Folder of the pictures: N.png or N.bmp");
  app.add_option("--capture", args.capture, "Capture the window as PNG and exit")
      ->type_name("FILE");
  app.add_option("--capture-all", args.capture_all,
                 "Capture every description into DIR/ID.png (with --layout-json also DIR/ID.json, "
                 "DIR/ID-resized.json with --size, and DIR/ID-clicked.json)")
      ->type_name("DIR");
  app.add_flag("--layout-json", args.layout_json,
               "Print where every element really is, as `ctrlelem layout --json`");
  app.add_option("--size", args.size, "Resize to WxH (the model's window size) and report again");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  }
  const std::optional<ScreenSettings> screen = Screen(args);
  if (!screen) return kUsageError;
  std::optional<std::pair<int, int>> size;
  if (!args.size.empty()) {
    int width = 0, height = 0;
    if (args.size.find_first_of("xX") == std::string::npos ||
        !ParsePair(args.size, width, height)) {
      std::cerr << "ctrlelem_view: bad size '" << args.size << "': expected WxH\n";
      return kUsageError;
    }
    size.emplace(width, height);
  }
  std::uint32_t id = 0;
  if (args.capture_all.empty()) {
    if (args.id.empty() || args.id.size() > 9 ||
        args.id.find_first_not_of("0123456789") != std::string::npos) {
      std::cerr << "ctrlelem_view: expected an element id (or --capture-all DIR)\n";
      return kUsageError;
    }
    id = static_cast<std::uint32_t>(std::stoul(args.id));
  }

  // The description library reads its screen and language settings once, from
  // the environment, when InitPacketsLib runs.
  SetVariable("CTRLELEM_DPI", args.dpi);
  SetVariable("CTRLELEM_METRICS", args.metrics);
  SetVariable("CTRLELEM_LANGUAGE_FILE", args.language);
  SetVariable("CTRLELEM_LANGUAGES_DIR", args.languages_dir);
  PacketLibrary library;
  if (const std::wstring error = library.Load(); !error.empty()) {
    std::cerr << "ctrlelem_view: " << Utf8(error) << '\n';
    return kFailure;
  }
  library.Init();

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  FontCache fonts(screen->dpi_y);
  PictureStore pictures(Widen(args.images));

  if (args.capture_all.empty()) {
    const __packet description = library.Get(id);
    if (description.empty()) {
      std::cerr << "ctrlelem_view: " << id << " is not a registered element id\n";
      return kUsageError;
    }
    ViewWindow view(id, description, *screen, fonts, pictures);
    if (const std::uint32_t bar = MenuBarOf(id)) view.set_menu_bar(bar, library.Get(bar));
    if (const std::wstring error = view.Create(kWindowX, kWindowY); !error.empty()) {
      std::cerr << "ctrlelem_view: " << id << ": " << Utf8(error) << '\n';
      return kFailure;
    }
    if (args.capture.empty() && !args.layout_json) return Interactive(view);
    Outputs outputs;
    outputs.capture = Widen(args.capture);
    outputs.layout_json = args.layout_json;
    outputs.size = size;
    return Run(view, outputs) ? 0 : kFailure;
  }

  const std::wstring folder = Widen(args.capture_all);
  CreateDirectoryW(folder.c_str(), nullptr);
  const auto start = std::chrono::steady_clock::now();
  int shown = 0;
  bool ok = true;
  std::vector<std::unique_ptr<ViewWindow>> finished;
  for (std::uint32_t each = 1; each <= kLastId; ++each) {
    const __packet description = library.Get(each);
    if (description.empty()) continue;
    // Each window stays until the process ends: under Wine without a window
    // manager, destroying a window waits up to two seconds for the X server.
    ViewWindow& view =
        *finished.emplace_back(new ViewWindow(each, description, *screen, fonts, pictures));
    if (const std::uint32_t bar = MenuBarOf(each)) view.set_menu_bar(bar, library.Get(bar));
    if (const std::wstring error = view.Create(kWindowX, kWindowY); !error.empty()) {
      std::cerr << "ctrlelem_view: " << each << ": " << Utf8(error) << '\n';
      ok = false;
      continue;
    }
    const std::wstring base = folder + L"\\" + std::to_wstring(each);
    Outputs outputs;
    outputs.capture = base + L".png";
    outputs.layout_json = args.layout_json;
    outputs.layout = base + L".json";
    outputs.resized = base + L"-resized.json";
    outputs.clicked = base + L"-clicked.json";
    outputs.size = size;
    ok = Run(view, outputs) && ok;
    ++shown;
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  for (std::unique_ptr<ViewWindow>& view : finished) view->Abandon();
  std::cout << "captured " << shown << " descriptions into " << args.capture_all << " in "
            << elapsed.count() << " ms\n";
  return ok ? 0 : kFailure;
}

}  // namespace

int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int status = Main(argc, argv);
  CoUninitialize();
  return status;
}
