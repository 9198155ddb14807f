#!/usr/bin/env bash
# On a real window manager (openbox under Xvfb), the keys typed after a warning
# of the Alarm Set dialog go to the dialog, not over the note's selection: in a
# note holding "see you today", "today" is selected and the bell pressed; a past
# minute with Enter (its offer of tomorrow declined with Escape), then an hour of 13
# with Tab (its warning closed with Enter) each bring a warning, and an "x" is
# typed after each. The note must keep its text.
#   scripts/check_alarm_focus.sh build/src/pennyquill   (exits 77 without the tools)
set -euo pipefail
program=$(realpath "${1:?path to pennyquill}")
if [[ -z "${PQ_ON_XVFB:-}" ]]; then
  for tool in xvfb-run openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool (scripts/install-deps.sh --dev)"; exit 77; }
  done
  PQ_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash ${PQ_TRACE:+-x} "$0" "$program"
fi
home=$(mktemp -d)
trap '{ kill ${app:-} ${wm:-}; wait; } 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nNoTrayNoticeShown=yes\n' \
  > "$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=1500\r\nVisible=True\r\nTextID=1\r\n[Number of notes]\r\nTotal=1\r\n' \
  > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi see you today}\r\n' > "$home/filecon.pqn"

# Waits for a visible window titled $1 whose width is between $2 and $3.
window() {
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      ((WIDTH >= $2 && WIDTH <= $3)) && { echo "$id"; return; }
    done
    sleep 0.2
  done
  echo "FAIL: no window \"$1\"" >&2
  return 1
}
click() { # window, x, y inside it
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}
wrong=
answer_warning() { # closes the warning with key $2 (Return), then types an "x"
  for _ in $(seq 50); do [[ "$(xdotool getactivewindow getwindowname)" == Pennyquill ]] && break; sleep 0.2; done
  xdotool key "${2:-Return}"
  sleep 1
  active=$(xdotool getactivewindow getwindowname)
  [[ "$active" == "Alarm Set" ]] || wrong+="after the warning on $1 the keys went to \"$active\"; "
  xdotool type x
  xdotool key Escape
  sleep 0.5
}

openbox >/dev/null 2>&1 & wm=$!
sleep 1
"$program" >/dev/null 2>&1 & app=$!
note=$(window "see you today" 250 280) # a note is titled by its first line
click "$note" 200 80
xdotool key ctrl+End ctrl+shift+Left
if [[ $(date +%M) == 00 ]]; then sleep 61; fi # the hour box holds the current hour
click "$note" 86 27 # the bell
window "Alarm Set" 300 330 >/dev/null # it opens with the keys in the hour box
xdotool key Tab ctrl+a # the minute box
xdotool type 00
xdotool key Return
answer_warning "a past time" Escape # declines the offer of tomorrow
click "$note" 86 27
window "Alarm Set" 300 330 >/dev/null
xdotool key ctrl+a # the hour box
xdotool type 13
xdotool key Tab
answer_warning "a wrong hour"

kill -TERM "$app" && wait "$app" || true
grep -q 'see you today' "$home/filecon.pqn" \
  || wrong+="the note's text became \"$(grep -ao 'see you[^}\\]*' "$home/filecon.pqn")\""
[[ -z "$wrong" ]] || { echo "FAIL: $wrong"; exit 1; }
echo "the keys after each warning went to the dialog; the note kept its text"
