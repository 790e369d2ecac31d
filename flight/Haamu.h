// The ghost of a race track: the path of the best completed flight on it, one
// pose per update, flown again beside the player in later races of that track.
//
// The game steps its physics once per update, so the ghost keeps exact time
// with the player: at the player's update n it stands where the best flight was
// after its update n. It is only drawn; it touches no rule, timer or score.
#pragma once

#include "files/HaamuTiedosto.h"
#include "graphics/ObjektiFunktiot.h"

struct PAPERPLANE;

// The pose of a plane's body, as the ghost keeps it.
HAAMUN_ASENTO HaamunAsento(const OBJEKTI& body);

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
    // A race's update of the ghost: the pose recorded, the ghost's pose of the
    // update into `kuva`, the update counted. True when the ghost has a pose for
    // it (past its last update its flight is over). Outside a race, nothing.
    bool Askel(const OBJEKTI& body);
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
