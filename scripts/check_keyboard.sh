#!/usr/bin/env bash
# A note used with the keyboard alone (xdotool keys, no mouse) under Xvfb + openbox: a new
# note with Ctrl+N, typed text, a word made bold, an alarm set on it, the note hidden with
# Ctrl+Shift+H and brought back by a second start; the saved session must hold it all.
#   scripts/check_keyboard.sh build/src/pennyquill
# Needs scripts/install-deps.sh --dev (Xvfb, openbox, xdotool).
set -euo pipefail
program=$(realpath "${1:?path to pennyquill}")
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing (scripts/install-deps.sh --dev)"; exit 77; }
done
home=$(mktemp -d)
display=":$((100 + $$ % 400))"
trap 'kill ${app:-} ${wm:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb DISPLAY=$display
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=T\nShowTipText=no\n'\
'ShowWhenStart=yes\nTipDelay=5\nNoTrayNoticeShown=yes\n' > "$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=1500\r\nVisible=True\r\nTextID=1\r\n'\
'[Number of notes]\r\nTotal=1\r\n' > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi first}\r\n' > "$home/filecon.pqn"
fail() { echo "FAIL: $*"; exit 1; }
windows() { (xdotool search --onlyvisible --pid "$app" 2>/dev/null || true) | wc -l; }

Xvfb "$display" -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
openbox >/dev/null 2>&1 & wm=$!
sleep 1
"$program" >/dev/null 2>&1 & app=$!
sleep 4
xdotool windowactivate --sync "$(xdotool search --onlyvisible --pid "$app" | head -1)"
xdotool key ctrl+n; sleep 1
(( $(windows) == 2 )) || fail "Ctrl+N made no note"
xdotool key ctrl+a; xdotool type --delay 30 'buy milk today'; sleep 0.5
xdotool key ctrl+shift+Left ctrl+b; sleep 0.5
# The alarm: two minutes on, typed into the dialog's hour and minute boxes, then Enter.
later=$(date -d '+2 min' '+%I %M %p')
read -r hour minute ampm <<<"$later"
xdotool key ctrl+shift+a; sleep 1
xdotool key ctrl+a; xdotool type "$hour"; xdotool key Tab ctrl+a; xdotool type "$minute"
xdotool key Tab; xdotool type "${ampm:0:1}"; xdotool key Return; sleep 1
xdotool key ctrl+shift+h; sleep 1
(( $(windows) == 1 )) || fail "Ctrl+Shift+H did not hide the note"
timeout 10 "$program" || fail "the second start failed"
sleep 1
(( $(windows) == 2 )) || fail "the hidden note did not come back"
kill -TERM "$app"; wait "$app" || true
grep -q 'buy milk' "$home/filecon.pqn" || fail "the typed text was not saved"
grep -q '\\b' "$home/filecon.pqn" || fail "the bold word was not saved"
grep -qi '^Alerts=.*in que' "$home/session.ini" || fail "no alarm was saved"
echo "PASS: new note, typing, bold, alarm, hide and back, all from the keyboard"
