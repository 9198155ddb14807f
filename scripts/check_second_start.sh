#!/usr/bin/env bash
# Under Xvfb: a session whose only note is hidden, as on a desktop without a
# tray after "Hide All Notes"; starting the program again must show it in the
# running copy, and the second start must end with success.
#   scripts/check_second_start.sh build/src/pennyquill
set -euo pipefail
program=$(realpath "${1:?path to pennyquill}")
home=$(mktemp -d)
trap 'kill -9 ${first:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb DISPLAY=:94
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=T\nShowTipText=no\n'\
'ShowWhenStart=yes\nTipDelay=5\nNoTrayNoticeShown=yes\n' > "$home/registry.ini"
printf '[Note1]\r\nLeft=3000\r\nTop=3000\r\nVisible=False\r\nTextID=1\r\n'\
'[Number of notes]\r\nTotal=1\r\n' > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi hidden note}\r\n' > "$home/filecon.pqn"

Xvfb :94 -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
"$program" >/dev/null 2>&1 & first=$!
sleep 4
before=$( (xdotool search --onlyvisible --pid "$first" 2>/dev/null || true) | wc -l)
(( before == 0 )) || { echo "FAIL: the hidden note showed at start"; exit 1; }
timeout 5 "$program" || { echo "FAIL: the second start did not end with success"; exit 1; }
sleep 1
after=$( (xdotool search --onlyvisible --pid "$first" 2>/dev/null || true) | wc -l)
(( after == 1 )) || { echo "FAIL: the second start did not show the note"; exit 1; }
echo "PASS: a second start showed the hidden note"
