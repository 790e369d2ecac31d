// The ghost of a race track: the path of the best completed flight on it, one
// pose per update, flown again beside the player in later races of that track.
//
// The game steps its physics once per update, so the ghost keeps exact time
// with the player: at the player's update n it stands where the best flight was
// after its update n. It is only drawn; it touches no rule, timer or score.
#pragma once

#include "graphics/ObjektiFunktiot.h"

#include <SDL_types.h>
#include <vector>

struct PAPERPLANE;

// Updates a ghost holds: ten minutes at 60 updates a second. A longer flight is
// not stored.
enum { HAAMUN_PAIVITYKSET = 36000 };

// The plane after one update, in single precision: enough to draw it.
struct HAAMUN_ASENTO {
    float x, y, z;  // world units
    float eteen[3]; // the nose's direction (unit)
    float ylos[3];  // the plane's up (unit)
};

// The pose of a plane's body, as the ghost keeps it.
HAAMUN_ASENTO HaamunAsento(const OBJEKTI& body);

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

// The ghost of the track being flown and the recording of the flight itself.
struct HAAMUT {
    HAAMU haamu;           // the stored ghost of this track (maara 0: none)
    HAAMU nauha;           // this flight, update by update
    bool taynna = false;   // this flight outgrew HAAMUN_PAIVITYKSET: it is not stored
    bool kisa = false;     // a race is being flown (Survivor has no ghosts)
    Uint32 paivitys = 0;   // the player's updates flown in this flight
    bool naytetaan = true; // G shows and hides the ghost for the rest of the session
    OBJEKTI kuva;          // what is drawn: the ghost's plane model in the ghost texture
    const PAPERPLANE* koneet = nullptr; // the loaded planes, to find the ghost's own model
    int koneita = 0;

    // A new flight: the recording empties. The stored ghost is left to the caller.
    void Aloita(bool onKisa);
    // The player's pose after this update's physics goes on the recording.
    void Nauhoita(const OBJEKTI& body);
    // The ghost's pose of update `n` into `o`; false (and `o` untouched) when the
    // ghost has no such update.
    bool Asento(Uint32 n, OBJEKTI& o) const;
    // A completed flight of this result replaces the ghost: there is none, or
    // this one is faster. An equal result keeps the old ghost.
    bool Parempi(Uint32 tulos) const;
    // The look of the ghost: the model of the plane named `nimi` among the loaded
    // planes, else of `oma` (the player's plane), in the texture "Haamu".
    void Ulkoasu(const char* nimi, const PAPERPLANE& oma);
};
