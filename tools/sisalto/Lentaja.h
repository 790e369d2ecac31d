// The race tracks are flown, not drawn: a scripted pilot flies the game's own
// flight model with the controls a player has (mouse motion, clicks, Space), and
// the bubbles are placed on the path it actually flies. The script is kept, so
// that the flight can be flown again and every bubble shown to be reachable.
#pragma once

#include "flight/PPFunktiot.h"

#include <vector>

// One frame of a player's controls, as the flight screen reads them.
struct OHJAUS {
    short dx = 0, dy = 0; // mouse motion this frame (screen units, y down)
    bool vasen = false;   // left button released this frame
    bool oikea = false;   // right button released this frame
    bool vali = false;    // Space (or the middle button) held
};

struct RATAKUPLA {
    double x, y, z; // world units
    double vauhti;  // speed boost written in the track file (the game gives 1.2 x this)
};

struct RADAN_LENTO {
    std::vector<RATAKUPLA> Kuplat; // in the order they are flown through
    std::vector<OHJAUS> Ohjaus;    // one entry per frame, from the start to the last bubble
    std::vector<SIJAINTI> Reitti;  // where the plane was after each frame
};

enum { RATOJEN_MAARA = 6 };
// A race bubble (scale 4) is reached within 2.25 x 4 world units.
const double KUPLAN_ULOTTUVUUS = 9.0;

// The start of every flight: (-100, 100, 0), push 0.5, at rest, nose +z, controls at 0.
void AloitaLento(PAPERPLANE& p);
// The flight screen's controls: a left click turns by -20, a right click by +20,
// sideways motion rolls, vertical motion pitches, Space levels the wings.
void Ohjaa(PAPERPLANE& p, const OHJAUS& o);
// Flies track n (0 = A .. 5 = F) with the scripted pilot.
RADAN_LENTO LennaRata(int n);
// The track's file name ("BubbleRaceA.dat" ..) and its number of bubbles.
const char* RadanTiedosto(int n);
int RadanKuplat(int n);
