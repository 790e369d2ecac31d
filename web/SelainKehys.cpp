// The browser build's side of the frame loop: saving as soon as something changes,
// full screen on the player's click, and the browser's turn between frames.
#include "web/Selain.h"

#include "bubbles/PisteFunktiot.h"
#include "shell/Asetukset.h"

#include <emscripten.h>

#include <cstdio>
#include <cstring>

// The page's side (web/liima.js): each returns when the browser has had its turn.
EM_ASYNC_JS(void, tavio_seuraava_askel, (), { await Module.tavio.seuraavaAskel(); });
EM_ASYNC_JS(void, tavio_anna_vuoro, (), { await Module.tavio.annaVuoro(); });
EM_JS(void, tavio_koko_naytto, (int paalle), { Module.tavio.kokoNaytto(!!paalle); });

namespace {

enum { PISTETAULUJA = 7 };

// The bytes of each file as it was last written or read. A page is closed, not
// quit: the desktop game's saving at exit would rarely come, so every change is
// written (and synced to the browser's storage) in the frame it is made.
struct TALLENNETUT {
    bool alussa = true;
    Uint8 asetukset[ASETUSTIEDOSTON_KOKO];
    Uint8 pisteet[PISTETAULUJA][PISTETIEDOSTON_KOKO];
    Uint8 kokoNaytto = 0; // the page starts in a window
};
TALLENNETUT tallennetut;

void TallennaMuuttuneet(const ASETUKSET& a, const PISTEET* pisteet) {
    Uint8 tavut[PISTETIEDOSTON_KOKO];
    a.Tavuiksi(tavut);
    if (!tallennetut.alussa && memcmp(tavut, tallennetut.asetukset, ASETUSTIEDOSTON_KOKO) != 0)
        TallennaAsetukset(ASETUSTIEDOSTO, a);
    memcpy(tallennetut.asetukset, tavut, ASETUSTIEDOSTON_KOKO);
    for (int i = 0; i < PISTETAULUJA; i++) {
        pisteet[i].Tavuiksi(tavut);
        if (!tallennetut.alussa &&
            memcmp(tavut, tallennetut.pisteet[i], PISTETIEDOSTON_KOKO) != 0) {
            char polku[64];
            snprintf(polku, sizeof polku, "Tiedostot\\Muu Data\\Pisteet%d.sav", i + 1);
            pisteet[i].Tallenna(polku);
        }
        memcpy(tallennetut.pisteet[i], tavut, PISTETIEDOSTON_KOKO);
    }
    tallennetut.alussa = false;
}

} // namespace

void SelainKehys(ASETUKSET& a, const PISTEET* pisteet) {
    // The browser paces the frames itself, so turbo mode's rule (draw nothing
    // after a frame slower than 1/72 s) would leave every frame undrawn.
    a.turbo = false;
    TallennaMuuttuneet(a, pisteet);
    // Within the moment the browser gives a click to ask for full screen: at the
    // start (the click on the cover) and when the video setup's choice changes.
    if (a.kokoNaytto != tallennetut.kokoNaytto) {
        tallennetut.kokoNaytto = a.kokoNaytto;
        tavio_koko_naytto(a.kokoNaytto);
    }
    tavio_seuraava_askel();
}

void SelainOdotus() {
    tavio_anna_vuoro();
}
