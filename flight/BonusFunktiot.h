// The timed rule state of a flight: pending speed boost, sucker and repeller,
// blowing and blower-speed factors, the clear-all request and the sliding message.
// Times are clock ticks (ms, AnnaTikit); a value ends at the first update whose
// tick is greater than its end tick.
#pragma once

#include <SDL_types.h>

enum { VIESTIEN_MAARA = 10, VIESTIN_PITUUS = 64 };

struct BONUS {
    double speedBoost = 0;      // world units per step, added once by the next physics step
    Uint32 suckEnds = 0;        // tick
    double suck = 0;            // >= 0: world units per update towards the plane
    Uint32 repelEnds = 0;       // tick
    double repel = 0;           // <= 0, added to suck
    Uint32 blowFactorEnds = 0;  // tick
    double blowFactor = 1.0;    // 1 normal, 0 no bubbles
    bool clearBubbles = false;  // honoured and cleared by the next bubble update
    Uint32 blowerSpeedEnds = 0; // tick
    double blowerSpeed = 1.0;   // 1 normal, 2.5 sped up
    char messageTexts[VIESTIEN_MAARA][VIESTIN_PITUUS] = {}; // drawn one after another
    Uint32 messageCount = 0;                                // texts drawn; 0 no message
    Uint32 messageHoldUntil = 0; // tick: the message stands still until then
    double messageY = 0;         // screen units (y up)

    void Alusta();
    // Runs the timers out and slides the message down to rest at -500.
    void Paivita();
    // Empties the ten texts (the count stays).
    void Tyhjaa();
    // Starts a message of one or two texts held for `pitoMs` ms at y = 300.
    void AloitaViesti(const char* eka, const char* toka, Uint32 pitoMs);
    // The message is still seen: its lines (each `rivinKorkeus` screen units,
    // centred on messageY) reach above the bottom edge.
    bool ViestiNakyy(double rivinKorkeus) const {
        return messageCount > 0 && messageY > -rivinKorkeus;
    }
};
