// The main menu, the options and the video setup.
#include "foundation/PerusFunktiot.h"
#include "shell/Kuori.h"

namespace {

// Steps an index forwards or backwards and wraps it into 0..maara-1.
int Kierra(int indeksi, int askel, int maara) {
    if (maara <= 0) return 0;
    indeksi += askel;
    if (indeksi >= maara) indeksi = 0;
    if (indeksi < 0) indeksi = maara - 1;
    return indeksi;
}

} // namespace

void PaaValikko(KUORI& k, GRAFIIKKA& g, const HIIRI& h, KONEET& koneet, LENTO& lento, KUULUVA&) {
    TEKSTI& t = k.teksti;
    Otsikko(g, t, h, "- The Tavio -");

    t.Alku();
    t.Lisaa("Take wing", 0, true);
    t.Lisaa("Options", 1, true);
    t.Lisaa("Video setup", 2, true);
    t.Lisaa("Hall of Fame", 3, true);
    t.Lisaa("Lue t\xE4m\xE4!", 4, true);
    t.Lisaa("Quit", 5, true);
    g.TulostaTeksti(t, 640, 512, h, KESKI, 0, 1.0);

    if (Klikattu(t, 0, h)) {
        // Without a plane (a broken load list) there is nothing to fly.
        if (PAPERPLANE* kone = koneet.Valittu(k)) LentoAlku(k, *kone, lento);
    }
    if (Klikattu(t, 1, h)) k.ruutu = ASETUSRUUTU;
    if (Klikattu(t, 2, h)) k.ruutu = VIDEORUUTU;
    if (Klikattu(t, 3, h)) k.ruutu = HUIPPURUUTU;
    if (Klikattu(t, 4, h)) k.ruutu = LUE_RUUTU;
    if (Klikattu(t, 5, h)) k.lopetus = true;
}

void Asetusruutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h, const KONEET& koneet) {
    TEKSTI& t = k.teksti;
    Otsikko(g, t, h, "Options");

    t.Alku();
    t.Lisaa("Change the aeroplane", 0, true);
    t.Lisaa("Game type ", 1, false);
    t.Lisaa(PELITYYPIT[k.pelityyppi], 1, true);
    t.Lisaa("Back to main menu", 3, true);
    g.TulostaTeksti(t, 640, 512, h, KESKI, 0, 0.75);

    if (Klikattu(t, 0, h)) k.valittuKone = Kierra(k.valittuKone, +1, koneet.maara);
    if (OikeallaKlikattu(t, 0, h)) k.valittuKone = Kierra(k.valittuKone, -1, koneet.maara);
    if (Klikattu(t, 1, h)) k.pelityyppi = Kierra(k.pelityyppi, +1, PELITYYPPEJA);
    if (OikeallaKlikattu(t, 1, h)) k.pelityyppi = Kierra(k.pelityyppi, -1, PELITYYPPEJA);
    if (Klikattu(t, 2, h)) k.ruutu = PAAVALIKKO;
}

void Videoruutu(KUORI& k, ASETUKSET& a, GRAFIIKKA& g, const HIIRI& h) {
    TEKSTI& t = k.teksti;
    Otsikko(g, t, h, "Video setup");

    t.Alku();
    t.Lisaa(RESOLUUTIOT[a.resoluutio].nimi, 0, true);
    t.Lisaa(a.kokoNaytto ? " Full screen" : " Windowed", 0, true);
    t.Lisaa(a.turbo ? " Turbo mode on (choose this only if your in-game Fps is under 60)"
                    : " Turbo mode off",
            1, true);
    t.Lisaa("Back to main menu", 3, true);
    g.TulostaTeksti(t, 640, 512, h, KESKI, 0, 0.75);

    // Mode and full screen are only recorded: the window keeps its mode until the
    // next start. The list of modes only steps forwards.
    if (Klikattu(t, 0, h)) a.resoluutio = Kierra(a.resoluutio, +1, 6);
    if (Klikattu(t, 1, h)) a.kokoNaytto = a.kokoNaytto ? 0 : 1;
    if (Klikattu(t, 2, h)) a.turbo = !a.turbo;
    if (Klikattu(t, 3, h)) k.ruutu = PAAVALIKKO;
}
