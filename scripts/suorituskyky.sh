#!/usr/bin/env bash
# Measures the game: builds the release configuration with the benchmarks, runs
# the logic benchmarks, the frame benchmark at 800 x 600, 1024 x 768 and
# 1600 x 1200 (one X server, Mesa's software OpenGL on a machine without a GPU)
# and the real game's start-up to its first frame, and writes the figures and a
# short report, every target met or not, with the machine and its load:
#
#   build/suorituskyky/tulokset/suorituskyky.json   every figure
#   build/suorituskyky/tulokset/raportti.txt         the targets, met or not
#
# It takes about a quarter of an hour and runs unattended. The machine should be
# otherwise idle: the report gives the load before and after; the count of
# instructions (scripts/kaskyt.sh) is the same on a busy one. Options (environment):
# KEHYKSET frames a scene per round (default 200), KIERROKSET rounds (default 5),
# TOISTOT repetitions of the logic benchmarks (default 5), KAYNNISTYKSET game
# starts (default 5). On a busy machine compare versions with scripts/kaskyt.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
LAHDE=$(pwd)
bash scripts/riippuvuudet.sh

KOONTI=$LAHDE/build/suorituskyky
TULOS=$KOONTI/tulokset
cmake -S . -B "$KOONTI" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIO_BENCHMARKIT=ON >/dev/null
cmake --build "$KOONTI" -j2 --target tavio tavio_tiedostot tavio_benchmarkit \
  tavio_kehysmittaus tavio_ensimmainen_kuva tavio_raportti tavio_kuplamaarat
rm -rf "$TULOS"
mkdir -p "$TULOS"

{
  echo "kone.prosessori=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
  echo "kone.ytimia=$(nproc)"
  echo "kone.muisti_mt=$(awk '/MemTotal/ {print int($2 / 1024)}' /proc/meminfo)"
  echo "kone.jarjestelma=$(. /etc/os-release && echo "$PRETTY_NAME")"
  echo "kone.mesa=$(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null || echo ?)"
  echo "kone.paiva=$(date -u +%Y-%m-%dT%H:%MZ)"
  echo "kone.kuorma_alussa=$(cut -d' ' -f1 /proc/loadavg)"
} >"$TULOS/kone.txt"
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== Logic benchmarks"
"$KOONTI/bench/tavio_benchmarkit" --benchmark_repetitions="${TOISTOT:-5}" \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$TULOS/logiikka.json" --benchmark_out_format=json | tee "$TULOS/logiikka.txt"

echo "== Live bubbles in the scripted pilot's Survivor flights"
"$KOONTI/bench/tavio_kuplamaarat" -o "$TULOS/kehys.txt" | tee "$TULOS/kuplat.txt"

echo "== Frames at 800 x 600, 1024 x 768, 1600 x 1200 and start-up (Xvfb, 1600 x 1200 screen)"
cat >"$TULOS/kehykset.sh" <<SKRIPTI
set -euo pipefail
export SDL_AUDIODRIVER=dummy
# The costs of content (-a) at the size the targets are set for.
"$KOONTI/bench/tavio_kehysmittaus" -f "${KEHYKSET:-200}" -k "${KIERROKSET:-5}" -a \
  -o "$TULOS/kehys.txt" 800 600 | tee -a "$TULOS/kehys-tuloste.txt"
for koko in "1024 768" "1600 1200"; do
  "$KOONTI/bench/tavio_kehysmittaus" -f "${KEHYKSET:-200}" -k "${KIERROKSET:-5}" \
    -o "$TULOS/kehys.txt" \$koko | tee -a "$TULOS/kehys-tuloste.txt"
done
# The game itself, started as a player starts it (800 x 600, the default), ended
# at its first presented frame by the preloaded library.
cd "$KOONTI"
for i in \$(seq "${KAYNNISTYKSET:-5}"); do
  TAVIO_ENSIMMAINEN="$TULOS/peli.txt" LD_PRELOAD="$KOONTI/bench/libtavio_ensimmainen_kuva.so" \
    TAVIO_ALKU_NS=\$(date +%s%N) timeout 60 ./tavio
done
SKRIPTI
scripts/xvfb-aja.sh -s 1600x1200 bash "$TULOS/kehykset.sh"
rm "$TULOS/kehykset.sh"

echo "== Instructions a frame of Survivor with 1000 bubbles at 1024 x 768 (callgrind)"
scripts/kaskyt.sh -s survivor1000 "$KOONTI" 1024 768 | tee "$TULOS/kaskyt.txt"
awk '$1 == "survivor1000" && $2 ~ /^[0-9]+$/ { print "1024x768.survivor1000.kaskyja=" $2 }' "$TULOS/kaskyt.txt" \
  >>"$TULOS/kehys.txt"
echo "kone.kuorma_lopussa=$(cut -d' ' -f1 /proc/loadavg)" >>"$TULOS/kone.txt"
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"

"$KOONTI/bench/tavio_raportti" "$TULOS"
echo
echo "Figures: $TULOS/suorituskyky.json"
echo "Report:  $TULOS/raportti.txt"
