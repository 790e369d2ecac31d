#!/usr/bin/env bash
# The installed game, as a player gets it: `cmake --install` of the build into a
# temporary DESTDIR, then the installed game started from an unrelated empty
# folder by a player who cannot write to the installed tree (root runs it as the
# user nobody), with a fresh home folder, its window closed as a desktop closes
# it. Also the menu entry, the AppStream file, the man page, the icons and the
# command line. Runs inside an X server of its own (scripts/xvfb-aja.sh).
#   asennus.sh BUILD_FOLDER VERSION
set -euo pipefail
KOONTI=$1
VERSIO=$2

virheita=0
vaadi() { # message, then the command that must succeed
    local viesti=$1
    shift
    if ! "$@"; then
        echo "FAIL: $viesti" >&2
        virheita=$((virheita + 1))
    fi
}

heksa() { od -An -tx1 "$1" 2>&1 | tr -d ' \n'; }

tyo=$(mktemp -d /tmp/tavio-asennus-XXXXXX)
trap 'chmod -R u+w "$tyo"; rm -rf "$tyo"' EXIT
chmod 755 "$tyo"
juuri=$tyo/juuri
DESTDIR=$juuri cmake --install "$KOONTI" --prefix /usr >"$tyo/asennus.log"
peli=$juuri/usr/games/tavio
jako=$juuri/usr/share

# ---- The layout and the files of the desktop ----
for f in games/tavio share/games/tavio/Tiedostot/LatausLista.txt \
    share/applications/tavio.desktop share/metainfo/tavio.metainfo.xml \
    share/man/man6/tavio.6.gz share/doc/tavio/README.md share/doc/tavio/LICENSE \
    share/doc/tavio/copyright share/doc/tavio/changelog.gz; do
    vaadi "installed $f" test -f "$juuri/usr/$f"
done
vaadi "the game is executable" test -x "$peli"
vaadi "no saves or leftovers among the installed files" \
    test -z "$(find "$juuri" -name '*.sav' -o -name '*.tmp')"
for n in 16 32 48 64 128 256; do
    vaadi "icon ${n}x${n}" test "$(identify -format '%w %h %m' \
        "$jako/icons/hicolor/${n}x${n}/apps/tavio.png" 2>&1)" = "$n $n PNG"
done
vaadi "desktop-file-validate" desktop-file-validate "$jako/applications/tavio.desktop"
vaadi "the menu entry runs tavio" grep -qx 'Exec=tavio' "$jako/applications/tavio.desktop"
vaadi "the menu entry names the icon" grep -qx 'Icon=tavio' "$jako/applications/tavio.desktop"
vaadi "appstreamcli validate" appstreamcli validate --no-net "$jako/metainfo/tavio.metainfo.xml"
MANWIDTH=80 man --warnings -l "$jako/man/man6/tavio.6.gz" >"$tyo/man.txt" 2>"$tyo/man.err" || true
vaadi "the man page renders without warnings" test ! -s "$tyo/man.err"
vaadi "the man page names its options" grep -q -- '--data' "$tyo/man.txt"
cat "$tyo/man.err" >&2

# ---- The command line, with no display ----
komento() { # exit code, stdout and stderr of the installed game with these arguments
    set +e
    env -u DISPLAY "$peli" "$@" >"$tyo/ulos" 2>"$tyo/virhe"
    echo $? >"$tyo/rc"
    set -e
}
komento --help
vaadi "--help exits 0" test "$(cat "$tyo/rc")" = 0
vaadi "--help prints the usage on stdout" grep -q '^Usage: tavio \[--data DIR\]' "$tyo/ulos"
vaadi "--help prints nothing on stderr" test ! -s "$tyo/virhe"
komento --version
vaadi "--version exits 0" test "$(cat "$tyo/rc")" = 0
vaadi "--version prints $VERSIO" test "$(cat "$tyo/ulos")" = "tavio $VERSIO"
komento --full-screen
vaadi "an unknown option exits 2" test "$(cat "$tyo/rc")" = 2
vaadi "an unknown option prints nothing on stdout" test ! -s "$tyo/ulos"
vaadi "an unknown option is named, with the usage, on stderr" \
    grep -q "unknown option '--full-screen'" "$tyo/virhe"
vaadi "the usage goes with it" grep -q '^Usage: tavio' "$tyo/virhe"

# The game alone, with its data nowhere to be found: the places, and exit 1.
mkdir "$tyo/yksin" "$tyo/tyhja"
cp "$peli" "$tyo/yksin/tavio"
etuliite=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$KOONTI/CMakeCache.txt")
if [ -e "$etuliite/share/games/tavio/Tiedostot/LatausLista.txt" ]; then
    echo "note: $etuliite holds an installed game; the no-data case is not run" >&2
else
    set +e
    (cd "$tyo/tyhja" && env -i TAVIO_DATA="$tyo/ei" "$tyo/yksin/tavio" --data "$tyo/tyhja" \
        >"$tyo/ulos" 2>"$tyo/virhe")
    rc=$?
    set -e
    vaadi "no data folder exits 1" test $rc = 1
    for paikka in "--data: $tyo/tyhja" "TAVIO_DATA: $tyo/ei" "the working directory: $tyo/tyhja" \
        "beside the game: $tyo/yksin/../share/games/tavio" \
        "the install prefix: $etuliite/share/games/tavio"; do
        vaadi "no data folder: '$paikka' listed" grep -qF "  $paikka" "$tyo/virhe"
    done
fi

# ---- The installed game, played by someone who cannot write to it ----
koti=$tyo/koti
mkdir "$koti"
ajaja=()
if [ "$(id -u)" = 0 ]; then
    chown 65534:65534 "$koti"
    ajaja=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
chmod -R a-w "$juuri"
puu() { (cd "$juuri" && find . -printf '%M %s %p\n' | sort && find . -type f -print0 | sort -z |
    xargs -0 sha256sum); }
puu >"$tyo/puu-ennen"

pelaa() { # starts the game, waits for its window, runs $1 on it, closes it; exit code in $tyo/rc
    local tarkistus=${1:-true}
    (cd "$tyo/tyhja" && exec env -i DISPLAY="$DISPLAY" HOME="$koti" PATH=/usr/bin:/bin \
        SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 MESA_SHADER_CACHE_DISABLE=true \
        "${ajaja[@]}" "$peli" 2>"$tyo/peli.err") &
    local pid=$!
    local ikkuna
    # xdotool gives up at the first X error, and a window that goes while it reads
    # the names (SDL's own, while the game sets its video mode) is one: ask again
    # until the game's window is there, the game has gone, or two minutes pass.
    ikkuna=""
    for _ in $(seq 240); do
        ikkuna=$(xdotool search --name '^The Tavio$' 2>/dev/null | head -n1) || true
        if [ -n "$ikkuna" ] || ! kill -0 "$pid" 2>/dev/null; then break; fi
        sleep 0.5
    done
    if [ -z "$ikkuna" ]; then
        echo "FAIL: no window" >&2
        virheita=$((virheita + 1))
        kill "$pid" 2>/dev/null || true
    else
        $tarkistus "$ikkuna"
        "$KOONTI/tools/ikkuna/tavio_sulje" "The Tavio"
    fi
    set +e
    wait "$pid"
    echo $? >"$tyo/rc"
    set -e
    cat "$tyo/peli.err" >&2
}

tallenteet=$koti/.local/share/tavio
pelaa
vaadi "the game exits 0 after its credits" test "$(cat "$tyo/rc")" = 0
vaadi "Setup.sav holds the first run's settings" \
    test "$(heksa "$tallenteet/Setup.sav")" = 010000000001000001000100
for i in 1 2 3 4 5 6 7; do
    vaadi "Pisteet$i.sav is a whole table" test "$(stat -c %s "$tallenteet/Pisteet$i.sav" 2>&1)" = 384
done
vaadi "the save folder holds the eight files and nothing else" \
    test "$(ls -A "$tallenteet" | wc -l)" = 8
for k in "$koti/.local" "$koti/.local/share" "$tallenteet"; do
    vaadi "$k is the player's own (0700)" test "$(stat -c %a "$k")" = 700
done
vaadi "nothing else is written into the home folder" \
    test "$(cd "$koti" && find . | sort | tr '\n' ' ')" = \
    ". ./.local ./.local/share ./.local/share/tavio $(for f in Pisteet1 Pisteet2 Pisteet3 \
        Pisteet4 Pisteet5 Pisteet6 Pisteet7 Setup; do printf './.local/share/tavio/%s.sav ' $f; done)"
vaadi "nothing is written into the working directory" test -z "$(ls -A "$tyo/tyhja")"
puu >"$tyo/puu-jalkeen"
vaadi "the installed tree is unchanged" cmp -s "$tyo/puu-ennen" "$tyo/puu-jalkeen"

# A second run reads the saved settings back: 640 x 480 in a window, and the
# reserved byte 7 is written back as it was read.
printf '\x00\x00\x00\x00\x00\x00\x00\x00\x07\x00\x00\x00' >"$tallenteet/Setup.sav"
koko() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}' \
    >"$tyo/koko"; }
pelaa koko
vaadi "the second run exits 0" test "$(cat "$tyo/rc")" = 0
vaadi "the second run opens the saved mode 640x480 (got $(cat "$tyo/koko"))" \
    test "$(cat "$tyo/koko")" = 640x480
vaadi "the second run writes the settings it read" \
    test "$(heksa "$tallenteet/Setup.sav")" = 000000000000000007000000
puu >"$tyo/puu-jalkeen"
vaadi "the installed tree is still unchanged" cmp -s "$tyo/puu-ennen" "$tyo/puu-jalkeen"

if [ "$virheita" -gt 0 ]; then
    echo "$virheita checks failed" >&2
    exit 1
fi
echo "installed game: every check passed"
