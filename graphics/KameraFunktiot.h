// The camera: the engine draws through it; the game moves it every frame.
#pragma once

#include "foundation/MatikkaFunktiot.h"
#include <SDL_types.h>

struct KAMERA {
    VEKTORI Paikka;        // eye, world units
    VEKTORI Kohde;         // point looked at, world units
    VEKTORI Ylos{0, 1, 0}; // up direction
};
