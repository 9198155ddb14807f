#!/usr/bin/env bash
# What screen readers see, checked with the real AT-SPI client: a one-note session under Xvfb
# on a private session bus with accessibility on; scripts/check_accessibility.py walks it,
# presses Bold on the first word, and the saved note must hold that word in bold.
#   scripts/check_accessibility.sh build/src/pennyquill
# Needs scripts/install-deps.sh --dev (Xvfb, at-spi2-core, python3-pyatspi: the
# distribution's Python, since pyatspi is a Debian package).
set -euo pipefail
program=$(realpath "${1:?path to pennyquill}")
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing (scripts/install-deps.sh --dev)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
  { echo "SKIP: python3-pyatspi missing (scripts/install-deps.sh --dev)"; exit 77; }
display=":$((100 + $$ % 400))"
here=$(dirname "$(realpath "$0")")
home=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb DISPLAY=$display
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=T\nShowTipText=no\n'\
'ShowWhenStart=yes\nTipDelay=5\nNoTrayNoticeShown=yes\n' > "$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=1500\r\nVisible=True\r\nTextID=1\r\n'\
'[Number of notes]\r\nTotal=1\r\n' > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi Shopping\\par milk}\r\n' > "$home/filecon.pqn"

Xvfb "$display" -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
  sleep 1
  "$0" >/dev/null 2>&1 & app=$!
  sleep 4
  /usr/bin/python3 "$1/check_accessibility.py"; status=$?
  kill -TERM $app; wait $app
  kill $launcher 2>/dev/null
  exit $status' "$program" "$here"
grep -q '\\b' "$home/filecon.pqn" || { echo "FAIL: the saved note has no bold text"; exit 1; }
echo "PASS: names, roles and the Bold press are what a screen reader needs"
