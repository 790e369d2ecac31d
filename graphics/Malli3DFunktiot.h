// 3D models: flat triangle lists with one texture coordinate per vertex.
#pragma once

#include "files/TiedostoFunktiot.h"

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

    // Reads the 3DS at `polku` and takes over `nimi`. A missing file gives 0 vertices.
    void Alusta(const char* polku, char* nimi);
    // Moves the arrays into two ARB buffer objects (one way).
    void TeeVBO();
    void Vapauta();
};

// Binds the array buffer; client arrays need none (0). Without the buffer
// entry points there is nothing to bind.
inline void SidoTaulukkoPuskuri(GLuint puskuri) {
    if (glBindBufferARB) glBindBufferARB(GL_ARRAY_BUFFER_ARB, puskuri);
}
