# Shared steps of the end-to-end tests. Sourced; the test is run inside its own
# Xvfb with the game binary as $1 and the window closer as $2.
set -euo pipefail
PELI=$1
SULJE=$2
IKKUNA="The Tavio"
TYO=$(mktemp -d /tmp/tavio-e2e-XXXXXX)
ARTEFAKTIT=${TAVIO_KOONTI:-/tmp}/artefaktit
mkdir -p "$ARTEFAKTIT"
lopetus() { if [ "${PELI_PID:-0}" -gt 0 ]; then kill "$PELI_PID" 2>/dev/null || true; fi; rm -rf "$TYO"; }
trap lopetus EXIT

virhe() { echo "FAIL: $*" >&2; exit 1; }

# A working folder with a copy of the data set (when the build made one).
valmistele_kansio() {
  if [ -d "${TAVIO_KOONTI:-}/Tiedostot" ]; then
    cp -r "$TAVIO_KOONTI/Tiedostot" "$TYO/"
  fi
  mkdir -p "$TYO/Tiedostot/Muu Data"
}

kaynnista() {
  (cd "$TYO" && exec "$PELI" >"$TYO/peli.out" 2>"$TYO/peli.err") &
  PELI_PID=$!
  WID=$(timeout 60 xdotool search --sync --name "^$IKKUNA\$" | head -n1) || virhe "no window"
  [ -n "$WID" ] || virhe "no window"
}

kuvakaappaus() { import -window root "$ARTEFAKTIT/$1.png"; }

# Closes the window the way a desktop does, and waits for the game to end.
sulje_ja_odota() {
  "$SULJE" "$IKKUNA"
  odota_loppu
}

odota_loppu() {
  local rc=0
  wait "$PELI_PID" || rc=$?
  PELI_PID=0
  if [ "$rc" -ne 0 ]; then
    cat "$TYO/peli.err" >&2
    virhe "the game exited with $rc"
  fi
}

tavut() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
