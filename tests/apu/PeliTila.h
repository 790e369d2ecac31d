// The scenes the tests and the measurements fly on the game record: flights
// held still, so that the same frame can be drawn again and again, at a fixed
// number of live bubbles.
//
// Everything reads the data set in the working folder (Tiedostot), as the game does.
#pragma once

#include "shell/Peli.h"

#include <string>

// The game record started as the game starts it (AlustaSisalto), in the build
// folder with its data set, seeded with `siemen`; `vanha` gets the working
// folder it left. Null when there is no build folder.
PELI* PeliKoontiKansiossa(int leveys, int korkeus, bool ikkuna, unsigned siemen,
                          std::string& vanha);
// Frees it and goes back to `vanha`.
void LopetaKoontiKansiossa(PELI*& p, const std::string& vanha);

struct PIDETTY_LENTO {
    // The plane as every measured flight frame starts from it: the same step is
    // flown again and again, so the scene holds still.
    PAPERPLANE kone;

    // A Survivor flight started as "Take wing" starts it (LentoAlku, with its
    // one-second hold) and flown for `kierroksia` updates that fill it to `kuplia`
    // live bubbles (blowing at the blowers); the plane is held at the start with
    // its nose towards the middle of the blowers' field.
    void Survivor(PELI& p, int kuplia, int kierroksia = 4000);
    // A race on track 1..6, the plane held at the start facing the first bubble.
    void Kisa(PELI& p, int rata);
    // The race gets a ghost as long as a ghost can be, standing three units ahead
    // of the held plane's nose, where the chase camera sees it.
    void AnnaHaamu(PELI& p);
    // Before each measured flight frame: the plane back where it was held, the
    // race at its first bubble, and the pool at `kuplia` live bubbles (blown at the
    // blowers, or the last slots freed). Returns the live count.
    int Pida(PELI& p, int kuplia);
};

int ElaviaKuplia(const PELI& p);

// Points the plane's nose from `paikka` towards `kohde`, wings level.
void SuuntaaKone(PAPERPLANE& kone, SIJAINTI paikka, SIJAINTI kohde);
