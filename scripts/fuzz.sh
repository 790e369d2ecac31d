#!/usr/bin/env bash
# Fuzzes one content reader with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for a while, on one core.
#   scripts/fuzz.sh <target> [seconds]        targets: tga 3ds lista (default 60 s)
# Starts from the committed seeds (fuzz/korpus/<target>, read only) and the
# inputs earlier runs found (build/fuzz/korpus/<target>, where new ones go).
# A crash is written to fuzz/kaatumiset/<target>/: fix the reader and commit
# the file, and ./test replays it for good.
set -euo pipefail
cd "$(dirname "$0")/.."
kohde=${1:?usage: scripts/fuzz.sh <tga|3ds|lista> [seconds]}
sekunnit=${2:-60}

bash scripts/riippuvuudet.sh
cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIO_FUZZ=ON -DTAVIO_SANITOINTI=ON >/dev/null
cmake --build build/fuzz --target "tavio_fuzz_$kohde" -j2 >/dev/null

tyo=build/fuzz/korpus/$kohde
mkdir -p "$tyo" "fuzz/kaatumiset/$kohde"
sanakirja=()
if [ -f "fuzz/sanakirjat/$kohde.dict" ]; then sanakirja=(-dict="fuzz/sanakirjat/$kohde.dict"); fi

loki=build/fuzz/$kohde.log
set +e
"build/fuzz/fuzz/tavio_fuzz_$kohde" -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=1 \
  -max_total_time="$sekunnit" -print_final_stats=1 "${sanakirja[@]}" \
  -artifact_prefix="fuzz/kaatumiset/$kohde/" "$tyo" "fuzz/korpus/$kohde" 2>&1 | tee "$loki" |
  grep -E "^#[0-9]+ +(INITED|DONE)|^Done|ERROR|SUMMARY|artifact|stat::number_of_executed_units"
tila=${PIPESTATUS[0]}
set -e
echo "log: $loki"
exit "$tila"
