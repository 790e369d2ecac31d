// The paper plane: its file data, flight state, controls and drawn body, and the
// one-step flight model that gives the game its feel.
#pragma once

#include "flight/BonusFunktiot.h"
#include "flight/FysiikkaMoottori.h"
#include "graphics/ObjektiFunktiot.h"

struct LUKUHUOMIOT;

// What the player's mouse and keys ask of one update of a flight.
struct OHJAUS {
    float dx = 0, dy = 0; // mouse motion this update, pixels (dy positive downwards)
    bool vasen = false;   // left button released: a sharp turn left
    bool oikea = false;   // right button released: a sharp turn right
    bool vali = false;    // Space or the middle button held: level the wings
    bool boosti = false;  // an Alt key held: a race's speed boost
    bool lopeta = false;  // Escape held: the flight ends
};

struct PAPERPLANE {
    char name[NIMEN_PITUUS + 1] = {}; // key "PP"
    double mass = 0;                  // key "MASSA"; read by no flight code
    double massDistribution = 0;      // turn control, degrees; clamped to +-90, decays 2.5 %/step
    double wingArea = 0;              // straightening flag: exactly 1.0 levels the wings fast
    double aerodynamics = 0;          // key "AERODYNAAMISUUS"; read by no flight code
    double push = 0;                  // one-shot push along the nose, world units per step
    VEKTORI acceleration;             // thrust + drag + gravity of the last step
    VEKTORI velocity;                 // world units per step
    double elevonA = 0;               // flap control, degrees; clamped to +-90, decays 4 %/step
    double elevonB = 0;               // second flap: the sum pitches, the difference rolls
    OBJEKTI body;                     // position, orientation (right, up, forward), scale 0.3

    // The controls of one update into the control fields: a click turns by 20,
    // sideways motion rolls (0.08 a pixel), vertical motion pitches (0.1 a
    // pixel), levelling is on while held.
    void Ohjaa(const OHJAUS& o);

    // Reads a plane file (keys PP, 3D_MALLI, TEKSTUURI, MASSA, MASSAJAKAUMA,
    // SIIPIALA, AERODYNAAMISUUS, END_OF_FILE) and sets the flight start state.
    // `huomiot` (the content checker's) gets what the reader fell back on.
    void Alusta(const char* polku, LUKUHUOMIOT* huomiot = nullptr);

    // One physics step.
    //   state in/out: push (consumed), acceleration, velocity, body position and
    //                 orientation, massDistribution, elevonA, elevonB
    //   command in:   massDistribution, elevonA, elevonB, wingArea, push
    //   world in:     gravity and drag of `maailma`
    //   bonus in/out: speedBoost, added to the speed and set to 0
    void PaivitaFysiikka(MAAILMA maailma, BONUS& bonus);

    // A flight starts: at the start with its push, at rest. The attitude and the
    // controls are left as they are.
    void Lahtoon();

    // Levels the attitude when a flight ends: the heading (where the nose points
    // over the ground) is kept, roll and pitch go. With the nose straight up or
    // down the heading is where the plane's up vector points.
    void Oikaise();
};

// Reads every plane of the load list's "PAPERPLANE" section, in list order, from
// "Tiedostot\PP\". The caller owns the array (delete[]).
void LataaPPt(PAPERPLANE*& koneet, int& maara);
