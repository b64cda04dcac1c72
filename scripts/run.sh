#!/usr/bin/env bash
# Installs what is missing, builds, and prints the main window's description.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target ctrlelem
build/tool/ctrlelem dump 1 "$@"
