// Cameras: the engine draws through the active one; the game moves it every frame.
#pragma once

#include "foundation/MatikkaFunktiot.h"
#include <SDL_types.h>

struct KAMERA {
    VEKTORI Paikka;             // eye, world units
    VEKTORI Kohde;              // point looked at, world units
    VEKTORI Ylos{0, 1, 0};      // up direction
    VEKTORI Historia[1000];     // delay line of directions (the chase view's lag)
    VEKTORI Viive;              // the entry last read back from the delay line
    Sint32 HistoriaIndeksi = 0; // next write position
    Sint32 HistoriaPituus = 0;  // slots in use, at most 1000
};
