// The browser build's entry. A page may not block: the browser draws, plays and
// hears the player only between calls into the game. So the page's animation
// frames (web/liima.js) call tavio_askel, which runs one whole frame pass of the
// game record when the step clock allows it, and the game's waits (the hold
// after "Take wing", the per-frame delay, the credits) become frames in which
// nothing steps.
#include "foundation/AikaFunktiot.h"
#include "shell/Peli.h"

#include <emscripten.h>

#include <cstring>

// The page's side (web/liima.js).
EM_JS(void, tavio_koko_naytto, (int paalle), { Module.tavio.kokoNaytto(!!paalle); });

namespace {

// The record lives from the click on the cover to the end of the credits, across
// calls from the page: it cannot be a local of a loop that never returns.
PELI* peli = nullptr;

// The wait the game is in (SDL's ticks): the page's frames come, nothing steps.
bool odottaa = false;
Uint32 odotusLoppuu = 0;
bool lopputekstit = false; // the credits are on screen, the saves written

// The game's clock. Where the desktop game busy-waits, the browser's wait
// returns at once and the wait is spent in the frames after the step; within
// that step the clock already reads the wait's end, as it would on the desktop
// right after the busy wait, so nothing timed after it in the same frame (the
// flight's first step, the frame's end stamp) starts early.
Uint32 Kello() {
    const Uint32 nyt = SDL_GetTicks();
    return odottaa && (Sint32)(odotusLoppuu - nyt) > 0 ? odotusLoppuu : nyt;
}

// The bytes of each file as it was last written or read. A page is closed, not
// quit: the desktop game's saving at exit would rarely come, so every change is
// written (and synced to the browser's storage) in the frame it is made.
struct TALLENNETUT {
    bool alussa = true;
    Uint8 asetukset[ASETUSTIEDOSTON_KOKO];
    Uint8 pisteet[PELITYYPPEJA][PISTETIEDOSTON_KOKO];
    Uint8 kokoNaytto = 0; // the page starts in a window
};
TALLENNETUT tallennetut;

void TallennaMuuttuneet(const ASETUKSET& a, const PISTEET* pisteet) {
    Uint8 tavut[PISTETIEDOSTON_KOKO];
    a.Tavuiksi(tavut);
    if (!tallennetut.alussa && memcmp(tavut, tallennetut.asetukset, ASETUSTIEDOSTON_KOKO) != 0)
        TallennaAsetukset(ASETUSTIEDOSTO, a);
    memcpy(tallennetut.asetukset, tavut, ASETUSTIEDOSTON_KOKO);
    for (int i = 0; i < PELITYYPPEJA; i++) {
        pisteet[i].Tavuiksi(tavut);
        if (!tallennetut.alussa &&
            memcmp(tavut, tallennetut.pisteet[i], PISTETIEDOSTON_KOKO) != 0) {
            char polku[64];
            PisteidenPolku(i, polku, sizeof polku);
            pisteet[i].Tallenna(polku);
        }
        memcpy(tallennetut.pisteet[i], tavut, PISTETIEDOSTON_KOKO);
    }
    tallennetut.alussa = false;
}

} // namespace

// The game's busy wait, as the browser has it (see Kello). The game's own, in
// foundation/AikaFunktiot.cpp, is compiled under another name in this build.
void OdotaKunnes(Uint32 alku, Uint32 ms) {
    const Uint32 loppu = alku + ms;
    if ((Sint32)(loppu - Kello()) <= 0) return;
    odottaa = true;
    odotusLoppuu = loppu;
}

extern "C" {

// The game's start-up, within the click on the page's cover (the sound and the
// pointer lock need it). -1 when the game runs; otherwise its exit code.
EMSCRIPTEN_KEEPALIVE int tavio_alusta() {
    static char nimi[] = "tavio";
    static char* argv[] = {nimi, nullptr};
    AsetaKello(Kello);
    peli = new PELI;
    const int lopetus = peli->Alusta(1, argv);
    if (lopetus >= 0) {
        delete peli;
        peli = nullptr;
    }
    return lopetus;
}

// An animation frame in which the step clock allows a step: 1 when the game
// stepped, 0 when it is still waiting, -1 once it has ended (the credits shown
// for their time, the saves written, everything freed).
EMSCRIPTEN_KEEPALIVE int tavio_askel() {
    if (!peli) return -1;
    if (odottaa) {
        if ((Sint32)(odotusLoppuu - SDL_GetTicks()) > 0) return 0;
        odottaa = false;
    }
    if (lopputekstit) {
        delete peli; // its Vapauta
        peli = nullptr;
        SDL_Quit();
        return -1;
    }
    peli->Kehys();
    // The browser paces the frames itself: turbo mode's rule (draw nothing after
    // a frame slower than 1/72 s, wait out a faster one) would leave frames
    // undrawn, so it is off before the frame that turned it on is drawn.
    if (peli->asetukset.turbo) {
        peli->asetukset.turbo = false;
        peli->k->frameAikaPiirrossa = 0;
    }
    peli->Piirra();
    TallennaMuuttuneet(peli->asetukset, peli->pisteet);
    // Within the moment the browser gives a click to ask for full screen: at the
    // start (the click on the cover) and when the video setup's choice changes.
    if (peli->asetukset.kokoNaytto != tallennetut.kokoNaytto) {
        tallennetut.kokoNaytto = peli->asetukset.kokoNaytto;
        tavio_koko_naytto(peli->asetukset.kokoNaytto);
    }
    if (peli->k->lopetus) {
        peli->Lopeta();
        lopputekstit = true;
    }
    return 1;
}

} // extern "C"
