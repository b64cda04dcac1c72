#!/usr/bin/env bash
# Rewrites the golden record (tests/golden/*.txt) from the current build after an
# intended change to the descriptions; review the result with `git diff tests/golden`.
# Usage: scripts/update-golden.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target golden_tests
CTRLELEM_UPDATE_GOLDEN=1 "$build/tests/golden_tests"
git status --short tests/golden
