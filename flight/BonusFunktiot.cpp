#include "flight/BonusFunktiot.h"

#include "foundation/AikaFunktiot.h"

#include <cstdio>

void BONUS::Alusta() {
    *this = BONUS{};
}

void BONUS::Paivita() {
    // The message stands during its hold, then sinks 4 units an update and rests
    // at exactly -500, below the screen, until the next message.
    if (AnnaTikit() > messageHoldUntil) {
        if (messageY > -500) messageY -= 4;
        if (messageY < -500) messageCount = 0;
    }
    if (AnnaTikit() > suckEnds) suck = 0;
    if (AnnaTikit() > repelEnds) repel = 0;
    if (AnnaTikit() > blowFactorEnds) blowFactor = 1.0;
    if (AnnaTikit() > blowerSpeedEnds) blowerSpeed = 1.0;
}

void BONUS::Tyhjaa() {
    for (int i = 0; i < VIESTIEN_MAARA; i++) messageTexts[i][0] = '\0';
}

void BONUS::AloitaViesti(const char* eka, const char* toka, Uint32 pitoMs) {
    messageHoldUntil = AnnaTikit() + pitoMs;
    messageY = 300;
    Tyhjaa();
    snprintf(messageTexts[0], VIESTIN_PITUUS, "%s", eka ? eka : "");
    messageCount = 1;
    if (toka) {
        snprintf(messageTexts[1], VIESTIN_PITUUS, "%s", toka);
        messageCount = 2;
    }
}
