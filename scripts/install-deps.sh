#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with (run as root),
# and any further packages named as arguments (scripts/windows.sh adds its own).
# Packages already present are left alone, so a second run is quick.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  libfontconfig-dev libfreetype-dev fonts-dejavu-core
  libclang-rt-14-dev binutils
  libcairo2-dev chromium
  # The MSVC-ABI consumer of the C interface (scripts/windows.sh): clang's
  # lld-link, and llvm-dlltool (package llvm) for its import libraries.
  lld llvm
  "$@"
)
# The browser tests run on Node.js and npm. A Node.js that brings its own npm
# (as some builds of the nodejs package do) conflicts with Debian's npm, so the
# packages are asked for only when the commands are missing.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # A package of another architecture (wine32:i386, for 32-bit Windows
  # programs under Wine) needs that architecture enabled first; the update
  # below then reads its package lists.
  for package in "${missing[@]}"; do
    if [[ "$package" == *:* ]]; then
      arch="${package##*:}"
      if [[ "$arch" != "$(dpkg --print-architecture)" ]] &&
        ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
        dpkg --add-architecture "$arch"
      fi
    fi
  done
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
