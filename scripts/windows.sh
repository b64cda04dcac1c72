#!/usr/bin/env bash
# Windows: cross-builds language.dll, ctrlelem_pack.dll, ctrlelem_c.dll,
# ctrlelem.exe and the test programs with MinGW-w64, for 32-bit Windows (the
# build a 32-bit host loads) into build-windows/ and for 64-bit Windows into
# build-windows-x64/; runs every test of each under Wine; and, given the path of
# a Linux build of ctrlelem, checks that both tools print the same bytes and
# that a C program built for the MSVC ABI reads the same descriptions through
# ctrlelem_c.dll as the Linux build's libctrlelem_c.so gives.
#   bash scripts/windows.sh [PATH/TO/LINUX/ctrlelem]
# Each build runs in a Wine prefix of its own, BUILD/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

# googletest: the sources the cross builds compile their own GoogleTest from.
# wine32:i386 runs the 32-bit programs (the i386 architecture is added for it).
bash scripts/install-deps.sh mingw-w64 wine64 wine wine32:i386 googletest
jobs="$(nproc)"
linux_tool="${1:-}"
if [[ -n "$linux_tool" ]]; then
  linux_tool="$(realpath "$linux_tool")"
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# Builds, tests and compares one architecture:
#   windows ARCH BUILD_FOLDER OBJECT_FORMAT
windows() {
  local arch="$1" build="$2" format="$3"
  local phase=$SECONDS
  # Warnings are errors here as in the Linux build: MinGW's GCC is GCC.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-$arch.cmake" -DCTRLELEM_BUILD_BENCHMARKS=OFF \
    -DCTRLELEM_WERROR=ON "${launcher[@]}" >/dev/null
  cmake --build "$build" -j"$jobs"

  # The DLLs are of the architecture asked for (pei-i386 is PE32).
  local dll found
  for dll in language ctrlelem_pack ctrlelem_c; do
    found="$("$arch-w64-mingw32-objdump" -f "$build/bin/$dll.dll" | sed -n 's/.*file format //p')"
    if [[ "$found" != "$format" ]]; then
      echo "windows ($arch): $dll.dll is $found, not $format" >&2
      exit 1
    fi
  done
  echo "windows ($arch): language.dll, ctrlelem_pack.dll, ctrlelem_c.dll are $format"

  # The same settings as the tests' emulator (cmake/windows.cmake): a prefix in
  # the build folder, no debug output, no offers to install Mono or Gecko.
  export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi

  ctest --test-dir "$build" --output-on-failure -j"$jobs"

  # Byte for byte the same output on both platforms, for the same screen and
  # strings: given resolutions and metrics, and a translated language file. (Not
  # with a languages folder: the language list's keys are the platform's paths,
  # and the submenu labels a key that holds a backslash with its file name.)
  if [[ -n "$linux_tool" ]]; then
    local out="$build/identity"
    mkdir -p "$out"
    local runs=(
      "--dpi 96"
      "--dpi 120 --metrics cxframe=5"
      "--dpi 144x120 --metrics cxmenucheck=17,cycaption=30"
      "--dpi 120 --language languages/deutsch.lng"
    )
    local i args
    for i in "${!runs[@]}"; do
      read -ra args <<<"${runs[$i]}"
      "$linux_tool" dump --json "${args[@]}" >"$out/linux-$i.json"
      wine "$build/bin/ctrlelem.exe" dump --json "${args[@]}" >"$out/windows-$i.json"
      if ! cmp "$out/linux-$i.json" "$out/windows-$i.json"; then
        echo "identity ($arch): Linux and Windows differ for: dump --json ${runs[$i]}" >&2
        exit 1
      fi
      echo "identity ($arch): dump --json ${runs[$i]}: $(wc -c <"$out/linux-$i.json") bytes, the same"
    done
  fi
  wineserver -w
  echo "windows $arch: $((SECONDS - phase)) s"
}

windows i686 build-windows pei-i386
windows x86_64 build-windows-x64 pei-x86-64

# A host of another compiler: a C program built for the MSVC ABI (clang and
# lld-link, without any C runtime: kernel32 only), linked with import libraries
# that llvm-dlltool makes from module-definition files, loads the 32-bit
# ctrlelem_c.dll under Wine and writes the bytes of ids 1, 102 and 5 (not
# registered), which must be those of the Linux build's libctrlelem_c.so, and
# the layout of 102, which must be the one the Windows tool prints (the two
# platforms' fonts differ in line height, so lines may stand a pixel apart).
phase=$SECONDS
build="build-windows"
out="$build/msvc-consumer"
rm -rf "$out" && mkdir -p "$out"
clang --target=i686-pc-windows-msvc -std=c89 -Wall -Wextra -Wpedantic -Werror -O2 \
  -ffreestanding -fno-stack-protector -fno-builtin -Ic_api/include \
  -c tests/windows/msvc_consumer.c -o "$out/msvc_consumer.obj"
llvm-dlltool -m i386 -d c_api/ctrlelem_c.def -l "$out/ctrlelem_c.lib"
llvm-dlltool -m i386 -k -d tests/windows/msvc_kernel32.def -l "$out/kernel32.lib"
lld-link /nologo /subsystem:console /entry:consumer_main /nodefaultlib /out:"$out/msvc_consumer.exe" \
  "$out/msvc_consumer.obj" "$out/ctrlelem_c.lib" "$out/kernel32.lib"
cp "$build/bin/ctrlelem_c.dll" "$out/"
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
(cd "$out" && wine msvc_consumer.exe)
if [[ -n "$linux_tool" ]]; then
  linux_c="$(dirname "$(dirname "$linux_tool")")/c_api/libctrlelem_c.so"
  if [[ ! -f "$linux_c" ]]; then
    echo "msvc consumer: $linux_c is missing: build the Linux ctrlelem_c beside the tool" >&2
    exit 1
  fi
  python3 - "$linux_c" "$out" <<'PYTHON'
# The same calls through the Linux library: the same settings, the same ids.
import ctypes, pathlib, sys
lib = ctypes.CDLL(sys.argv[1])
lib.ctrlelem_c_set_screen.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
lib.ctrlelem_c_description.restype = ctypes.c_size_t
lib.ctrlelem_c_description.argtypes = [ctypes.c_uint32, ctypes.c_char_p, ctypes.c_size_t]
assert lib.ctrlelem_c_set_screen(b"120", b"cxframe=5") == 0
assert lib.ctrlelem_c_init() == 0
for id in (1, 102, 5):
    size = lib.ctrlelem_c_description(id, None, 0)
    buf = ctypes.create_string_buffer(size)
    assert lib.ctrlelem_c_description(id, buf, size) == size
    pathlib.Path(sys.argv[2], f"linux-{id}.bin").write_bytes(buf.raw)
PYTHON
  for id in 1 102 5; do
    if ! cmp "$out/linux-$id.bin" "$out/description-$id.bin"; then
      echo "msvc consumer: id $id differs from the Linux library's" >&2
      exit 1
    fi
  done
  echo "msvc consumer: ids 1, 102, 5: the bytes of libctrlelem_c.so"
fi
wine "$build/bin/ctrlelem.exe" layout 102 --json --dpi 120 --metrics cxframe=5 |
  tr -d '\r' >"$out/tool-layout-102.json"
if ! cmp "$out/tool-layout-102.json" "$out/layout-102.json"; then
  echo "msvc consumer: the layout of 102 differs from ctrlelem.exe layout's" >&2
  exit 1
fi
echo "msvc consumer: the layout of 102 is the one ctrlelem.exe layout prints"
wineserver -w
echo "msvc consumer: $((SECONDS - phase)) s"
echo "windows: $((SECONDS - start)) s"
