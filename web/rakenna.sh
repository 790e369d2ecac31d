#!/usr/bin/env bash
# Builds the browser version into one folder that any static web server can
# serve: tavio.html, tavio.js, tavio.wasm and tavio.data.
#
#   web/rakenna.sh [--tiedostot DIR] [BUILD]
#
# BUILD is the Emscripten build folder (default build/selain); the page lands in
# BUILD/julkaisu. The data set is made by the game's native content generator,
# in the folder ./run builds (build/peli), unless --tiedostot names a generated
# Tiedostot folder to use as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
tiedostot=""
if [ "${1:-}" = "--tiedostot" ]; then tiedostot=$(realpath "$2"); shift 2; fi
koonti=$(realpath -m "${1:-build/selain}")

bash scripts/riippuvuudet.sh
if [ -z "$tiedostot" ]; then
  cmake -S . -B build/peli -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/peli -j"$(nproc)" --target tavio_tiedostot
  tiedostot=$(pwd)/build/peli/Tiedostot
fi

# Debian's Emscripten finds its JavaScript modules through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S web -B "$koonti" -DCMAKE_BUILD_TYPE=Release -DTAVIO_TIEDOSTOT="$tiedostot" >/dev/null
cmake --build "$koonti" -j"$(nproc)"
echo "The browser version is in $koonti/julkaisu (open tavio.html through a web server)."
