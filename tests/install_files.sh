#!/usr/bin/env bash
# cmake --install into a scratch prefix: the program, its menu entries, icons in
# the icon theme's sizes, AppStream metainfo and man pages land where desktops
# look for them, and the validators (when installed) find nothing wrong.
set -euo pipefail
build=${1:?build folder}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
for file in bin/pennyquill bin/skinsmith share/pennyquill/sounds/chime.wav \
    share/applications/pennyquill.desktop share/applications/skinsmith.desktop \
    share/metainfo/example.corvane.pennyquill.metainfo.xml \
    share/metainfo/example.corvane.skinsmith.metainfo.xml \
    share/man/man1/pennyquill.1.gz share/man/man1/skinsmith.1.gz \
    share/doc/pennyquill/copyright share/doc/pennyquill/changelog.gz \
    share/dbus-1/services/example.corvane.Pennyquill.service \
    share/pennyquill/translations/pennyquill_de.qm share/pennyquill/translations/skinsmith_de.qm; do
  [[ -f "$prefix/$file" ]] || fail "$file not installed"
done
[[ -x "$prefix/bin/pennyquill" ]] || fail "bin/pennyquill cannot be run"
# The skin file type is defined once: two package files for it would both be
# owned by the package, and one would stay behind when the other is renamed.
definitions=$(grep -l 'type="application/x-pennyquill-skin"' "$prefix"/share/mime/packages/*.xml | wc -l)
[[ "$definitions" == 1 ]] || fail "the skin file type is defined in $definitions MIME packages"

# Each program has its own icon: a PNG of the size its folder names (width and
# height from its header) in each size, and a scalable SVG.
for program in pennyquill skinsmith; do
  for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$program.png"
    [[ -f "$icon" ]] || fail "no ${size}x${size} icon for $program"
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$icon")
    [[ "$w" == "$size" && "$h" == "$size" ]] || fail "${size}x${size} icon is ${w}x${h}"
  done
  svg="$prefix/share/icons/hicolor/scalable/apps/$program.svg"
  grep -q '<svg [^>]*viewBox="0 0 32 32"' "$svg" || fail "no scalable icon for $program"
  grep -q "^Icon=$program\$" "$prefix/share/applications/$program.desktop" \
    || fail "$program.desktop does not show $program's icon"
done
cmp -s "$prefix"/share/icons/hicolor/48x48/apps/{pennyquill,skinsmith}.png \
  && fail "skinsmith shows the notes program's icon"

grep -q '^Exec=pennyquill %f$' "$prefix/share/applications/pennyquill.desktop" \
  || fail "pennyquill.desktop does not start pennyquill with a file"
grep -q '^Exec=/.*/pennyquill$' "$prefix/share/dbus-1/services/example.corvane.Pennyquill.service" \
  || fail "the bus service file does not start pennyquill by its full path"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop files"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml >/dev/null || fail "metainfo"
fi
if command -v groff >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
    [[ -z "$warnings" ]] || fail "$page: $warnings"
  done
fi
echo "installed and valid: $(cd "$prefix" && find . -type f | wc -l) files"
