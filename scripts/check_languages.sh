#!/usr/bin/env bash
# Screenshots of the programs in other languages, under Xvfb + openbox, into a folder:
# - the real pennyquill with LANGUAGE=de (dates in German too): a note, its menu, its text's
#   menu, the alarm dialog, the options dialog and Qt's file dialog (Save As); the same note
#   and menus in the pseudo-translation (LANGUAGE=en_XA);
# - every dialog in English, German and the pseudo-translation (LANGUAGE=en_XA), drawn by the
#   tst_DialogLanguages test on the same display, which also fails on a caption cut off.
#   scripts/check_languages.sh build/src/pennyquill [folder]
# Needs scripts/install-deps.sh --dev (Xvfb, openbox, xdotool, ImageMagick).
set -euo pipefail
program=$(realpath "${1:?path to pennyquill}")
shots=$(realpath -m "${2:-language-shots}")
tests=$(dirname "$program")/../tests
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing (scripts/install-deps.sh --dev)"; exit 77; }
done
mkdir -p "$shots"
home=$(mktemp -d)
display=":$((100 + $$ % 400))"
trap 'kill ${app:-} ${wm:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb DISPLAY=$display
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=T\nShowTipText=no\n'\
'ShowWhenStart=yes\nTipDelay=5\nNoTrayNoticeShown=yes\n' > "$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=1500\r\nVisible=True\r\nTextID=1\r\n'\
'[Number of notes]\r\nTotal=1\r\n' > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi Milch kaufen}\r\n' > "$home/filecon.pqn"
shot() { sleep 1; import -window root "$shots/$1.png"; echo "$shots/$1.png"; }

Xvfb "$display" -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
openbox >/dev/null 2>&1 & wm=$!
sleep 1
for language in de en_XA; do
  time_locale=C; [[ $language == de ]] && time_locale=de_DE.UTF-8
  LANGUAGE=$language LC_TIME=$time_locale "$program" >"$home/out.txt" 2>&1 & app=$!
  sleep 4
  note=$(xdotool search --onlyvisible --pid "$app" | head -1)
  xdotool windowactivate --sync "$note"
  shot "${language}_note"
  # The note's own menu, from its menu button (bottom left, shown under the mouse).
  xdotool mousemove --window "$note" 16 152 sleep 0.5 click 1
  shot "${language}_note_menu"
  xdotool key Escape
  xdotool windowactivate --sync "$note"; xdotool key shift+F10
  shot "${language}_text_menu"
  xdotool key Escape
  xdotool key ctrl+a ctrl+shift+a
  shot "${language}_alarm_dialog"
  xdotool key Escape
  if [[ $language == de ]]; then
    # Options and Save As through the menu's mnemonics (Einstellungen, Speichern unter).
    xdotool mousemove --window "$note" 16 152 sleep 0.5 click 1 sleep 0.5 key e
    shot de_options_dialog
    xdotool key Escape
    xdotool mousemove --window "$note" 16 152 sleep 0.5 click 1 sleep 0.5 key u
    shot de_file_dialog
    xdotool key Escape
  fi
  kill -TERM "$app"; wait "$app" || true
  app=
  # Nothing alarming on the terminal: the window system's own chatter aside, no output.
  grep -v '^XGetWindowProperty' "$home/out.txt" || true
done

gallery="$tests/tst_DialogLanguages"
if [[ -x "$gallery" ]]; then
  PQ_SHOTS="$shots" "$gallery" -silent || { echo "FAIL: see tst_DialogLanguages above"; exit 1; }
fi
ls "$shots"
