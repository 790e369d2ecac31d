// A Survivor pilot: it sees a flight the way a player sees it and answers, frame
// by frame, with a player's controls.
//   in:    what the frame just drawn shows (NAKYMA): the bubbles and blowers in the
//          camera's view and near enough to make out, bubbles with their kind by
//          look; the HUD's wanted kind; the plane's own position and attitude
//   state: what it remembers (SURVIVORLENTAJA): bubbles and blowers seen before and
//          how they drift, where the plane was a frame ago, the clicks and the
//          mouse motion it gave and so the controls they left in the plane
//   out:   the controls of the next update (OHJAUS: mouse motion, clicks, Space)
// Nothing else of the game is read: not the pool, not the draws to come.
#pragma once

#include "bubbles/KuplaFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"
#include "tools/lentaja/Lentaja.h"

#include <SDL.h>

// How far a player makes out what is drawn, world units: a bubble's kind (a sphere
// two units across, a few pixels at this distance), a blower (a machine).
const double KUPLAN_NAKOMATKA = 150;
const double PUHALTAJAN_NAKOMATKA = 600;

// One thing seen in a frame.
struct NAHTY {
    int tunnus = -1;       // the same bubble or blower from frame to frame (the eye follows it)
    SIJAINTI paikka;       // world units
    double ulottuvuus = 0; // bubbles: picked within this distance, 2.25 x the size drawn
    int laji = -1;         // bubbles: 0..3 by look (their model)
};

// What the player sees at the end of a frame.
struct NAKYMA {
    SIJAINTI paikka;    // the plane
    MATRIISI4X4 asento; // the plane's right, up and forward rows
    int haluttu = 0;    // the HUD's "Pick up this:", 0..3
    // The camera: eye, unit view direction and up, tangents of the half view angles.
    SIJAINTI silma;
    VEKTORI katse, ylos;
    double tanKorkeus = 0, tanLeveys = 0;
    int kuplia = 0;
    NAHTY kuplat[KUPLIEN_MAARA];
    int puhaltajia = 0;
    NAHTY puhaltajat[PUHALTAJIEN_MAARA];

    // In the camera's view and within `matka` of the eye.
    bool Nakee(const SIJAINTI& p, double matka) const;
};

// Reads the frame a flight update has just queued, as a player sees it.
//   in:  the draw queue and the active camera of `g` (what is drawn, from where),
//        the four bubble templates and the blowers' model (to tell things by look),
//        the wanted kind (shown on the HUD), the plane's pose
//   out: `ulos`
void Katso(const GRAFIIKKA& g, const KUPLA& kuplat, const PUHALTAJAT& puhaltajat,
           const PAPERPLANE& kone, NAKYMA& ulos);

// How it flies. It goes for the wanted bubble soonest reached that has no other
// bubble beside it (with none in sight, for the nearest blower it remembers, where
// bubbles appear). Each time its hand may click again it foresees the course a left
// click, a right click and no click leave (the turn the clicks still owe, the speed
// the climb or dive gives, the boost of the pick) and takes the one passing nearest
// the target that keeps clear of every other bubble: after a pick the wanted kind is
// drawn anew, so any bubble beside the path may then be the wrong one. It pitches
// with vertical motion towards the target's height, or to the nearest path angle
// that passes over or under every other bubble on the way and stays off the ground;
// it does not dive when fast, and dives for speed when slow (there is no engine).
// Space levels the wings whenever they tilt; it never rolls.
struct SURVIVORLENTAJA {
    // A remembered bubble or blower: where it was last seen, and its drift per update.
    struct MUISTO {
        bool kaytossa = false;
        int laji = -1;
        SIJAINTI paikka;
        VEKTORI nopeus;
        double ulottuvuus = 0;
        int nahty = 0; // frame last seen
    };
    MUISTO kuplat[KUPLIEN_MAARA];
    MUISTO puhaltajat[PUHALTAJIEN_MAARA];
    PAPERPLANE oma;      // the controls the clicks and motion left (pose copied from the view)
    SIJAINTI edellinen;  // the plane a frame ago
    int ruutu = 0;       // frames seen this flight
    int kohde = -1;      // the bubble aimed at, -1 none
    double ohitus = 1e9; // how near the course passes it (over the ground), as last foreseen
    int ohitusAika = 0;  // and in how many updates
    int viimeKlikkaus = -100;

    // Limits of a player's hand: a click at most every `klikkausVali` frames, mouse
    // motion at most `suurinLiike` pixels a frame.
    int klikkausVali = 8;
    int suurinLiike = 40;

    // A flight from "Take wing": at (-100, 100, 0), nose +z, the controls at rest.
    void Aloita();
    // The controls of the next update, from the frame just seen.
    OHJAUS Ohjaa(const NAKYMA& n);
    // Takes in what the frame shows (part of Ohjaa).
    void Muista(const NAKYMA& n);
};

// The events of one frame that give the flight screen these controls, in the order
// a hand can make them: Space down or up when it changes, a button down, the
// motion, the button up last (so the release is what the frame leaves).
//   in:  the controls; whether Space is down now
//   out: up to four events; returns their number
int OhjauksenTapahtumat(const OHJAUS& o, bool valiAlhaalla, SDL_Event ulos[4]);
