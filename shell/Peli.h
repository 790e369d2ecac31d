// The whole game as one record: every piece of state the game owns, its
// start-up, one pass of the frame loop, and its end. SDL_main holds one as a
// local; the tests, the benchmarks and the end-to-end mirror hold their own and
// drive the same passes.
#pragma once

#include "shell/Kuori.h"

#include <memory>

struct PELI {
    ASETUKSET asetukset;
    NAPPAIMET n;
    HIIRI h;
    AIKA aika;
    GRAFIIKKA g;
    KONEET koneet;
    std::unique_ptr<LENTO> lento{new LENTO}; // large: kept off the stack
    KUULUVA kuuluva;
    PISTEET pisteet[PELITYYPPEJA];
    std::unique_ptr<KUORI> k{new KUORI};

    ~PELI() { Vapauta(); }

    // ---- Start-up ----
    // The game's whole start-up: the command line and the folders, the random
    // generator, the settings, the window, then AlustaSisalto. -1 when the game
    // is to run; otherwise the exit code (after --help, a usage error, no data,
    // no window), with nothing written.
    int Alusta(int argc, char** argv);
    // Everything after the window, in the game's order: input and the frame
    // timer, the renderer (with its uploads when `ikkuna`; without an OpenGL
    // context only the names and sizes, for code that lays out and queues), then
    // the steps below, and the main menu.
    void AlustaSisalto(int leveys, int korkeus, bool ikkuna);
    // The steps, one at a time (the frame benchmark times them).
    void AlustaSyotteet(int leveys, int korkeus); // input devices and the frame timer
    void AlustaObjektit();                        // the scenery and the planes
    void AlustaKuplat();                          // blowers, bubbles, bonus, world
    void AlustaAanet();                           // music and sound effects, decoded once
    void AlustaPisteet(); // the score tables, the race bubbles, the music volume, the menu

    // ---- The frame loop ----
    // One whole pass: Kehys, then Piirra. False once the game is to quit.
    bool Askel(int (*lahde)(SDL_Event*) = SDL_PollEvent);
    // The pass up to rendering: the frame's input from `lahde` (SDL's queue in the
    // game), then the frame's steps and the current screen's body.
    void Kehys(int (*lahde)(SDL_Event*) = SDL_PollEvent);
    // Renders what the frame queued, and stamps the frame's end.
    void Piirra();
    // What a frame that is not drawn does to the draw buffers.
    void EiPiirretty();

    // ---- The end ----
    // The credits for five seconds from the last frame, then the settings and
    // the score tables saved.
    void Lopeta();
    // Everything allocated goes back (before SDL_Quit, which follows when a
    // window was opened). Once is enough.
    void Vapauta();

    PAPERPLANE& Kone() { return koneet.taulukko[k->valittuKone]; }
};

// The score file of game type 0..6, as the game reads and writes it.
void PisteidenPolku(int pelityyppi, char* polku, size_t koko);
