// Survivor's bubbles and the six blowers that blow them.
#pragma once

#include "files/Sisalto.h"
#include "flight/BonusFunktiot.h"
#include "flight/PPFunktiot.h"
#include "graphics/ObjektiFunktiot.h"

enum { KUPLIEN_MAARA = 1000 };

// The sounds an update starts, in order; the flight screen plays them.
struct AANIJONO {
    enum { KOKO = 4 };
    AANI aani[KOKO] = {};
    int voimakkuus[KOKO] = {}; // 0..128
    int maara = 0;
    void Lisaa(AANI a, int v) {
        if (maara < KOKO) {
            aani[maara] = a;
            voimakkuus[maara++] = v;
        }
    }
};

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
    // The slots shown in the last update, in slot order: every bubble live when
    // it moved, those it picked, popped or cleared included.
    Uint16 naytettavat[KUPLIEN_MAARA] = {};
    int naytettavia = 0;
    bool bonusAlkoi = false; // the last update's right pick-up started a bonus

    // Loads the four templates, frees every slot.
    void Alusta();
    // Blows one bubble of a random kind 2.5 above `paikka` into the lowest free slot.
    void Puhalla(SIJAINTI paikka);
    // One update of every live bubble.
    //   state in/out: slots, wantedKind, the slots shown
    //   plane in:     position (read only)
    //   bonus in/out: suck, repel and clearBubbles read (clearBubbles cleared);
    //                 speedBoost and the bonuses of a right pick-up written
    //   out:          the sounds of a right pick-up and of the bonus it starts
    // Returns 0 no pick-up, 1 the last pick-up was the wanted kind, -1 it was not.
    int Paivita(const PAPERPLANE& kone, BONUS& bonus, AANIJONO& aanet);
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

// The blower step of an update: for blowers 0..5, the blow test (blowFactor) and
// the move.
void PuhaltajaAskel(PUHALTAJAT& p, KUPLA& kuplat, const BONUS& bonus);
