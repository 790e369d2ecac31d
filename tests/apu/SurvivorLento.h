// Survivor flights of the scripted pilot (tools/lentaja) through the game's own
// frames, with a player's mouse and Space: for the test that Survivor can be won,
// and for counting how many bubbles real flights hold (tavio_kuplamaarat).
#pragma once

#include "apu/PeliTila.h"
#include "tools/lentaja/SurvivorLentaja.h"

#include <functional>

enum SURVIVORIN_LOPPU { AIKA_LOPPUI, VAARA_KUPLA, MAAHAN };

struct SURVIVORLENTO {
    int kuplia = 0;  // bubbles picked
    int ruutuja = 0; // updates flown
    SURVIVORIN_LOPPU loppu = AIKA_LOPPUI;
};

// While it lives, the game's clock is the flights': 1000/60 ms an update, as at
// sixty frames a second, so that the bonuses last as long as in play.
struct LENTOKELLO {
    LENTOKELLO();
    ~LENTOKELLO();
};

// The events that give the pilot's controls, queued for the next frame
// (read back with LueTestiTapahtuma).
void PilotinTapahtumat(const NAPPAIMET& n, const OHJAUS& o);

// One flight from "Take wing" to its end, or `ruutuja` updates, seeded with
// `siemen`; every flight starts as the first one after start-up (the plane at
// rest facing the player, the blowers, the bonuses, the wanted kind and the camera
// as start-up leaves them, input idle). `ruudussa` sees the game after each
// update that goes on flying. Needs a LENTOKELLO and the game's content loaded in
// the build folder.
SURVIVORLENTO LennaSurvivor(PELI& p, unsigned siemen, int ruutuja,
                            const std::function<void(const PELI&)>& ruudussa = nullptr);
