// Survivor's bubbles and the six blowers that blow them.
#pragma once

#include "bubbles/BonusFunktiot.h"
#include "flight/PPFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"
#include <SDL_mixer.h>

enum { KUPLIEN_MAARA = 1000 };

// A fixed pool of bubble slots; every live bubble drifts, spins, grows, may pop,
// and is picked up by flying through it.
struct KUPLA {
    OBJEKTI templates[4]; // kind 0..3 from Kupla2, Kupla1, Kupla4, Kupla3
    OBJEKTI bubbles[KUPLIEN_MAARA];
    Uint8 kinds[KUPLIEN_MAARA] = {}; // 0..3
    bool isFree[KUPLIEN_MAARA] = {};
    double spins[KUPLIEN_MAARA][3] = {}; // degrees per update about own X, Y, Z
    double rises[KUPLIEN_MAARA] = {};    // world units per update
    // Each slot's three spins made into one turn, and the spins it was made from:
    // remade only when the spins change, so a spinning bubble needs no sines per update.
    MATRIISI4X4 spinTurns[KUPLIEN_MAARA];
    double spinTurnsOf[KUPLIEN_MAARA][3] = {}; // degrees
    Sint32 wantedKind = 0;                     // 0..3
    Mix_Chunk* sounds[5] = {};                 // aani1..aani5

    // Loads the sounds and the four templates, frees every slot.
    void Alusta();
    // Blows one bubble of a random kind 2.5 above `paikka` into the lowest free slot.
    void Puhalla(SIJAINTI paikka);
    // One update of every live bubble.
    //   state in/out: slots, wantedKind
    //   plane in:     position (read only)
    //   bonus in/out: suck, repel and clearBubbles read (clearBubbles cleared);
    //                 speedBoost and the bonuses of a right pick-up written
    //   out:          every live bubble queued for drawing
    // Returns 0 no pick-up, 1 the last pick-up was the wanted kind, -1 it was not.
    int Paivita(const PAPERPLANE& kone, GRAFIIKKA& g, BONUS& bonus);
    // Frees every slot and moves it to the origin (a Survivor flight starts).
    void Tyhjenna();
};

enum { PUHALTAJIEN_MAARA = 6 };

struct PUHALTAJAT {
    OBJEKTI objektit[PUHALTAJIEN_MAARA];
    SIJAINTI kohteet[PUHALTAJIEN_MAARA];     // where each drives to
    double nopeudet[PUHALTAJIEN_MAARA] = {}; // world units per update
    int maara = PUHALTAJIEN_MAARA;

    // Loads the six blowers at the origin, targets at the origin, scale 1.
    void Alusta();
    // Every blower and target back to the origin (a Survivor flight starts).
    void Nollaa();
};

// One update of one blower: picks a new target when within 5 of the old one,
// turns towards it (always the same way round) and drives on at height 1.
//   state in/out: blower position and orientation, target, speed
//   bonus in:     blowerSpeed
void PaivitaPuhaltaja(OBJEKTI& puhaltaja, SIJAINTI& kohde, double& nopeus, const BONUS& bonus);

// The blower step of an update: for blowers 0..5, the blow test (blowFactor), the
// move, and queueing the blower for drawing.
void PuhaltajaAskel(PUHALTAJAT& p, KUPLA& kuplat, GRAFIIKKA& g, const BONUS& bonus);
