// The settings file and the fixed tables of video modes and game types.
#pragma once

#include <SDL_types.h>
#include <cstddef>

struct RESOLUUTIO {
    char nimi[32];          // what the video setup shows
    Sint32 leveys, korkeus; // pixels
};
extern const RESOLUUTIO RESOLUUTIOT[6];

enum { PELITYYPPEJA = 7 };
// 0 "Survivor", 1..6 the Bubble race tracks A..F (Windows-1252 text).
extern const char PELITYYPIT[PELITYYPPEJA][64];

enum { ASETUSTIEDOSTON_KOKO = 12 };
extern const char* const ASETUSTIEDOSTO; // "Tiedostot\Muu Data\Setup.sav"

struct ASETUKSET {
    Sint32 resoluutio = 1; // index into RESOLUUTIOT (800 x 600)
    Uint8 kokoNaytto = 0;  // 0 windowed, 1 full screen
    Uint8 varattu = 1;     // reserved byte, kept as the file had it
    bool turbo = false;    // never stored: off at every start

    // The 12 bytes: index, flag, index bytes 0..2, reserved, flag, index bytes 0..1.
    void Tavuiksi(Uint8 ulos[ASETUSTIEDOSTON_KOKO]) const;
    // Takes the fields wholly present in the first n bytes. An index outside the
    // table keeps the default, so a damaged file never picks a mode that is not there.
    void Tavuista(const Uint8* tavut, size_t n);
};

// Starts SDL video and opens the game's window in the stored mode, asking for a
// swap interval of one display refresh. A mode that cannot be opened falls back
// to 800 x 600 in a window, with one line on stderr, and the settings then hold
// that mode, so that the file written at exit is one that opens. False, with one line on stderr
// saying what failed, when no OpenGL window opens at all (SDL video is then shut down again).
bool AvaaPelinIkkuna(ASETUKSET& a, int& leveys, int& korkeus);

// Defaults first, then whatever the file holds. False when it cannot be read.
bool LataaAsetukset(const char* polku, ASETUKSET& a);
// Written safely: the old file stays whole if the write fails. False on failure.
bool TallennaAsetukset(const char* polku, const ASETUKSET& a);
