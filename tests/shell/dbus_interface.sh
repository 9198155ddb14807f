#!/usr/bin/env bash
# The real program on a session bus of its own: the interface is there and
# introspectable, ShowAllNotes shows a hidden note, NewNote adds one, and the
# session written on SIGTERM says so.
set -euo pipefail
program=${1:?path to pennyquill}
if ! command -v dbus-run-session >/dev/null || ! command -v gdbus >/dev/null; then
  echo "SKIP: dbus-run-session or gdbus missing (scripts/install-deps.sh)"; exit 77
fi
# The bus looks for service files below XDG_DATA_HOME: one for the activation check.
if [[ -z "${PQ_TEST_BUS:-}" ]]; then
  XDG_DATA_HOME=$(mktemp -d) && mkdir -p "$XDG_DATA_HOME/dbus-1/services"
  export XDG_DATA_HOME PQ_TEST_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi

home=$(mktemp -d)
trap 'kill -9 ${pid:-} 2>/dev/null || true; rm -rf "$home" "$XDG_DATA_HOME"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nShowWhenStart=yes\n' \
  > "$home/registry.ini"
printf '[Note1]\r\nLeft=1500\r\nTop=990\r\nVisible=False\r\nTextID=1\r\n[Number of notes]\r\nTotal=1\r\n' \
  > "$home/session.ini"
printf '[ID: 1]\r\n{\\rtf1\\ansi Hidden}\r\n' > "$home/filecon.pqn"

dest=(--session --dest example.corvane.Pennyquill --object-path /Pennyquill)
"$program" & pid=$!
for _ in $(seq 100); do
  gdbus introspect "${dest[@]}" >"$home/introspect.txt" 2>/dev/null && break; sleep 0.1
done
for member in NewNote ShowAllNotes HideAllNotes AlarmDue ShowNotesList FindNotes ShowNote Toggle Quit \
  NewNoteWithText; do
  grep -q "$member" "$home/introspect.txt" || { echo "FAIL: $member not offered"; exit 1; }
done
sleep 1 # the session is back by now
gdbus call "${dest[@]}" --method example.corvane.Pennyquill.ShowAllNotes
gdbus call "${dest[@]}" --method example.corvane.Pennyquill.NewNote
# A launcher's search: the id and first line of every matching note, then that note brought up.
found=$(gdbus call "${dest[@]}" --method example.corvane.Pennyquill.FindNotes "HIDD")
[[ $found == "([('"*"', 'Hidden')],)" ]] || { echo "FAIL: FindNotes gave $found"; exit 1; }
id=${found#"([('"}; id=${id%%\'*}
[[ $(gdbus call "${dest[@]}" --method example.corvane.Pennyquill.ShowNote "$id") == "(true,)" ]] \
  || { echo "FAIL: ShowNote did not find $id"; exit 1; }
[[ $(gdbus call "${dest[@]}" --method example.corvane.Pennyquill.FindNotes "a.*") == "(@a(ss) [],)" ]] \
  || { echo "FAIL: FindNotes matched a pattern"; exit 1; }

kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "FAIL: SIGTERM did not end it"; exit 1; fi
tr -d '\r' < "$home/session.ini" > "$home/saved.txt"
grep -q "^NoteID=$id$" "$home/saved.txt" || { echo "FAIL: the note's id was not kept"; exit 1; }
grep -q "^Total=2$" "$home/saved.txt" || { echo "FAIL: NewNote made no note"; cat "$home/saved.txt"; exit 1; }
[[ $(grep -c "^Visible=True$" "$home/saved.txt") == 2 ]] \
  || { echo "FAIL: ShowAllNotes left a note hidden"; cat "$home/saved.txt"; exit 1; }
echo "the bus interface showed the hidden note and made a new one"

# Activation: with no copy running, a call starts one through the service file
# (the installed one with the program's environment put before it), and Quit
# ends it after saving.
cat >"$XDG_DATA_HOME/dbus-1/services/example.corvane.Pennyquill.service" <<EOT
[D-BUS Service]
Name=example.corvane.Pennyquill
Exec=/usr/bin/env PENNYQUILL_HOME=$home XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen $program
EOT
sleep 1 # the bus notices the new file
timeout 30 gdbus call "${dest[@]}" --method example.corvane.Pennyquill.NewNoteWithText "started by the bus" >/dev/null \
  || { echo "FAIL: the call did not start the program"; exit 1; }
gdbus call "${dest[@]}" --method example.corvane.Pennyquill.Quit >/dev/null
for _ in $(seq 100); do compgen -G "$XDG_RUNTIME_DIR/pennyquill-*.lock" >/dev/null || break; sleep 0.1; done
compgen -G "$XDG_RUNTIME_DIR/pennyquill-*.lock" >/dev/null && { echo "FAIL: Quit did not end it"; exit 1; }
grep -q "started by the bus" "$home/filecon.pqn" || { echo "FAIL: the activated copy lost the note"; exit 1; }
echo "a call started the program, which made the note and ended on Quit"
