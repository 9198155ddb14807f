#!/usr/bin/env bash
# The translation sources against the code:
#   scripts/translations.sh update   brings translations/*.ts up to date with the code (lupdate)
#   scripts/translations.sh check    fails when, after lupdate, a catalog has a caption
#                                    without a finished translation (a new English caption
#                                    included); the .ts files in the repo are left untouched
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
lupdate=$(command -v lupdate6 || true)
[[ -z "$lupdate" && -x /usr/lib/qt6/bin/lupdate ]] && lupdate=/usr/lib/qt6/bin/lupdate
[[ -z "$lupdate" ]] && lupdate=$(command -v lupdate)

# Each catalog and the code it is taken from: skinsmith's own folder, and everything else
# for the notes program (the light panel's demo is a developer's tool).
sources_of() {
  case "$1" in
    skinsmith) find src/skintool -name '*.cpp' -o -name '*.h' ;;
    pennyquill) find src \( -path src/skintool -o -path src/widgets/lcd/demo \) -prune -o \
                  \( -name '*.cpp' -o -name '*.h' \) -print ;;
  esac | sort
}

mode="${1:-check}"
status=0
for ts in translations/*_*.ts; do
  catalog=$(basename "$ts" .ts)
  program=${catalog%%_*}
  language=${catalog#*_}
  if [[ "$mode" == update ]]; then
    list=$(mktemp)
    sources_of "$program" >"$list"
    "$lupdate" -silent -I src -locations relative -no-obsolete @"$list" -ts "$ts"
    rm -f "$list"
    continue
  fi
  work=$(mktemp -d)
  cp "$ts" "$work/"
  sources_of "$program" > "$work/sources"
  "$lupdate" -silent -I src -locations relative -no-obsolete @"$work/sources" -ts "$work/$catalog.ts"
  # Unfinished (new or changed captions included) or finished but left empty.
  unfinished=$(grep -c 'type="unfinished"\|<translation></translation>' "$work/$catalog.ts" || true)
  total=$(grep -c '<source>' "$work/$catalog.ts" || true)
  if [[ "$unfinished" -ne 0 ]]; then
    echo "$catalog: $unfinished of $total captions lack a finished $language translation:"
    grep -B3 'type="unfinished"\|<translation></translation>' "$work/$catalog.ts" |
      grep '<source>' | sed 's/^ */  /'
    status=1
  else
    echo "$catalog: all $total captions translated"
  fi
  rm -rf "$work"
done
exit "$status"
