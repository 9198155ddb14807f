#!/usr/bin/env bash
# A session of 20 notes, one of them 2,000,000 empty paragraphs (10 MB of RTF). A stop signal
# sent at five moments of the loading must end the program within a second, and without a
# session fully back nothing may be written: the files stay as they were. Prints each time.
set -euo pipefail
program=${1:?path to pennyquill}
work=$(mktemp -d)
trap 'kill -9 ${pid:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

session="$work/session"
mkdir -p "$session"
for i in $(seq 20); do
  printf '[Note%d]\r\nLeft=%d\r\nTop=300\r\nVisible=True\r\nTextID=%d\r\n' "$i" $((i * 450)) "$i"
done >"$session/session.ini"
printf '[Number of notes]\r\nTotal=20\r\n' >>"$session/session.ini"
for i in $(seq 20); do
  printf '[ID: %d]\r\n{\\rtf1\\ansi Note %d\\par\r\n' "$i" "$i"
  if ((i == 10)); then yes $'\\par\r' | head -n 2000000 || true; fi
  printf '}\r\n'
done >"$session/filecon.pqn"
# The session's files, their copies and anything left beside them.
fingerprint() { (cd "$1" && find . -type f \( -name 'session*' -o -name 'filecon*' \) -print0 | sort -z | xargs -0 sha1sum); }
before=$(fingerprint "$session")

failed=0
for moment in 0.2 0.5 1.0 1.5 2.5; do
  home="$work/home-$moment"
  cp -r "$session" "$home"
  PENNYQUILL_HOME="$home" "$program" & pid=$!
  sleep "$moment"
  start=$(date +%s%N)
  kill -TERM "$pid"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
  if kill -0 "$pid" 2>/dev/null || ((elapsed_ms > 1000)); then
    echo "FAIL: SIGTERM at ${moment} s: still running after ${elapsed_ms} ms"
    failed=1
    kill -9 "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
  # A program that had everything back by then saves it whole; otherwise nothing changes.
  if [[ $(fingerprint "$home") == "$before" ]]; then
    outcome="files untouched"
  elif grep -q "Total=20" "$home/session.ini" && (( $(stat -c %s "$home/filecon.pqn") >= 10000000 )); then
    outcome="loaded, saved whole"
  else
    echo "FAIL: SIGTERM at ${moment} s changed the files of a session not fully loaded"
    failed=1
    outcome="files changed"
  fi
  echo "SIGTERM at ${moment} s: ended after ${elapsed_ms} ms, ${outcome}"
done
exit "$failed"
