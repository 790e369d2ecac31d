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

puuttuvat=()
for p in "${paketit[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    puuttuvat+=("$p")
  fi
done

if [ ${#puuttuvat[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${puuttuvat[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${puuttuvat[@]}" >/dev/null
