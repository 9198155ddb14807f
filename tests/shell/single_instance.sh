#!/usr/bin/env bash
# Starts pennyquill, then a second one that must hand its command line over
# and end within a second without opening a session of its own; a copy on
# another data folder runs beside it; a start that cannot make its lock says
# why and fails. Then stops the first with SIGTERM and checks that it wrote
# its session before ending.
set -euo pipefail
program=${1:?path to pennyquill}
home=$(mktemp -d)
trap 'kill -9 ${first:-} ${other:-} 2>/dev/null || true; rm -rf "$home"' EXIT
export PENNYQUILL_HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$program" & first=$!
# Wait until the first one has brought its notes back (its lock is held by then).
for _ in $(seq 100); do compgen -G "$XDG_RUNTIME_DIR/pennyquill-*.lock" >/dev/null && break; sleep 0.1; done
sleep 1

start=$(date +%s%N)
timeout 5 "$program"
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "second start ended after ${elapsed_ms} ms"
(( elapsed_ms < 1000 )) || { echo "FAIL: second start took too long"; exit 1; }
kill -0 "$first" || { echo "FAIL: the first one did not keep running"; exit 1; }

# Another data folder: a copy of its own, side by side.
mkdir -p "$home/other"
PENNYQUILL_HOME="$home/other" "$program" & other=$!
sleep 2
kill -0 "$other" || { echo "FAIL: a copy on another data folder did not run"; exit 1; }
kill -TERM "$other"; wait "$other" || true

# A lock that cannot be taken or reached (a folder stands at its name) is
# said on stderr (the message box then waits for a click: stopped here).
mkdir -p "$home/locked"
key=$(printf %s "$(realpath "$home/locked")" | sha1sum | cut -c1-12)
mkdir -p "$XDG_RUNTIME_DIR/pennyquill-$key.lock/x"
PENNYQUILL_HOME="$home/locked" timeout -s KILL 3 "$program" 2>"$home/stderr" || true
grep -q "^pennyquill: .*cannot be" "$home/stderr" || { echo "FAIL: no word on a lock failure"; exit 1; }

kill -TERM "$first"
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$first" 2>/dev/null; then echo "FAIL: SIGTERM did not end it"; exit 1; fi
grep -q "Total=1" "$home/session.ini" || { echo "FAIL: no session written on SIGTERM"; exit 1; }
