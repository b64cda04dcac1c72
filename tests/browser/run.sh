#!/usr/bin/env bash
# Writes a gallery with two languages and drives it in headless Chromium.
# Usage: tests/browser/run.sh CTRLELEM_BINARY
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/../.."
tool="$1"
site="$(mktemp -d)"
trap 'rm -rf "$site"' EXIT

"$tool" gallery "$site" --language "$root/languages/english.lng" \
  --language "$root/languages/deutsch.lng" --languages-dir "$root/languages" >/dev/null
cd "$here"
npm ci --no-audit --no-fund --loglevel=error >/dev/null
node gallery_test.mjs "$site"
