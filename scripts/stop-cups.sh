#!/usr/bin/env bash
# Stops the scheduler that start-cups.sh started, by the PID in the file it printed.
#   scripts/stop-cups.sh <pid file>
set -uo pipefail

pid_file=${1:-${PELLORA_CUPS_STATE:-/tmp/pellora-cups}/cupsd.pid}
[ -f "$pid_file" ] || exit 0
pid=$(cat "$pid_file")
lpadmin -x PelloraPDF 2>/dev/null || true
if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
fi
rm -f "$pid_file"
