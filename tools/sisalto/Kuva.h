// Pictures of the generator: RGBA float images drawn upright (row 0 is the top),
// deterministic noise, and the TGA writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct VARI4 {
    float r = 0, g = 0, b = 0, a = 1;
};

VARI4 Sekoita(VARI4 a, VARI4 b, float t); // a + (b - a) t, every channel
VARI4 Kirkkaus(VARI4 v, float k);         // colour times k, alpha kept
VARI4 Rgb(int r, int g, int b, float a = 1.0f);

struct KUVA_RGBA {
    int Leveys = 0, Korkeus = 0;
    std::vector<VARI4> Pikselit; // row 0 is the top of the picture as seen upright

    KUVA_RGBA() = default;
    KUVA_RGBA(int leveys, int korkeus, VARI4 tausta = VARI4{0, 0, 0, 0});
    VARI4& P(int x, int y) { return Pikselit[(size_t)y * (size_t)Leveys + (size_t)x]; }
    const VARI4& P(int x, int y) const { return Pikselit[(size_t)y * (size_t)Leveys + (size_t)x]; }
    // Source-over of c with coverage `peitto` (0..1) on pixel (x, y); outside is ignored.
    void Peita(int x, int y, VARI4 c, float peitto);
    void Suorakulmio(int x0, int y0, int x1, int y1, VARI4 c); // x0 <= x < x1, y0 <= y < y1
    // Copies `lahde` with its top-left corner at (x, y), multiplying colour by k.
    void Liita(const KUVA_RGBA& lahde, int x, int y, float k = 1.0f);
};

// Value noise and its octave sum, 0..1, repeating every `jakso` cells (0: no repeat).
float Kohina(float x, float y, uint32_t siemen, int jakso = 0);
float Fbm(float x, float y, uint32_t siemen, int oktaavit, int jakso = 0);
uint32_t Hajauta(uint32_t x); // integer hash

// Coverage of a polygon (counter-clockwise or clockwise) over pixel (x, y), from
// 4 x 4 samples: 0..1.
float Peitto(const std::vector<float>& xy, int x, int y);

// Writes a run-length encoded true-colour TGA (type 10), bottom row first as the
// game's reader expects: 32 bits with alpha or 24 bits without.
bool TallennaTGA(const std::string& polku, const KUVA_RGBA& kuva, bool alfa);
