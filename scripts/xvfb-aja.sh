#!/usr/bin/env bash
# Runs one command inside an X server of its own (Xvfb), so that tests in real
# windows can run side by side on a machine with no display.
#   scripts/xvfb-aja.sh [-s WIDTHxHEIGHT] command args...
set -uo pipefail
koko=1280x1024
if [ "${1:-}" = "-s" ]; then koko=$2; shift 2; fi

tyo=$(mktemp -d)
# Xvfb picks a free display number itself and writes it to fd 3. No reset when a
# client leaves: a stray client of an earlier server of the same number would
# otherwise reset this one just as the command connects, and the connection fails.
Xvfb -displayfd 3 -screen 0 "${koko}x24" -nolisten tcp -noreset -ac 3>"$tyo/naytto" \
  >"$tyo/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$tyo/naytto" ] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then cat "$tyo/xvfb.log" >&2; exit 1; fi
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$tyo/naytto")"
"$@"
rc=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$tyo"
exit $rc
