// The yard's ground. Far away it is one picture of the whole map at a third of a
// metre a pixel. Inside the fence, where the flights skim the lawn, it is laid in
// cells of 8 x 8 m, each drawn from a tile of its own at 23 pixels a metre, so
// that grass tufts, gravel and single flowers still read from a few metres up.
//
// Most cells are plain lawn and share three lawn tiles: the lawn's fine detail
// repeats every cell, so any two such tiles fit side by side (the odd dandelion
// or daisy stays clear of a tile's edges). A cell with anything else on it (a
// path, a bed, the plaza, the pond, a tree's shadow) has a tile of its own unless
// an identical one exists already. Every tile carries a 4-pixel border of the
// ground round it, so that filtering and the first mipmaps blend in the true
// neighbours and no seam shows.
//
// The cells are few and large on purpose: the renderer pays for every triangle,
// and the yard is on screen in every flight.
//
// Every pixel of the detail is painted from one lattice of points (23 to a metre
// from the yard's corner at x -24, z -34): two tiles of the same ground are the
// same bytes, which is how repeats are found.
#include "PihanPinta.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

// The far picture covers x -80..80, z -50..70 (512 x 384 pixels).
const double KARTTA_X0 = -80, KARTTA_X1 = 80, KARTTA_Z0 = -50, KARTTA_Z1 = 70;

VARI4 Nurmi(double x, double z, bool leikattu) {
    float f = Fbm((float)x * 0.35f, (float)z * 0.35f, 101, 4);
    float g = Fbm((float)x * 0.06f, (float)z * 0.06f, 102, 3);
    VARI4 c = leikattu ? Rgb(92, 160, 64) : Rgb(80, 138, 52);
    c = Sekoita(c, Rgb(150, 160, 70), leikattu ? 0.1f * g : 0.45f * g * g);
    c = Kirkkaus(c, 0.85f + 0.25f * f);
    if (leikattu && ((int)std::floor((x + 100) / 4)) % 2) c = Kirkkaus(c, 1.06f);
    return c;
}

VARI4 Sora(double x, double z) {
    float f = Kohina((float)x * 9, (float)z * 9, 201);
    return Kirkkaus(Rgb(206, 190, 152), 0.9f + 0.15f * f);
}

// The ground as seen from above at (x, z), for the far picture.
VARI4 Maa(double x, double z, const std::vector<PUU>& puut) {
    bool pihalla = std::fabs(x) < AIDAN_X && z > AIDAN_Z0 && z < AIDAN_Z1;
    VARI4 c = Nurmi(x, z, pihalla);
    // Paths: from the road through the gate to the museum, across the yard, round the plaza.
    double r = std::hypot(x - AUKIO_X, z - AUKIO_Z);
    bool polku = (std::fabs(x) < 1.6 && z > TIE_Z && z < MUSEO_Z0) ||
                 (std::fabs(z - AUKIO_Z) < 1.4 && std::fabs(x) < AIDAN_X) || (r > 6.6 && r < 8.6) ||
                 (z > 52 && z < MUSEO_Z0 && std::fabs(x) < 20);
    if (polku) c = Sora(x, z);
    if (r < 6.6) {
        if (r > 3.2 && r < 4.6) {
            // A ring of flowers round the fountain.
            unsigned h = Hajauta((unsigned)(int)std::floor(x * 4 + 1000) * 7919u +
                                 (unsigned)(int)std::floor(z * 4 + 1000));
            static const VARI4 kukat[4] = {Rgb(230, 60, 70), Rgb(250, 210, 40), Rgb(240, 240, 245),
                                           Rgb(170, 80, 200)};
            c = (h & 3) == 0 ? Rgb(60, 110, 40) : kukat[(h >> 2) & 3];
        }
        if (r < 2.6) c = Rgb(175, 170, 160);
        if (r < 2.1) c = Sekoita(Rgb(60, 140, 200), Rgb(140, 200, 235), (float)Tasainen(2.1, 0, r));
    }
    // Round flower beds on the lawn.
    for (const double* p : {KUKKA1, KUKKA2, KUKKA3}) {
        double e = std::hypot(x - p[0], z - p[1]);
        if (e < 3.3) c = Rgb(120, 90, 60); // soil edge
        if (e < 3.0) {
            unsigned h = Hajauta((unsigned)(int)std::floor(x * 3 + 1000) * 7919u +
                                 (unsigned)(int)std::floor(z * 3 + 1000) + 77u);
            static const VARI4 kukat[4] = {Rgb(235, 80, 120), Rgb(250, 170, 40), Rgb(250, 250, 250),
                                           Rgb(120, 90, 220)};
            c = (h % 3) == 0 ? Rgb(70, 120, 45) : kukat[(h >> 3) & 3];
        }
    }
    // The road.
    if (std::fabs(z - TIE_Z) < 3) {
        c = Kirkkaus(Rgb(88, 88, 94), 0.92f + 0.12f * Kohina((float)x * 6, (float)z * 6, 301));
        if (std::fabs(z - TIE_Z) < 0.12 && std::fmod(x + 1000, 6) < 3) c = Rgb(235, 235, 230);
        if (std::fabs(z - TIE_Z) > 2.85) c = Rgb(150, 150, 150);
    }
    // The pond with a muddy shore.
    double l = std::hypot((x - LAMPI_X) / 6.5, (z - LAMPI_Z) / 4.2);
    if (l < 1.12) c = Sekoita(c, Rgb(110, 95, 60), (float)Tasainen(1.12, 1.0, l));
    if (l < 1.0) {
        c = Sekoita(Rgb(40, 95, 140), Rgb(70, 140, 190), (float)Tasainen(1.0, 0.2, l));
        if (Kohina((float)x * 3, (float)z * 3, 401) > 0.8f && l < 0.9)
            c = Rgb(60, 130, 60); // lily pads
    }
    // Under the museum and its forecourt.
    if (std::fabs(x) < 20 && z >= MUSEO_Z0 - 1 && z < MUSEO_Z1 + 1) c = Rgb(150, 146, 138);
    // Tree shadows: the sun stands high in the south-west.
    double varjo = 1;
    for (const PUU& p : puut) {
        double sx = p.x + 0.2 * p.korkeus, sz = p.z + 0.18 * p.korkeus;
        double sade = p.korkeus * (p.laji ? 0.26 : 0.34);
        double e = std::hypot(x - sx, z - sz) / sade;
        if (e < 1.2) varjo = std::fmin(varjo, 0.62 + 0.38 * Tasainen(0.7, 1.2, e));
    }
    // The museum's shadow falls north-east, off the yard: only its east flank shows.
    if (x > 20 && x < 24 && z > MUSEO_Z0 + 3 && z < MUSEO_Z1 + 4) varjo = std::fmin(varjo, 0.7);
    return Kirkkaus(c, (float)varjo);
}

struct PISTE2 {
    double x, z;
};

// A rectangle of the ground (corners in order round it) as two triangles facing up.
template <class F> void Nelikulmio(MALLI& m, const std::vector<PISTE2>& p, F uv) {
    auto Kolmio = [&](PISTE2 a, PISTE2 b, PISTE2 c) {
        // Facing up: (b - a) x (c - a) has a positive y.
        if ((b.z - a.z) * (c.x - a.x) - (b.x - a.x) * (c.z - a.z) < 0) std::swap(b, c);
        m.Kolmio(V3{a.x, 0, a.z}, uv(a.x, a.z), V3{b.x, 0, b.z}, uv(b.x, b.z), V3{c.x, 0, c.z},
                 uv(c.x, c.z));
    };
    Kolmio(p[0], p[1], p[2]);
    Kolmio(p[0], p[2], p[3]);
}

// The far picture: rows 0..383 of the left 512 columns.
void MaalaaKartta(ATLAS& a, const std::vector<PUU>& puut) {
    for (int y = 0; y < 384; y++)
        for (int x = 0; x < 512; x++) {
            double mx = KARTTA_X0 + (KARTTA_X1 - KARTTA_X0) * (x + 0.5) / 512;
            double mz = KARTTA_Z1 - (KARTTA_Z1 - KARTTA_Z0) * (y + 0.5) / 384;
            a.Kuva.P(x, y) = Maa(mx, mz, puut);
        }
}

// The texture coordinates of a point (x, z) of the yard on the far picture.
struct KARTTA_UV {
    LAATTA kartta;
    explicit KARTTA_UV(const ATLAS& a) {
        const double W = a.Kuva.Leveys, H = a.Kuva.Korkeus;
        kartta = LAATTA{0.5 / W, 1 - 383.5 / H, 511.5 / W, 1 - 0.5 / H};
    }
    UV operator()(double x, double z) const {
        return kartta.Kohta((x - KARTTA_X0) / (KARTTA_X1 - KARTTA_X0),
                            (z - KARTTA_Z0) / (KARTTA_Z1 - KARTTA_Z0));
    }
};

// The painter of the detail, with the trees whose shadows reach the yard.
MAALARI Maalari(const std::vector<PUU>& puut) {
    MAALARI maalari;
    for (const PUU& p : puut) {
        double sade = 1.2 * p.korkeus * (p.laji ? 0.26 : 0.34);
        double sx = p.x + 0.2 * p.korkeus, sz = p.z + 0.18 * p.korkeus;
        if (sx + sade > -AIDAN_X - 1 && sx - sade < AIDAN_X + 1 && sz + sade > AIDAN_Z0 - 1 &&
            sz - sade < AIDAN_Z1 + 1)
            maalari.varjostajat.push_back(p);
    }
    return maalari;
}

// The ground of the cell from lattice point (X0, Z0) up, into a tile; row 0 is
// its +z edge.
void MaalaaSolu(const MAALARI& maalari, KUVA_RGBA& kuva, int X0, int Z0, int laji, bool kaikki) {
    for (int j = 0; j < LAATTA_PX; j++)
        for (int i = 0; i < LAATTA_PX; i++)
            kuva.P(i, j) =
                Yksityinen(maalari, X0 - REUNA + i, Z0 + SOLU_PX + REUNA - 1 - j, laji, kaikki);
}

// The detailed tiles on the atlas: right of the far picture below the eight
// material tiles, then every row below the far picture. A tile painted again
// is found by its bytes and placed once.
struct LAATOITUS {
    ATLAS& a;
    std::vector<std::pair<int, int>> paikat;
    size_t varattu = 0;
    bool tilaa = true;
    struct TEHTY {
        std::vector<VARI4> kuva;
        int ax, ay;
    };
    std::vector<TEHTY> tehdyt;
    std::multimap<uint64_t, size_t> tunnisteet;

    explicit LAATOITUS(ATLAS& atlas) : a(atlas) {
        for (int y = 128; y + LAATTA_PX <= 512; y += LAATTA_PX)
            for (int x = 512; x + LAATTA_PX <= PIHAN_LEVEYS; x += LAATTA_PX)
                paikat.push_back({x, y});
        for (int y = 512; y + LAATTA_PX <= PIHAN_KORKEUS; y += LAATTA_PX)
            for (int x = 0; x + LAATTA_PX <= PIHAN_LEVEYS; x += LAATTA_PX) paikat.push_back({x, y});
    }

    // Places a painted tile, or finds the same one placed before.
    std::pair<int, int> Sijoita(const KUVA_RGBA& kuva) {
        uint64_t tunniste = 1469598103934665603ull;
        const size_t tavuja = kuva.Pikselit.size() * sizeof(VARI4);
        const unsigned char* tavut = (const unsigned char*)kuva.Pikselit.data();
        for (size_t t = 0; t < tavuja; t++) tunniste = (tunniste ^ tavut[t]) * 1099511628211ull;
        auto alue = tunnisteet.equal_range(tunniste);
        for (auto it = alue.first; it != alue.second; ++it) {
            const TEHTY& t = tehdyt[it->second];
            if (memcmp(t.kuva.data(), kuva.Pikselit.data(), tavuja) == 0)
                return std::make_pair(t.ax, t.ay);
        }
        if (varattu >= paikat.size()) {
            tilaa = false;
            return paikat.back();
        }
        std::pair<int, int> paikka = paikat[varattu++];
        a.Kuva.Liita(kuva, paikka.first, paikka.second);
        tunnisteet.insert({tunniste, tehdyt.size()});
        tehdyt.push_back(TEHTY{kuva.Pikselit, paikka.first, paikka.second});
        return paikka;
    }
};

// The fenced yard in cells, each on the tile of its ground: a plain lawn cell on
// one of the shared lawn tiles. The number of cells with ground of their own.
int Solut(MALLI& m, LAATOITUS& laatat, const MAALARI& maalari) {
    const double W = laatat.a.Kuva.Leveys, H = laatat.a.Kuva.Korkeus;
    KUVA_RGBA apu(LAATTA_PX, LAATTA_PX);
    std::pair<int, int> nurmet[LAJEJA];
    for (int laji = 0; laji < LAJEJA; laji++) {
        MaalaaSolu(maalari, apu, 0, 0, laji, false);
        nurmet[laji] = laatat.Sijoita(apu);
    }
    auto X = [](int i) { return -AIDAN_X + (double)SOLU * i; };
    auto Z = [](int j) { return AIDAN_Z0 + (double)SOLU * j; };
    const double R = (double)REUNA / PX;
    int omia = 0;
    for (int j = 0; j < RIVEJA; j++)
        for (int i = 0; i < SARAKKEITA; i++) {
            double x0 = X(i), z0 = Z(j);
            std::pair<int, int> paikka;
            if (PelkkaaNurmea(maalari, x0 - R, z0 - R, x0 + SOLU + R, z0 + SOLU + R)) {
                paikka = nurmet[Hajauta((uint32_t)(i * 31 + j * 977 + 5)) % LAJEJA];
            } else {
                MaalaaSolu(maalari, apu, i * SOLU_PX, j * SOLU_PX, 0, true);
                paikka = laatat.Sijoita(apu);
                omia++;
            }
            // The texture coordinates of world point (x, z) in the cell's tile.
            auto uv = [&](double x, double z) {
                return UV{(paikka.first + REUNA + (x - x0) * PX) / W,
                          1 - (paikka.second + REUNA + SOLU_PX - (z - z0) * PX) / H};
            };
            std::vector<PISTE2> p{
                {x0, z0}, {x0, z0 + SOLU}, {x0 + SOLU, z0 + SOLU}, {x0 + SOLU, z0}};
            Nelikulmio(m, p, uv);
        }
    return omia;
}

// The far picture round the fence in four bands, in as few triangles as will
// do: every edge across the screen costs the renderer the pixels it cuts. The
// bands meet the fence's cells where a corner of one lies on the middle of
// another's edge; a rounding gap there would show what is under the ground, so
// a skirt hangs 9 cm down along those lines, painted as the ground above it.
void Kaistat(MALLI& m, const KARTTA_UV& KarttaUV) {
    const double kaistat[4][4] = {{KARTTA_X0, KARTTA_Z0, -AIDAN_X, KARTTA_Z1},
                                  {AIDAN_X, KARTTA_Z0, KARTTA_X1, KARTTA_Z1},
                                  {-AIDAN_X, KARTTA_Z0, AIDAN_X, AIDAN_Z0},
                                  {-AIDAN_X, AIDAN_Z1, AIDAN_X, KARTTA_Z1}};
    for (const auto& k : kaistat)
        Nelikulmio(m, {{k[0], k[1]}, {k[0], k[3]}, {k[2], k[3]}, {k[2], k[1]}}, KarttaUV);
    auto Helma = [&](double x0, double z0, double x1, double z1) {
        UV a0 = KarttaUV(x0, z0), a1 = KarttaUV(x1, z1);
        V3 p0{x0, 0, z0}, p1{x1, 0, z1}, q0{x0, -0.09, z0}, q1{x1, -0.09, z1};
        // Both faces: a gap may be seen from either side.
        m.Kolmio(p0, a0, p1, a1, q1, a1);
        m.Kolmio(p0, a0, q1, a1, q0, a0);
        m.Kolmio(p0, a0, q1, a1, p1, a1);
        m.Kolmio(p0, a0, q0, a0, q1, a1);
    };
    Helma(-AIDAN_X, KARTTA_Z0, -AIDAN_X, KARTTA_Z1);
    Helma(AIDAN_X, KARTTA_Z0, AIDAN_X, KARTTA_Z1);
    Helma(-AIDAN_X, AIDAN_Z0, AIDAN_X, AIDAN_Z0);
    Helma(-AIDAN_X, AIDAN_Z1, AIDAN_X, AIDAN_Z1);
}

// The plain meadow out to the sky: a corner of the far picture with nothing on
// it, in cells whose corners meet the bands' corners.
void Niitty(MALLI& m, const ATLAS& a) {
    const double W = a.Kuva.Leveys, H = a.Kuva.Korkeus;
    LAATTA niitty = a.Paikka(0, 0);
    niitty.u1 = niitty.u0 + 10.0 / W;
    niitty.v0 = niitty.v1 - 10.0 / H;
    const double XS[] = {-120, KARTTA_X0, -AIDAN_X, AIDAN_X, KARTTA_X1, 120};
    const double ZS[] = {-110, KARTTA_Z0, KARTTA_Z1, 130};
    for (int i = 0; i < 5; i++)
        for (int j = 0; j < 3; j++) {
            if (j == 1 && i > 0 && i < 4) continue; // the picture's
            double x0 = XS[i], x1 = XS[i + 1], z0 = ZS[j], z1 = ZS[j + 1];
            m.Nelio(V3{x0, 0, z0}, V3{x0, 0, z1}, V3{x1, 0, z1}, V3{x1, 0, z0}, niitty);
        }
}

} // namespace

bool TeePihanMaa(ATLAS& a, MALLI& m, const std::vector<PUU>& puut) {
    MaalaaKartta(a, puut);
    LAATOITUS laatat(a);
    int omia = Solut(m, laatat, Maalari(puut));
    if (!laatat.tilaa)
        fprintf(stderr, "tavio_sisalto: the yard's ground tiles do not fit the atlas\n");
    if (getenv("SISALTO_KERRO"))
        printf("  yard ground: %d of %d cells with their own ground, %zu tiles of %zu places\n",
               omia, SARAKKEITA * RIVEJA, laatat.varattu, laatat.paikat.size());
    Kaistat(m, KARTTA_UV(a));
    Niitty(m, a);
    return laatat.tilaa;
}
