// The flight screen: "Take wing", and one flight update a frame. The rules are
// the flight step's (LentoAskel); this screen reads the mouse and keys into its
// controls, and plays, draws and saves what the step says happened.
#include "foundation/LaiteFunktiot.h"
#include "foundation/PerusFunktiot.h"
#include "shell/Kuori.h"

#include <cstdio>

void LentoAlku(KUORI& k, PAPERPLANE& kone, LENTO& lento) {
    k.ruutu = LENTO_RUUTU;
    // The attitude is where the menu's spin left it, and the controls carry over.
    if (k.pelityyppi != 0) LataaRata(RadanPolku(k.pelityyppi), lento.rata);
    AloitaLento(lento, kone, k.pelityyppi);
    HaamuAlku(lento, kone, k.pelityyppi);
    // The clock starts once the files are read: reading a long ghost must not
    // count in the race time.
    lento.tiedot.Alusta();
    Mix_HaltMusic();
    // A moment to get hold of the mouse; nothing is drawn or read meanwhile.
    OdotaKunnes(AnnaTikit(), 1000);
    k.syoteTasattava = true;
}

OHJAUS LennonOhjaus(const NAPPAIMET& n, const HIIRI& h) {
    OHJAUS o;
    o.dx = h.AnnaXd();
    o.dy = h.AnnaYd();
    o.vasen = h.NapinTila(0) == VAPAUTETTU;
    o.oikea = h.NapinTila(2) == VAPAUTETTU;
    o.vali = h.NapinTila(1) == POHJASSA || n.NapinTila(NAPPI_SPACE) == POHJASSA;
    o.boosti = n.NapinTila(NAPPI_OIKEA_ALT) == POHJASSA || n.NapinTila(NAPPI_VASEN_ALT) == POHJASSA;
    o.lopeta = n.NapinTila(NAPPI_ESC) == POHJASSA;
    return o;
}

namespace {

// What the update left to see, in the order the game has always queued it: the
// bubbles (or the race's next bubble), the plane, the yard, the museum, the
// blowers, and last the ghost, so that it shows the scene through itself.
void PiirraLento(GRAFIIKKA& g, LENTO& lento, PAPERPLANE& kone, bool kisa, bool haamu) {
    if (!kisa) {
        for (int i = 0; i < lento.kuplat.naytettavia; i++)
            g.LisaaObjekti(lento.kuplat.bubbles[lento.kuplat.naytettavat[i]]);
    } else if (lento.rata.seuraava < lento.rata.pituus) {
        g.LisaaObjekti(lento.rata.kuplat[lento.rata.seuraava]);
    }
    if (lento.kameraTila != 2) g.LisaaObjekti(kone.body);
    g.LisaaObjekti(lento.piha);
    g.LisaaObjekti(lento.museo);
    for (int i = 0; i < lento.puhaltajat.maara && i < PUHALTAJIEN_MAARA; i++)
        g.LisaaObjekti(lento.puhaltajat.objektit[i]);
    if (haamu && lento.haamut.naytetaan) g.LisaaObjekti(lento.haamut.kuva);
}

// The chase camera looks at the plane from one unit behind it along the lagging
// nose; F2 rolls it with the plane, F1 puts it in the plane.
void Kamera(GRAFIIKKA& g, const PAPERPLANE& kone, const LENTO& lento) {
    KAMERA& kamera = g.Kamera();
    const SIJAINTI& p = kone.body.Sijainti;
    const VEKTORI& viive = lento.viive.viive;
    kamera.Kohde.Aseta(p.x, p.y, p.z);
    if (lento.kameraTila == 0)
        kamera.Ylos.Aseta(0, 1, 0);
    else
        kamera.Ylos = kone.body.Kiertomatriisi.YlosV();
    kamera.Paikka.Aseta(p.x - viive.x, p.y - viive.y, p.z - viive.z);
    if (lento.kameraTila == 2) {
        VEKTORI eteen = kone.body.Kiertomatriisi.EteenV();
        kamera.Paikka.Aseta(p.x, p.y, p.z);
        kamera.Kohde.Aseta(p.x + eteen.x, p.y + eteen.y, p.z + eteen.z);
    }
}

void Hud(KUORI& k, GRAFIIKKA& g, LENTO& lento) {
    TEKSTI& t = k.teksti;
    bool kisa = k.pelityyppi != 0;

    t.Alku();
    t.Lisaa("time ", 0, false);
    t.Lisaa(LukuSanaksi((int)(lento.tiedot.flightTime / 1000)), 0, false);
    t.Lisaa("s", 0, false);
    if (kisa) {
        t.Lisaa(" + ", 0, false);
        t.Lisaa(LukuSanaksi((int)(lento.rata.sakko / 1000)), 0, false);
        t.Lisaa("s", 0, false);
    }
    t.Lisaa("alt.  ", 1, false);
    t.Lisaa(LukuSanaksi(lento.tiedot.altitude * 10, 2), 1, false); // a world unit is 10 cm
    t.Lisaa("cm", 1, false);
    g.TulostaTeksti(t, 0, 1024, YLA_VASEN, 0, 0.8);

    t.Alku();
    t.Lisaa("Bubbles: ", 0, false);
    LisaaKuplat(t, 0, lento, kisa);
    if (!kisa) {
        t.Lisaa("Pick up this: ", 1, false);
        const char merkki[2] = {(char)KuplanMerkki(lento.kuplat.wantedKind & 3), 0};
        t.Lisaa(merkki, 1, false);
    }
    g.TulostaTeksti(t, 0, 0, ALA_VASEN, 0, 0.8);

    const BONUS& b = lento.bonus;
    if (b.messageCount > 0) {
        t.Alku();
        for (Uint32 i = 0; i < b.messageCount && i < VIESTIEN_MAARA; i++)
            t.Lisaa(b.messageTexts[i], 1, false);
        g.TulostaTeksti(t, 640, b.messageY, KESKI, 0, 1.0);
    }
}

// What is still pressed when a flight ends was pressed in the flight: letting it
// go on the game-over screen must not type or leave.
Uint8 LennonPainallukset(const NAPPAIMET& n, const HIIRI& h) {
    auto alhaalla = [](Uint8 tila) { return tila == PAINETTU || tila == POHJASSA; };
    Uint8 bitit = 0;
    if (alhaalla(h.NapinTila(0))) bitit |= LENNON_VASEN;
    if (alhaalla(h.NapinTila(1))) bitit |= LENNON_KESKI;
    if (alhaalla(h.NapinTila(2))) bitit |= LENNON_OIKEA;
    if (alhaalla(n.NapinTila(NAPPI_SPACE))) bitit |= LENNON_SPACE;
    return bitit;
}

} // namespace

void LentoRuutu(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& n, const HIIRI& h, PAPERPLANE& kone,
                LENTO& lento, KUULUVA& kuuluva) {
    if (n.NapinTila(NAPPI_PAUSE) == VAPAUTETTU) lento.tauko = !lento.tauko;
    if (!Mix_PlayingMusic()) Mix_PlayMusic(kuuluva.lentoMusiikki, 0);

    // Paused, only the scenery stands still; the clock runs on.
    if (lento.tauko) {
        g.NaytaOsoitin();
        g.LisaaObjekti(lento.piha);
        g.LisaaObjekti(lento.museo);
        TulostaRivi(g, k.teksti, h, "Pause", 640, 512, KESKI, 1.5);
        return;
    }
    g.PiilotaOsoitin();
    if (n.NapinTila(NAPPI_F1) == VAPAUTETTU) lento.kameraTila = 2;
    if (n.NapinTila(NAPPI_F2) == VAPAUTETTU) lento.kameraTila = 1;
    if (n.NapinTila(NAPPI_F3) == VAPAUTETTU) lento.kameraTila = 0;

    const LENNON_TULOS tulos = LentoAskel(lento, kone, k.pelityyppi, LennonOhjaus(n, h));

    for (int i = 0; i < tulos.aanet.maara; i++)
        SoitaAani(kuuluva.aanet[tulos.aanet.aani[i]], tulos.aanet.voimakkuus[i]);
    // The HUD draws the message in the font at size 1.
    if (n.NapinTila(NAPPI_G) == VAPAUTETTU)
        HaamuNappi(lento, g.Fontit ? g.Fontit[0].Kirjaimet[0].Korkeus : 0);
    PiirraLento(g, lento, kone, k.pelityyppi != 0, tulos.haamu);
    Kamera(g, kone, lento);
    Hud(k, g, lento);

    if (tulos.loppu != LOPPU_EI) {
        k.ruutu = PELI_OHI;
        HaamuLoppu(lento, k.pelityyppi);
        SoitaAani(kuuluva.aanet[AANI_LOPPU], 100);
        k.lennonPainallukset = LennonPainallukset(n, h);
    }
}
