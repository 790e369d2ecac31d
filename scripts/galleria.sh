#!/usr/bin/env bash
# Screenshots of the game for the README, into docs/galleria: the real game at
# 800 x 600 played with real X input through its menus (the options with each
# plane), the first seconds of a Survivor flight and of races A and F (started
# nose first, as the read-me tells), game over, the summary, the hall of fame,
# the video setup, the read-me and the credits (the end-to-end scenarios
# Galleria.*); and one staged scene of the frame benchmark at 1024 x 768, the
# yard full of a thousand bubbles (survivor-1000).
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
mv "$tyo/survivor1000.png" "$kohde/survivor-1000.png"
echo "Screenshots: $kohde"
