// The race track files "Tiedostot\Muu Data\BubbleRaceA.dat" .. "BubbleRaceF.dat":
// a 32-bit count, then per entry the bubble's x, y, z and the speed boost it
// gives, as little-endian doubles (4 + 32 N bytes).
#pragma once

#include <SDL_types.h>
#include <cstddef>

struct LUKUHUOMIOT;

// A track holds at most this many bubbles.
enum { RADAN_KUPLAT = 200 };

struct RADAN_KUPLA {
    double x = 0, y = 0, z = 0; // world units
    double boosti = 0;          // the speed boost written in the file (world units per step)
};

struct RADAN_TIEDOSTO {
    RADAN_KUPLA kuplat[RADAN_KUPLAT];
    Sint32 pituus = 0; // entries read
};

// Reads the entries: whole entries only, at most 200; reading stops at the
// first entry that is not a finite number. The track length becomes the number
// of entries read; entries past it are left as they were. False, and nothing
// changed, when the bytes are too few to hold a count. `huomiot` (the content
// checker's) gets what the reader fell back on.
bool RataTavuista(const Uint8* tavut, size_t n, RADAN_TIEDOSTO& rata,
                  LUKUHUOMIOT* huomiot = nullptr);
// The same from a file; a file that cannot be opened leaves the track as it was
// (false), and so does one too short to hold a count (true: it was read).
bool LataaRata(const char* polku, RADAN_TIEDOSTO& rata, LUKUHUOMIOT* huomiot = nullptr);
// The file of game type 1..6 (tracks A..F); "" for any other.
const char* RadanPolku(int pelityyppi);
