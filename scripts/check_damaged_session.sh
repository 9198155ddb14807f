#!/usr/bin/env bash
# Under Xvfb: the real program writes a 20-note session (twice, so that
# "session.ini.bak" is its own too), then each file is cut, emptied or given a
# negative count in turn. Every start must show all 20 notes from the last good
# copy and say so, keep the damaged file aside, and leave ".bak" untouched.
#   scripts/check_damaged_session.sh build/src/pennyquill [folder for screenshots]
set -euo pipefail
program=$(realpath "${1:?path to pennyquill}")
shots=${2:-}
work=$(mktemp -d)
trap 'kill -9 ${pq:-} ${xvfb:-} 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A free display of its own: other runs may hold any fixed number.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 40); do [[ -s "$work/display" ]] && break; sleep 0.25; done
export DISPLAY=":$(cat "$work/display")"

windows() { (xdotool search --onlyvisible --pid "$pq" 2>/dev/null || true) | wc -l; }
# Starts the program on $1, waits until it shows $2 windows (at most 20 s).
start() {
  PENNYQUILL_HOME="$1" "$program" >>"$work/log" 2>&1 & pq=$!
  for _ in $(seq 80); do (( $(windows) >= $2 )) && return 0; sleep 0.25; done
  return 1
}
stop() { kill -TERM "$pq"; wait "$pq" || true; }

good="$work/good" && mkdir -p "$good"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=T\nShowTipText=no\n'\
'ShowWhenStart=yes\nTipDelay=5\nNoTrayNoticeShown=yes\n' > "$good/registry.ini"
for i in $(seq 20); do
  printf '[Note%d]\r\nLeft=%d\r\nTop=%d\r\nTextID=%d\r\n' "$i" $((i * 500)) $((i * 300)) "$i"
  printf '[ID: %d]\r\n{\\rtf1\\ansi note %d}\r\n' "$i" "$i" >&3
done > "$good/session.ini" 3> "$good/filecon.pqn"
printf '[Number of notes]\r\nTotal=20\r\n' >> "$good/session.ini"
for _ in 1 2; do start "$good" 20 || { echo "FAIL: the session did not load"; exit 1; }; stop; done
grep -q Minimized= "$good/session.ini" || { echo "FAIL: the program did not write the pair"; exit 1; }

failed=0
check() { # name, file, damage command
  local home="$work/$1" before=$failed
  failed=0
  cp -a "$good" "$home"
  (cd "$home" && eval "$3")
  local bak; bak=$(md5sum < "$home/$2.bak")
  if ! start "$home" 21; then
    echo "FAIL $1: $(windows) windows, not 20 notes and the message"; failed=1
  fi
  [[ -n "$shots" ]] && sleep 2 && import -window root "$shots/damaged-$1.png"
  { kill -9 "$pq"; wait "$pq"; } 2>/dev/null || true
  [[ -e "$home/$2.damaged" ]] || { echo "FAIL $1: $2 was not kept aside"; failed=1; }
  [[ $(md5sum < "$home/$2.bak") == "$bak" ]] || { echo "FAIL $1: .bak changed"; failed=1; }
  # The next start finds a whole pair again and says nothing.
  if start "$home" 20 && sleep 2 && (( $(windows) == 20 )); then
    stop
    [[ $(md5sum < "$home/$2.bak") == "$bak" ]] || { echo "FAIL $1: .bak replaced"; failed=1; }
  else
    echo "FAIL $1: the second start did not show 20 notes alone"; failed=1
    { kill -9 "$pq"; wait "$pq"; } 2>/dev/null || true
  fi
  (( failed )) || echo "ok   $1: 20 notes from session.ini.bak, the user told, $2 kept as $2.damaged"
  (( failed |= before )) || true
}
check session-cut-30 session.ini 'truncate -s -30 session.ini'
check session-emptied session.ini ': > session.ini'
check total-negative session.ini 'sed -i "s/^Total=20/Total=-3/" session.ini'
check text-emptied filecon.pqn ': > filecon.pqn'
check text-cut-30 filecon.pqn 'truncate -s -30 filecon.pqn'
(( failed == 0 )) || tail -20 "$work/log"
(( failed == 0 )) && echo "PASS: every damaged file was restored from the last good copy"
exit "$failed"
