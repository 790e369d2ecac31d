// 2D images: textured rectangles in the 1280 x 1024 screen space (origin
// bottom-left, y up), placed each frame by copying a template into the image buffer.
#pragma once

#include <SDL_types.h>

// Unresolved table index: an image or object whose name matched nothing.
enum : Uint32 { EI_INDEKSIA = 0xFFFFFFFFu };

struct VARI {
    double r = 1, g = 1, b = 1, a = 1; // 0..1; opaque white by default
};

// One corner of a queued image as the 2D pass hands it to OpenGL: the values the
// image's quad is drawn with, one array element a vertex.
struct KULMA2D {
    float x, y;       // 2D units
    float u, v;       // texture coordinate
    float r, g, b, a; // tint, 0..1
};

struct KUVA {
    const char* TekstuuriNimi = nullptr;   // not owned; must outlive the image
    Uint32 TekstuuriIndeksi = EI_INDEKSIA; // set by GRAFIIKKA::LisaaKuva
    float X = 0, Y = 0;                    // bottom-left corner, screen units
    float Leveys = 0, Korkeus = 0;         // size, screen units
    float U0 = 0, V0 = 0;                  // texture coordinate of the bottom-left corner
    float U1 = 0, V1 = 0;                  // texture coordinate of the top-right corner
    VARI Vari;

    void Alusta(const char* nimi, float leveys, float korkeus, float u, float v, float du,
                float dv);
};
