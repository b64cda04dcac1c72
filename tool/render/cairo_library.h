// libcairo, opened the first time a picture is drawn rather than when the tool
// starts. Linked in, it and the dozen libraries it needs (pixman, X11, xcb and
// more) were loaded and relocated by every run of the tool: over a millisecond,
// a third of the start-up of a `dump` or a `check` that never draws.
#pragma once

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include <string>

namespace ctrlelem_tool::render {

// Every cairo function the renderer calls.
#define CTRLELEM_CAIRO_FUNCTIONS(X)             \
  X(cairo_clip)                                 \
  X(cairo_copy_path)                            \
  X(cairo_create)                               \
  X(cairo_destroy)                              \
  X(cairo_fill)                                 \
  X(cairo_ft_font_face_create_for_ft_face)      \
  X(cairo_glyph_path)                           \
  X(cairo_identity_matrix)                      \
  X(cairo_image_surface_create)                 \
  X(cairo_image_surface_create_from_png_stream) \
  X(cairo_image_surface_get_height)             \
  X(cairo_image_surface_get_width)              \
  X(cairo_line_to)                              \
  X(cairo_move_to)                              \
  X(cairo_new_path)                             \
  X(cairo_paint)                                \
  X(cairo_path_destroy)                         \
  X(cairo_pdf_surface_create_for_stream)        \
  X(cairo_recording_surface_create)             \
  X(cairo_rectangle)                            \
  X(cairo_restore)                              \
  X(cairo_save)                                 \
  X(cairo_scale)                                \
  X(cairo_set_dash)                             \
  X(cairo_set_font_face)                        \
  X(cairo_set_font_size)                        \
  X(cairo_set_line_width)                       \
  X(cairo_set_source_rgb)                       \
  X(cairo_set_source_surface)                   \
  X(cairo_show_glyphs)                          \
  X(cairo_status_to_string)                     \
  X(cairo_stroke)                               \
  X(cairo_surface_destroy)                      \
  X(cairo_surface_finish)                       \
  X(cairo_surface_status)                       \
  X(cairo_surface_write_to_png_stream)          \
  X(cairo_translate)

// The functions, under their own names: library.cairo_fill(cr).
struct CairoLibrary {
#define CTRLELEM_CAIRO_POINTER(name) decltype(&::name) name = nullptr;
  CTRLELEM_CAIRO_FUNCTIONS(CTRLELEM_CAIRO_POINTER)
#undef CTRLELEM_CAIRO_POINTER
};

// Opens libcairo once per process; false, with what went wrong in `error`,
// when it or one of its functions is missing. Commands that draw call it
// before anything else.
bool OpenCairo(std::string* error);

// The opened library. Drawing without a successful OpenCairo is a
// programming error: the tool stops with a message.
const CairoLibrary& Cairo();

}  // namespace ctrlelem_tool::render
