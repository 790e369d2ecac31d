// One update of a flight: the rules of the game around the plane's physics, in
// their fixed order, and nothing else. The flight screen turns the mouse and
// keys into the controls (OHJAUS), calls the step, and then plays the sounds,
// draws and writes files from what the step says happened. The scripted pilots,
// the track generator's proof and the tests fly the same step.
#pragma once

#include "bubbles/Kisa.h"
#include "bubbles/KuplaFunktiot.h"
#include "bubbles/PisteFunktiot.h"
#include "flight/BonusFunktiot.h"
#include "flight/FysiikkaMoottori.h"
#include "flight/Haamu.h"
#include "flight/PPFunktiot.h"

// The chase camera's lag: it stands one unit behind the plane along where the
// nose pointed nine updates ago. Not cleared between flights.
struct KAMERAN_VIIVE {
    enum { PITUUS = 10 };
    VEKTORI historia[PITUUS]; // the nose's direction of the last updates (unit)
    int indeksi = 0;          // the next slot written
    VEKTORI viive;            // the direction read back in the last update

    // The nose's direction after this update's physics goes in; the one of nine
    // updates ago comes out. A slot never written since start-up (the first nine
    // updates of the first flight) would put the eye on the plane itself, from
    // where nothing can be seen: the nose as it points now stands in for it.
    void Paivita(const VEKTORI& eteen);
};

// The world a flight happens in, with what carries over from flight to flight.
struct LENTO {
    OBJEKTI museo, piha; // the scenery, scale MAISEMAN_SKAALA
    PUHALTAJAT puhaltajat;
    KUPLA kuplat;
    BONUS bonus;
    MAAILMA maailma;
    RATA rata;
    LENTOTIEDOT tiedot;
    HAAMUT haamut;       // the race track's ghost and this flight's recording
    KAMERAN_VIIVE viive; // the chase camera's lag
    // The flight screen's own: the view and the pause.
    int kameraTila = 0; // 0 level chase, 1 rolling chase, 2 from the plane
    bool tauko = false;
};

// Why a flight ended.
enum LOPPU {
    LOPPU_EI = 0,
    LOPPU_ESC,         // Escape held
    LOPPU_MAA,         // the plane at or below the ground
    LOPPU_VAARA_KUPLA, // Survivor: the last pick-up was not the wanted kind
    LOPPU_MAALI,       // Bubble race: the last bubble reached
};

// What one update did.
struct LENNON_TULOS {
    LOPPU loppu =
        LOPPU_EI;       // the flight ended in this update (the first reason in the update's order)
    int poiminta = 0;   // Survivor: 1 the last pick-up was wanted, -1 it was not, 0 none
    bool bonus = false; // Survivor: a right pick-up started a bonus
    bool saavutettu = false; // race: the next race bubble was reached
    bool haamu = false;      // race: the ghost has a pose for this update (haamut.kuva)
    AANIJONO aanet;          // the sounds to play, in order
};

// A flight starts: the plane at the start with its push, at rest (its attitude
// and controls carry over); in Survivor the blowers and bubbles back to the
// origin, in a race the track's progress. The track is read by the caller.
void AloitaLento(LENTO& lento, PAPERPLANE& kone, int pelityyppi);

// One update of a flight of game type `pelityyppi` (0 Survivor, 1..6 a race):
// Escape, the ground, the bubbles or the race, the controls, the physics step,
// the blowers, the ghost's recording, the bonus timers, the flight data, the
// camera's lag; when the flight ends, the plane levelled.
LENNON_TULOS LentoAskel(LENTO& lento, PAPERPLANE& kone, int pelityyppi, const OHJAUS& o);
