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
# Prints "scene instructions-a-frame" lines, and at 800 x 600 and 1024 x 768 each
# scene against the renderer before its bundles (every object its own draw call,
# ff6a1cd) with the targets met or not: Survivor with 1000 bubbles at 1024 x 768
# at most 150 M instructions a frame, and no scene more than 1 % above the count
# before. A run takes a few minutes: the driver compiles its shaders under the
# simulator.
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
  awk -v n="$nimi" -v s="$summa" -v f="$framet" 'BEGIN { printf "%-32s %14.0f\n", n, s / f }' |
    tee -a "$tyo/maarat"
  if [ -n "$talteen" ]; then
    mkdir -p "$talteen"
    cp "$f" "$talteen/$nimi.callgrind"
  fi
done

# The counts before the bundles: the renderer and the data set of ff6a1cd, measured
# with this script (10 frames a scene).
ennen_800="tyhja 1219073 paavalikko 10782962 survivor200 98214107 survivor1000 169799828
kisa 73930066 kisa_haamu 74152686 halloffame 24356458 lueminut 65228180"
ennen_1024="tyhja 1943444 paavalikko 15055550 survivor200 138894403 survivor1000 218642121
kisa 111259968 kisa_haamu 111506646 halloffame 33521941 lueminut 89667348"
case "${W}x${H}" in
800x600) ennen=$ennen_800 ;;
1024x768) ennen=$ennen_1024 ;;
*) exit 0 ;;
esac
echo
echo "Against the renderer before its bundles (ff6a1cd), ${W} x ${H}:"
awk -v ennen="$ennen" -v koko="${W}x${H}" '
  BEGIN { n = split(ennen, e, /[ \n]+/); for (i = 1; i < n; i += 2) vanha[e[i]] = e[i + 1] }
  $1 in vanha {
    muutos = ($2 / vanha[$1] - 1) * 100
    printf "  %-28s %8.2f M -> %8.2f M  %+6.1f %%  %s\n", $1, vanha[$1] / 1e6, $2 / 1e6, muutos,
      muutos <= 1 ? "not slower: met" : "slower by over 1 %: NOT MET"
    if ($1 == "survivor1000" && koko == "1024x768")
      tavoite = sprintf("  Survivor, 1000 bubbles, at most 150 M instructions a frame: %.2f M, %s",
        $2 / 1e6, $2 <= 150e6 ? "met" : "NOT MET")
  }
  END { if (tavoite != "") print tavoite }' "$tyo/maarat"
