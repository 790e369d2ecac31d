// One flight's measurements, and one game type's Top-20 with its 384-byte file.
#pragma once

#include <SDL_types.h>
#include <cstddef>

struct PAPERPLANE;

struct LENTOTIEDOT {
    Uint32 startTick = 0;     // clock tick (ms) of the flight start
    Uint32 flightTime = 0;    // ms since startTick at the last flight update
    double altitude = 0;      // the plane's y at the last flight update, world units
    Uint32 bubblesPicked = 0; // Survivor: bubbles of the wanted kind

    void Alusta();
    // The time since the start and the plane's height, after an update.
    void Paivita(const PAPERPLANE& kone);
};

enum { SIJOJEN_MAARA = 20, PILOTIN_NIMI = 11, PISTETIEDOSTON_KOKO = 384 };

struct PISTEET {
    Sint32 flights = 0;                     // results entered in this game type
    Uint32 flightTimes[SIJOJEN_MAARA] = {}; // ms, places 1..20
    Uint32 bubbleCounts[SIJOJEN_MAARA] = {};
    char pilotNames[SIJOJEN_MAARA][PILOTIN_NIMI] = {}; // up to 10 bytes and a NUL

    // Reads up to 384 bytes (a short file fills only its length); a file that
    // cannot be opened leaves the table as it was. Every name ends in a NUL.
    void Lataa(const char* polku);
    // Writes the 384 bytes safely (old file kept on failure). False on failure.
    bool Tallenna(const char* polku) const;

    // The little-endian file image, and reading one back (n bytes, at most 384).
    void Tavuiksi(Uint8 ulos[PISTETIEDOSTON_KOKO]) const;
    void Tavuista(const Uint8* tavut, size_t n);

    // Enters one result: Survivor ranks by bubbles then the longer time, Bubble race
    // by bubbles then the shorter time (the caller has added the penalty).
    // Returns the place 0..19, or -1 when it did not make the Top-20.
    int LisaaTulos(bool kuplaKisa, Uint32 kuplat, Uint32 aika, const char* nimi);
};
