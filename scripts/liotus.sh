#!/usr/bin/env bash
# The long soaks of the real game: scripted input through the menus and
# flights of every game type (20 of each by default), in an X server of its own.
#   scripts/liotus.sh asan [flights]       the test build (AddressSanitizer and
#                                          UndefinedBehaviorSanitizer), build/testi
#   scripts/liotus.sh valgrind [flights]   a RelWithDebInfo build without
#                                          sanitizers under valgrind memcheck, build/liotus
# The totals (flights, frames, resident memory, errors, leaks) are printed and
# appended to build/<folder>/artefaktit/liotus.txt; screenshots, the memory
# samples and the valgrind log are kept in the same folder. ./test runs the
# same scenario with one flight of each game type.
set -euo pipefail
cd "$(dirname "$0")/.."
tyokalu=${1:?usage: scripts/liotus.sh asan|valgrind [flights of each game type]}
lentoja=${2:-20}

bash scripts/riippuvuudet.sh
case $tyokalu in
  asan)
    koonti=build/testi
    cmake -S . -B $koonti -DCMAKE_BUILD_TYPE=Debug -DTAVIO_TESTIT=ON -DTAVIO_SANITOINTI=ON >/dev/null
    ymparisto=()
    ;;
  valgrind)
    koonti=build/liotus
    cmake -S . -B $koonti -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIO_TESTIT=ON -DTAVIO_SANITOINTI=OFF >/dev/null
    ymparisto=(TAVIO_LIOTUS_VALGRIND=1)
    ;;
  *)
    echo "unknown tool $tyokalu (asan or valgrind)" >&2
    exit 2
    ;;
esac
cmake --build $koonti -j2 --target tavio tavio_tiedostot tavio_e2e tavio_testikoukut
mkdir -p $koonti/artefaktit
raportti=$PWD/$koonti/artefaktit/liotus.txt
cd $koonti
env "${ymparisto[@]}" TAVIO_LIOTUS_LENNOT="$lentoja" TAVIO_LIOTUS_RAPORTTI="$raportti" \
  nice bash ../../scripts/xvfb-aja.sh tests/tavio_e2e --gtest_filter='Liotus.*'
