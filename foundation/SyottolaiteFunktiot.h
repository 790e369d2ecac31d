// Keyboard and mouse: SDL events become four-state keys and buttons, and the
// pointer position in the fixed 1280 x 1024 screen space (origin bottom-left, y up).
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
};

struct NAPPAIMET {
    NAPPAIN Taulukko[133] = {}; // the key table, filled by Alusta
    Uint16 Maara = 0;           // 133 after Alusta

    void Alusta();
    void Paivita(const SDL_Event& e);
    Uint8 NapinTila(Uint8 indeksi) const; // indices past the table read as up
};

struct HIIREN_NAPPI {
    Uint16 Tila;
    Uint8 Numero; // SDL button number, 0 for none
};

struct HIIRI {
    float x = 0, y = 0;          // pointer in screen space, 0..below 1280 and 0..below 1024
    float dx = 0, dy = 0;        // pixels of the last motion event; dy positive downwards
    HIIREN_NAPPI Napit[10] = {}; // 0 left, 1 middle, 2 right; 3..9 no button
    Uint16 NappienMaara = 10;
    Uint16 Leveys = 0, Korkeus = 0; // window size in pixels

    void Alusta(Uint16 leveys, Uint16 korkeus);
    // Writes the event's relative motion back to 0, so that the same event
    // handled again moves nothing.
    void Paivita(SDL_Event& e);
    Uint8 NapinTila(Uint8 indeksi) const;
    float AnnaX() const { return x; }
    float AnnaY() const { return y; }
    float AnnaXd() const { return dx; }
    float AnnaYd() const { return dy; }
    // Edges included.
    bool OnkoSisalla(double x0, double y0, double w, double h) const;
};

void AlustaSyottolaiteMoottori(NAPPAIMET& n, HIIRI& h, Uint16 leveys, Uint16 korkeus);
void PaivitaSyottolaiteMoottori(NAPPAIMET& n, HIIRI& h, SDL_Event& e);
