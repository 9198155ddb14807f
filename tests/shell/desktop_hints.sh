#!/usr/bin/env bash
# The real program under Xvfb and openbox: notes are left out of the taskbar
# and pager and titled with their first line; a note resized by a drag on its
# folded corner keeps its size after a restart; the option puts every note on
# all workspaces. Skipped without Xvfb, openbox, xdotool or xprop.
set -euo pipefail
program=${1:?path to pennyquill}
for tool in xvfb-run openbox xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing (scripts/install-deps.sh --dev)"; exit 77; }
done
[[ -n "${PQ_TEST_X:-}" ]] || PQ_TEST_X=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"

home=$(mktemp -d)
trap 'kill -9 ${pid:-} ${wm:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
key='[HKEY_CURRENT_USER\Software\Corvane\Pennyquill 1.0]'
printf '%s\nShowWhenStart=yes\nNoTrayNoticeShown=yes\n' "$key" >"$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=1500\r\nTextID=1\r\n[Number of notes]\r\nTotal=1\r\n' >"$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi Groceries for Sunday\\par milk}\r\n' >"$home/filecon.pqn"
openbox >/dev/null 2>&1 & wm=$!

fail() { echo "FAIL: $*"; exit 1; }
start() {
  "$program" 2>/dev/null & pid=$!
  for _ in $(seq 100); do note=$(xdotool search --onlyvisible --name "Groceries" 2>/dev/null | head -1) && [[ -n $note ]] && break; sleep 0.1; done
  [[ -n ${note:-} ]] || fail "no note window titled with its first line"
  sleep 1
}
stop() { "$program" --quit || fail "--quit failed"; wait "$pid"; }

start
state=$(xprop -id "$note" _NET_WM_STATE)
[[ $state == *SKIP_TASKBAR* && $state == *SKIP_PAGER* ]] || fail "in the taskbar: $state"
[[ $(xprop -id "$note" _NET_WM_DESKTOP) != *4294967295* ]] || fail "on all workspaces by default"
# The folded corner of the note at (100, 100), 263 x 165 pixels: dragged by 140 x 90.
xdotool mousemove 361 263 mousedown 1 mousemove 420 300 mousemove 501 353 mouseup 1
sleep 0.5
size=$(xdotool getwindowgeometry "$note" | sed -n 's/.*Geometry: //p')
[[ $size == 403x255 ]] || fail "the drag made $size, not 403x255"
stop
printf 'AllWorkspaces=yes\n' >>"$home/registry.ini"
start
size=$(xdotool getwindowgeometry "$note" | sed -n 's/.*Geometry: //p')
[[ $size == 403x255 ]] || fail "after a restart the note is $size, not 403x255"
[[ $(xprop -id "$note" _NET_WM_DESKTOP) == *4294967295* ]] || fail "not on all workspaces"
stop
kill "$wm" && wait "$wm" 2>/dev/null || true
echo "out of the taskbar, titled, resized for good, on all workspaces"
