// Scripted pilots fly the game's own flight model with nothing but the controls a
// player has (mouse motion, clicks, Space). The content generator flies its race
// courses with them, the tools and the tests fly the finished tracks again.
#pragma once

#include "bubbles/LentoAskel.h"

#include <vector>

// One entry of a track file.
struct RATAKUPLA {
    double x, y, z; // world units
    double vauhti;  // speed boost written in the track file (the game gives 1.2 x this)
};

// A race bubble is reached within this many world units, and its model has that
// radius too.
const double KUPLAN_ULOTTUVUUS = KUPLAN_ULOTTUMA * KISAKUPLAN_SKAALA;
// The least width (pixels across, on an 800 x 600 screen) a track shows its next
// bubble at when the one before is reached.
const double RATAKUPLAN_KOKO = 100;

// A plane as a run's first flight has it, set up as "Take wing" sets a flight
// up: at the start with its push, at rest, nose +z, wings level, controls at 0.
void TuoreKone(PAPERPLANE& p);
// A race on `rata` for the flight step: the bubbles (scale 4, their boosts),
// the track started, the chase camera's lag as if the plane had flown straight
// on before the start.
void KisaRadalle(LENTO& lento, const std::vector<RATAKUPLA>& rata, const PAPERPLANE& p);

// The museum's walls, roof and dome (world units, with a few units to spare).
bool MuseonSisalla(const SIJAINTI& s);

// Steers toward a point the way a player can: turns with clicks, pitches toward
// the point's height with vertical mouse motion (within the climb and dive
// limits; over the museum only as high as it needs), and holds Space while the
// wings are not level.
struct OHJAAJA {
    double Nousu = 30, Lasku = 40; // steepest climb and dive taken, degrees
    double Kiertoraja = 1000;      // no click takes the turn control past this (degrees)
    double Nyokkays = 1.2;         // fastest change of pitch asked for, degrees an update
    int KlikkausVali = 6;          // updates from one click to the next
    int ViimeKlikkaus = -100;      // update of the last click

    OHJAUS Kohti(const PAPERPLANE& p, const SIJAINTI& kohde, int ruutu);
};

// The 3D angle between the directions a -> b and b -> c, degrees.
double Kaannos(const SIJAINTI& a, const SIJAINTI& b, const SIJAINTI& c);

// Where a bubble shows on an 800 x 600 screen (4:3, 70 degrees high).
struct KUPLAN_KUVA {
    double x = 0, y = 0;   // centre, pixels from the top-left corner (outside 0..800, 0..600: off)
    double Halkaisija = 0; // pixels across
    bool Kokonaan = false; // the whole bubble is on the screen, in front of the eye
};

// The bubble at `kupla` (radius `sade`) seen by the chase camera: the eye one unit
// behind `kone` along `viive` (the nose's direction nine updates ago), looking at
// the plane, world up.
KUPLAN_KUVA KuplaKamerassa(const SIJAINTI& kone, const VEKTORI& viive, const SIJAINTI& kupla,
                           double sade);

struct KUPLAN_SAAVUTUS {
    bool Saavutettu = false;
    int Ruutu = -1;       // the update whose reach test found it (the flight's first update is 0)
    double Kaannos = 0;   // degrees from the segment before (bubble 0: off the start heading +z)
    KUPLAN_KUVA Seuraava; // the next bubble in the frame drawn in that update (none after the last)
};

struct KUPLALENTO {
    std::vector<KUPLAN_SAAVUTUS> Kuplat; // one per bubble of the track
    int Saavutettu = 0;                  // bubbles reached, in order
    int Ruutuja = 0; // updates flown: to the last bubble's reach, or until the flight stopped
};

// Flies a track from the flight start as a player would who sees only the next
// bubble: aims at it until the game finds it reached (the track's boost is given
// then, as in the game), then at the one after. The flight stops at the ground,
// or when a bubble is still not reached `odotus` updates after the one before.
// `alkukulma` turns the nose from +z at the start (degrees, about the plane's
// up axis), as when "Take wing" is clicked a moment before or after the menu's
// plane faces the viewer. `alkuKaanto` is the turn control the plane starts with
// (degrees: a plane file's MASSAJAKAUMA, which the first flight of a run starts
// from; every later flight starts from what the last one left, 0 for the pilot).
KUPLALENTO LennaKuplille(const std::vector<RATAKUPLA>& rata, OHJAAJA ohjaaja = OHJAAJA{},
                         int odotus = 1800, double alkukulma = 0, double alkuKaanto = 0);
