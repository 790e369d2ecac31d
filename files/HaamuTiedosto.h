// The ghost files "Tiedostot\Muu Data\HaamuA.dat" .. "HaamuF.dat": the best
// completed flight of each race track, written when a flight beats it.
//
// Little-endian, no padding:
//
//   offset   size  field
//   0        4     magic "HAMU"
//   4        2     version, 1
//   6        1     track letter, 'A' .. 'F'
//   7        1     n, length of the plane's name, 0 .. 98
//   8        4     fingerprint of the track file's bubbles the flight was flown on
//   12       4     result, ms (flight time plus penalty)
//   16       4     N, updates flown, 1 .. 36000
//   20       n     the plane's name (Windows-1252, no NUL)
//   20+n     36 N  per update, the plane after its physics step, 9 IEEE 754
//                  floats: position x, y, z; forward x, y, z; up x, y, z
//
// The file is exactly 20 + n + 36 N bytes. Anything else (another magic,
// version or track, a name with a NUL, a count out of range, a size that does
// not match, a number that is not finite, axes that are not unit length and at
// right angles, a ghost of a track whose bubbles have changed since) is no
// ghost: the reader says why, and the game carries on as if there were none.
#pragma once

#include "files/TiedostoFunktiot.h"

#include <SDL_types.h>
#include <cstddef>
#include <vector>

// Updates a ghost holds: ten minutes at 60 updates a second. A longer flight is
// not stored.
enum { HAAMUN_PAIVITYKSET = 36000 };

// The plane after one update, in single precision: enough to draw it.
struct HAAMUN_ASENTO {
    float x, y, z;  // world units
    float eteen[3]; // the nose's direction (unit)
    float ylos[3];  // the plane's up (unit)
};

// One flight's path and what it is measured by.
struct HAAMU {
    char kone[NIMEN_PITUUS + 1] = {};   // name of the plane it was flown with ("PP" of its file)
    Uint32 tulos = 0;                   // ms: flight time plus penalty
    Uint32 rata = 0;                    // fingerprint of the track it was flown on (RadanTunniste)
    Uint32 maara = 0;                   // poses held; 0 is no ghost
    std::vector<HAAMUN_ASENTO> asennot; // HAAMUN_PAIVITYKSET entries once Varaa has run

    // Makes room for the longest flight, once; later calls change nothing.
    void Varaa();
};

enum { HAAMUN_OTSAKE = 20, HAAMUN_ASENNON_KOKO = 36, HAAMUN_VERSIO = 1 };

// "Tiedostot\Muu Data\HaamuA.dat" .. "HaamuF.dat" for game types 1..6; "" otherwise.
const char* HaamunPolku(int pelityyppi);

// The file image of `h` (its first h.maara poses) for track `kirjain`.
void HaamuTavuiksi(const HAAMU& h, char kirjain, std::vector<Uint8>& ulos);

// Reads the ghost of track `kirjain` flown on the track of fingerprint `rata`
// into `h` (whose storage is made once, as Varaa does). False, with h.maara = 0
// and a short reason in `syy` when given, when there is no usable ghost: the
// file is missing, short, damaged, of another track, or hostile.
bool LataaHaamu(const char* polku, char kirjain, Uint32 rata, HAAMU& h, const char** syy = nullptr);

// Writes the ghost with TallennaTurvallisesti: the old file stays whole when it
// fails (false).
bool TallennaHaamu(const char* polku, char kirjain, const HAAMU& h);
