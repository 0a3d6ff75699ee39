#!/bin/sh
# Renders the desktop program's main window under Xvfb, on a screen of SCREENSHOT_SIZE (WIDTHxHEIGHT,
# 1280x800 by default) that the window fills, to BUILD/screenshot-WIDTHxHEIGHT.png. The settings
# come from a folder of the build tree, so that the user's own never change the picture.
# Usage: screenshot.sh PROGRAM BUILD [PROGRAM ARGUMENTS...]
set -eu
program=$1
build=$2
shift 2
size=${SCREENSHOT_SIZE:-1280x800}
if ! echo "$size" | grep -Eq '^[0-9]{3,4}x[0-9]{3,4}$'; then
  echo "screenshot: the size must be WIDTHxHEIGHT, such as 1024x640, not '$size'" >&2
  exit 2
fi
XDG_CONFIG_HOME=$build/screenshot-config exec xvfb-run -a -s "-screen 0 ${size}x24" \
  "$program" --screenshot "$build/screenshot-$size.png" "$@"
