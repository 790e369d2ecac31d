// Scene objects: a named model and texture placed by position, rotation and scale.
#pragma once

#include "files/TiedostoFunktiot.h"
#include "foundation/MatikkaFunktiot.h"
#include "graphics/2DGrafiikkaFunktiot.h"
#include <SDL_types.h>

struct LUKUHUOMIOT;

struct OBJEKTI {
    SIJAINTI Sijainti;                         // world units
    double Kulmat[3] = {0, 0, 0};              // free for the caller (not read by the engine)
    MATRIISI4X4 Kiertomatriisi;                // right, up, forward rows
    Uint32 TekstuuriIndeksi = EI_INDEKSIA;     // resolved by GRAFIIKKA::LisaaObjekti
    Uint32 MalliIndeksi = EI_INDEKSIA;         // resolved by GRAFIIKKA::LisaaObjekti
    char TekstuuriNimi[NIMEN_PITUUS + 1] = {}; // from the object file
    char MalliNimi[NIMEN_PITUUS + 1] = {};     // from the object file
    double Skaalaus = 1.0;                     // uniform scale
    // Far from the eye, drawn in one call with the other such objects of its
    // texture (NIPPU): for the many small things, the bubbles.
    bool Niputettava = false;

    // Reads the names from an object file and resets the placement. A file that
    // cannot be opened leaves the object as it was. `huomiot` (the content
    // checker's) gets what the reader fell back on.
    void Alusta(const char* polku, LUKUHUOMIOT* huomiot = nullptr);
    // A copy of `lahde` placed at the origin (rotation, scale, names and indices kept).
    void Alusta(const OBJEKTI& lahde);
};
