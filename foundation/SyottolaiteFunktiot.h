// Keyboard and mouse: SDL events become four-state keys and buttons, and the
// pointer position in the fixed 1280 x 1024 screen space (origin bottom-left, y up).
//
// A frame starts with AloitaSyottolaiteKehys, which ages the states once (pressed
// becomes held, released becomes up); then each of the frame's events changes only
// the key or button it concerns. Every press is seen held for at least one frame
// and released for exactly one: a change that would hide a state not yet seen
// waits for the next frame.
#pragma once

#include <SDL.h>

// Key and button states.
enum { YLHAALLA = 0, PAINETTU = 1, POHJASSA = 2, VAPAUTETTU = 3 };

// Key-table indices the game uses.
enum {
    NAPPI_PAUSE = 4,
    NAPPI_ESC = 5,
    NAPPI_SPACE = 6,
    NAPPI_1 = 22, // digits 1..5 are 22..26
    NAPPI_G = 50,
    NAPPI_Q = 60,
    NAPPI_PAGE_UP = 95,
    NAPPI_PAGE_DOWN = 96,
    NAPPI_F1 = 97, // F1..F15 are 97..111
    NAPPI_F2 = 98,
    NAPPI_F3 = 99,
    NAPPI_F9 = 105,
    NAPPI_F10 = 106,
    NAPPI_F11 = 107,
    NAPPI_F12 = 108,
    NAPPI_OIKEA_ALT = 119,
    NAPPI_VASEN_ALT = 120,
};

struct NAPPAIN {
    Uint8 Tila; // 0 up, 1 pressed, 2 held, 3 released
    SDLKey Koodi;
    Uint8 Odottaa; // changes (down, up, ...) that arrived but wait for a later frame
    bool Tuore;    // held since this frame began: a release waits for the next frame
};

struct NAPPAIMET {
    NAPPAIN Taulukko[133] = {}; // the key table, filled by Alusta
    Uint16 Maara = 0;           // 133 after Alusta

    void Alusta();
    // Once at the start of a frame, before its events.
    void AloitaKehys();
    void Paivita(const SDL_Event& e);
    Uint8 NapinTila(Uint8 indeksi) const; // indices past the table read as up
    // Keys that `alhaalla` (SDL's key state, indexed by key code, `maara` codes)
    // reports as up are not left down: their up event was lost.
    void Tasaa(const Uint8* alhaalla, int maara);
};

struct HIIREN_NAPPI {
    Uint16 Tila;
    Uint8 Numero;  // SDL button number, 0 for none
    Uint8 Odottaa; // changes that wait for a later frame, as for keys
    bool Tuore;    // as for keys
};

struct HIIRI {
    float x = 0, y = 0;   // pointer in screen space, 0..below 1280 and 0..below 1024
    float dx = 0, dy = 0; // pixels moved in this frame's motion events; dy positive downwards
    HIIREN_NAPPI Napit[10] = {}; // 0 left, 1 middle, 2 right; 3..9 no button
    Uint16 NappienMaara = 10;
    Uint16 Leveys = 0, Korkeus = 0; // window size in pixels

    void Alusta(Uint16 leveys, Uint16 korkeus);
    // Once at the start of a frame, before its events: no motion yet.
    void AloitaKehys();
    void Paivita(const SDL_Event& e);
    Uint8 NapinTila(Uint8 indeksi) const;
    // Buttons that `napit` (SDL's button mask) reports as up are not left down.
    void Tasaa(Uint8 napit);
    float AnnaX() const { return x; }
    float AnnaY() const { return y; }
    float AnnaXd() const { return dx; }
    float AnnaYd() const { return dy; }
    // Edges included.
    bool OnkoSisalla(double x0, double y0, double w, double h) const;
};

void AlustaSyottolaiteMoottori(NAPPAIMET& n, HIIRI& h, Uint16 leveys, Uint16 korkeus);
void AloitaSyottolaiteKehys(NAPPAIMET& n, HIIRI& h);
void PaivitaSyottolaiteMoottori(NAPPAIMET& n, HIIRI& h, const SDL_Event& e);
// After a time in which no events were handled (SDL's queue may have dropped
// some): what SDL reports as up is not left down.
void TasaaSyottolaitteetSDLiin(NAPPAIMET& n, HIIRI& h);
