#!/usr/bin/env bash
# Starts pennyquill, then a second one that must end within a second without
# opening a session of its own; then stops the first with SIGTERM and checks
# that it wrote its session before ending.
set -euo pipefail
program=${1:?path to pennyquill}
home=$(mktemp -d)
trap 'kill -9 "${first:-0}" 2>/dev/null || true; rm -rf "$home"' EXIT
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

kill -TERM "$first"
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$first" 2>/dev/null; then echo "FAIL: SIGTERM did not end it"; exit 1; fi
grep -q "Total=1" "$home/session.ini" || { echo "FAIL: no session written on SIGTERM"; exit 1; }
