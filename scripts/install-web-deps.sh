#!/usr/bin/env bash
# Installs the page's npm packages (xterm.js, the bundler, the browser test's driver) exactly as the
# committed lock file pins them, when they are missing or the lock file changed since.
set -euo pipefail
cd "$(dirname "$0")/../web/page"
stamp=node_modules/.package-lock.json
if [ -f "$stamp" ] && [ ! package-lock.json -nt "$stamp" ]; then
  exit 0
fi
echo "Installing the page's npm packages from web/page/package-lock.json"
# Install scripts stay off: none of these packages needs one (the bundler's binary comes as a
# package of its own for each platform).
npm ci --no-audit --no-fund --ignore-scripts
