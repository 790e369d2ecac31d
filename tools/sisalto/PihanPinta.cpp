// The yard's ground inside the fence, where the flights skim the lawn: the
// mowed lawn, the gravel paths, the plaza with its fountain, the flower beds,
// the pond and the trees' shadows, painted at the lattice point asked for.
#include "PihanPinta.h"

#include <cmath>
#include <cstdint>

namespace {

float Osuus(uint32_t h) {
    return (float)(h & 0xFFFFFF) / (float)0xFFFFFF;
}

// The part of a pixel inside a shape whose edge is `d` metres away (inside > 0).
float Peittaa(double d) {
    double p = 0.5 + d * PX;
    return (float)(p < 0 ? 0 : (p > 1 ? 1 : p));
}

int Jaksossa(int i, int jakso = SOLU_PX) {
    int m = i % jakso;
    return m < 0 ? m + jakso : m;
}

// Value noise repeating every jx cells across and jy cells up.
float Kohina2(float x, float y, uint32_t siemen, int jx, int jy) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = (int)fx, iy = (int)fy;
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto H = [&](int i, int j) {
        uint32_t h = Hajauta((uint32_t)Jaksossa(i, jx) * 73856093U ^
                             Hajauta((uint32_t)Jaksossa(j, jy) * 19349663U ^ siemen));
        return Osuus(h);
    };
    float a = H(ix, iy), b = H(ix + 1, iy), c = H(ix, iy + 1), d = H(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// The lattice point (X, Z): its place in the yard and in its cell (s, t in 0..8 m).
struct PISTE {
    int X, Z;
    double x, z;
    float s, t;
};

PISTE Piste(int X, int Z) {
    PISTE p;
    p.X = X;
    p.Z = Z;
    p.x = -AIDAN_X + (X + 0.5) / PX;
    p.z = AIDAN_Z0 + (Z + 0.5) / PX;
    p.s = (Jaksossa(X) + 0.5f) / PX;
    p.t = (Jaksossa(Z) + 0.5f) / PX;
    return p;
}

// The mowed lawn: patches, tufts, and blades leaning the way the mower went,
// lighter on every other 4 m stripe. It repeats every cell.
VARI4 Ruoho(const PISTE& p) {
    float laikut = Fbm(p.s * 1.5f, p.t * 1.5f, 901, 3, 12);
    float tupsut = Fbm(p.s * 8, p.t * 8, 902, 2, 64);
    float korret = Kohina2(p.s * 20, p.t * 6, 903, 160, 48);
    uint32_t h = Hajauta((uint32_t)Jaksossa(p.X) * 977u + (uint32_t)Jaksossa(p.Z) * 131071u + 904u);
    VARI4 c = Sekoita(Rgb(82, 152, 56), Rgb(118, 170, 66), laikut);
    c = Kirkkaus(c, 0.8f + 0.3f * tupsut + 0.14f * korret);
    float k = Osuus(h);
    if (k > 0.86f)
        c = Sekoita(c, Rgb(160, 205, 100), 0.2f + 2.0f * (k - 0.86f)); // a blade's lit tip
    else if (k < 0.08f)
        c = Kirkkaus(c, 0.8f); // down between the blades
    int kaista = ((p.X + (int)(100 - AIDAN_X) * PX) / (4 * PX)) % 2;
    if (kaista) c = Kirkkaus(c, 1.07f);
    return c;
}

// The lawn tiles other than the first have a lusher tuft, dandelions or a few
// daisies here and there, always clear of the tile's edges and borders: they
// break the lawn's repeat without catching the eye from above.
VARI4 Kukkanurmi(VARI4 c, const PISTE& p, int laji) {
    if (laji == 0) return c;
    uint32_t siemen = 7000u + (uint32_t)laji * 131u;
    for (int i = 0; i < 3; i++) {
        uint32_t h = Hajauta(siemen + (uint32_t)i * 17u);
        double kx = 1 + 6 * Osuus(h), kz = 1 + 6 * Osuus(Hajauta(h));
        double r = 0.2 + 0.3 * Osuus(Hajauta(h + 1));
        double d = std::hypot(p.s - kx, p.t - kz) +
                   0.12 * (Kohina(p.s * 7, p.t * 7, siemen + (uint32_t)i, 56) - 0.5);
        c = Kirkkaus(c, 1.0f - 0.08f * Peittaa(r - d) * (float)Tasainen(r, r * 0.3, d));
    }
    for (int i = 0; i < 16; i++) {
        uint32_t h = Hajauta(siemen + 100u + (uint32_t)i * 29u);
        double kx = 0.7 + 6.6 * Osuus(h), kz = 0.7 + 6.6 * Osuus(Hajauta(h));
        bool keltainen = (h >> 28) < (uint32_t)(laji == 2 ? 12 : 4);
        double d = std::hypot(p.s - kx, p.t - kz);
        if (keltainen) {
            c = Sekoita(c, Rgb(60, 118, 44), Peittaa(0.08 - d) * 0.6f);
            c = Sekoita(c, Rgb(250, 205, 40), Peittaa(0.03 - d));
        } else {
            c = Sekoita(c, Rgb(245, 245, 240), Peittaa(0.022 - d));
        }
    }
    return c;
}

// Gravel: stones of five to nine centimetres on a 10 cm grid, lit from the
// south-west, over sand. It repeats every cell.
VARI4 Soraa(const PISTE& p) {
    VARI4 c = Kirkkaus(Rgb(200, 184, 148), 0.88f + 0.12f * Fbm(p.s * 3, p.t * 3, 911, 2, 24));
    static const VARI4 kivet[4] = {Rgb(222, 212, 190), Rgb(172, 162, 146), Rgb(196, 176, 140),
                                   Rgb(150, 140, 128)};
    const int N = SOLU * 10;
    double gx = p.s * 10, gz = p.t * 10;
    int ix = (int)std::floor(gx), iz = (int)std::floor(gz);
    for (int dz = -1; dz <= 1; dz++)
        for (int dx = -1; dx <= 1; dx++) {
            int cx = ix + dx, cz = iz + dz;
            uint32_t h = Hajauta((uint32_t)Jaksossa(cx, N) * 7919u +
                                 (uint32_t)Jaksossa(cz, N) * 104729u + 913u);
            double kx = cx + 0.2 + 0.6 * Osuus(h), kz = cz + 0.2 + 0.6 * Osuus(Hajauta(h));
            double sade = 0.25 + 0.2 * Osuus(Hajauta(h + 3));
            double ex = gx - kx, ez = gz - kz;
            float peitto = Peittaa((sade - std::hypot(ex, ez)) * 0.1);
            if (peitto <= 0) continue;
            float valo = (float)(1.0 - 0.5 * (0.45 * ex + 0.4 * ez) / sade);
            c = Sekoita(c, Kirkkaus(kivet[h >> 30], valo), peitto * 0.85f);
        }
    return c;
}

// How far inside the gravel (metres, negative outside) the point is: the main
// path from the gate to the museum, the cross path, the ring round the plaza and
// the museum's forecourt.
double Polulla(double x, double z) {
    double d = -1e9;
    if (z > TIE_Z && z < MUSEO_Z0) d = std::fmax(d, 1.6 - std::fabs(x));
    if (std::fabs(x) < AIDAN_X) d = std::fmax(d, 1.4 - std::fabs(z - AUKIO_Z));
    double r = std::hypot(x - AUKIO_X, z - AUKIO_Z);
    d = std::fmax(d, std::fmin(r - 6.6, 8.6 - r));
    if (z < MUSEO_Z0) d = std::fmax(d, std::fmin(z - 52, 20 - std::fabs(x)));
    return d;
}

// A planted bed: rosettes of leaves on a jittered 24 cm grid over dark soil,
// each with a few flower heads, the colours in drifts. Only plants whose middle
// `sisalla` accepts are drawn.
template <class F>
VARI4 Kukkia(double x, double z, const VARI4* varit, uint32_t siemen, F sisalla) {
    VARI4 c =
        Kirkkaus(Rgb(104, 78, 52), 0.75f + 0.35f * Kohina((float)x * 15, (float)z * 15, siemen));
    const double V = 0.24;
    int ix = (int)std::floor(x / V), iz = (int)std::floor(z / V);
    struct KASVI {
        double x, z, r;
        uint32_t h;
    } kasvit[9];
    int n = 0;
    for (int dz = -1; dz <= 1; dz++)
        for (int dx = -1; dx <= 1; dx++) {
            uint32_t h = Hajauta((uint32_t)(ix + dx + 5000) * 7919u ^
                                 Hajauta((uint32_t)(iz + dz + 5000) * 104729u + siemen));
            double kx = (ix + dx + 0.2 + 0.6 * Osuus(h)) * V;
            double kz = (iz + dz + 0.2 + 0.6 * Osuus(Hajauta(h))) * V;
            if (!sisalla(kx, kz)) continue;
            kasvit[n++] = KASVI{kx, kz, 0.11 + 0.04 * Osuus(Hajauta(h + 1)), h};
        }
    for (int i = 0; i < n; i++) {
        const KASVI& k = kasvit[i];
        double ex = x - k.x, ez = z - k.z, d = std::hypot(ex, ez);
        if (d > k.r + 0.05) continue;
        double kulma = std::atan2(ez, ex) * 2.5 + 6.283 * Osuus(Hajauta(k.h + 2));
        double reuna = k.r * (0.7 + 0.3 * std::fabs(std::cos(kulma)));
        VARI4 lehti = Sekoita(Rgb(40, 92, 36), Rgb(82, 142, 56), Osuus(Hajauta(k.h + 3)));
        c = Sekoita(c, Kirkkaus(lehti, (float)(0.8 + 0.35 * (1 - d / k.r))), Peittaa(reuna - d));
    }
    for (int i = 0; i < n; i++) {
        const KASVI& k = kasvit[i];
        if (std::hypot(x - k.x, z - k.z) > k.r + 0.08) continue;
        int v = (int)(Fbm((float)k.x * 0.9f, (float)k.z * 0.9f, siemen + 9, 2) * 4.6f) +
                (Osuus(Hajauta(k.h + 4)) > 0.85f ? 1 : 0);
        VARI4 vari = varit[v & 3];
        for (int j = 0; j < 6; j++) {
            double kulma = 6.283 * (Osuus(Hajauta(k.h + 5)) + j / 5.0);
            double etaisyys = j == 5 ? 0 : k.r * 0.6;
            double hx = k.x + etaisyys * std::cos(kulma), hz = k.z + etaisyys * std::sin(kulma);
            double r = 0.045 + 0.02 * Osuus(Hajauta(k.h + 6 + (uint32_t)j));
            double d = std::hypot(x - hx, z - hz);
            float peitto = Peittaa(r - d);
            if (peitto <= 0) continue;
            VARI4 kukka = Kirkkaus(vari, (float)(1.1 - 0.25 * d / r));
            if (d < 0.3 * r) kukka = Sekoita(kukka, Rgb(250, 200, 50), 0.5f);
            c = Sekoita(c, kukka, peitto);
        }
    }
    return c;
}

// Gravel with a slightly ragged, darker edge where the lawn was cut back.
VARI4 Sorapolut(VARI4 c, const PISTE& p) {
    double d = Polulla(p.x, p.z) + 0.03 * (Kohina(p.s * 20, p.t * 20, 921, SOLU * 20) - 0.5);
    float peitto = Peittaa(d);
    if (peitto > 0)
        c = Sekoita(c, Kirkkaus(Soraa(p), (float)(0.8 + 0.2 * Tasainen(0, 0.06, d))), peitto);
    return c;
}

// The plaza: a ring of flowers round the fountain's basin, the basin's stone
// paving and the water inside its rim.
VARI4 Aukio(VARI4 c, const PISTE& p) {
    double x = p.x, z = p.z;
    double r = std::hypot(x - AUKIO_X, z - AUKIO_Z);
    if (r < 4.7) {
        static const VARI4 kukat[4] = {Rgb(230, 60, 70), Rgb(250, 210, 40), Rgb(240, 240, 245),
                                       Rgb(170, 80, 200)};
        float rengas = Peittaa(std::fmin(r - 3.2, 4.6 - r));
        if (rengas > 0)
            c = Sekoita(c,
                        Kukkia(x, z, kukat, 1301u,
                               [](double kx, double kz) {
                                   double e = std::hypot(kx - AUKIO_X, kz - AUKIO_Z);
                                   return e > 3.32 && e < 4.48;
                               }),
                        rengas);
        // The basin: stone paving, and the water inside the rim.
        float kivi = Peittaa(2.6 - r);
        if (kivi > 0) {
            double kulma = std::atan2(z - AUKIO_Z, x - AUKIO_X) * 24 / PII;
            double sauma = std::fmin(std::fabs(kulma - std::floor(kulma + 0.5)) * r * PII / 24,
                                     std::fabs(r - 2.35));
            VARI4 laatta = Kirkkaus(Rgb(178, 172, 162),
                                    0.92f + 0.1f * Kohina((float)x * 12, (float)z * 12, 931));
            laatta = Sekoita(laatta, Kirkkaus(laatta, 0.7f), Peittaa(0.012 - sauma));
            c = Sekoita(c, laatta, kivi);
        }
        float vesi = Peittaa(2.1 - r);
        if (vesi > 0) {
            VARI4 v = Sekoita(Rgb(56, 132, 190), Rgb(130, 195, 232), (float)Tasainen(2.1, 0, r));
            v = Kirkkaus(v, (float)(0.95 + 0.07 * std::sin(r * 28) * Tasainen(2.1, 0.6, r)));
            if (Kohina((float)x * 25, (float)z * 25, 932) > 0.86f)
                v = Sekoita(v, Rgb(235, 245, 255), 0.6f);
            c = Sekoita(c, v, vesi);
        }
    }
    return c;
}

VARI4 Kukkapenkit(VARI4 c, const PISTE& p) {
    double x = p.x, z = p.z;
    static const VARI4 penkki[4] = {Rgb(235, 80, 120), Rgb(250, 170, 40), Rgb(250, 250, 250),
                                    Rgb(120, 90, 220)};
    for (const double* k : {KUKKA1, KUKKA2, KUKKA3}) {
        double e = std::hypot(x - k[0], z - k[1]);
        if (e > 3.4) continue;
        VARI4 multa =
            Kirkkaus(Rgb(120, 90, 60), 0.85f + 0.2f * Kohina((float)x * 30, (float)z * 30, 941));
        c = Sekoita(c, multa, Peittaa(3.3 - e));
        double kx = k[0], kz = k[1];
        VARI4 kukat =
            Kukkia(x, z, penkki, 1401u + (uint32_t)(kx * 7 + kz),
                   [=](double px, double pz) { return std::hypot(px - kx, pz - kz) < 2.95; });
        c = Sekoita(c, kukat, Peittaa(3.05 - e));
    }
    return c;
}

VARI4 Lampi(VARI4 c, const PISTE& p) {
    double x = p.x, z = p.z;
    // The pond: a muddy shore, water darker in the middle, lily pads with a notch.
    double l = std::hypot((x - LAMPI_X) / 6.5, (z - LAMPI_Z) / 4.2);
    if (l < 1.12) {
        VARI4 muta =
            Kirkkaus(Rgb(110, 95, 60), 0.85f + 0.25f * Kohina((float)x * 20, (float)z * 20, 951));
        c = Sekoita(c, muta, (float)Tasainen(1.12, 1.0, l));
        VARI4 v = Sekoita(Rgb(40, 95, 140), Rgb(70, 140, 190), (float)Tasainen(1.0, 0.2, l));
        v = Kirkkaus(v, 0.94f + 0.1f * Kohina((float)x * 6, (float)z * 2, 952));
        const double V = 0.55;
        int ix = (int)std::floor(x / V), iz = (int)std::floor(z / V);
        for (int dz = -1; dz <= 1; dz++)
            for (int dx = -1; dx <= 1; dx++) {
                uint32_t h = Hajauta((uint32_t)(ix + dx + 500) * 7919u ^
                                     Hajauta((uint32_t)(iz + dz + 500) * 104729u + 953u));
                double kx = (ix + dx + 0.2 + 0.6 * Osuus(h)) * V;
                double kz = (iz + dz + 0.2 + 0.6 * Osuus(Hajauta(h))) * V;
                if (Kohina((float)kx * 3, (float)kz * 3, 401) < 0.66f) continue;
                if (std::hypot((kx - LAMPI_X) / 6.5, (kz - LAMPI_Z) / 4.2) > 0.86) continue;
                double sade = 0.13 + 0.08 * Osuus(Hajauta(h + 1));
                double ex = x - kx, ez = z - kz, e = std::hypot(ex, ez);
                double suunta = 6.283 * Osuus(Hajauta(h + 2));
                double poikkeama = std::remainder(std::atan2(ez, ex) - suunta, 6.283);
                if (std::fabs(poikkeama) < 0.28 && e > 0.1 * sade) continue; // the notch
                VARI4 lehti = Kirkkaus(Rgb(62, 132, 58), (float)(0.85 + 0.25 * e / sade));
                if (Osuus(Hajauta(h + 3)) > 0.8f && e < 0.3 * sade)
                    lehti = (h & 1) ? Rgb(250, 245, 245) : Rgb(240, 150, 190);
                v = Sekoita(v, lehti, Peittaa(sade - e));
            }
        c = Sekoita(c, v, Peittaa((1.0 - l) * 4.2));
    }
    return c;
}

// The trees' shadows: the sun stands high in the south-west.
double Varjo(const MAALARI& m, double x, double z) {
    double varjo = 1;
    for (const PUU& t : m.varjostajat) {
        double sx = t.x + 0.2 * t.korkeus, sz = t.z + 0.18 * t.korkeus;
        double sade = t.korkeus * (t.laji ? 0.26 : 0.34);
        double e = std::hypot(x - sx, z - sz) / sade;
        if (e < 1.2) varjo = std::fmin(varjo, 0.62 + 0.38 * Tasainen(0.7, 1.2, e));
    }
    return varjo;
}

} // namespace

VARI4 Yksityinen(const MAALARI& m, int X, int Z, int laji, bool kaikki) {
    PISTE p = Piste(X, Z);
    VARI4 c = Kukkanurmi(Ruoho(p), p, laji);
    if (!kaikki) return c;
    c = Sorapolut(c, p);
    c = Aukio(c, p);
    c = Kukkapenkit(c, p);
    c = Lampi(c, p);
    return Kirkkaus(c, (float)Varjo(m, p.x, p.z));
}

bool PelkkaaNurmea(const MAALARI& m, double x0, double z0, double x1, double z1) {
    auto Etaisyys = [&](double x, double z) {
        double dx = std::fmax(std::fmax(x0 - x, x - x1), 0.0);
        double dz = std::fmax(std::fmax(z0 - z, z - z1), 0.0);
        return std::hypot(dx, dz);
    };
    const double V = 0.05; // the ragged edges, and a margin
    if (x0 < 1.6 + V && x1 > -1.6 - V) return false;
    if (z0 < AUKIO_Z + 1.4 + V && z1 > AUKIO_Z - 1.4 - V) return false;
    if (z1 > 52 - V && x0 < 20 + V && x1 > -20 - V) return false;
    if (Etaisyys(AUKIO_X, AUKIO_Z) < 8.6 + V) return false;
    for (const double* k : {KUKKA1, KUKKA2, KUKKA3})
        if (Etaisyys(k[0], k[1]) < 3.4) return false;
    if (x0 < LAMPI_X + 6.5 * 1.12 + V && x1 > LAMPI_X - 6.5 * 1.12 - V &&
        z0 < LAMPI_Z + 4.2 * 1.12 + V && z1 > LAMPI_Z - 4.2 * 1.12 - V)
        return false;
    for (const PUU& t : m.varjostajat) {
        double sade = t.korkeus * (t.laji ? 0.26 : 0.34);
        if (Etaisyys(t.x + 0.2 * t.korkeus, t.z + 0.18 * t.korkeus) < 1.2 * sade) return false;
    }
    return true;
}
