#!/usr/bin/env bash
# Whatever ends the window ends the program: a window destroyed by the desktop leaves no
# process behind holding the lock. Runs on a display of its own (Xvfb).
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work"
"$program" & pid=$!
for _ in $(seq 200); do
    window="$(xdotool search --pid "$pid" --name '^Saldori$' 2>/dev/null | head -1)" || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { kill "$pid"; echo "the window never appeared"; exit 1; }
xdotool windowclose "$window"
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || exit 0
    sleep 0.1
done
kill "$pid"
echo "the program outlived its window"
exit 1
