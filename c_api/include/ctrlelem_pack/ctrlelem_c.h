/* ctrlelem_c: the descriptions through a plain C interface, for hosts that do
 * not share the C++ runtime of ctrlelem_pack.dll (MSVC, C#, Python, Rust, ...).
 *
 * The library is self-contained: it builds the descriptions itself, with its
 * own copy of the packet library, and on Windows it needs no MinGW runtime DLL.
 * A description comes back as the bytes of its packet (docs/wire-format.md) or
 * as JSON, and its layout (where every element stands) as JSON; the caller
 * owns every buffer.
 *
 *   ctrlelem_c_set_screen("120", NULL);            optional, before init
 *   ctrlelem_c_set_language_file("deutsch.lng");   optional, before init
 *   if (ctrlelem_c_init() != CTRLELEM_C_OK) { read ctrlelem_c_last_error }
 *   size = ctrlelem_c_description(1, NULL, 0);      the size of id 1
 *   buffer = malloc(size);
 *   ctrlelem_c_description(1, buffer, size);        the bytes
 *   ctrlelem_c_layout_json(1, 0, 0, text, cap);     where its elements stand
 *
 * Size protocol: a function that fills a buffer returns the full size of its
 * result and copies it only when `cap` is at least that size (text results
 * also get a terminating NUL, not counted, when `cap` is larger). A NULL
 * buffer with `cap` 0 asks for the size alone; a NULL buffer with a non-zero
 * `cap` is an error (CTRLELEM_C_SIZE_ERROR).
 *
 * Errors: functions returning int give CTRLELEM_C_OK or one of the codes
 * below; those returning size_t give CTRLELEM_C_SIZE_ERROR. The message of the
 * last failing call is kept for ctrlelem_c_last_error. No exception and no
 * crash crosses the interface for any argument.
 *
 * Threads: settings and init take a lock; after ctrlelem_c_init has returned,
 * description lookups and layouts may run on any number of threads.
 *
 * Strings and paths are UTF-8 on every platform. The header is C89 apart from
 * <stdint.h>. */
#ifndef CTRLELEM_PACK_CTRLELEM_C_H
#define CTRLELEM_PACK_CTRLELEM_C_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(CTRLELEM_C_BUILDING)
#define CTRLELEM_C_API __declspec(dllexport)
#else
#define CTRLELEM_C_API __declspec(dllimport)
#endif
#define CTRLELEM_C_CALL __cdecl
#elif defined(__GNUC__)
#define CTRLELEM_C_API __attribute__((visibility("default")))
#define CTRLELEM_C_CALL
#else
#define CTRLELEM_C_API
#define CTRLELEM_C_CALL
#endif

/* The version of this interface that ctrlelem_c_abi_version reports. Each
 * version keeps every function of the earlier ones: a host checks that the
 * loaded library's version is at least the one it was written for.
 *   1  settings, init, descriptions as bytes and JSON, the last error
 *   2  ctrlelem_c_layout_json */
#define CTRLELEM_C_ABI_VERSION 2

/* Results of the functions that return int. */
#define CTRLELEM_C_OK 0
#define CTRLELEM_C_ERROR_ARGUMENT 1 /* a bad resolution or metric list */
#define CTRLELEM_C_ERROR_LANGUAGE 2 /* a language file or folder that cannot be used */
#define CTRLELEM_C_ERROR_STATE 3    /* a setting given after ctrlelem_c_init */
#define CTRLELEM_C_ERROR_INTERNAL 4 /* out of memory, or another failure while building */

/* What the functions that return size_t give on an error. */
#define CTRLELEM_C_SIZE_ERROR ((size_t)-1)

#ifdef __cplusplus
extern "C" {
#endif

/* CTRLELEM_C_ABI_VERSION of the library that is loaded. */
CTRLELEM_C_API uint32_t CTRLELEM_C_CALL ctrlelem_c_abi_version(void);

/* The screen the descriptions are built for, in the forms of the ctrlelem
 * tool's options: `dpi` "N" or "NxM" (horizontal x vertical, 1..10000),
 * `metrics` "NAME=VALUE[,...]" with cxmenucheck, cxframe, cyframe, cycaption
 * (0..10000). NULL (or "") keeps the system's value. Each call replaces the
 * previous one whole; on an error nothing changes. Before ctrlelem_c_init. */
CTRLELEM_C_API int CTRLELEM_C_CALL ctrlelem_c_set_screen(const char* dpi, const char* metrics);

/* The language file (.lng) the strings come from; NULL (or "") selects the
 * built-in English strings. A file that cannot be read or does not parse is
 * refused with its name, line and reason, and the language stays as it was.
 * Before ctrlelem_c_init. */
CTRLELEM_C_API int CTRLELEM_C_CALL ctrlelem_c_set_language_file(const char* utf8_path);

/* The folder whose .lng files make the language menu's list; NULL (or "")
 * leaves the list empty. Refused when it is not a readable folder. Before
 * ctrlelem_c_init. */
CTRLELEM_C_API int CTRLELEM_C_CALL ctrlelem_c_set_languages_dir(const char* utf8_path);

/* Builds every description with the settings given so far. Settings are
 * refused from the first call on. After a successful call a further one
 * succeeds and changes nothing; after a failed one (CTRLELEM_C_ERROR_INTERNAL,
 * out of memory) a further call builds what is still missing and keeps what
 * was built. */
CTRLELEM_C_API int CTRLELEM_C_CALL ctrlelem_c_init(void);

/* The bytes of the description registered under `id` (the packet format of
 * docs/wire-format.md); for an id that is not registered, or before
 * ctrlelem_c_init, the 14 bytes of the empty packet. Returns the size; copies
 * when `cap` is at least that. */
CTRLELEM_C_API size_t CTRLELEM_C_CALL ctrlelem_c_description(uint32_t id, unsigned char* buf,
                                                             size_t cap);

/* The same description as JSON, UTF-8: the "packet" member of
 * `ctrlelem dump --json ID` as a document of its own (the same members and
 * values in the same order, ending with a newline). Returns the size without
 * the terminating NUL. */
CTRLELEM_C_API size_t CTRLELEM_C_CALL ctrlelem_c_description_json(uint32_t id, char* buf,
                                                                  size_t cap);

/* Where every element of the description registered under `id` stands, as
 * JSON, UTF-8: the document `ctrlelem layout ID --json` prints, for a window
 * of `width` x `height` pixels (0 for a side takes the initial size; the size
 * is clamped to the description's minimum and maximum), texts measured in the
 * screen layer's font at the resolution and metrics of ctrlelem_c_set_screen.
 * CTRLELEM_C_SIZE_ERROR for an id that is not registered, before
 * ctrlelem_c_init, or for a side over 16384. Returns the size without the
 * terminating NUL. (Since version 2.) */
CTRLELEM_C_API size_t CTRLELEM_C_CALL ctrlelem_c_layout_json(uint32_t id, uint32_t width,
                                                             uint32_t height, char* buf,
                                                             size_t cap);

/* The UTF-8 message of the last call that failed, in any thread; size 0 when
 * none has failed. Returns the size without the terminating NUL. */
CTRLELEM_C_API size_t CTRLELEM_C_CALL ctrlelem_c_last_error(char* buf, size_t cap);

#ifdef __cplusplus
}
#endif

#endif /* CTRLELEM_PACK_CTRLELEM_C_H */
