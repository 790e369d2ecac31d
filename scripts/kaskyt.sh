#!/usr/bin/env bash
# Instructions a frame of each scene of the frame benchmark, counted by callgrind:
# the same figure on a busy machine as on an idle one, so that two versions of the
# renderer can be compared while others build. The renderer's threads are off
# (LP_NUM_THREADS=0: llvmpipe rasterizes in the drawing thread), so every
# instruction of a frame is counted in that thread, the driver's JIT-compiled
# shaders included; the other threads (the mixer's, which plays the music at the
# pace of the clock, not of the frames) are left out.
#
#   scripts/kaskyt.sh [-f FRAMES] [-s SCENE] [-i] [-a] [-o FOLDER] [BUILD [WIDTH HEIGHT]]
#
# BUILD is a build folder with tavio_kehysmittaus (default build/suorituskyky);
# the size defaults to 800 x 600. -o keeps the profiles in FOLDER, one a scene,
# for callgrind_annotate; -i draws the images in immediate mode (tavio_kehysmittaus
# -i); -a adds the cases of the costs of content (at most 100 frames each).
# Prints "scene instructions-a-frame" lines. A run takes a few minutes: the driver
# compiles its shaders under the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
framet=10
skene=()
talteen=""
while getopts "f:s:iao:" o; do
  case $o in
  f) framet=$OPTARG ;;
  s) skene+=(-s "$OPTARG") ;;
  o) talteen=$OPTARG ;;
  i) skene+=(-i) ;;
  a) skene+=(-a) ;;
  *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
KOONTI=$(realpath "${1:-build/suorituskyky}")
W=${2:-800}
H=${3:-600}
tyo=$(mktemp -d)
trap 'rm -rf "$tyo"' EXIT
SDL_AUDIODRIVER=dummy LP_NUM_THREADS=0 scripts/xvfb-aja.sh -s "${W}x${H}" \
  valgrind --tool=callgrind --smc-check=all-non-file --separate-threads=yes --compress-strings=no \
  --callgrind-out-file="$tyo/cg.%p" \
  "$KOONTI/bench/tavio_kehysmittaus" -f "$framet" -k 1 "${skene[@]}" "$W" "$H" \
  >"$tyo/tuloste" 2>"$tyo/valgrind" || {
  cat "$tyo/tuloste" "$tyo/valgrind" >&2
  exit 1
}
# Each scene's measured frames were dumped on their own (CALLGRIND_DUMP_STATS_AT).
for f in $(ls "$tyo"/cg.*.*-01 | sort -V); do
  nimi=$(sed -n 's/^desc: Trigger: Client Request: //p' "$f")
  [ -n "$nimi" ] || continue
  summa=$(sed -n 's/^totals: //p;s/^summary: //p' "$f" | head -n1)
  awk -v n="$nimi" -v s="$summa" -v f="$framet" 'BEGIN { printf "%-32s %14.0f\n", n, s / f }'
  if [ -n "$talteen" ]; then
    mkdir -p "$talteen"
    cp "$f" "$talteen/$nimi.callgrind"
  fi
done
