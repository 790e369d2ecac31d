#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` of the build, its fields and files, and
# lintian with no error. Skipped (exit 77) only where cpack or lintian is missing.
#   paketti.sh BUILD_FOLDER VERSION
set -euo pipefail
KOONTI=$1
VERSIO=$2

for ohjelma in cpack lintian dpkg-deb; do
    if ! command -v "$ohjelma" >/dev/null; then
        echo "SKIP: $ohjelma is not installed (scripts/riippuvuudet.sh installs it)"
        exit 77
    fi
done

virheita=0
vaadi() {
    local viesti=$1
    shift
    if ! "$@"; then
        echo "FAIL: $viesti" >&2
        virheita=$((virheita + 1))
    fi
}

tyo=$(mktemp -d /tmp/tavio-paketti-XXXXXX)
trap 'rm -rf "$tyo"' EXIT
cpack -G DEB --config "$KOONTI/CPackConfig.cmake" -B "$tyo" >"$tyo/cpack.log" 2>&1 ||
    { cat "$tyo/cpack.log" >&2; exit 1; }
deb=$tyo/tavio_${VERSIO}_$(dpkg --print-architecture).deb
vaadi "cpack made $(basename "$deb")" test -f "$deb"

kentta() { dpkg-deb -f "$deb" "$1"; }
vaadi "package tavio" test "$(kentta Package)" = tavio
vaadi "version $VERSIO" test "$(kentta Version)" = "$VERSIO"
vaadi "section games" test "$(kentta Section)" = games
# dpkg-shlibdeps found the libraries the game links.
for kirjasto in libsdl1.2debian libsdl-mixer1.2 libglew libc6; do
    vaadi "depends on $kirjasto" grep -q "$kirjasto" <<<"$(kentta Depends)"
done
vaadi "a description for the player" grep -q 'Steer a paper plane' <<<"$(kentta Description)"

dpkg-deb -x "$deb" "$tyo/sisalto"
for f in games/tavio share/games/tavio/Tiedostot/LatausLista.txt share/applications/tavio.desktop \
    share/icons/hicolor/16x16/apps/tavio.png share/metainfo/tavio.metainfo.xml \
    share/man/man6/tavio.6.gz share/doc/tavio/copyright share/doc/tavio/changelog.gz; do
    vaadi "the package holds /usr/$f" test -f "$tyo/sisalto/usr/$f"
done
vaadi "the game is stripped" grep -q ', stripped' <<<"$(file -b "$tyo/sisalto/usr/games/tavio")"
vaadi "the changelog's newest entry is $VERSIO" \
    grep -q "^tavio ($VERSIO) " <<<"$(zcat "$tyo/sisalto/usr/share/doc/tavio/changelog.gz")"

# lintian's own exit code: 0 unless it found an error.
set +e
lintian --fail-on error "$deb" >"$tyo/lintian.txt" 2>&1
rc=$?
set -e
grep -v 'running with root privileges' "$tyo/lintian.txt" || true
vaadi "lintian reports no error" test $rc = 0
echo "lintian: $(grep -c '^E:' "$tyo/lintian.txt" || true) errors," \
    "$(grep -c '^W:' "$tyo/lintian.txt" || true) warnings"

if [ "$virheita" -gt 0 ]; then
    echo "$virheita checks failed" >&2
    exit 1
fi
echo "package: every check passed"
