#!/usr/bin/env bash
# The long fuzz campaign: every content reader in turn, one at a time on one
# core at low priority, 10 million inputs for the TGA and 3DS readers and
# 1 million for each other one (scripts/fuzz.sh does each run). Prints a table
# of the executions, times and findings, also kept in build/fuzz/kampanja.txt,
# and fails when any target found anything.
#   scripts/fuzz-kampanja.sh [target...]          (default: all ten)
# TAVIO_KAMPANJA_KERROIN=<n> multiplies every count (e.g. 0.01 for a quick try).
set -uo pipefail
cd "$(dirname "$0")/.."
kohteet=("$@")
[ ${#kohteet[@]} -gt 0 ] || kohteet=(tga 3ds lista fontti objekti lennokki asetukset pisteet rata haamu)
kerroin=${TAVIO_KAMPANJA_KERROIN:-1}
mkdir -p build/fuzz
yhteenveto=build/fuzz/kampanja.txt
{
  echo "fuzz campaign $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, one target at a time"
  printf '| %-9s | %12s | %8s | %s |\n' target executions seconds findings
  printf '|%s|%s|%s|%s|\n' ----------- -------------- ---------- ----------
} >"$yhteenveto"
loydot=0
for kohde in "${kohteet[@]}"; do
  case $kohde in tga | 3ds) n=10000000 ;; *) n=1000000 ;; esac
  n=$(awk -v n="$n" -v k="$kerroin" 'BEGIN { printf "%d", n * k }')
  ennen=$(ls "fuzz/kaatumiset/$kohde" 2>/dev/null | grep -vc '^\.' || true)
  alku=$(date +%s)
  nice -n 19 bash scripts/fuzz.sh "$kohde" 0 "$n" >/dev/null 2>&1
  tila=$?
  kesto=$(($(date +%s) - alku))
  ajetut=$(grep -o 'stat::number_of_executed_units: [0-9]*' "build/fuzz/$kohde.log" | awk '{print $2}')
  jalkeen=$(ls "fuzz/kaatumiset/$kohde" 2>/dev/null | grep -vc '^\.' || true)
  uudet=$((jalkeen - ennen))
  tulos=none
  if [ "$tila" -ne 0 ] || [ "$uudet" -gt 0 ]; then
    tulos="FOUND ($uudet new in fuzz/kaatumiset/$kohde, exit $tila)"
    loydot=$((loydot + 1))
  fi
  printf '| %-9s | %12s | %8s | %s |\n' "$kohde" "${ajetut:-?}" "$kesto" "$tulos" | tee -a "$yhteenveto"
done
cat "$yhteenveto"
exit $((loydot > 0))
