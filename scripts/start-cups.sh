#!/usr/bin/env bash
# Starts a CUPS scheduler with a PDF queue "PelloraPDF" as the default printer, for the tests that
# print for real. Prints the scheduler's PID file on success (hand it to stop-cups.sh); prints
# nothing when a scheduler was already running, since that one is not ours to stop.
# Fails with a reason on stderr when CUPS or cups-pdf is missing or the scheduler does not come up.
set -euo pipefail

queue=PelloraPDF
state=${PELLORA_CUPS_STATE:-/tmp/pellora-cups}
pid_file="$state/cupsd.pid"

started=""
# A scheduler started here goes again when the queue cannot be set up.
cleanup() {
    if [ -n "$started" ] && [ -f "$pid_file" ]; then
        kill "$(cat "$pid_file")" 2>/dev/null || true
        rm -f "$pid_file"
    fi
}
fail() {
    echo "start-cups: $*" >&2
    cleanup
    exit 1
}
trap 'cleanup' ERR

for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is not installed"
[ "$(id -u)" -eq 0 ] || fail "the scheduler and the cups-pdf backend need root"

scheduler_up() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! scheduler_up; then
    mkdir -p "$state"
    setsid cupsd -f >"$state/cupsd.log" 2>&1 </dev/null &
    echo $! >"$pid_file"
    started=yes
    for _ in $(seq 50); do
        scheduler_up && break
        kill -0 "$(cat "$pid_file")" 2>/dev/null || fail "cupsd exited: $(tail -n 3 "$state/cupsd.log")"
        sleep 0.2
    done
    scheduler_up || fail "cupsd did not answer within 10 seconds"
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if [ -f "$ppd" ]; then
    lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" >&2
else
    lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd >&2
fi
lpadmin -d "$queue" >&2
cupsenable "$queue" >&2 2>/dev/null || true
cupsaccept "$queue" >&2 2>/dev/null || true

if [ -n "$started" ]; then
    echo "$pid_file"
fi
