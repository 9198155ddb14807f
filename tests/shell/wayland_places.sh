#!/usr/bin/env bash
# Notes keep their stored places on a native Wayland run: a three-note session
# started on weston (headless) as a Wayland client and ended with SIGTERM
# leaves every Left/Top line as it was; started again on the same compositor
# through XWayland, the notes stand where the session puts them.
# Needs weston and xwayland (scripts/install-deps.sh --dev); exits 77 without.
set -euo pipefail
program=${1:?path to pennyquill}
# A developer check (scripts/check.sh runs it): it needs weston, takes half a
# minute, and on a machine busy with other work weston still places X windows
# at its default place now and then.
[[ "${PQ_COMPOSITOR_CHECKS:-}" == 1 ]] || { echo "SKIP: set PQ_COMPOSITOR_CHECKS=1"; exit 77; }
for tool in weston Xwayland xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing (scripts/install-deps.sh --dev)"; exit 77; }
done

home=$(mktemp -d)
cleanup() {
  for pid in ${app:-} ${compositor:-}; do kill -TERM "$pid" 2>/dev/null || true; done
  sleep 0.5
  for pid in ${app:-} ${compositor:-}; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT
export PENNYQUILL_HOME="$home/pq" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
mkdir -p "$PENNYQUILL_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nShowWhenStart=yes\n' \
  > "$PENNYQUILL_HOME/registry.ini"
# Places a Windows program could have written: not all whole pixels.
printf '%s\r\n' '[Note1]' 'Left=1507' 'Top=992' 'Minimized=False' 'Visible=True' 'TextID=1' \
  '[Note2]' 'Left=6000' 'Top=3015' 'Minimized=False' 'Visible=True' 'TextID=2' \
  '[Note3]' 'Left=9001' 'Top=601' 'Minimized=True' 'Visible=True' 'TextID=3' \
  '[Number of notes]' 'Total=3' > "$PENNYQUILL_HOME/session.ini"
printf '[ID: %d]\r\n{\\rtf1\\ansi Note %d}\r\n' 1 1 2 2 3 3 > "$PENNYQUILL_HOME/filecon.pqn"
places() { tr -d '\r' < "$PENNYQUILL_HOME/session.ini" | grep -E '^(Left|Top)='; }
places > "$home/before.txt"

# Runs the program until it has saved once on its own, then ends it with SIGTERM.
run_and_stop() {
  "$program" >"$home/app.log" 2>&1 & app=$!
  sleep 8 # start-up, and the autosave a few seconds after the compositor's first moves
  kill -0 "$app" || { echo "FAIL: the program ended early"; cat "$home/app.log"; exit 1; }
  kill -TERM "$app"
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then echo "FAIL: SIGTERM did not end it"; exit 1; fi
  app=
}

socket=pq-places-$$
weston --backend=headless-backend.so --use-pixman --socket="$socket" --xwayland \
  --idle-time=0 --log="$home/weston.log" & compositor=$!
for _ in $(seq 100); do [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break; sleep 0.1; done
[[ -S "$XDG_RUNTIME_DIR/$socket" ]] || { echo "FAIL: weston did not start"; cat "$home/weston.log"; exit 1; }

echo "== native Wayland"
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland run_and_stop
places > "$home/after.txt"
if ! cmp -s "$home/before.txt" "$home/after.txt"; then
  echo "FAIL: the stored places changed"; diff "$home/before.txt" "$home/after.txt"; exit 1
fi
# The program did write its session (a whole new pair): the check is not void.
grep -q '^Skin=' <(tr -d '\r' < "$PENNYQUILL_HOME/session.ini") \
  || { echo "FAIL: the program wrote no session"; exit 1; }
echo "every Left/Top line is unchanged:"; paste -sd' ' "$home/after.txt"

echo "== XWayland"
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$home/weston.log" | tail -1)
[[ -n "$display" ]] || { echo "FAIL: no XWayland display in the weston log"; exit 1; }
# weston starts XWayland and its window manager only when the first X client comes;
# windows mapped before that manager is ready get its default place. Wake it first.
DISPLAY=$display xwininfo -root >/dev/null 2>&1 || true
sleep 3
DISPLAY=$display WAYLAND_DISPLAY=$socket "$program" >"$home/app.log" 2>&1 & app=$!
wants=()
while read -r left top; do
  wants+=("+$(( (left + 7) / 15 ))+$(( (top + 7) / 15 ))")
done < <(paste -d' ' <(sed -n 's/^Left=//p' "$home/after.txt") <(sed -n 's/^Top=//p' "$home/after.txt"))
# Each note window's place on the X screen, in pixels; a loaded machine may take a while
# to bring every note in, so look again until all stand in place or 20 s have passed.
for _ in $(seq 40); do
  sleep 0.5
  DISPLAY=$display xwininfo -root -children -tree | grep '"Pennyquill"' > "$home/windows.txt" || true
  missing=0
  for want in "${wants[@]}"; do
    grep -q -- "$want\$\|$want " "$home/windows.txt" || missing=1
  done
  (( missing == 0 )) && break
done
for want in "${wants[@]}"; do
  if grep -q -- "$want\$\|$want " "$home/windows.txt"; then
    echo "a note stands at $want"
  else
    echo "FAIL: no note at $want"
  fi
done
if (( missing )); then
  # What the program asked for: each window's position hint, to tell the program's
  # fault from the window manager's.
  cat "$home/windows.txt"
  for window in $(awk '{print $1}' "$home/windows.txt"); do
    DISPLAY=$display xprop -id "$window" WM_NORMAL_HINTS | grep -m1 'specified location' || true
  done
  exit 1
fi
echo "the notes stand where they stood before"
