#!/usr/bin/env bash
# Screenshots of the game for the README, at 1024 x 768, into docs/galleria:
# the real game played through its menus, a flight, game over, the summary, the
# hall of fame, the video setup, the read-me and the credits (the end-to-end
# scenario Galleria.*), and the flights as the frame benchmark holds them, the
# yard full of bubbles (survivor-200, survivor-1000, kisa-f, and a blower at
# work seen from close by, puhaltaja).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/riippuvuudet.sh
kohde=$PWD/docs/galleria
mkdir -p "$kohde"

testi=build/testi
cmake -S . -B $testi -DCMAKE_BUILD_TYPE=Debug -DTAVIO_TESTIT=ON -DTAVIO_SANITOINTI=ON >/dev/null
cmake --build $testi -j2 --target tavio tavio_tiedostot tavio_e2e
(cd $testi && TAVIO_GALLERIA="$kohde" bash ../../scripts/xvfb-aja.sh tests/tavio_e2e --gtest_filter='Galleria.*')

mittaus=build/suorituskyky
cmake -S . -B $mittaus -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIO_BENCHMARKIT=ON >/dev/null
cmake --build $mittaus -j2 --target tavio_tiedostot tavio_kehysmittaus
tyo=$(mktemp -d)
trap 'rm -rf "$tyo"' EXIT
SDL_AUDIODRIVER=dummy scripts/xvfb-aja.sh $mittaus/bench/tavio_kehysmittaus -f 5 -k 1 -c "$tyo" 1024 768 >/dev/null
mv "$tyo/survivor200.png" "$kohde/survivor-200.png"
mv "$tyo/survivor1000.png" "$kohde/survivor-1000.png"
mv "$tyo/kisa.png" "$kohde/kisa-f.png"
mv "$tyo/puhaltaja.png" "$kohde/puhaltaja.png"
echo "Screenshots: $kohde"
