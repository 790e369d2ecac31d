// The hall of fame: one game type's Top-20 at a time, paged by clicking its name.
#include "foundation/PerusFunktiot.h"
#include "shell/Kuori.h"

void HuippuRuutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h, const PISTEET* pisteet) {
    TEKSTI& t = k.teksti;
    TulostaRivi(g, t, h, "Hall of Fame", 0, 1024, YLA_VASEN, 1.5);

    t.Alku();
    t.Lisaa("Game type: ", 0, false);
    t.Lisaa(PELITYYPIT[k.huippuSivu], 0, true);
    g.TulostaTeksti(t, 0, 900, h, YLA_VASEN, 0, 0.8);
    bool nimenPaalla = t.ValittuKohta(0) > 0;

    // The count shows the page as it was when the frame began; the columns below
    // already show a page the click turns to.
    t.Alku();
    t.Lisaa(" Flight times: ", 1, false);
    t.Lisaa(LukuSanaksi(pisteet[k.huippuSivu].flights), 1, false);
    g.TulostaTeksti(t, 0, 880, h, YLA_VASEN, 0, 0.6);

    if (nimenPaalla && h.NapinTila(0) == VAPAUTETTU) k.huippuSivu++;
    if (nimenPaalla && h.NapinTila(2) == VAPAUTETTU) k.huippuSivu--;
    if (k.huippuSivu >= PELITYYPPEJA) k.huippuSivu = 0;
    if (k.huippuSivu < 0) k.huippuSivu = PELITYYPPEJA - 1;

    const PISTEET& taulu = pisteet[k.huippuSivu];
    TEKSTI* s = k.sarakkeet;
    for (int i = 0; i < 4; i++) s[i].Alku();
    s[1].Lisaa("Pilot", 0, false);
    s[2].Lisaa("Bubbles", 0, false);
    s[3].Lisaa("Flight time", 0, false);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        int rivi = i + 2;
        s[0].Lisaa(LukuSanaksi(i + 1), rivi, false);
        s[0].Lisaa(". ", rivi, false);
        s[1].Lisaa(taulu.pilotNames[i], rivi, false);
        s[2].Lisaa(LukuSanaksi((int)taulu.bubbleCounts[i]), rivi, false);
        // Whole seconds, truncated: 65999 ms shows as 65.
        s[3].Lisaa(LukuSanaksi((int)(taulu.flightTimes[i] * 0.001)), rivi, false);
        s[3].Lisaa(" s", rivi, false);
    }
    g.TulostaTeksti(s[0], 769.8, 900, h, YLA_OIKEA, 0, 0.5);
    g.TulostaTeksti(s[1], 769.8, 900, h, YLA_VASEN, 0, 0.5);
    g.TulostaTeksti(s[2], 919.8, 900, h, YLA_VASEN, 0, 0.5);
    g.TulostaTeksti(s[3], 1069.8, 900, h, YLA_VASEN, 0, 0.5);

    t.Alku();
    t.Lisaa("Back to main menu", 0, true);
    g.TulostaTeksti(t, 0, 0, h, ALA_VASEN, 0, 0.75);
    if (Klikattu(t, 0, h)) k.ruutu = PAAVALIKKO;
}
