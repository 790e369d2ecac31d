#!/usr/bin/env bash
# Writes the seed files of the fuzz targets that read the data set's own kinds
# of file (fontti objekti lennokki asetukset pisteet rata haamu, and the data set's
# small models and load list for 3ds and lista) into
# fuzz/korpus/<target>: copies from a built data set, files saved by the game's
# own save functions, and a few small broken variants written here.
#   scripts/fuzz-siemenet.sh [build folder]     (default build/testi, built first)
set -euo pipefail
cd "$(dirname "$0")/.."
koonti=${1:-build/testi}
T=$koonti/Tiedostot
K=fuzz/korpus
[ -d "$T" ] || { echo "no data set in $T: build first" >&2; exit 1; }
[ -x "$koonti/tests/tavio_tallentaja" ] || { echo "no $koonti/tests/tavio_tallentaja: build the tests first" >&2; exit 1; }
mkdir -p $K/{fontti,objekti,lennokki,asetukset,pisteet,rata,3ds,lista}

# From the data set.
cp "$T/Fontit/MerkkienLeveydet.txt" $K/fontti/data.txt
for f in Museo Kupla1 Puhaltaja; do cp "$T/Objektit/$f.txt" $K/objekti/data_$f.txt; done
for f in Nuoli Liitaja Haukka; do cp "$T/PP/$f.txt" $K/lennokki/data_$f.txt; done
for f in A C F; do cp "$T/Muu Data/BubbleRace$f.dat" $K/rata/data_$f.dat; done
for f in Nuoli Haukka Kupla1; do cp "$T/3D Mallit/$f.3ds" $K/3ds/data_$f.3ds; done
cp "$T/LatausLista.txt" $K/lista/data.txt

# Saved by the game's own save functions (the save test's helper, one round).
tyo=$(mktemp -d)
trap 'rm -rf "$tyo"' EXIT
mkdir -p "$tyo/Tiedostot/Muu Data"
(cd "$tyo" && "$OLDPWD/$koonti/tests/tavio_tallentaja" 1 >/dev/null)
cp "$tyo/Tiedostot/Muu Data/Setup.sav" $K/asetukset/tallennettu.bin
cp "$tyo/Tiedostot/Muu Data/Pisteet1.sav" $K/pisteet/tallennettu.bin

# Small variants, as players' hands and broken disks leave them.
printf '\x01\x00\x00\x00\x00\x01\x00\x00\x01\x00\x01\x00' >$K/asetukset/oletus.bin
printf '\x04\x00\x00\x00\x01\x04\x00\x00\x7e\x01\x04\x00' >$K/asetukset/kokonaytto.bin
printf '\x05\x00\x00\x00\x01' >$K/asetukset/lyhyt.bin
printf '\x06\x00\x00\x00\x01\x00\x00\x00\xff' >$K/asetukset/yli.bin
printf '\x05\x00\x00\x00\x44\x33\x22\x11\xbb\xaa' >$K/pisteet/lyhyt.bin
head -c 384 /dev/zero | tr '\0' 'Z' >$K/pisteet/ilman_nollia.bin

for i in $(seq 200); do echo 12; done >$K/fontti/lyhyt.txt
{ printf '256\r\n'; for i in $(seq 30); do printf ' +%d\r\n' "$i"; done; } >$K/fontti/crlf.txt
{ echo 1024; echo 7; echo 12345678901234567890; echo 9; echo -5; echo 0x10; echo abc; } >$K/fontti/pitka_rivi.txt
printf '#3D_MALLI;>M;\n#TEKSTUURI;>T' >$K/objekti/ei_loppua.txt
printf 'Kupla\r\n#3D_MALLI;\r\n>  Kupla ;\r\n#TEKSTUURI; >Kupla2;\r\n#END_OF_FILE;\r\n' >$K/objekti/crlf.txt
{ printf '#TEKSTUURI;>'; head -c 120 /dev/zero | tr '\0' 'x'; printf ';\n#END_OF_FILE;\n'; } >$K/objekti/pitka.txt
printf '#MASSAJAKAUMA;>nan;\n#AERODYNAAMISUUS;>1e999;\n#SIIPIALA;> 1;\n#PP;>Oma kone;\n#MASSA;>-0x1p3;\n#3D_MALLI;>Nuoli;\n#TEKSTUURI;>Nuoli;\n#END_OF_FILE;\n' >$K/lennokki/oudot.txt
printf 'Kone #1\n#PP;>Haukka\n#MASSAJAKAUMA;>-40.5e1x;' >$K/lennokki/ei_loppua.txt

yksi='\x00\x00\x00\x00\x00\x00\xf0\x3f'
nan='\x00\x00\x00\x00\x00\x00\xf8\x7f'
printf '\x00\x00\x00\x00' >$K/rata/tyhja.dat
printf '\xff\xff\xff\xff' >$K/rata/negatiivinen.dat
{ printf '\xc9\x00\x00\x00'; tail -c +5 "$T/Muu Data/BubbleRaceF.dat"; } >$K/rata/yli_200.dat
{ printf '\x88\x13\x00\x00'; tail -c +5 "$T/Muu Data/BubbleRaceA.dat"; } >$K/rata/lyhyt_5000.dat
printf "\\x02\\x00\\x00\\x00$yksi$yksi$yksi$yksi$nan$yksi$yksi$yksi" >$K/rata/nan.dat
printf "\\x01\\x00\\x00\\x00$yksi$yksi$yksi\\x00\\x00\\x00\\x00\\x00\\x00\\x8f\\x40" >$K/rata/iso_boosti.dat
ls $K/* | wc -l

# Ghost files: a header (magic, version, track letter, name length, track
# fingerprint, result, count), the plane's name, then 9 floats per update.
mkdir -p $K/haamu
nolla='\x00\x00\x00\x00'
f1='\x00\x00\x80\x3f'
asento="\\x00\\x00\\xc8\\xc2\\x00\\x00\\xc8\\x42$nolla$nolla$nolla$f1$nolla$f1$nolla"
toinen="\\x00\\x00\\xc6\\xc2\\x00\\x00\\xc7\\x42\\x00\\x00\\x00\\x3f$nolla$nolla$f1$nolla$f1$nolla"
otsake() { printf "HAMU\\x01\\x00$1$2\\x44\\x33\\x22\\x11\\xa0\\x86\\x01\\x00$3"; }
{ otsake A '\x04' '\x03\x00\x00\x00'; printf "Dart$asento$toinen$asento"; } >$K/haamu/pieni.dat
{ otsake F '\x62' '\x02\x00\x00\x00'; head -c 98 /dev/zero | tr '\0' 'P'; printf "$asento$toinen"; } >$K/haamu/pitka_nimi.dat
{ otsake C '\x00' '\x01\x00\x00\x00'; printf "$toinen"; } >$K/haamu/nimeton.dat
head -c 70 $K/haamu/pieni.dat >$K/haamu/lyhyt.dat
{ otsake A '\x04' '\x02\x00\x00\x00'; printf "Dart$asento\\x00\\x00\\xc0\\x7f"; printf "$toinen" | tail -c +5; } >$K/haamu/nan.dat
{ otsake A '\x04' '\x01\x00\x00\x00'; printf "Dart\\x00\\x00\\xc8\\xc2\\x00\\x00\\xc8\\x42$nolla$nolla$f1$f1$nolla$f1$nolla"; } >$K/haamu/vino.dat
{ otsake B '\x04' '\x29\x8c\x00\x00'; printf "Dart$asento"; } >$K/haamu/liian_pitka.dat
{ printf "HAMU\\x02\\x00A\\x00\\x44\\x33\\x22\\x11$nolla\\x01\\x00\\x00\\x00"; printf "$asento"; } >$K/haamu/versio2.dat
