#include "view_window.h"

#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string_view>

#include "description_paths.h"
#include "layout_json.h"
#include "painter.h"
#include "tooltips.h"

namespace ctrlelem_view {
namespace {

namespace layout = ctrlelem::layout;
namespace schema = ctrlelem::schema;

constexpr wchar_t kWindowClass[] = L"ctrlelem_view";
constexpr COLORREF kWindowFace = RGB(0xF0, 0xF0, 0xF0);
namespace key = ctrlelem::schema::key;
// The model's largest window: asking for more gives the maximum size.
constexpr int kLargestRequest = 32767;
// A split view's first pane size and its flag (side by side when not 0).
constexpr int kSplitSizeKey = key::split_view::kSizeA;
constexpr int kSplitFlagKey = key::control::kStyle;
constexpr int kTooltipWidth = 400;
// Tools over painted elements are numbered from here (the element's index
// added), apart from the control handles that name the controls' tools.
constexpr UINT_PTR kFirstTipId = 1;
// The one tool of the warning balloon.
constexpr UINT_PTR kWarningTipId = 1;
// The longest tooltip text read back (a hint's title and text are far shorter).
constexpr std::size_t kTooltipTextLimit = 4096;
constexpr int kFirstControlId = 1000;

// The text a tooltip control holds for one of its tools.
std::wstring ToolText(HWND tooltip, HWND owner, UINT_PTR id) {
  std::wstring text(kTooltipTextLimit, L'\0');
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner;
  tool.uId = id;
  tool.lpszText = text.data();
  SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  text.resize(std::wcslen(text.c_str()));
  return text;
}

bool IsField(int kind) {
  return kind == schema::kStringField || kind == schema::kInputField || kind == schema::kEntryBox ||
         kind == schema::kCaptionedField;
}

bool IsControl(const layout::Element& element) {
  return element.part == layout::Part::element &&
         (IsField(element.kind) || element.kind == schema::kButton);
}

bool Inside(const std::string& path, const std::string& ancestor) {
  return path.size() > ancestor.size() + 3 && path.compare(0, ancestor.size(), ancestor) == 0 &&
         path.compare(ancestor.size(), 3, " > ") == 0;
}

bool Contains(const layout::Box& box, POINT point) {
  return point.x >= box.x && point.x < box.right() && point.y >= box.y && point.y < box.bottom();
}

std::wstring Caption(const __packet& description, std::uint32_t id) {
  const __val* caption = description.find(schema::key::window::kCaption);
  if (caption && caption->wstr() && !caption->wstr()->empty()) return *caption->wstr();
  return L"ctrlelem_view " + std::to_wstring(id);
}

}  // namespace

ViewWindow::ViewWindow(std::uint32_t id, __packet description, const ScreenSettings& screen,
                       FontCache& fonts, PictureStore& pictures)
    : id_(id),
      description_(std::move(description)),
      screen_(screen),
      fonts_(fonts),
      pictures_(pictures) {}

ViewWindow::~ViewWindow() {
  if (window_) DestroyWindow(window_);
}

std::wstring ViewWindow::Create(int x, int y) {
  static const ATOM atom = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &ViewWindow::WindowProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kWindowClass;
    return RegisterClassExW(&window_class);
  }();
  if (atom == 0)
    return L"the window class cannot be registered: " + std::to_wstring(GetLastError());

  LayOutAt(0, 0);
  is_menu_ = !layout_.elements.empty() && layout_.elements.front().kind == schema::kMenu;
  // A menu's client area is its bar, but the window shows the room its open
  // popups need too, all of it painted; a window's is its client area.
  non_client_width_ = is_menu_ ? 0 : layout_.width - layout_.client.width;
  non_client_height_ = is_menu_ ? 0 : layout_.height - layout_.client.height;
  const SIZE client_size = {layout_.width - non_client_width_, layout_.height - non_client_height_};
  style_ = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (layout_.system_frame || is_menu_) {
    style_ |= WS_OVERLAPPEDWINDOW;
  } else {
    style_ |= WS_POPUP;
  }
  if (is_menu_) {
    const schema::ReadResult<schema::MenuView> menu = schema::ReadMenu(description_);
    HMENU built = BuildMenu(menu.value);
    if (menu.value.type == schema::kMenuBarType) {
      menu_ = built;
    } else {
      // A popup menu shows from a bar of one item.
      menu_ = CreateMenu();
      AppendMenuW(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(built),
                  (L"Menu " + std::to_wstring(id_)).c_str());
    }
  } else if (!menu_bar_.empty()) {
    menu_ = BuildMenu(schema::ReadMenu(menu_bar_).value);
  }
  RECT frame{0, 0, client_size.cx, client_size.cy};
  AdjustWindowRectEx(&frame, style_, menu_ != nullptr, 0);
  window_ = CreateWindowExW(0, kWindowClass, Caption(description_, id_).c_str(), style_, x, y,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, menu_,
                            GetModuleHandleW(nullptr), this);
  if (!window_) return L"the window cannot be created: " + std::to_wstring(GetLastError());
  // A menu bar may take more than one line: the client area is what counts.
  RECT client{};
  GetClientRect(window_, &client);
  const int more_x = client_size.cx - client.right;
  const int more_y = client_size.cy - client.bottom;
  if (more_x != 0 || more_y != 0) {
    GetWindowRect(window_, &frame);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + more_x,
                 frame.bottom - frame.top + more_y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTooltipWidth);
  PlaceControls();
  return {};
}

void ViewWindow::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

void ViewWindow::ResizeModel(int width, int height) {
  if (is_menu_) return;  // a menu's window is the room its popups need
  layout::Layout target = layout_;
  {
    GdiMeasurer measurer(fonts_);
    layout::Options options = screen_.layout;
    options.id = id_;
    target = layout::LayOut(description_, width, height, measurer, options);
  }
  RECT client{};
  GetClientRect(window_, &client);
  RECT frame{};
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, 0, 0,
               frame.right - frame.left + target.client.width - client.right,
               frame.bottom - frame.top + target.client.height - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ViewWindow::LayOutAt(int width, int height) {
  GdiMeasurer measurer(fonts_);
  layout::Options options = screen_.layout;
  options.id = id_;
  layout_ = layout::LayOut(description_, width, height, measurer, options);
  for (int state = 0; state < layout::kButtonStateCount; ++state) {
    options.state = static_cast<layout::ButtonState>(state);
    states_[static_cast<std::size_t>(state)] =
        layout::LayOut(description_, layout_.width, layout_.height, measurer, options);
  }
  // Which control draws each element: a control and everything inside it.
  owner_.assign(layout_.elements.size(), -1);
  control_roots_.clear();
  std::string within;
  int owner = -1;
  int next = 0;
  for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
    const layout::Element& element = layout_.elements[i];
    if (owner >= 0 && Inside(element.path, within)) {
      owner_[i] = owner;
      continue;
    }
    owner = -1;
    if (IsControl(element)) {
      owner = next++;
      within = element.path;
      control_roots_.push_back(i);
      owner_[i] = owner;
    }
  }
}

void ViewWindow::PlaceControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  std::vector<Control> placed;
  for (const std::size_t i : control_roots_) {
    const layout::Element& element = layout_.elements[i];
    layout::Box box = element.box;
    if (element.kind == schema::kCaptionedField && element.text) {
      // The label is painted above; the field takes the rest.
      box.y += element.text->box.height;
      box.height -= element.text->box.height;
    }
    const int x = box.x - Origin().x;
    const int y = box.y - Origin().y;
    Control control;
    control.path = element.path;
    control.button = element.kind == schema::kButton;
    auto existing = std::find_if(controls_.begin(), controls_.end(),
                                 [&](const Control& c) { return c.path == element.path; });
    if (existing != controls_.end()) {
      control = *existing;
      controls_.erase(existing);
      SetWindowPos(control.handle, nullptr, x, y, std::max(box.width, 0), std::max(box.height, 0),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(control.handle, nullptr, FALSE);
    } else {
      const int control_id = kFirstControlId + static_cast<int>(placed.size());
      if (control.button) {
        control.handle = CreateWindowExW(
            0, L"BUTTON", nullptr,
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_OWNERDRAW, x, y,
            std::max(box.width, 0), std::max(box.height, 0), window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)), instance, nullptr);
        // A toggling button: a check box, or one whose checked look differs.
        const auto subtree = [&](const layout::Layout& laid_out) {
          std::vector<std::uint32_t> images;
          for (const layout::Element& e : laid_out.elements) {
            if (e.path == element.path || Inside(e.path, element.path)) {
              images.push_back(e.image.value_or(0));
            }
          }
          return images;
        };
        control.toggles =
            element.look == layout::ButtonLook::check_box ||
            subtree(states_[static_cast<std::size_t>(layout::ButtonState::checked)]) !=
                subtree(layout_);
        if (control.handle) {
          SetWindowSubclass(control.handle, &ViewWindow::ButtonProc, 1,
                            reinterpret_cast<DWORD_PTR>(this));
        }
      } else {
        control.handle = CreateWindowExW(
            WS_EX_CLIENTEDGE, L"EDIT", nullptr,
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL, x, y,
            std::max(box.width, 0), std::max(box.height, 0), window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)), instance, nullptr);
        layout::Font font;
        font.face = L"Tahoma";
        font.point_size = 8;
        if (control.handle) {
          SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(font)),
                       FALSE);
          SetWindowSubclass(control.handle, &ViewWindow::EditProc, 1,
                            reinterpret_cast<DWORD_PTR>(this));
        }
      }
      // A child window starts below its earlier siblings: keep drawing order.
      if (control.handle) {
        SetWindowPos(control.handle, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
    }
    if (control.handle) {
      HRGN region = VisibleRegion(i, box);
      RECT shown{};
      // Covered whole: hidden (Wine does not clip a child's own drawing to its
      // region, and a covered control must not take clicks either).
      const bool covered = region && GetRgnBox(region, &shown) == NULLREGION;
      SetWindowRgn(control.handle, region, TRUE);
      ShowWindow(control.handle, covered ? SW_HIDE : SW_SHOWNA);
    }
    placed.push_back(std::move(control));
  }
  // Controls whose elements are gone (hidden at this size) are destroyed.
  for (const Control& gone : controls_) DestroyWindow(gone.handle);
  controls_ = std::move(placed);
  UpdateTooltips();
}

HRGN ViewWindow::VisibleRegion(std::size_t index, const layout::Box& box) const {
  // What lies outside the element's ancestors does not show.
  const layout::Box clip = layout::Intersect(layout_.elements[index].clip, box);
  HRGN region =
      CreateRectRgn(clip.x - box.x, clip.y - box.y, clip.right() - box.x, clip.bottom() - box.y);
  // A child window lies above all its parent paints; what the window paints
  // later in drawing order over the control (opaque elements and texts) is cut
  // out of it, so it shows as the layout draws it.
  bool cut = !(clip == box);
  for (std::size_t later = index + 1; later < layout_.elements.size(); ++later) {
    const layout::Element& element = layout_.elements[later];
    if (!WindowPaints(later) || !(element.opaque || element.text)) continue;
    const layout::Box over = layout::Intersect(
        element.opaque ? element.clip : layout::Intersect(element.text->box, element.clip), box);
    if (over.empty()) continue;
    HRGN hole =
        CreateRectRgn(over.x - box.x, over.y - box.y, over.right() - box.x, over.bottom() - box.y);
    CombineRgn(region, region, hole, RGN_DIFF);
    DeleteObject(hole);
    cut = true;
  }
  if (cut) return region;
  DeleteObject(region);
  return nullptr;
}

void ViewWindow::UpdateTooltips() {
  if (!tooltip_) return;
  for (const Tip& tip : tips_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = tip.id;
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tips_.clear();
  for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
    const layout::Element& element = layout_.elements[i];
    if (element.alternate || element.hints.empty()) continue;
    const int owner = owner_[i];
    const Control* control = nullptr;
    if (owner >= 0 && static_cast<std::size_t>(owner) < controls_.size() &&
        controls_[static_cast<std::size_t>(owner)].path == element.path) {
      control = &controls_[static_cast<std::size_t>(owner)];
    }
    if (!control && !WindowPaints(i)) continue;
    const layout::Hint* hint = HoverHint(element, control && control->checked);
    if (!hint) continue;
    std::wstring text = TooltipText(*hint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.lpszText = text.data();
    if (control) {
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.uId = reinterpret_cast<UINT_PTR>(control->handle);
    } else {
      // A painted element: the part of its box that shows.
      tool.uFlags = TTF_SUBCLASS;
      tool.uId = kFirstTipId + i;
      tool.rect = {element.clip.x - Origin().x, element.clip.y - Origin().y,
                   element.clip.right() - Origin().x, element.clip.bottom() - Origin().y};
    }
    if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
      tips_.push_back({element.path, tool.uId});
    }
  }
}

void ViewWindow::ClickToggles() {
  for (const Control& control : controls_) {
    if (!control.button || !control.toggles) continue;
    // What the button sends its parent when it is clicked.
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control.handle), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control.handle));
  }
}

void ViewWindow::UpdateWarning(HWND edit, bool focused) {
  const Control* control = ControlOf(edit);
  const layout::Hint* hint = nullptr;
  if (control) {
    for (const layout::Element& element : layout_.elements) {
      if (element.path == control->path) hint = WarningHint(element);
    }
  }
  const bool show = hint && focused && (GetKeyState(VK_CAPITAL) & 1) != 0;
  if (!warning_ && show) {
    // The balloon is the record's own: its style (TTS_BALLOON), its icon
    // (TTI_WARNING) and its flags (TTF_TRACK: placed by the host, not the mouse).
    warning_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | hint->style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (warning_) SendMessageW(warning_, TTM_SETMAXTIPWIDTH, 0, kTooltipWidth);
  }
  if (!warning_) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  tool.uId = kWarningTipId;
  SendMessageW(warning_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(warning_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!show) return;
  std::wstring text = hint->text;
  tool.uFlags = hint->flags | TTF_ABSOLUTE;
  tool.lpszText = text.data();
  SendMessageW(warning_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(warning_, TTM_SETTITLEW, hint->icon, reinterpret_cast<LPARAM>(hint->title.c_str()));
  // Under the field, its tip at the middle of the field's lower edge.
  RECT field{};
  GetWindowRect(edit, &field);
  SendMessageW(warning_, TTM_TRACKPOSITION, 0,
               MAKELPARAM((field.left + field.right) / 2, field.bottom));
  SendMessageW(warning_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  warned_[control->path] = ToolText(warning_, window_, kWarningTipId);
}

void ViewWindow::FocusFieldsWithCapsLock() {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  const BYTE caps_lock = keys[VK_CAPITAL];
  keys[VK_CAPITAL] |= 1;  // the low bit: toggled on
  SetKeyboardState(keys);
  for (const Control& control : controls_) {
    if (!control.button) SetFocus(control.handle);
  }
  SetFocus(window_);
  keys[VK_CAPITAL] = caps_lock;
  SetKeyboardState(keys);
}

std::wstring ViewWindow::TooltipOf(const std::string& path) const {
  const auto tip =
      std::find_if(tips_.begin(), tips_.end(), [&](const Tip& t) { return t.path == path; });
  return tip == tips_.end() ? std::wstring() : ToolText(tooltip_, window_, tip->id);
}

bool ViewWindow::WindowPaints(std::size_t index) const {
  const layout::Element& element = layout_.elements[index];
  if (element.alternate) return false;
  if (owner_[index] < 0) return true;
  // A captioned field's label is the window's; its field is an EDIT.
  return element.kind == schema::kCaptionedField && element.part == layout::Part::element;
}

ViewWindow::Control* ViewWindow::ControlOf(HWND handle) {
  for (Control& control : controls_) {
    if (control.handle == handle) return &control;
  }
  return nullptr;
}

void ViewWindow::Paint(HDC dc, int width, int height) {
  const RECT all{0, 0, width, height};
  SetDCBrushColor(dc, kWindowFace);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  Painter painter(dc, fonts_, pictures_, screen_.layout.check_box, -Origin().x, -Origin().y);
  for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
    if (WindowPaints(i)) painter.Paint(layout_.elements[i], layout::ButtonState::normal);
  }
}

void ViewWindow::DrawButton(const DRAWITEMSTRUCT& item) {
  const Control* control = ControlOf(item.hwndItem);
  if (!control) return;
  layout::ButtonState state = layout::ButtonState::normal;
  if ((item.itemState & ODS_DISABLED) != 0) {
    state = layout::ButtonState::disabled;
  } else if ((item.itemState & ODS_SELECTED) != 0) {
    state = layout::ButtonState::pressed;
  } else if (control->checked) {
    state = layout::ButtonState::checked;
  } else if (control->hover) {
    state = layout::ButtonState::hover;
  }
  const layout::Layout& laid_out = states_[static_cast<std::size_t>(state)];
  const auto at = std::find_if(laid_out.elements.begin(), laid_out.elements.end(),
                               [&](const layout::Element& e) { return e.path == control->path; });
  if (at == laid_out.elements.end()) return;
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  HDC memory = CreateCompatibleDC(item.hDC);
  HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, std::max(width, 1), std::max(height, 1));
  HGDIOBJ old = SelectObject(memory, bitmap);
  // What the window painted below the button shows where the button's
  // pictures leave room.
  Painter painter(memory, fonts_, pictures_, screen_.layout.check_box, -at->box.x, -at->box.y);
  const RECT all{0, 0, width, height};
  SetDCBrushColor(memory, kWindowFace);
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  const std::size_t first = static_cast<std::size_t>(at - laid_out.elements.begin());
  for (std::size_t i = 0; i < first && i < layout_.elements.size(); ++i) {
    if (WindowPaints(i)) painter.Paint(layout_.elements[i], layout::ButtonState::normal);
  }
  for (std::size_t i = first; i < laid_out.elements.size(); ++i) {
    const layout::Element& element = laid_out.elements[i];
    if (i != first && !Inside(element.path, control->path)) break;
    if (!element.alternate) painter.Paint(element, state);
  }
  // Then what the window paints later over the button.
  PaintOver(control->path, painter);
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void ViewWindow::PaintOver(const std::string& path, Painter& painter) const {
  // In the layout's drawing order, after the control and what it holds: the
  // same picture as the control's window region gives, also where the region
  // is not applied to the control's own drawing (Wine).
  const auto root = std::find_if(layout_.elements.begin(), layout_.elements.end(),
                                 [&](const layout::Element& e) { return e.path == path; });
  if (root == layout_.elements.end()) return;
  for (std::size_t i = static_cast<std::size_t>(root - layout_.elements.begin()) + 1;
       i < layout_.elements.size(); ++i) {
    if (WindowPaints(i)) painter.Paint(layout_.elements[i], layout::ButtonState::normal);
  }
}

POINT ViewWindow::Origin() const {
  return is_menu_ ? POINT{0, 0} : POINT{layout_.client.x, layout_.client.y};
}

POINT ViewWindow::ToModel(int x, int y) const { return {x + Origin().x, y + Origin().y}; }

bool ViewWindow::OnSplitter(POINT model, std::string* path) const {
  for (const layout::Element& element : layout_.elements) {
    if (element.kind != schema::kSplitView || element.part != layout::Part::element) continue;
    const std::optional<__packet> view = Resolve(description_, element.path);
    if (!view) continue;
    const bool side_by_side = schema::ReadUnsigned(*view, kSplitFlagKey).value != 0;
    const int first = static_cast<int>(schema::ReadUnsigned(*view, kSplitSizeKey).value);
    layout::Box bar = element.box;
    if (side_by_side) {
      bar.x += first;
      bar.width = layout::kSplitterThickness;
    } else {
      bar.y += first;
      bar.height = layout::kSplitterThickness;
    }
    if (Contains(bar, model)) {
      if (path) *path = element.path;
      return true;
    }
  }
  return false;
}

void ViewWindow::DragSplitter(POINT model) {
  const auto view = std::find_if(layout_.elements.begin(), layout_.elements.end(),
                                 [&](const layout::Element& e) { return e.path == dragging_; });
  if (view == layout_.elements.end()) return;
  const std::optional<__packet> packet = Resolve(description_, dragging_);
  if (!packet) return;
  const bool side_by_side = schema::ReadUnsigned(*packet, kSplitFlagKey).value != 0;
  const int extent = side_by_side ? view->box.width : view->box.height;
  const int wanted = side_by_side ? model.x - view->box.x : model.y - view->box.y;
  const int first = std::clamp(wanted, 0, std::max(extent - layout::kSplitterThickness, 0));
  // The pane size is the description's: change it there and lay out again.
  if (!SetAtPath(description_, dragging_, kSplitSizeKey, static_cast<std::uint32_t>(first))) {
    return;
  }
  LayOutAt(layout_.width, layout_.height);
  PlaceControls();
  InvalidateRect(window_, nullptr, FALSE);
}

const layout::TextRun* ViewWindow::LinkAt(POINT model) const {
  for (const layout::Element& element : layout_.elements) {
    if (element.part != layout::Part::info_text || element.alternate || !element.text) continue;
    const layout::ElementText& text = *element.text;
    if (text.layout.lines.empty()) continue;
    for (const layout::TextRun& run : element.runs) {
      const layout::Box box{text.box.x + run.x, text.box.y + text.layout.lines.front().y, run.width,
                            text.layout.line_height};
      if (run.link && Contains(layout::Intersect(box, element.clip), model)) return &run;
    }
  }
  return nullptr;
}

nlohmann::json ViewWindow::RealLayout() const {
  RECT window{};
  GetWindowRect(window_, &window);
  RECT client{};
  GetClientRect(window_, &client);
  std::vector<RealElement> elements;
  for (std::size_t i = 0; i < layout_.elements.size(); ++i) {
    const layout::Element& element = layout_.elements[i];
    if (element.alternate) continue;
    RealElement real;
    real.element = &element;
    real.tooltip = TooltipOf(element.path);
    if (const auto warned = warned_.find(element.path); warned != warned_.end()) {
      real.warning = warned->second;
    }
    // Painted by the window: the rectangle it was painted in.
    real.box = {element.box.x - Origin().x, element.box.y - Origin().y, element.box.width,
                element.box.height};
    const int owner = owner_[i];
    if (owner >= 0 && static_cast<std::size_t>(owner) < controls_.size()) {
      const Control& control = controls_[static_cast<std::size_t>(owner)];
      RECT rect{};
      GetWindowRect(control.handle, &rect);
      MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
      const layout::Element* root = nullptr;
      for (const layout::Element& e : layout_.elements) {
        if (e.path == control.path) root = &e;
      }
      if (element.path == control.path) {
        real.box = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        real.drawn_by = control.button ? "BUTTON" : "EDIT";
        real.checked = control.checked;
        if (element.kind == schema::kCaptionedField && element.text) {
          real.box.y -= element.text->box.height;
          real.box.height += element.text->box.height;
        }
      } else if (root) {
        // Drawn by the owner-drawn button, at its place inside the button.
        real.box.x = rect.left + element.box.x - root->box.x;
        real.box.y = rect.top + element.box.y - root->box.y;
        real.drawn_by = "BUTTON";
      }
    }
    elements.push_back(real);
  }
  nlohmann::json json = LayoutDocument(id_, window.right - window.left, window.bottom - window.top,
                                       client.right, client.bottom, elements);
  if (is_menu_) {
    const schema::ReadResult<schema::MenuView> menu = schema::ReadMenu(description_);
    const MenuCount real = menu.value.type == schema::kMenuBarType
                               ? CountMenu(menu_)
                               : CountMenu(GetSubMenu(menu_, 0));
    json["menu"] = MenuCountJson(real);
  } else if (menu_) {
    nlohmann::json bar = MenuCountJson(CountMenu(menu_));
    bar["id"] = menu_bar_id_;
    json["menu_bar"] = std::move(bar);
  }
  return json;
}

LRESULT CALLBACK ViewWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<ViewWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ViewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT CALLBACK ViewWindow::ButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<ViewWindow*>(data);
  Control* control = self->ControlOf(button);
  if (control && message == WM_MOUSEMOVE && !control->hover) {
    control->hover = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
    TrackMouseEvent(&track);
    InvalidateRect(button, nullptr, FALSE);
  } else if (control && message == WM_MOUSELEAVE) {
    control->hover = false;
    InvalidateRect(button, nullptr, FALSE);
  } else if (message == WM_ERASEBKGND) {
    return 1;
  }
  return DefSubclassProc(button, message, wparam, lparam);
}

LRESULT CALLBACK ViewWindow::EditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR, DWORD_PTR data) {
  const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
  auto* self = reinterpret_cast<ViewWindow*>(data);
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS ||
      (message == WM_KEYUP && wparam == VK_CAPITAL)) {
    self->UpdateWarning(edit, GetFocus() == edit);
    return result;
  }
  const Control* control = self->ControlOf(edit);
  if (message != WM_PAINT || !control) return result;
  // The model's point at the edit's client corner.
  POINT corner{0, 0};
  MapWindowPoints(edit, self->window_, &corner, 1);
  HDC dc = GetDC(edit);
  Painter painter(dc, self->fonts_, self->pictures_, self->screen_.layout.check_box,
                  -(corner.x + self->Origin().x), -(corner.y + self->Origin().y));
  self->PaintOver(control->path, painter);
  ReleaseDC(edit, dc);
  return result;
}

LRESULT ViewWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: {
      if (wparam == SIZE_MINIMIZED) return 0;
      // A menu's layout does not follow the window: its popups need the room.
      if (is_menu_) return 0;
      LayOutAt(LOWORD(lparam) + non_client_width_, HIWORD(lparam) + non_client_height_);
      if (!controls_.empty() || tooltip_) PlaceControls();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    }
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      if (!limits_) {
        // The model's smallest and largest windows: what it clamps to.
        GdiMeasurer measurer(fonts_);
        const layout::Layout smallest =
            layout::LayOut(description_, 1, 1, measurer, screen_.layout);
        const layout::Layout largest = layout::LayOut(description_, kLargestRequest,
                                                      kLargestRequest, measurer, screen_.layout);
        limits_ = Limits{{smallest.client.width, smallest.client.height},
                         {largest.client.width, largest.client.height},
                         largest.width < kLargestRequest || largest.height < kLargestRequest};
      }
      RECT low{0, 0, limits_->smallest.cx, limits_->smallest.cy};
      AdjustWindowRectEx(&low, style_, menu_ != nullptr, 0);
      info->ptMinTrackSize = {low.right - low.left, low.bottom - low.top};
      if (limits_->bounded) {
        RECT high{0, 0, limits_->largest.cx, limits_->largest.cy};
        AdjustWindowRectEx(&high, style_, menu_ != nullptr, 0);
        info->ptMaxTrackSize = {high.right - high.left, high.bottom - high.top};
      }
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      RECT client{};
      GetClientRect(window_, &client);
      // Painted off screen first: no flicker while the window is sized.
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1),
                                              std::max<LONG>(client.bottom, 1));
      HGDIOBJ old = SelectObject(memory, bitmap);
      Paint(memory, client.right, client.bottom);
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
      SelectObject(memory, old);
      DeleteObject(bitmap);
      DeleteDC(memory);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_COMMAND: {
      if (lparam == 0) {
        std::printf("menu command %u\n", static_cast<unsigned>(LOWORD(wparam)));
        std::fflush(stdout);
        return 0;
      }
      Control* control = ControlOf(reinterpret_cast<HWND>(lparam));
      if (control && control->button && HIWORD(wparam) == BN_CLICKED) {
        if (control->toggles) {
          control->checked = !control->checked;
          UpdateTooltips();  // a checked button shows its second hint
        }
        InvalidateRect(control->handle, nullptr, FALSE);
        // Clicks are reported in the interactive view; ClickToggles' are not.
        if (quit_on_close_) {
          std::printf("button %s\n", control->path.c_str());
          std::fflush(stdout);
        }
      }
      return 0;
    }
    case WM_SETCURSOR: {
      POINT at{};
      GetCursorPos(&at);
      ScreenToClient(window_, &at);
      const POINT model = ToModel(at.x, at.y);
      if (LOWORD(lparam) == HTCLIENT && reinterpret_cast<HWND>(wparam) == window_) {
        std::string path;
        if (!dragging_.empty() || OnSplitter(model, &path)) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
          return TRUE;
        }
        if (LinkAt(model)) {
          SetCursor(LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    }
    case WM_LBUTTONDOWN: {
      const POINT model = ToModel(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      if (OnSplitter(model, &dragging_)) {
        SetCapture(window_);
      } else if (const layout::TextRun* link = LinkAt(model)) {
        std::printf("link \"%ls\"\n", link->text.c_str());
        std::fflush(stdout);
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (!dragging_.empty()) DragSplitter(ToModel(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)));
      return 0;
    case WM_LBUTTONUP:
      if (!dragging_.empty()) {
        const std::optional<__packet> view = Resolve(description_, dragging_);
        std::printf("splitter %s: %u\n", dragging_.c_str(),
                    view ? schema::ReadUnsigned(*view, kSplitSizeKey).value : 0u);
        std::fflush(stdout);
        dragging_.clear();
        ReleaseCapture();
      }
      return 0;
    case WM_DESTROY:
      if (quit_on_close_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace ctrlelem_view
