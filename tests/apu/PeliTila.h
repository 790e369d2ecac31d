// Every record SDL_main owns, held as it holds them, for the tests and the
// measurements that drive the shell's own frame functions; and the scenes they
// measure: menus, and flights kept at a fixed number of live bubbles.
//
// Everything reads the data set in the working folder (Tiedostot), as the game does.
#pragma once

#include "shell/Kuori.h"

#include <memory>

struct PELITILA {
    ASETUKSET asetukset;
    NAPPAIMET n;
    HIIRI h;
    AIKA aika;
    GRAFIIKKA g;
    KONEET koneet;
    std::unique_ptr<LENTO> lento{new LENTO};
    KUULUVA kuuluva;
    PISTEET pisteet[PELITYYPPEJA];
    std::unique_ptr<KUORI> k{new KUORI};
    // The plane as every measured flight frame starts from it: the same step is
    // flown again and again, so the scene holds still.
    PAPERPLANE kiinnitetty;

    ~PELITILA();
    // What SDL_main releases at shutdown: sounds, music, the renderer's tables and
    // the planes (before SDL_Quit when there is a window). Once is enough.
    void Vapauta();

    // Start-up as SDL_main runs it, in the same order, split into the steps that
    // a measurement times. The window, OpenGL, audio and the renderer's tables
    // come before these (AlustaSDL... and GRAFIIKKA::Alusta, or AlustaIlmanIkkunaa).
    void AlustaSyotteet(int leveys, int korkeus); // input devices and the frame timer
    void AlustaObjektit();                        // the scenery and the planes
    void AlustaKuplat();                          // blowers, bubbles and their sounds, bonus, world
    void AlustaMusiikki();                        // music and the menus' sound effects
    void AlustaPisteet();                         // the seven score tables, the race bubbles

    // The whole start-up without a window: the renderer gets its buffers, the
    // data set's models and font, and the names and sizes of the textures
    // (nothing is uploaded; it only queues). No audio device is opened.
    void AlustaIlmanIkkunaa(int leveys, int korkeus);

    // One pass of the frame loop up to rendering: the held event again, the
    // pending events, then Kehys. The caller renders (GRAFIIKKA::Paivita) or
    // drops the frame (EiPiirretty).
    void Kehys();
    // What a skipped frame does to the buffers.
    void EiPiirretty();

    // A Survivor flight started as "Take wing" starts it (LentoAlku, with its
    // one-second hold) and flown for `kierroksia` updates that fill it to `kuplia`
    // live bubbles (blowing at the blowers); the plane is held at the start with
    // its nose towards the middle of the blowers' field.
    void AloitaSurvivor(int kuplia, int kierroksia = 4000);
    // A race on track 1..6, the plane held at the start facing the first bubble.
    void AloitaKisa(int rata);
    // The race gets a ghost as long as a ghost can be, standing three units ahead
    // of the held plane's nose, where the chase camera sees it.
    void AnnaKisalleHaamu();
    // Before each measured flight frame: the plane back where it was held, the
    // race at its first bubble, and the pool at `kuplia` live bubbles (blown at the
    // blowers, or the last slots freed). Returns the live count.
    int PidaLento(int kuplia);
    int ElaviaKuplia() const;

    PAPERPLANE& Kone() { return koneet.taulukko[k->valittuKone]; }
};

// Points the plane's nose from `paikka` towards `kohde`, wings level.
void SuuntaaKone(PAPERPLANE& kone, SIJAINTI paikka, SIJAINTI kohde);
