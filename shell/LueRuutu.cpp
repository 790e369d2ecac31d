// The read-me screen (in Finnish) and the credits frame that ends every run.
#include "shell/Kuori.h"

// Windows-1252 text, as the font draws it: \x95 is the bullet, \xE4 a-umlaut,
// \xF6 o-umlaut, \xC4 A-umlaut.
const char* const LUEMINUT[LUEMINUUTIN_RIVIT] = {
    "Pelityypit",
    "  \x95 Survivor: Ker\xE4\xE4 mahdollisimman monta kuplaa.",
    "  \x95 Bubble race: Ker\xE4\xE4 kuplat mahdollisimman NOPEASTI.",
    "",
    "N\xE4pp\xE4imet",
    "  \x95 hiiren liikutus yl\xF6s/alas - lennokin k\xE4\xE4nt\xE4minen yl\xF6s/alas asentoonsa "
    "n\xE4hden",
    "  \x95 hiiren liikutus sivuttain - lennokin py\xF6ritt\xE4minen menosuuntaan n\xE4hden",
    "  \x95 hiiren oikean/vasemman napin r\xE4mpytys - lennokin k\xE4\xE4nt\xE4minen sivuttain",
    "  \x95 hiiren keskinappi tai Space - lennokin oikaisu",
    "  \x95 Alt - lis\xE4nopeus (vain Bubble race)",
    "  \x95 F1...F3 - kuvakulmat",
    "  \x95 F9...F12 - musiikin voimakkuus",
    "  \x95 Q + Esc - pikalopetus",
    "  \x95 Page up/down - hidastaa peli\xE4 (suositeltavaa jos Fps > 80)",
    "",
    "Vinkkej\xE4 aloittelijalle",
    "  \x95 Pyri ensisijaisesti k\xE4\xE4nt\xE4m\xE4\xE4n lennokkia napeilla",
    "  \x95 K\xE4yt\xE4 hiiren liikutus -k\xE4\xE4nt\xE4mist\xE4 vain tiukoissa, tai yl\xF6s/alas "
    "k\xE4\xE4nn\xF6ksiss\xE4",
    "    (On tehokkampaa!).",
    "  \x95 Lennokkia k\xE4\xE4nt\xE4"
    "ess\xE4 hiirell\xE4 tai py\xF6ritt\xE4ss\xE4:",
    "    pid\xE4 mieless\xE4, ettei sinun kannata likkuttaa hiirt\xE4 muuten",
    "    kuin T\xC4SM\xC4LLEEN yl\xF6s tai T\xC4SM\xC4LLEEN oikeaan jne.",
    "    Eli EI KOSKAAN mihink\xE4\xE4n viistoon!",
    "    Esim.: Py\xF6rit\xE4 lennokki ensiksi sivuttain liikuttamalla oikealle",
    "              ja vasta sen j\xE4lkeen k\xE4\xE4nn\xE4 lennokkia liikuttamalla pystysuunnassa",
    "  \x95 Jos lennokki on vinossa (esim. sivuttaissilmukan j\xE4lkeen) -> oikaise se!",
    "  \x95 K\xE4yt\xE4 lis\xE4nopeutta vain h\xE4t\xE4tapauksissa (sakkosekunteja!).",
    "  \x95 Lis\xE4nopeutta saa sit\xE4 enenmm\xE4n mit\xE4 matalammalla on.",
    "",
    "Omat lennokit",
    "  \x95 Lis\xE4\xE4 tekem\xE4si 3D modelisi \"Tiedostot\\3D Mallit\"",
    "  \x95 Lis\xE4\xE4 tekem\xE4si tekstuuri \"Tiedostot\\Tekstuurit\"",
    "    Voit my\xF6s k\xE4ytt\xE4\xE4 hyv\xE4ksesi tekstuurimalleja ja tehd\xE4 pelk\xE4n "
    "tekstuurin (kuvan)",
    "    vanhalle 3d modelille",
    "  \x95 Tee \"Tiedostot\\PP\":ss\xE4 uusi tiedosto ja t\xE4yt\xE4 oikein (ota mallia).",
    "    Huom! Statsien muokkaus ei viel\xE4 toiminnassa.",
    "  \x95 Lis\xE4\xE4 \"Tiedostot\\LatausLista.txt\":hen tekem\xE4si tiedostot (ota mallia!).",
};

void LueRuutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h) {
    g.NaytaOsoitin();
    TEKSTI& t = k.teksti;
    Otsikko(g, t, h, "Lukemista");

    // The text scrolls with the pointer's x: at the right edge it starts under
    // the title, at the left edge it has moved 640 units up.
    t.Alku();
    for (int rivi = 0; rivi < LUEMINUUTIN_RIVIT; rivi++) t.Lisaa(LUEMINUT[rivi], rivi, false);
    g.TulostaTeksti(t, 0, 1540 - 0.5 * h.AnnaX(), h, YLA_VASEN, 0, 0.6);

    t.Alku();
    t.Lisaa("Back to main menu", 0, true);
    g.TulostaTeksti(t, 0, 0, h, ALA_VASEN, 0, 0.75);
    if (Klikattu(t, 0, h)) k.ruutu = PAAVALIKKO;
}

void LopputekstiRuutu(KUORI& k, GRAFIIKKA& g) {
    TEKSTI& t = k.teksti;
    t.Alku();
    t.Lisaa("The game by the Tavio team", 0, false);
    t.Lisaa("Musics by the Tavio synthesiser", 3, false);
    g.TulostaTeksti(t, 640, 512, KESKI, 0, 1.0);
    g.PiilotaOsoitin();
}
