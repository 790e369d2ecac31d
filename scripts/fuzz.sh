#!/usr/bin/env bash
# Fuzzes one content reader with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) on one core, for a time or a number of inputs.
#   scripts/fuzz.sh <target> [seconds] [inputs]      (default 60 s; 0 = no limit)
#   targets: tga 3ds lista fontti objekti lennokki asetukset pisteet rata haamu
# Starts from the committed seeds (fuzz/korpus/<target>, read only) and the
# inputs earlier runs found (build/fuzz/korpus/<target>, where new ones go).
# A crash is written to fuzz/kaatumiset/<target>/: fix the reader and commit
# the file, and ./test replays it for good.
set -euo pipefail
cd "$(dirname "$0")/.."
kohde=${1:?usage: scripts/fuzz.sh <target> [seconds] [inputs]}
sekunnit=${2:-60}
syotteet=${3:-0}
[ -d "fuzz/korpus/$kohde" ] || { echo "no target $kohde (fuzz/korpus/$kohde)" >&2; exit 2; }

bash scripts/riippuvuudet.sh
cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIO_FUZZ=ON -DTAVIO_SANITOINTI=ON >/dev/null
cmake --build build/fuzz --target "tavio_fuzz_$kohde" -j2 >/dev/null

tyo=build/fuzz/korpus/$kohde
mkdir -p "$tyo" "fuzz/kaatumiset/$kohde"
sanakirja=()
if [ -f "fuzz/sanakirjat/$kohde.dict" ]; then sanakirja=(-dict="fuzz/sanakirjat/$kohde.dict"); fi
rajat=(-max_total_time="$sekunnit")
if [ "$syotteet" -gt 0 ]; then rajat+=(-runs="$syotteet"); fi

loki=build/fuzz/$kohde.log
set +e
"build/fuzz/fuzz/tavio_fuzz_$kohde" -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=1 \
  "${rajat[@]}" -print_final_stats=1 "${sanakirja[@]}" \
  -artifact_prefix="fuzz/kaatumiset/$kohde/" "$tyo" "fuzz/korpus/$kohde" 2>&1 | tee "$loki" |
  grep -E "^#[0-9]+ +(INITED|DONE)|^Done|ERROR|SUMMARY|artifact|stat::number_of_executed_units"
tila=${PIPESTATUS[0]}
set -e
echo "log: $loki"
exit "$tila"
