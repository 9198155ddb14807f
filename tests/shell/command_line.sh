#!/usr/bin/env bash
# The command line's actions against a running copy of the real program: each
# prints nothing and ends with 0; misuse says one line and ends with 2; --hide
# and --quit without a running copy end with 1; --new starts a copy when none
# runs. The session written on --quit shows what each action did.
set -euo pipefail
program=${1:?path to pennyquill}
home=$(mktemp -d)
trap 'kill -9 ${pid:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nShowWhenStart=yes\nNoTrayNoticeShown=yes\n' \
  > "$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=990\r\nVisible=True\r\nTextID=1\r\n[Note2]\r\nLeft=4500\r\nTop=990\r\nVisible=False\r\nTextID=2\r\n[Number of notes]\r\nTotal=2\r\n' \
  > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi Shown}\r\n[ID: 2]\r\n{\\rtf1\\ansi Hidden}\r\n' > "$home/filecon.pqn"
printf '# Shopping\n- milk\n' > "$home/list.md"

fail() { echo "FAIL: $*"; [[ -f "$home/out" ]] && cat "$home/out" "$home/err"; exit 1; }
# ask STATUS ARGS...: runs the program, which must end with STATUS, print
# nothing on success and exactly one line otherwise.
ask() {
  local want=$1; shift
  local got=0
  timeout 20 "$program" "$@" >"$home/out" 2>"$home/err" || got=$?
  [[ $got == "$want" ]] || fail "'$*' ended with $got, not $want"
  if [[ $want == 0 ]]; then
    [[ ! -s "$home/out" && ! -s "$home/err" ]] || fail "'$*' printed something"
  else
    [[ $(wc -l <"$home/err") == 1 && ! -s "$home/out" ]] || fail "'$*' did not say one line"
  fi
}
visible() { tr -d '\r' <"$home/session.ini" | grep -c '^Visible=True$' || true; }
saved() { sleep 4; } # the session is written a few seconds after a change

ask 1 --hide
ask 1 --quit
ask 2 --bogus
ask 2 --show --hide
ask 2 --new-from-file "$home"
# In German, without a display for the early answers; option names stay as they are.
said=$(LANGUAGE=de env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help)
[[ $said == "Aufruf: pennyquill [Optionen]"* && $said == *"--new-from-file <FILE>"* ]] ||
  fail "German help: $said"
said=$(LANGUAGE=de "$program" --quit 2>&1 || true)
[[ $said == "pennyquill: Pennyquill läuft nicht." ]] || fail "German --quit: $said"
[[ ! -e "$XDG_RUNTIME_DIR"/pennyquill-*.lock ]] || fail "a refused line started a copy"

"$program" & pid=$!
for _ in $(seq 100); do compgen -G "$XDG_RUNTIME_DIR/pennyquill-*.lock" >/dev/null && break; sleep 0.1; done
sleep 1

ask 0 --toggle; saved
[[ $(visible) == 0 ]] || fail "--toggle with a note shown did not hide them all"
ask 0 --toggle; saved
[[ $(visible) == 2 ]] || fail "--toggle with none shown did not show them all"
ask 0 --hide; saved
[[ $(visible) == 0 ]] || fail "--hide left a note shown"
ask 0 --show; saved
[[ $(visible) == 2 ]] || fail "--show left a note hidden"
ask 0 --new hello from a hot key
ask 0 --new-from-file "$home/list.md"
ask 2 --new-from-file "$home/missing.txt"
ask 0 --quit
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then fail "--quit did not end it"; fi
tr -d '\r' <"$home/session.ini" | grep -q '^Total=4$' || fail "the two new notes were not saved"
grep -q 'hello from a hot key' "$home/filecon.pqn" || fail "--new lost its text"
grep -q 'Shopping' "$home/filecon.pqn" || fail "--new-from-file lost the file's text"

# Without a running copy --new starts one, which makes the note.
timeout 20 "$program" --new started for it & pid=$!
for _ in $(seq 100); do compgen -G "$XDG_RUNTIME_DIR/pennyquill-*.lock" >/dev/null && break; sleep 0.1; done
sleep 2
ask 0 --quit
wait "$pid" || fail "the copy --new started did not end well"
tr -d '\r' <"$home/session.ini" | grep -q '^Total=5$' || fail "--new at start made no note"
grep -q 'started for it' "$home/filecon.pqn" || fail "--new at start lost its text"
echo "every action did what it said"
