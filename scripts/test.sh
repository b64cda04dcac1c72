#!/usr/bin/env bash
# Installs what is missing, runs the fuzzers for a fixed number of inputs, then
# builds and runs every test twice: with GCC (then installs that build and
# builds the examples against it), and with Clang under AddressSanitizer and
# UndefinedBehaviorSanitizer; the concurrency tests under ThreadSanitizer; last,
# the Windows builds' tests under Wine, 32-bit and 64-bit, and a C program built
# for the MSVC ABI that reads descriptions through ctrlelem_c.dll
# (scripts/windows.sh). Warnings are errors here. Each part prints how long it
# took.
set -euo pipefail
cd "$(dirname "$0")/.."

# Runs one phase and prints how long it took: phase NAME COMMAND [ARG...]
phase() {
  local name="$1" start=$SECONDS
  shift
  "$@"
  echo "phase $name: $((SECONDS - start)) s"
}

phase dependencies bash scripts/install-deps.sh
jobs="$(nproc)"

# Fixed seeds and run counts: the same inputs on every run. Each fuzzer starts
# from its seed corpus (fuzz/corpus/NAME, read only; what it finds goes to a
# scratch folder). -max_len is large where the cost grows with the input, so
# superlinear code meets long inputs, and -timeout (seconds per input) is low
# enough that such code fails the run.
fuzz() {
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCTRLELEM_FUZZ=ON -DCTRLELEM_BUILD_TESTS=OFF -DCTRLELEM_BUILD_BENCHMARKS=OFF -DCTRLELEM_WERROR=ON >/dev/null
  cmake --build build-fuzz -j"$jobs"
  #        name                runs    max_len  timeout
  local fuzzers="packet_fuzzer       400000  65536    2
           lng_fuzzer          25000   262144   2
           infobar_fuzzer      100000  65536    2
           format_label_fuzzer 8000    262144   2
           descriptions_fuzzer 1200    262144   10
           host_readers_fuzzer 10000   65536    5
           lng_update_fuzzer   40000   65536    2
           screen_options_fuzzer 1000000 4096   2"
  local name runs max_len timeout log scratch
  while read -r name runs max_len timeout; do
    log="build-fuzz/$name.log"
    scratch="build-fuzz/corpus/$name"
    rm -rf "$scratch" && mkdir -p "$scratch"
    # Undefined behaviour stops the run like a crash.
    if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 build-fuzz/fuzz/"$name" -seed=1 \
      -runs="$runs" -max_len="$max_len" -timeout="$timeout" -artifact_prefix=build-fuzz/ \
      "$scratch" "fuzz/corpus/$name" >"$log" 2>&1; then
      cat "$log"
      exit 1
    fi
    echo "$name: $(grep -E '^Done' "$log")"
  done <<<"$fuzzers"
}

# The GCC build, configured as scripts/run.sh configures it, so the two share
# build/.
gcc_build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
    -DCTRLELEM_WERROR=ON >/dev/null
  cmake --build build -j"$jobs"
}

# The C interface from Python (ctypes, standard library only): the main
# window's caption and children, read from its bytes and from its JSON.
python_example() {
  python3 examples/python/describe_main_window.py --library build/c_api/libctrlelem_c.so
}

# The concurrency tests under ThreadSanitizer: concurrent and repeated
# InitPacketsLib, lookups, and language changes under readers.
thread_sanitizer() {
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCTRLELEM_SANITIZE_THREAD=ON -DCTRLELEM_BUILD_BENCHMARKS=OFF -DCTRLELEM_WERROR=ON >/dev/null
  cmake --build build-tsan -j"$jobs" --target ctrlelem_pack_tests language_tests c_api_tests
  local concurrency_tests='*Concurrent*:*WhileTheLanguageChanges*'
  TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/ctrlelem_pack_tests --gtest_filter="$concurrency_tests"
  TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/language_tests --gtest_filter="$concurrency_tests"
  TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/c_api_tests --gtest_filter="$concurrency_tests"
}

# Clang with AddressSanitizer and UndefinedBehaviorSanitizer; the browser run
# is the GCC build's.
address_sanitizer() {
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DCTRLELEM_SANITIZE=ON -DCTRLELEM_BUILD_BENCHMARKS=OFF -DCTRLELEM_WERROR=ON >/dev/null
  cmake --build build-sanitize -j"$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -E gallery_browser
}

phase fuzz fuzz
phase gcc-build gcc_build
phase gcc-tests ctest --test-dir build --output-on-failure -j"$jobs"
# The installed package as an outside project uses it, and the host
# developers' page's commands exactly as the page writes them.
phase consume bash scripts/consume.sh build
phase docs-snippets bash scripts/docs-snippets.sh
phase python-example python_example
phase thread-sanitizer thread_sanitizer
phase address-sanitizer address_sanitizer
echo "linux: $SECONDS s"

# Windows: the cross build's tests under Wine, and the same output as the
# Linux tool just tested.
phase windows bash scripts/windows.sh build/tool/ctrlelem
# The reference host under Wine in a virtual X display: every element's real
# box against the layout model, captures, menus and a resize.
phase native-host bash scripts/native-host.sh build/tool/ctrlelem
echo "total: $SECONDS s"
