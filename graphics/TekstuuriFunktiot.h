// Textures: every image the game draws, uploaded once with its mipmaps.
#pragma once

#include "files/TiedostoFunktiot.h"

#include <GL/glew.h>
#include <SDL_types.h>

struct TEKSTUURI {
    char* Nimi = nullptr;              // name from the load list, owned
    GLuint Tunnus = 0;                 // OpenGL texture name
    unsigned char* Pikselit = nullptr; // decoded RGB(A) rows; null after the upload
    Uint16 Leveys = 0;                 // pixels
    Uint16 Korkeus = 0;                // pixels
    Uint8 TavuaPikselia = 0;           // 3 or 4
    GLenum Muoto = 0;                  // GL_RGB or GL_RGBA
    bool NimenTekstuuri = false; // the texture its name resolves to (GRAFIIKKA::MerkitseNimet)
    // No alpha channel, so every texel is opaque (alpha exactly 1, however it is
    // filtered): blended in opaque white it shows exactly what it covers things
    // with, so the 3D pass draws it without blending and spares the read of what
    // lies beneath.
    bool Peittava = false;

    // Decodes the TGA at `polku`, takes over `nimi`, uploads with mipmaps and
    // releases the pixels. A file that is missing or refused gets a small
    // checkerboard, so that it shows as missing rather than as garbage.
    void Alusta(const char* polku, char* nimi);
    // Decodes the TGA at `polku` into the pixel fields and the GL format (the
    // old pixels freed); false, and the texture as it was, when it cannot.
    bool LataaKuva(const char* polku);
    void Vapauta();
};

// Fills the texture's pixels with the placeholder checkerboard (8 x 8, RGB).
void TeeKorvikeKuva(TEKSTUURI& t);
