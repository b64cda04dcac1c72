#!/usr/bin/env bash
# Uses the project as an outside project would: installs a build into a
# temporary prefix, builds examples/ against the installed package only (once
# with find_package, once with pkg-config), runs the examples and the installed
# tool. Usage: scripts/consume.sh [BUILD_DIR]   (default: build, already built)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
work="$(mktemp -d "${TMPDIR:-/tmp}/ctrlelem-consume.XXXXXX")"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
echo "consume: installed into $prefix"

# Checks that a program's output holds a line.
expect() {
  local output="$1" line="$2"
  if ! grep -qxF -- "$line" <<<"$output"; then
    echo "consume: expected the line '$line' in:" >&2
    echo "$output" >&2
    exit 1
  fi
}

run_examples() {
  local bin="$1" how="$2" output
  output="$("$bin/main_window")"
  expect "$output" "main window children: 51"
  echo "consume ($how): $(tr '\n' ';' <<<"$output")"
  output="$("$bin/dialog_viewer" 101 400 300)"
  expect "$output" "description 101 (window) in a 400 x 300 window:"
  echo "consume ($how): dialog_viewer 101 400 300 printed $(wc -l <<<"$output") lines"
}

# The installed headers, seen as a host sees them: the include flags of the two
# pkg-config modules (the CMake targets name the same folder).
pc_dir="$(dirname "$(find "$prefix" -name ctrlelem_pack.pc)")"
# shellcheck disable=SC2207 # the flags are words
host_flags=($(PKG_CONFIG_PATH="$pc_dir" pkg-config --cflags ctrlelem_pack ctrlelem_pack_host))
# Whether a translation unit that includes only the header compiles. It is
# compiled in an empty folder: "..." includes look beside the source first, and
# the repository's root must not stand in for the installed tree.
mkdir -p "$work/empty"
compile_alone() {
  (cd "$work/empty" && printf '#include "%s"\n' "$1" |
    c++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror "${host_flags[@]}" -x c++ -)
}
compiles() { compile_alone "$1" 2>/dev/null; }

# Every installed header compiles on its own.
headers=0
while IFS= read -r header; do
  if ! compiles "$header"; then
    echo "consume: the installed header $header does not compile on its own:" >&2
    compile_alone "$header" >&2 || true
    exit 1
  fi
  headers=$((headers + 1))
done < <(cd "$prefix/include" && find . -type f | sed 's|^\./||' | sort)
echo "consume: $headers installed headers compile on their own"

# No other header of the project is reachable: every spelling of its path (each
# tail of it: ctrlelem_pack/schema/writers.h, schema/writers.h, writers.h) fails.
private=0
while IFS= read -r header; do
  [[ -f "$prefix/include/$header" || -f "$prefix/include/${header#*/include/}" ]] && continue
  spelling="$header"
  while :; do
    if compiles "$spelling"; then
      echo "consume: a host can include the project header $header as \"$spelling\"" >&2
      exit 1
    fi
    [[ "$spelling" == */* ]] || break
    spelling="${spelling#*/}"
  done
  private=$((private + 1))
done < <(git ls-files '*.h' | grep -vE '^(tests|benchmarks|fuzz|examples)/')
echo "consume: $private project headers outside the installed tree cannot be included"

# find_package: nothing but the prefix is known to the examples' project.
cmake -S examples -B "$work/find_package" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >/dev/null
cmake --build "$work/find_package" >/dev/null
run_examples "$work/find_package" find_package

# pkg-config, with a plain compiler line.
export PKG_CONFIG_PATH="$(dirname "$(find "$prefix" -name ctrlelem_pack.pc)")"
libdir="$(pkg-config --variable=libdir ctrlelem_pack)"
mkdir -p "$work/pkg-config"
# shellcheck disable=SC2046 # the flags are words
c++ -std=c++20 examples/main_window.cpp -o "$work/pkg-config/main_window" \
  $(pkg-config --cflags --libs ctrlelem_pack) -Wl,-rpath,"$libdir"
# shellcheck disable=SC2046
c++ -std=c++20 examples/dialog_viewer.cpp -o "$work/pkg-config/dialog_viewer" \
  $(pkg-config --cflags --libs ctrlelem_pack ctrlelem_pack_host) -Wl,-rpath,"$libdir"
run_examples "$work/pkg-config" pkg-config

# The installed tool finds its libraries through its RPATH.
version="$("$prefix/bin/ctrlelem" --version)"
expect "$version" "ctrlelem $(sed -n 's/^project(ctrlelem_pack VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
echo "consume: $version"
ids="$("$prefix/bin/ctrlelem" list | wc -l)"
echo "consume: ctrlelem list printed $ids lines"
