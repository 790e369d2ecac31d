// The yard's map, shared by the scenery (Maisema.cpp, Museo.cpp) and the yard's
// ground (PihanMaa.cpp).
// Model units are metres; the game draws the yard at scale 10.
#pragma once

#include "Sisalto.h"

#include <vector>

constexpr double PII = 3.14159265358979;

// The fence runs round the blowers' range, where every flight starts (LENNON_ALKU_*).
constexpr double AIDAN_X = 24, AIDAN_Z0 = -34, AIDAN_Z1 = 54;
constexpr double TIE_Z = -45;               // the road south of the yard
constexpr double AUKIO_X = 0, AUKIO_Z = 10; // the round plaza with the fountain
constexpr double LAMPI_X = -14, LAMPI_Z = -19;
constexpr double KUKKA1[2] = {12, -12}, KUKKA2[2] = {-11, 28}, KUKKA3[2] = {11, 28};
constexpr double MUSEO_Z0 = 57, MUSEO_Z1 = MUSEON_TAKA; // the museum's plinth, front to back

struct PUU {
    double x, z, korkeus;
    int laji; // 0 broadleaf, 1 conifer
    unsigned siemen;
};

// Every tree of the yard and the woods round it, always the same.
std::vector<PUU> Puut();

inline double Tasainen(double a, double b, double x) {
    double t = (x - a) / (b - a);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

// The ground's texture atlas is 1024 x 2048: the far picture of the whole map in
// the top left 512 x 384, the trees' and the fence's materials below it (64-pixel
// tiles in rows 6 and 7), eight more material tiles at columns 8..15 of rows 0
// and 1, and the detailed ground of the fenced yard in the rest.
constexpr int PIHAN_LEVEYS = 1024, PIHAN_KORKEUS = 2048;

// Paints the ground into the atlas and adds its triangles to the model; false when
// its tiles do not fit.
bool TeePihanMaa(ATLAS& a, MALLI& m, const std::vector<PUU>& puut);

// A box from corner a to corner b: a fence rail, a bench, a slab of stone.
void Pala(MALLI& m, V3 a, V3 b, const MATERIAALI& mat);

// The museum and the sky dome round the scene: its model and texture.
bool TeeMuseo(KOHDE& k);
