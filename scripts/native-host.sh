#!/usr/bin/env bash
# The reference host under Wine, on a virtual X screen: ctrlelem_view.exe of the
# 32-bit build (build-windows/) shows all descriptions in one process, captures
# each window and reports where every element really is, at the initial size
# and resized; scripts/native_host_check.py then holds that against the Linux
# tool's layout model (boxes, captures, menu item counts).
#   bash scripts/native-host.sh [PATH/TO/LINUX/ctrlelem]
# Needs the Linux tool (default build/tool/ctrlelem) and the i686 cross build
# (scripts/windows.sh makes both); builds ctrlelem_view there if it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

bash scripts/install-deps.sh mingw-w64 wine wine32:i386 xvfb python3
linux_tool="$(realpath "${1:-build/tool/ctrlelem}")"
build=build-windows
# The model's window size the resize is checked at, and the screen settings
# both sides are given (the host otherwise asks Wine's screen).
size=900x700
screen=(--dpi 96)

if [[ ! -f "$build/bin/ctrlelem_view.exe" ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCTRLELEM_BUILD_BENCHMARKS=OFF \
    -DCTRLELEM_WERROR=ON >/dev/null
  cmake --build "$build" --target ctrlelem_view
fi

export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

# A screen of its own, on the first free display; stopped however this ends.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
read -r -t 10 display <&"$display_fd" || { echo "native host: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
# Without a window manager nothing draws a caption bar: Wine draws its own.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1

out="$build/native-host"
rm -rf "$out" && mkdir -p "$out"
phase=$SECONDS
wine "$build/bin/ctrlelem_view.exe" --capture-all "$(winepath -w "$out")" --layout-json \
  --size "$size" "${screen[@]}"
echo "native host: one Wine process for all ids: $((SECONDS - phase)) s"
python3 scripts/native_host_check.py "$linux_tool" "$out" "$size" "${screen[@]}"
wineserver -w
echo "native host: $((SECONDS - start)) s"
