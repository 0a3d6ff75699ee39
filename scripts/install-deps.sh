#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, but only those that are missing.
# With the argument `web`, also those of the browser build and its tests (the WebAssembly compiler,
# Node.js, Chromium). Runs non-interactively; needs root or sudo when something has to be installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev clang-format
  libsqlite3-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev xvfb xauth
  desktop-file-utils
)
if [ "${1:-}" = web ]; then
  packages+=(emscripten node-acorn nodejs chromium)
  # Node's own distribution carries npm inside its nodejs package; Debian's nodejs does not.
  command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "error: these packages are missing and installing them needs root or password-less sudo:" >&2
  echo "  ${missing[*]}" >&2
  echo "Run 'sudo apt-get install ${missing[*]}' yourself, then run make again." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
