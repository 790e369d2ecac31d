#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, and only
# those that are missing. Safe to run again; does nothing when all are present.
set -euo pipefail

paketit=(
  # build
  cmake make g++ clang pkg-config
  # the game's libraries and software OpenGL for machines without a GPU
  libsdl1.2-dev libsdl-mixer1.2-dev libglew-dev libglu1-mesa-dev
  libgl1-mesa-dev libgl1-mesa-dri libx11-dev libxtst-dev
  # content generator: a free TrueType font, FreeType, Ogg Vorbis encoder, zlib
  # for the icons' PNG
  fonts-dejavu-core libfreetype-dev libvorbis-dev libogg-dev zlib1g-dev
  # tests: unit tests, benchmarks, real-window tests and their screenshots
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils
  # installing and packaging (cpack -G DEB) and checking the result: the menu
  # entry, the AppStream file, the man page, the .deb; setpriv plays the
  # installed game as a player who cannot write to it
  dpkg-dev file lintian desktop-file-utils appstream man-db groff-base util-linux
  # the soak of the real game under valgrind (scripts/liotus.sh valgrind)
  valgrind
  # libFuzzer and the sanitizer runtimes of clang
  libclang-rt-14-dev
)

# The browser version (web/) and its test: Emscripten (which brings Node.js; a
# newer nodejs already installed satisfies it and is kept), headless Chromium,
# and Tesseract, with which the test reads the game's texts off its screenshots.
# The game and its other tests do without them: where they cannot be installed,
# the browser test is skipped and says so.
selaimen_paketit=(emscripten chromium tesseract-ocr tesseract-ocr-eng)

puuttuvat_paketit() {
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$p"
    fi
  done
}
mapfile -t puuttuvat < <(puuttuvat_paketit "${paketit[@]}")
mapfile -t puuttuvat_selaimelle < <(puuttuvat_paketit "${selaimen_paketit[@]}")

if [ ${#puuttuvat[@]} -eq 0 ] && [ ${#puuttuvat_selaimelle[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
if [ ${#puuttuvat[@]} -gt 0 ]; then
  echo "Installing: ${puuttuvat[*]}"
  $sudo apt-get install -y -qq --no-install-recommends "${puuttuvat[@]}" >/dev/null
fi
if [ ${#puuttuvat_selaimelle[@]} -gt 0 ]; then
  echo "Installing for the browser version: ${puuttuvat_selaimelle[*]}"
  $sudo apt-get install -y -qq --no-install-recommends "${puuttuvat_selaimelle[@]}" >/dev/null ||
    echo "Could not install ${puuttuvat_selaimelle[*]}: the browser version cannot be built or tested here." >&2
fi
