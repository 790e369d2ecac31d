// 3D models: flat triangle lists with one texture coordinate per vertex.
#pragma once

#include "files/TiedostoFunktiot.h"
#include "graphics/2DGrafiikkaFunktiot.h"

#include <GL/glew.h>
#include <SDL_types.h>

struct MALLI3D {
    char* Nimi = nullptr;                   // name from the load list, owned
    Uint16 VerteksienMaara = 0;             // 3 per triangle
    float* Verteksit = nullptr;             // x, y, z per vertex; null once in a buffer
    float* TekstuuriKoordinaatit = nullptr; // u, v per vertex; null once in a buffer
    GLuint VerteksiPuskuri = 0;
    GLuint KoordinaattiPuskuri = 0;
    bool KaytaVBO = false;   // drawn from the two buffer objects
    bool NimenMalli = false; // the model its name resolves to (GRAFIIKKA::MerkitseNimet)
    // The same triangles in the same order, each distinct corner (position and
    // texture coordinate) stored once: the renderer shades a corner once, not once
    // for every triangle that shares it. Made from the arrays the two pointers of
    // `Lahteet` name; arrays put in their place later are drawn flat until
    // TeeIndeksit runs again.
    Uint16 KulmienMaara = 0;
    float* KulmaVerteksit = nullptr;    // x, y, z per distinct corner
    float* KulmaKoordinaatit = nullptr; // u, v per distinct corner
    Uint16* Indeksit = nullptr;         // VerteksienMaara corners, 3 a triangle
    const float* Lahteet[2] = {};       // Verteksit and TekstuuriKoordinaatit then
    float Sade = 0; // model units from the model's origin to its farthest corner
    // The model drawn in its place where it covers only a few pixels: the one named
    // as it with KAUKAINEN_PAATE after the name (GRAFIIKKA::MerkitseNimet links
    // them). EI_INDEKSIA for none.
    Uint32 Kaukainen = EI_INDEKSIA;

    // Reads the 3DS at `polku` and takes over `nimi`. A missing file gives 0 vertices.
    void Alusta(const char* polku, char* nimi);
    // Makes the indexed form and the radius from the flat arrays.
    void TeeIndeksit();
    // Whether the indexed form is that of the arrays as they are now.
    bool Indeksoitu() const {
        return Indeksit && !KaytaVBO && Verteksit && Lahteet[0] == Verteksit &&
               Lahteet[1] == TekstuuriKoordinaatit;
    }
    // Moves the arrays into two ARB buffer objects (one way).
    void TeeVBO();
    void Vapauta();
};

// Binds the array buffer; client arrays need none (0). Without the buffer
// entry points there is nothing to bind.
inline void SidoTaulukkoPuskuri(GLuint puskuri) {
    if (glBindBufferARB) glBindBufferARB(GL_ARRAY_BUFFER_ARB, puskuri);
}
