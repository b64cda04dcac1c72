// One description as a real top-level window: the layout model places every
// element; fields become EDIT controls, buttons owner-drawn BUTTONs drawn in
// their state group's look, everything else is painted by the window in the
// layout's drawing order. Menus get a real menu bar, hints real tooltips, split
// views a splitter that can be dragged. On WM_SIZE the window is laid out again.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "ctrlelem_pack/host.h"
#include "fonts.h"
#include "menus.h"
#include "painter.h"
#include "pictures.h"

namespace ctrlelem_view {

// The screen the descriptions were made for: what the layout model needs
// beyond text measurement (frame, caption and check-box metrics).
struct ScreenSettings {
  ctrlelem::layout::Options layout;
  int dpi_y = 96;  // the resolution fonts are made at
};

class ViewWindow {
 public:
  ViewWindow(std::uint32_t id, __packet description, const ScreenSettings& screen, FontCache& fonts,
             PictureStore& pictures);
  ~ViewWindow();
  // The menu bar the window is shown with (a menu description and its id), set
  // before Create.
  void set_menu_bar(std::uint32_t id, __packet menu) {
    menu_bar_id_ = id;
    menu_bar_ = std::move(menu);
  }
  ViewWindow(const ViewWindow&) = delete;
  ViewWindow& operator=(const ViewWindow&) = delete;

  // Creates the window, hidden, at its initial size with its top left corner
  // at (x, y). An empty result on success, else what failed.
  std::wstring Create(int x, int y);
  void Show();
  // Forgets the window without destroying it: it goes when the process ends.
  void Abandon() { window_ = nullptr; }
  HWND handle() const { return window_; }
  // Closing the window ends the message loop (the interactive view).
  void set_quit_on_close(bool quit) { quit_on_close_ = quit; }

  // Resizes the window so the layout model's window is width x height (as the
  // model clamps it), and lays it out again through WM_SIZE.
  void ResizeModel(int width, int height);

  // Every element that became a control or was painted, with the box it has on
  // the screen relative to the client area, in the shape of `ctrlelem layout
  // --json` with the text of each element's tooltip, and the counts of the
  // real menus.
  nlohmann::json RealLayout() const;

  // Clicks every button that toggles (check boxes and buttons with a checked
  // look), as the mouse would.
  void ClickToggles();
  // Gives every field the focus in turn with Caps Lock on (the thread's own
  // keyboard state, restored after), so each shows its warning if it has one;
  // RealLayout then reports what each showed.
  void FocusFieldsWithCapsLock();

 private:
  struct Control {
    std::string path;
    HWND handle = nullptr;
    bool button = false;
    bool hover = false;
    bool checked = false;
    bool toggles = false;  // check boxes and buttons with a checked look
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR subclass, DWORD_PTR self);
  static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR subclass, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  // Lays the description out at a model window size and moves the controls.
  void LayOutAt(int width, int height);
  void PlaceControls();
  // The part of a control that shows (null: all of it), in its own coordinates.
  HRGN VisibleRegion(std::size_t index, const ctrlelem::layout::Box& box) const;
  // Gives every element with a hint the tooltip of the face it shows: a
  // control's over the control, a painted element's over its box.
  void UpdateTooltips();
  // Shows the focused field's warning balloon while Caps Lock is on, else
  // hides it.
  void UpdateWarning(HWND edit, bool focused);
  // The text of the element's tooltip, as the tooltip control holds it.
  std::wstring TooltipOf(const std::string& path) const;
  void Paint(HDC dc, int width, int height);
  void DrawButton(const DRAWITEMSTRUCT& item);
  // Paints, with the painter's origin, what the window paints after a control.
  void PaintOver(const std::string& path, Painter& painter) const;
  // Whether the window paints the element (not an EDIT, not inside a button).
  bool WindowPaints(std::size_t index) const;
  Control* ControlOf(HWND handle);
  // Where the client area's top left lies in the model's window.
  POINT Origin() const;
  // The model's point for a point of the client area.
  POINT ToModel(int x, int y) const;
  bool OnSplitter(POINT model, std::string* path) const;
  void DragSplitter(POINT model);
  const ctrlelem::layout::TextRun* LinkAt(POINT model) const;

  std::uint32_t id_;
  __packet description_;
  ScreenSettings screen_;
  FontCache& fonts_;
  PictureStore& pictures_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND warning_ = nullptr;  // the tracking balloon of the input fields' warnings
  // The fields whose warning was shown, by path, with its text as the balloon
  // held it.
  std::map<std::string, std::wstring> warned_;
  DWORD style_ = 0;
  bool quit_on_close_ = false;
  bool is_menu_ = false;
  HMENU menu_ = nullptr;
  std::uint32_t menu_bar_id_ = 0;
  __packet menu_bar_;
  // The tools of the tooltip control, by element path.
  struct Tip {
    std::string path;
    UINT_PTR id;
  };
  std::vector<Tip> tips_;
  // The part of the model's window around its client area (a system frame).
  int non_client_width_ = 0;
  int non_client_height_ = 0;
  ctrlelem::layout::Layout layout_;  // in the normal state: what the window shows
  // The same layout in each button state, for drawing a button in its state.
  std::array<ctrlelem::layout::Layout, ctrlelem::layout::kButtonStateCount> states_;
  std::vector<Control> controls_;
  std::vector<int> owner_;  // per element: the index of the control that draws it, or -1
  std::vector<std::size_t> control_roots_;  // the elements that are controls, in order
  std::string dragging_;                    // the split view whose splitter is being dragged
  // The client sizes of the model's smallest and largest windows.
  struct Limits {
    SIZE smallest;
    SIZE largest;
    bool bounded;  // whether the description has a maximum size
  };
  std::optional<Limits> limits_;
};

}  // namespace ctrlelem_view
