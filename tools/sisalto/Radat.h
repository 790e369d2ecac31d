// The race tracks are flown, not drawn: a scripted pilot flies the game's own
// flight model with the controls a player has, and the bubbles are placed on the
// path it actually flies. The script is kept, so that the flight can be flown
// again and every bubble shown to be reachable.
#pragma once

#include "files/Sisalto.h"
#include "tools/lentaja/Lentaja.h"

#include <vector>

struct RADAN_LENTO {
    std::vector<RATAKUPLA> Kuplat; // in the order they are flown through
    std::vector<OHJAUS> Ohjaus;    // one entry per update, from the start to the last bubble
    std::vector<SIJAINTI> Reitti;  // where the plane was after each update
};

enum { RATOJEN_MAARA = RATOJA };

// Flies track n (0 = A .. 5 = F) with the scripted pilot.
RADAN_LENTO LennaRata(int n);
// The track's file name ("BubbleRaceA.dat" ..) and its number of bubbles.
const char* RadanTiedosto(int n);
int RadanKuplat(int n);
