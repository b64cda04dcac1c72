#!/usr/bin/env bash
# Windows: cross-builds language.dll, ctrlelem_pack.dll, ctrlelem.exe and the
# test programs with MinGW-w64 into build-windows/, runs every test under Wine,
# and, given the path of a Linux build of ctrlelem, checks that both tools print
# the same bytes.
#   bash scripts/windows.sh [PATH/TO/LINUX/ctrlelem]
# Everything runs in a Wine prefix of its own, build-windows/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

# googletest: the sources the cross build compiles its own GoogleTest from.
bash scripts/install-deps.sh mingw-w64 wine64 wine googletest
jobs="$(nproc)"
build=build-windows
linux_tool="${1:-}"
if [[ -n "$linux_tool" ]]; then
  linux_tool="$(realpath "$linux_tool")"
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCTRLELEM_BUILD_BENCHMARKS=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$jobs"

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
  out="$build/identity"
  mkdir -p "$out"
  runs=(
    "--dpi 96"
    "--dpi 120 --metrics cxframe=5"
    "--dpi 144x120 --metrics cxmenucheck=17,cycaption=30"
    "--dpi 120 --language languages/deutsch.lng"
  )
  for i in "${!runs[@]}"; do
    read -ra args <<<"${runs[$i]}"
    "$linux_tool" dump --json "${args[@]}" >"$out/linux-$i.json"
    wine "$build/bin/ctrlelem.exe" dump --json "${args[@]}" >"$out/windows-$i.json"
    if ! cmp "$out/linux-$i.json" "$out/windows-$i.json"; then
      echo "identity: Linux and Windows differ for: dump --json ${runs[$i]}" >&2
      exit 1
    fi
    echo "identity: dump --json ${runs[$i]}: $(wc -c <"$out/linux-$i.json") bytes, the same"
  done
fi
wineserver -w
echo "windows: $((SECONDS - start)) s"
