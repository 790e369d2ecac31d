// The millisecond clock of the game and the frame timer behind "Fps: ".
#pragma once

#include <SDL.h>

// The game's clock: milliseconds since SDL started (SDL_GetTicks). Every clock
// read of the game goes through here, so that tests can drive time by hand.
Uint32 AnnaTikit();
// Tests only: replaces the clock (nullptr restores SDL_GetTicks).
void AsetaKello(Uint32 (*kello)());
// Busy-waits, polling the clock, until `ms` milliseconds have passed since `alku`.
// Handles no events, like every wait of the game.
void OdotaKunnes(Uint32 alku, Uint32 ms);

// Frame rate over intervals just over one second long, and the last frame's duration.
struct AIKA {
    double fps = 1.0;             // frames per second; 1.0 until the first measurement
    Uint32 jaksonAlku = 0;        // ms: clock reading at which this interval began
    Sint32 jaksonFramet = 0;      // updates counted since the interval began
    Uint32 edellinenPaivitys = 0; // ms: clock reading at the previous update
    Sint32 frameAika = 0;         // ms between the last two updates (the loop may zero it)

    void Alusta();
    void Paivita();
    double AnnaFPS() const { return fps; }
};
