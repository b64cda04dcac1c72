#!/usr/bin/env bash
# Installs what is missing, builds the tool, and prints the main window's
# description. It configures build/ exactly as scripts/test.sh does (GCC,
# RelWithDebInfo, warnings as errors), so the two share one build and neither
# throws the other's away.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
  -DCTRLELEM_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)" --target ctrlelem
build/tool/ctrlelem dump 1 "$@"
