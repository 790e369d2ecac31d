// After a flight: game over with the name grid, then the summary.
#include "foundation/LaiteFunktiot.h"
#include "foundation/PerusFunktiot.h"
#include "shell/Kuori.h"

#include <cstring>

const char* NimiRuudukonRivi(int r) {
    static char rivit[15][17];
    static bool tehty = false;
    if (!tehty) {
        for (int rivi = 1; rivi <= 14; rivi++) {
            int alku = 0x10 * (rivi + 1);
            int n = 0;
            for (int koodi = alku; koodi < alku + 16; koodi++) {
                if (koodi == 0x20) continue; // the space has its own item
                // Codes the font has no glyph for are shown and entered as '?'.
                rivit[rivi][n++] =
                    MerkkiKoodiksi((unsigned char)koodi) == koodi ? (char)koodi : '?';
            }
            rivit[rivi][n] = '\0';
        }
        tehty = true;
    }
    return (r >= 1 && r <= 14) ? rivit[r] : "";
}

namespace {

void LisaaMerkki(char* nimi, char c) {
    size_t n = strlen(nimi);
    if (n < 10) {
        nimi[n] = c;
        nimi[n + 1] = '\0';
    }
}

// A press the flight ended with reads as up here until it is let go: its release
// neither types nor leaves. A press begun on this screen works as always.
void OhitaLennonPainallus(Uint8& painallukset, Uint8 bitti, Uint16& tila) {
    if (!(painallukset & bitti)) return;
    if (tila == VAPAUTETTU || tila == YLHAALLA) painallukset &= (Uint8)~bitti;
    tila = YLHAALLA;
}

} // namespace

void PeliOhiRuutu(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& nappaimet, const HIIRI& hiiri,
                  LENTO& lento, KUULUVA& kuuluva, PISTEET* pisteet) {
    HIIRI h = hiiri;
    OhitaLennonPainallus(k.lennonPainallukset, LENNON_VASEN, h.Napit[0].Tila);
    OhitaLennonPainallus(k.lennonPainallukset, LENNON_KESKI, h.Napit[1].Tila);
    OhitaLennonPainallus(k.lennonPainallukset, LENNON_OIKEA, h.Napit[2].Tila);
    Uint16 space = nappaimet.NapinTila(NAPPI_SPACE);
    OhitaLennonPainallus(k.lennonPainallukset, LENNON_SPACE, space);

    g.NaytaOsoitin();
    // The blowers go on in the background; nothing else of the scene is drawn.
    PUHALTAJAT& p = lento.puhaltajat;
    PuhaltajaAskel(p, lento.kuplat, lento.bonus);
    for (int i = 0; i < p.maara && i < PUHALTAJIEN_MAARA; i++) g.LisaaObjekti(p.objektit[i]);

    TEKSTI& t = k.teksti;
    Otsikko(g, t, h, "Game over");

    t.Alku();
    t.Lisaa("Name: ", 0, false);
    t.Lisaa(k.pilotinNimi, 0, false);
    g.TulostaTeksti(t, 640, 870, h, KESKI, 0, 1.0);

    t.Alku();
    t.Lisaa(" ", 0, false);
    for (int r = 1; r <= 14; r++) t.Lisaa(NimiRuudukonRivi(r), r, true);
    t.Lisaa("space  ", 15, true);
    t.Lisaa("  clear", 15, true);
    g.TulostaTeksti(t, 640, 512, h, KESKI, 0, 0.6);

    // Names stay within their 10 bytes; "  clear" works whatever the length.
    for (int r = 1; r <= 14; r++) {
        Sint32 kohta = t.ValittuKohta((unsigned)(r - 1));
        const char* rivi = NimiRuudukonRivi(r);
        if (Klikattu(t, (unsigned)(r - 1), h) && kohta <= (Sint32)strlen(rivi))
            LisaaMerkki(k.pilotinNimi, rivi[kohta - 1]);
    }
    if (Klikattu(t, 14, h)) LisaaMerkki(k.pilotinNimi, ' ');
    if (Klikattu(t, 15, h)) k.pilotinNimi[0] = '\0';

    t.Alku();
    t.Lisaa("To the summary", 0, true);
    g.TulostaTeksti(t, 640, 0, h, ALA_KESKI, 0, 0.75);

    if (Klikattu(t, 0, h) || space == POHJASSA) {
        // The result enters its table once, on the frame that leaves this screen.
        bool kisa = k.pelityyppi != 0;
        Uint32 kuplat = lento.tiedot.bubblesPicked;
        if (kisa) {
            lento.tiedot.flightTime += lento.rata.sakko;
            kuplat = (Uint32)lento.rata.seuraava;
        }
        k.sijoitus =
            pisteet[k.pelityyppi].LisaaTulos(kisa, kuplat, lento.tiedot.flightTime, k.pilotinNimi);
        SoitaAani(kuuluva.aanet[k.sijoitus >= 0 ? AANI_SIJA : AANI_EI_SIJAA], -1);
        k.ruutu = YHTEENVETO;
    }
}

void YhteenvetoRuutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h, LENTO& lento) {
    g.NaytaOsoitin();
    TEKSTI& t = k.teksti;
    t.Alku();
    t.Lisaa("- Summary -", 0, false);
    t.Lisaa(PELITYYPIT[k.pelityyppi], 1, false);
    g.TulostaTeksti(t, 640, 1024, h, YLA_KESKI, 0, 1.2);

    t.Alku();
    if (k.sijoitus >= 0) {
        t.Lisaa("Congratulations ", 0, false);
        t.Lisaa(k.pilotinNimi, 0, false);
        t.Lisaa("!", 0, false);
        t.Lisaa("You were placed ", 1, false);
        t.Lisaa(LukuSanaksi(k.sijoitus + 1), 1, false);
        t.Lisaa(". at the Top-20.", 1, false);
    } else {
        t.Lisaa("Too bad ", 0, false);
        t.Lisaa(k.pilotinNimi, 0, false);
        t.Lisaa(",", 0, false);
        t.Lisaa("you were placed out of the Top-20.", 1, false);
    }
    t.Lisaa("Bubbles picked up: ", 4, false);
    LisaaKuplat(t, 4, lento, k.pelityyppi != 0);
    t.Lisaa("Flight time: ", 5, false);
    t.Lisaa(LukuSanaksi(lento.tiedot.flightTime / 1000.0, 2), 5, false);
    t.Lisaa(" seconds", 5, false);
    g.TulostaTeksti(t, 640, 512, h, KESKI, 0, 0.8);

    t.Alku();
    t.Lisaa("Back to main menu", 0, true);
    g.TulostaTeksti(t, 0, 0, h, ALA_VASEN, 0, 0.75);
    if (Klikattu(t, 0, h)) {
        k.ruutu = PAAVALIKKO;
        Mix_HaltMusic();
    }
}
