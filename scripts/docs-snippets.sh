#!/usr/bin/env bash
# Runs the commands docs/host-sdk.md tells a host developer to copy, exactly as
# the page writes them: the install from the repository's root, then, in a new
# folder holding the page's files (first_host.cpp, CMakeLists.txt), the CMake
# and the pkg-config builds of the first host, each run. The page marks them:
#   <!-- snippet: NAME (run from the repository's root) -->   a sh block to run there
#   <!-- snippet: NAME (run in the host's folder) -->         a sh block to run in the folder
#   <!-- file: NAME -->                                        a block to write as that file
# HOME is a scratch folder, so "$HOME/ctrlelem_pack" of the page lands there.
# Usage: scripts/docs-snippets.sh [PAGE]   (default: docs/host-sdk.md)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
page="${1:-docs/host-sdk.md}"
work="$(mktemp -d "${TMPDIR:-/tmp}/ctrlelem-snippets.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/host"

# Splits the page into numbered pieces: for each marked block, a line
# "KIND<TAB>NAME<TAB>WHERE<TAB>FILE" on stdout and the block's text in FILE.
python3 - "$page" "$work" >"$work/index" <<'PY'
import re, sys
page, work = sys.argv[1], sys.argv[2]
text = open(page, encoding="utf-8").read()
marker = re.compile(r"<!-- (snippet|file): ([^ ]+)(?: \(run (from the repository's root|in the host's folder)\))? -->\n```[a-z]*\n(.*?)```\n", re.S)
count = 0
for count, m in enumerate(marker.finditer(text), 1):
    kind, name, where, body = m.groups()
    path = f"{work}/piece-{count}"
    open(path, "w", encoding="utf-8").write(body)
    place = "root" if where and where.startswith("from") else "host"
    print(f"{kind}\t{name}\t{place}\t{path}")
if count == 0:
    sys.exit(f"{page}: no marked snippets")
PY

while IFS=$'\t' read -r kind name place file; do
  if [[ "$kind" == file ]]; then
    cp "$file" "$work/host/$name"
    echo "docs-snippets: wrote $name ($(wc -l <"$file") lines)"
    continue
  fi
  [[ "$place" == root ]] && dir="$root" || dir="$work/host"
  echo "docs-snippets: running '$name' in $([[ "$place" == root ]] && echo "the repository" || echo "the host's folder")"
  log="$work/$name.log"
  # A clean environment but for the tools' search path: what the page says
  # is all the commands get.
  if ! (cd "$dir" && env -i PATH="$PATH" HOME="$work/home" TERM=dumb bash -euo pipefail "$file") \
    >"$log" 2>&1; then
    echo "docs-snippets: '$name' of $page failed:" >&2
    cat "$log" >&2
    exit 1
  fi
  # The first host's output: the main window's caption and its children.
  if grep -q '^caption: ' "$log"; then
    echo "docs-snippets: $name: $(grep '^caption: ' "$log"); $(grep -c '^child ' "$log") children placed"
  fi
done <"$work/index"
