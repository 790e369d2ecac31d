// The Bubble race: the track being flown, and what one update does to it.
#pragma once

#include "bubbles/KuplaFunktiot.h"
#include "files/RataTiedosto.h"

// The race track: up to 200 race bubbles, flown through in order.
struct RATA {
    OBJEKTI kuplat[RADAN_KUPLAT];      // position, orientation, scale of each race bubble
    double boostit[RADAN_KUPLAT] = {}; // speed boost when reached (x KISABOOSTIN_KERROIN)
    Sint32 pituus = 0;                 // entries read from the track file
    Sint32 seuraava = 0;               // the bubble to fly through next
    double pyoriminen[3] = {1, 1, 1};  // degrees per update about X, Y, Z of the next bubble
    Uint32 sakko = 0;                  // ms of penalty collected this flight
    Uint32 boostiValmis = 0;           // tick after which the Alt boost may fire again

    // Every race bubble a copy of `malli` at the race bubble scale, boost 0.
    void Alusta(const OBJEKTI& malli);
    // A race starts: at the first bubble, no penalty, the boost ready.
    void Aloita();
    // The entries a track file gave (entries past its length are left as they were).
    void Aseta(const RADAN_TIEDOSTO& tiedosto);
};

// The track file readers of files/ into the race track.
bool LataaRata(const char* polku, RATA& rata, LUKUHUOMIOT* huomiot = nullptr);
void RataTavuista(const Uint8* tavut, size_t n, RATA& rata, LUKUHUOMIOT* huomiot = nullptr);

// A fingerprint of the track's bubbles: a ghost is flown only on the track it
// was flown on.
Uint32 RadanTunniste(const RATA& rata);

// Whether a plane at `kone` reaches the track's next bubble: within
// KUPLAN_ULOTTUMA times its scale. (The scripted pilots ask it before the
// update, to aim past a bubble about to be reached.)
bool KisaKuplaTavoitettu(const RATA& rata, const SIJAINTI& kone);

// The race's part of a flight update: the Alt boost (`boosti` held; bigger the
// lower `korkeus`, the height of the update before), the reach test of the next
// bubble, and the next bubble's turn. True when a bubble was reached.
//   state in/out: the track's progress, penalty and boost tick; bonus speedBoost
//                 and message
//   out:          the reach sound
bool KisaAskel(RATA& rata, const SIJAINTI& kone, double korkeus, bool boosti, BONUS& bonus,
               AANIJONO& aanet);
