#!/usr/bin/env bash
# The Debian package as a school's technician would get it: builds it from the build folder given
# (default: build), unpacks it into a scratch root as dpkg would install it, and runs the installed
# zorva-term from there — from another folder, with a home folder of its own and no --app-dir:
# --version, then a scripted session on the shipped default topology, which answers only when the
# installed command database was found. The error log must land in the user's state folder, never
# beside the program or in the current folder. The manual pages must be there, the browser face's
# site (built by make web) too, and the desktop entry must validate when the package holds the
# desktop program.
set -euo pipefail

build=${1:-build}
fail() { echo "check-package: $*" >&2; exit 1; }

cmake --build "$build" --target package
deb=$(ls -t "$build"/zorva_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no zorva_*.deb in $build"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
mkdir -p "$root" "$scratch/home" "$scratch/elsewhere"
dpkg -x "$deb" "$root"
dpkg-deb -f "$deb" Depends | grep -q libc6 || fail "the package names no libraries it needs"

term="$root/usr/bin/zorva-term"
[ -x "$term" ] || fail "the package holds no /usr/bin/zorva-term"
cd "$scratch/elsewhere"
run() { env -i PATH=/usr/bin:/bin HOME="$scratch/home" "$@"; }

version=$(run "$term" --version)
echo "installed: $version"
[[ "$version" == "zorva-term "[0-9]* ]] || fail "zorva-term --version printed '$version'"

# An OSPF cost that does not fit 16 bits is refused and logged: it shows where the log goes.
transcript=$(printf '%s\n' 'line' 'line enable' 'line configure terminal' 'line interface serial 0' \
  'line ip ospf cost 99999' 'line end' 'line show version' | run "$term" --script -)
grep -q "Router#show version" <<<"$transcript" || fail "the scripted session did not run"
if grep -q "Invalid input" <<<"$transcript"; then
  fail "the installed program did not find its command database"
fi
log="$scratch/home/.local/state/zorva/zorva.log"
[ -s "$log" ] || fail "no error log in the user's state folder ($log)"
[ ! -e "$scratch/elsewhere/zorva.log" ] || fail "the error log was written in the current folder"
[ ! -e "$root/usr/bin/zorva.log" ] || fail "the error log was written beside the program"

for page in "$root"/usr/share/man/man1/zorva-term.1.gz; do
  zcat "$page" | grep -q '^\.TH ZORVA-TERM 1' || fail "no manual page zorva-term(1)"
done
web="$root/usr/share/zorva/web"
for f in index.html zorva-page.js zorva-page.css zorva-core.js zorva-core.wasm zorva-core-file.js; do
  [ -s "$web/$f" ] || fail "the browser face's site has no $f in /usr/share/zorva/web (make web first)"
done
if [ -e "$root/usr/bin/zorva" ]; then
  zcat "$root/usr/share/man/man1/zorva.1.gz" | grep -q '^\.TH ZORVA 1' || fail "no manual page zorva(1)"
  desktop-file-validate "$root/usr/share/applications/zorva.desktop"
  [ -s "$root/usr/share/mime/packages/zorva.xml" ] || fail "no MIME type for lab files"
  [ -s "$root/usr/share/icons/hicolor/scalable/apps/zorva.svg" ] || fail "no icon"
fi
echo "check-package: $(basename "$deb") installs and runs"
