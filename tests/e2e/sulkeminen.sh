# Closing the window ends the game after the credits: at least 5 s from the last
# frame, then Setup.sav holds the first run's 12 bytes and the exit code is 0.
source "$(dirname "$0")/_apu.sh"
valmistele_kansio
rm -f "$TYO/Tiedostot/Muu Data/Setup.sav"
kaynnista
sleep 1
kuvakaappaus sulkeminen-ennen
alku=$(date +%s%N)
sulje_ja_odota
kesto_ms=$(( ($(date +%s%N) - alku) / 1000000 ))
echo "closed in $kesto_ms ms"
[ "$kesto_ms" -ge 5000 ] || virhe "the game ended after $kesto_ms ms, before the credits' 5 s"
[ -f "$TYO/Tiedostot/Muu Data/Setup.sav" ] || virhe "no Setup.sav"
saatu=$(tavut "$TYO/Tiedostot/Muu Data/Setup.sav")
[ "$saatu" = "01 00 00 00 00 01 00 00 01 00 01 00" ] || virhe "Setup.sav holds $saatu"
echo PASS
