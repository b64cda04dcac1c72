/* A host of another compiler: built for the MSVC ABI without any C runtime, it
 * uses ctrlelem_c.dll through its C interface only, and kernel32 for output.
 * With the screen of the Windows identity check (120 dpi, cxframe 5) it writes
 * the bytes of ids 1, 102 and 5 (not registered) to description-ID.bin in the
 * current folder and the layout of 102 to layout-102.json, prints their sizes,
 * and checks three refusals on the way. The exit status is 0 when every step
 * went as the interface promises. */
#include "ctrlelem_pack/ctrlelem_c.h"

typedef void* HANDLE;
typedef unsigned long DWORD;

#define STD_OUTPUT_HANDLE ((DWORD)-11)
#define GENERIC_WRITE 0x40000000UL
#define CREATE_ALWAYS 2UL
#define FILE_ATTRIBUTE_NORMAL 0x80UL
#define INVALID_HANDLE_VALUE ((HANDLE)(long)-1)

__declspec(dllimport) HANDLE __stdcall GetStdHandle(DWORD which);
__declspec(dllimport) int __stdcall WriteFile(HANDLE file, const void* data, DWORD size,
                                              DWORD* written, void* overlapped);
__declspec(dllimport) HANDLE
    __stdcall CreateFileA(const char* name, DWORD access, DWORD share, void* security,
                          DWORD disposition, DWORD attributes, HANDLE template_file);
__declspec(dllimport) int __stdcall CloseHandle(HANDLE handle);
__declspec(dllimport) void __stdcall ExitProcess(unsigned int status);

/* Large enough for any description (id 1, the largest, is about 41 KB). */
static unsigned char description[1 << 20];
static char message[1024];

static unsigned length_of(const char* text) {
  unsigned n = 0;
  while (text[n] != '\0') ++n;
  return n;
}

static void write_out(const void* data, unsigned size) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), data, size, &written, 0);
}

static void print(const char* text) { write_out(text, length_of(text)); }

/* The decimal digits of n, in a buffer of the caller's. */
static const char* decimal(unsigned long n, char* buffer, unsigned size) {
  char* at = buffer + size - 1;
  *at = '\0';
  do {
    *--at = (char)('0' + n % 10);
    n /= 10;
  } while (n != 0 && at > buffer);
  return at;
}

static void print_number(unsigned long n) {
  char digits[16];
  print(decimal(n, digits, sizeof digits));
}

static void print_last_error(void) {
  size_t size = ctrlelem_c_last_error(message, sizeof message);
  if (size < sizeof message) print(message);
  print("\n");
}

/* Appends text at name[*at]. (A string initialiser would need memcpy, which
 * a program without a C runtime does not have.) */
static void append(char* name, unsigned* at, const char* text) {
  while (*text != '\0') name[(*at)++] = *text++;
  name[*at] = '\0';
}

/* Writes PREFIX-ID.SUFFIX; returns 0 on success. */
static int save(const char* prefix, uint32_t id, const char* suffix, const void* data,
                size_t size) {
  char name[48];
  char digits[16];
  unsigned at = 0;
  DWORD written = 0;
  HANDLE file;
  int ok;
  append(name, &at, prefix);
  append(name, &at, decimal(id, digits, sizeof digits));
  append(name, &at, suffix);
  file = CreateFileA(name, GENERIC_WRITE, 0, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
  if (file == INVALID_HANDLE_VALUE) return 1;
  ok = WriteFile(file, data, (DWORD)size, &written, 0) && written == size;
  CloseHandle(file);
  return ok ? 0 : 1;
}

void __cdecl consumer_main(void) {
  static const uint32_t ids[] = {1, 102, 5};
  unsigned i;
  int failures = 0;

  if (ctrlelem_c_abi_version() != CTRLELEM_C_ABI_VERSION) {
    print("ctrlelem_c.dll has another ABI version\n");
    ExitProcess(1);
  }
  if (ctrlelem_c_set_screen("abc", 0) != CTRLELEM_C_ERROR_ARGUMENT) ++failures;
  print("refused as it should: ");
  print_last_error();
  if (ctrlelem_c_set_screen("120", "cxframe=5") != CTRLELEM_C_OK ||
      ctrlelem_c_init() != CTRLELEM_C_OK) {
    print_last_error();
    ExitProcess(1);
  }
  if (ctrlelem_c_set_language_file(0) != CTRLELEM_C_ERROR_STATE) ++failures;
  print("refused as it should: ");
  print_last_error();

  for (i = 0; i < sizeof ids / sizeof ids[0]; ++i) {
    size_t size = ctrlelem_c_description(ids[i], 0, 0);
    if (size > sizeof description ||
        ctrlelem_c_description(ids[i], description, sizeof description) != size ||
        save("description-", ids[i], ".bin", description, size) != 0) {
      ++failures;
      continue;
    }
    print("id ");
    print_number(ids[i]);
    print(": ");
    print_number((unsigned long)size);
    print(" bytes\n");
  }

  {
    size_t size = ctrlelem_c_layout_json(102, 0, 0, 0, 0);
    if (size > sizeof description ||
        ctrlelem_c_layout_json(102, 0, 0, (char*)description, sizeof description) != size ||
        save("layout-", 102, ".json", description, size) != 0) {
      ++failures;
    } else {
      print("layout of 102: ");
      print_number((unsigned long)size);
      print(" bytes of JSON\n");
    }
  }
  if (ctrlelem_c_layout_json(107, 0, 0, 0, 0) != CTRLELEM_C_SIZE_ERROR) ++failures;
  print("refused as it should: ");
  print_last_error();
  ExitProcess(failures == 0 ? 0 : 1);
}
