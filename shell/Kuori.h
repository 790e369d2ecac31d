// The game shell: the state the screens share, and one function per screen.
//
// SDL_main owns every record here as a local. Each frame the loop hands the
// input events to the devices (KehyksenSyote), then Kehys runs the shared steps
// and the body of the current screen, which only queue drawing; the loop then
// renders with GRAFIIKKA::Paivita.
#pragma once

#include "bubbles/LentoAskel.h"
#include "foundation/AikaFunktiot.h"
#include "foundation/SyottolaiteFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"
#include "shell/Asetukset.h"

#include <SDL_mixer.h>

// The screen variable.
enum RUUTU {
    PAAVALIKKO = 0,
    LENTO_RUUTU = 1,
    ASETUSRUUTU = 2,
    HUIPPURUUTU = 3,
    PELI_OHI = 4,
    YHTEENVETO = 5,
    LUE_RUUTU = 6,
    VIDEORUUTU = 7,
};

// Music and sound effects, decoded once at start-up. A file that failed to load
// leaves a null handle, and playing it plays nothing.
struct KUULUVA {
    Mix_Music* valikkoMusiikki = nullptr; // intro.ogg, menus
    Mix_Music* lentoMusiikki = nullptr;   // demoni.ogg, flights
    Mix_Chunk* aanet[AANIA] = {};         // aani1..aani5, by AANI

    void Lataa();
    void Vapauta();
};

// The shell's own state.
struct KUORI {
    int ruutu = PAAVALIKKO;
    bool lopetus = false;          // quit at the end of this frame
    int viive = 0;                 // ms of per-frame delay (Page Up / Page Down), never below 0
    int valittuKone = 0;           // index into the plane table
    int pelityyppi = 0;            // 0 Survivor, 1..6 Bubble race A..F
    int huippuSivu = 0;            // game type shown in the hall of fame
    char pilotinNimi[11] = {};     // kept from one result to the next
    int sijoitus = -1;             // place of the last result, -1 not placed
    bool syoteTasattava = false;   // no events were read for a while: SDL's key state decides
    Uint8 lennonPainallukset = 0;  // presses begun in a flight not yet let go: bits LENNON_...
    Uint32 loppuleima = 0;         // tick right after the last frame was rendered
    double frameAikaPiirrossa = 0; // the frame time the last frame was rendered with
    TEKSTI teksti;                 // the block every text of a frame is built in
    TEKSTI sarakkeet[4];           // hall of fame columns
};

// Presses a flight ends with: the game-over screen takes no click or Space from them.
enum { LENNON_VASEN = 1, LENNON_KESKI = 2, LENNON_OIKEA = 4, LENNON_SPACE = 8 };

// The planes loaded at start-up.
struct KONEET {
    PAPERPLANE* taulukko = nullptr;
    int maara = 0;
    PAPERPLANE* Valittu(const KUORI& k) { return maara > 0 ? &taulukko[k.valittuKone] : nullptr; }
};

// ---- The frame ----

// Step 1 of a frame: the keys and buttons age once, then every pending event from
// `lahde` (SDL's queue in the game) goes to the input devices, and a window close
// request sets the quit flag. After the hold before a flight, what SDL reports as
// up is not left down.
void KehyksenSyote(KUORI& k, NAPPAIMET& n, HIIRI& h, int (*lahde)(SDL_Event*) = SDL_PollEvent);
// Steps 2..9 of a frame: quick quit, frame timer, frame-rate text, music keys,
// menu services, the screen's body, per-frame delay, turbo. Rendering follows.
void Kehys(KUORI& k, ASETUKSET& a, NAPPAIMET& n, HIIRI& h, AIKA& aika, GRAFIIKKA& g, KONEET& koneet,
           LENTO& lento, KUULUVA& kuuluva, PISTEET* pisteet);

// ---- Screens ----
void ValikkoPalvelut(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& n, KONEET& koneet, KUULUVA& kuuluva);
void PaaValikko(KUORI& k, GRAFIIKKA& g, const HIIRI& h, KONEET& koneet, LENTO& lento,
                KUULUVA& kuuluva);
void Asetusruutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h, const KONEET& koneet);
void Videoruutu(KUORI& k, ASETUKSET& a, GRAFIIKKA& g, const HIIRI& h);
void HuippuRuutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h, const PISTEET* pisteet);
void LueRuutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h);
// The read-me screen's lines (Finnish, Windows-1252).
enum { LUEMINUUTIN_RIVIT = 37 };
extern const char* const LUEMINUT[LUEMINUUTIN_RIVIT];
void LopputekstiRuutu(KUORI& k, GRAFIIKKA& g);

// "Take wing": sets a flight up for the current game type (the track and its
// ghost read, the flight clock started) and holds a second.
void LentoAlku(KUORI& k, PAPERPLANE& kone, LENTO& lento);
// The controls the mouse and keys give this frame.
OHJAUS LennonOhjaus(const NAPPAIMET& n, const HIIRI& h);
// One flight update (the flight screen's body).
void LentoRuutu(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& n, const HIIRI& h, PAPERPLANE& kone,
                LENTO& lento, KUULUVA& kuuluva);
// The ghost of a race (HaamuLento.cpp). At a flight start: the recording
// empties and a race reads its track's ghost.
void HaamuAlku(LENTO& lento, const PAPERPLANE& kone, int pelityyppi);
// G shows or hides the ghost for the rest of the session, and says so; the
// word does not wipe another message still on screen (`rivinKorkeus`: the
// height of the message's lines, screen units).
void HaamuNappi(LENTO& lento, double rivinKorkeus);
// When a flight ends: a race that reached every bubble, faster than the ghost,
// becomes the track's ghost file. True when it was written.
bool HaamuLoppu(LENTO& lento, int pelityyppi);

void PeliOhiRuutu(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& n, const HIIRI& h, LENTO& lento,
                  KUULUVA& kuuluva, PISTEET* pisteet);
void YhteenvetoRuutu(KUORI& k, GRAFIIKKA& g, const HIIRI& h, LENTO& lento);

// The rows of the name-entry grid: row r (1..14) of byte codes, '?' where the
// font has no glyph. Row 1 has 15 characters, the others 16.
const char* NimiRuudukonRivi(int r);

// The bubbles of the last flight on line `rivi`: "n of N" in a race, the wanted
// bubbles picked in Survivor.
void LisaaKuplat(TEKSTI& t, int rivi, const LENTO& lento, bool kisa);
// A text of one piece, drawn at (x, y) laid out with the pointer.
void TulostaRivi(GRAFIIKKA& g, TEKSTI& t, const HIIRI& h, const char* teksti, double x, double y,
                 KESKITYSTAPA tapa, double koko);
// A screen's title: centred at the top, size 1.5.
inline void Otsikko(GRAFIIKKA& g, TEKSTI& t, const HIIRI& h, const char* otsikko) {
    TulostaRivi(g, t, h, otsikko, 640, 1024, YLA_KESKI, 1.5);
}

// A menu item is chosen when the pointer was on it in this frame's drawing of
// its text and the button is released now.
inline bool Klikattu(const TEKSTI& t, unsigned kohta, const HIIRI& h) {
    return t.ValittuKohta(kohta) > 0 && h.NapinTila(0) == VAPAUTETTU;
}
inline bool OikeallaKlikattu(const TEKSTI& t, unsigned kohta, const HIIRI& h) {
    return t.ValittuKohta(kohta) > 0 && h.NapinTila(2) == VAPAUTETTU;
}
