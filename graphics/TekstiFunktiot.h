// Text: one bitmap font of 16 x 16 glyph cells, and text blocks of pieces on
// numbered lines whose selectable pieces are menu items.
#pragma once

#include "graphics/2DGrafiikkaFunktiot.h"
#include <SDL_types.h>

// Alignment of a text block about its point: value div 3 is the vertical
// (0 hangs below, 1 centred, 2 stands on), value mod 3 the horizontal
// (0 starts at, 1 centred, 2 ends at).
enum KESKITYSTAPA {
    YLA_VASEN = 0,
    YLA_KESKI = 1,
    YLA_OIKEA = 2,
    KESKI_VASEN = 3,
    KESKI = 4,
    KESKI_OIKEA = 5,
    ALA_VASEN = 6,
    ALA_KESKI = 7,
    ALA_OIKEA = 8,
};

// The glyph code of a text byte, or -1 when the font has no glyph for it (the
// byte is dropped). Printable Windows-1252 bytes keep their value.
int MerkkiKoodiksi(unsigned char tavu);

struct FONTTI {
    KUVA Kirjaimet[256]; // glyph images by code

    // Reads the widths file and sets up the 256 glyphs on texture `tekstuuri`.
    // `varaSivu` is the sheet side (pixels) used when the widths file is missing
    // or gives no usable side; a missing file gives every glyph its full cell.
    void Alusta(const char* tekstuuri, const char* leveydet, int varaSivu = 256);
};

// Limits of one text block; what does not fit is dropped.
enum {
    TEKSTIN_MERKIT = 10000,
    TEKSTIN_RIVIT = 100,
    TEKSTIN_KOHDAT = 100,
    RIVIN_OSAT = 256,
};

struct TEKSTIN_MERKKI {
    Uint8 Koodi; // glyph code
    Uint8 Rivi;  // line index
    Uint8 Osa;   // piece index on the line
};

struct TEKSTIN_KOHTA {
    Sint32 Tila; // -1, or the 1-based position of the glyph under the pointer
    Uint8 Rivi;
    Uint8 Osa;
};

struct TEKSTI {
    TEKSTIN_MERKKI Merkit[TEKSTIN_MERKIT];
    Uint32 MerkkienMaara = 0;
    Sint32 RivienMaara = 0; // highest line used + 1
    Sint32 OsienMaara[TEKSTIN_RIVIT] = {};
    Sint32 KohtienMaara = 0;
    TEKSTIN_KOHTA Kohdat[TEKSTIN_KOHDAT] = {};

    // Starts a new text (the glyph storage is part of the record: nothing to leak).
    void Alku();
    // Appends a piece to line `rivi` (0..99); a selectable piece becomes an item.
    // Pieces past the limits are dropped whole (a line's 257th piece is still
    // counted, so it is never mistaken for piece 1).
    void Lisaa(const char* teksti, int rivi, bool valittava);
    // -1, or the 1-based glyph position under the pointer, of item n as last drawn.
    Sint32 ValittuKohta(unsigned n) const;
};
