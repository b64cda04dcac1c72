#!/usr/bin/env bash
# Installs what is missing, runs the fuzzers for a fixed number of inputs, then
# builds and runs every test twice: with GCC (then installs that build and
# builds the examples against it), and with Clang under AddressSanitizer and
# UndefinedBehaviorSanitizer; last, the Windows build's tests under Wine
# (scripts/windows.sh). Warnings are errors here. Each part prints how long it
# took.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs="$(nproc)"

# Fixed seeds and run counts: the same inputs on every run.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCTRLELEM_FUZZ=ON -DCTRLELEM_BUILD_TESTS=OFF -DCTRLELEM_BUILD_BENCHMARKS=OFF -DCTRLELEM_WERROR=ON >/dev/null
cmake --build build-fuzz -j"$jobs"
for fuzzer in packet_fuzzer:1000000 lng_fuzzer:500000 infobar_fuzzer:200000 format_label_fuzzer:200000; do
  name="${fuzzer%%:*}"
  log="build-fuzz/$name.log"
  if ! build-fuzz/fuzz/"$name" -seed=1 -runs="${fuzzer##*:}" -max_len=4096 \
    -artifact_prefix=build-fuzz/ >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  echo "$name: $(grep -E '^Done' "$log")"
done

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
  -DCTRLELEM_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The installed package as an outside project uses it.
bash scripts/consume.sh build

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCTRLELEM_SANITIZE=ON -DCTRLELEM_BUILD_BENCHMARKS=OFF -DCTRLELEM_WERROR=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
echo "linux: $SECONDS s"

# Windows: the cross build's tests under Wine, and the same output as the
# Linux tool just tested.
bash scripts/windows.sh build/tool/ctrlelem
