// The scene, drawn at MAISEMAN_SKAALA (a model unit is a metre): the yard Piha
// (ground, paths, pond, trees, fences, benches, lamps) here and the museum Museo
// (Museo.cpp) north of it.
//
// The yard's fence runs round the blowers' range (x -24..24, z -34..54 in model
// units), where every flight starts. Everything faces the sun in the painted
// brightness of its tiles, since the game draws without lights.
#include "Maisema.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

double Satunnainen(unsigned i, unsigned kanava) {
    return (Hajauta(i * 2654435761u + kanava * 40503u + 17u) & 0xFFFFFF) / (double)0xFFFFFF;
}

} // namespace

std::vector<PUU> Puut() {
    std::vector<PUU> puut;
    unsigned n = 0;
    auto lisaa = [&](double x, double z, double h, int laji) {
        puut.push_back(PUU{x, z, h, laji, ++n});
    };
    // A row along the fence outside it, broken at the gates and the museum.
    for (double z = AIDAN_Z0 - 2; z <= AIDAN_Z1; z += 8.5)
        for (double puoli : {-1.0, 1.0}) {
            unsigned i = (unsigned)puut.size();
            lisaa(puoli * (AIDAN_X + 5 + 2 * Satunnainen(i, 1)), z + 2 * Satunnainen(i, 2),
                  8 + 5 * Satunnainen(i, 3), Satunnainen(i, 4) < 0.35 ? 1 : 0);
        }
    for (double x = -AIDAN_X + 2; x <= AIDAN_X - 2; x += 8.5) {
        if (std::fabs(x) < 5) continue;
        unsigned i = (unsigned)puut.size();
        lisaa(x + 1.5 * Satunnainen(i, 1), AIDAN_Z0 - 5 - 1.5 * Satunnainen(i, 2),
              7 + 4 * Satunnainen(i, 3), 0);
    }
    // Inside the fence the yard stays open: the race tracks fly low over all of it.
    // Woods further out, inside the sky's reach, off the road and the museum.
    for (unsigned i = 0; puut.size() < 78 && i < 2000; i++) {
        double x = -88 + 176 * Satunnainen(i, 11), z = -80 + 180 * Satunnainen(i, 12);
        double dx = x - 0, dz = z - 10;
        if (dx * dx + dz * dz > 88 * 88) continue;
        if (std::fabs(x) < AIDAN_X + 10 && z > AIDAN_Z0 - 14 && z < 84) continue;
        if (std::fabs(z - TIE_Z) < 6) continue;
        lisaa(x, z, 8 + 7 * Satunnainen(i, 13), Satunnainen(i, 14) < 0.55 ? 1 : 0);
    }
    return puut;
}

namespace {

MATERIAALI Lehvasto(ATLAS& a, int tx, int ty, unsigned siemen, VARI4 perus) {
    return a.Maalaa(tx, ty, [=](float s, float t) {
        float f = Fbm(s * 6, t * 6, siemen, 4, 6);
        float g = Kohina(s * 24, t * 24, siemen + 7, 24);
        VARI4 c = Kirkkaus(perus, 0.7f + 0.5f * f);
        if (g > 0.7f) c = Kirkkaus(c, 1.2f);
        return c;
    });
}

void Puu(MALLI& m, const PUU& p, const MATERIAALI& kuori, const MATERIAALI& lehti,
         const MATERIAALI& havu) {
    double h = p.korkeus;
    V3 tyvi{p.x, -0.05, p.z};
    if (p.laji == 0) {
        m.Prisma(tyvi, h * 0.5, 0.22 + h * 0.02, 0.14, 5, kuori, false);
        m.Pallo(V3{p.x, h * 0.64, p.z}, h * 0.33, 0.85, lehti, 3, 0.16, p.siemen);
    } else {
        m.Prisma(tyvi, h * 0.25, 0.2 + h * 0.015, 0.14, 5, kuori, false);
        double k = p.siemen * 0.7;
        m.Prisma(V3{p.x, h * 0.14, p.z}, h * 0.62, h * 0.27, 0, 7, havu, false, k);
        m.Prisma(V3{p.x, h * 0.4, p.z}, h * 0.84, h * 0.2, 0, 7, havu, false, k + 0.4);
        m.Prisma(V3{p.x, h * 0.62, p.z}, h * 1.0, h * 0.13, 0, 6, havu, false, k + 0.8);
    }
}

void Aita(MALLI& m, V3 a, V3 b, const MATERIAALI& puu) {
    double pituus = std::hypot(b.x - a.x, b.z - a.z);
    int valit = (int)std::ceil(pituus / 6.0);
    for (int i = 0; i <= valit; i++) {
        V3 p = a + (b - a) * ((double)i / valit);
        Pala(m, V3{p.x - 0.08, 0, p.z - 0.08}, V3{p.x + 0.08, 1.25, p.z + 0.08}, puu);
    }
    for (double y : {0.45, 0.95}) {
        V3 a2 = a, b2 = b;
        bool pitkin_x = std::fabs(b.x - a.x) > std::fabs(b.z - a.z);
        if (pitkin_x) {
            Pala(m, V3{std::fmin(a2.x, b2.x), y, a2.z - 0.04},
                 V3{std::fmax(a2.x, b2.x), y + 0.12, a2.z + 0.04}, puu);
        } else {
            Pala(m, V3{a2.x - 0.04, y, std::fmin(a2.z, b2.z)},
                 V3{a2.x + 0.04, y + 0.12, std::fmax(a2.z, b2.z)}, puu);
        }
    }
}

} // namespace

void Pala(MALLI& m, V3 a, V3 b, const MATERIAALI& mat) {
    m.Laatikko((a + b) * 0.5,
               V3{std::fabs(b.x - a.x) / 2, std::fabs(b.y - a.y) / 2, std::fabs(b.z - a.z) / 2},
               mat);
}

bool PuussaTaiAidassa(double x, double y, double z) {
    static const std::vector<PUU> puut = Puut();
    // World units to the yard's metres.
    x /= MAISEMAN_SKAALA;
    y /= MAISEMAN_SKAALA;
    z /= MAISEMAN_SKAALA;
    for (const PUU& p : puut) {
        double dx = x - p.x, dz = z - p.z;
        double r = p.laji ? p.korkeus * 0.27 : p.korkeus * 0.33;
        double dy = y - p.korkeus * (p.laji ? 0.5 : 0.64);
        double h = p.laji ? p.korkeus * 0.5 : p.korkeus * 0.3;
        if ((dx * dx + dz * dz) / (r * r) + dy * dy / (h * h) < 1) {
            if (getenv("SISALTO_PUUT"))
                printf("    tree at (%.0f, %.0f) height %.0f\n", p.x, p.z, p.korkeus);
            return true;
        }
    }
    return false;
}

namespace {

// The yard's own materials on the ground's atlas (rows 6 and 7).
struct PIHAN_AINEET {
    MATERIAALI kuori, lehti, havu, puu;
};

PIHAN_AINEET PihanAineet(ATLAS& a) {
    PIHAN_AINEET ai;
    ai.kuori = a.Maalaa(0, 6, [](float s, float t) {
        float f = Fbm(s * 3, t * 18, 701, 3, 3);
        return Kirkkaus(Rgb(110, 82, 58), 0.65f + 0.5f * f);
    });
    ai.lehti = Lehvasto(a, 4, 6, 711, Rgb(70, 130, 48));
    ai.havu = Lehvasto(a, 0, 7, 721, Rgb(38, 92, 58));
    ai.puu = a.Maalaa(4, 7, [](float s, float t) {
        float f = Fbm(s * 2, t * 20, 731, 3);
        VARI4 c = Kirkkaus(Rgb(236, 232, 222), 0.85f + 0.2f * f); // white-painted wood
        if (std::fmod(t * 4, 1.0f) < 0.05f) c = Kirkkaus(c, 0.75f);
        (void)s;
        return c;
    });
    return ai;
}

// The fence, open at the gate in the south and toward the museum in the north.
void Aidat(MALLI& m, const MATERIAALI& puu) {
    Aita(m, V3{-AIDAN_X, 0, AIDAN_Z0}, V3{-3, 0, AIDAN_Z0}, puu);
    Aita(m, V3{3, 0, AIDAN_Z0}, V3{AIDAN_X, 0, AIDAN_Z0}, puu);
    Aita(m, V3{-AIDAN_X, 0, AIDAN_Z1}, V3{-3, 0, AIDAN_Z1}, puu);
    Aita(m, V3{3, 0, AIDAN_Z1}, V3{AIDAN_X, 0, AIDAN_Z1}, puu);
    Aita(m, V3{-AIDAN_X, 0, AIDAN_Z0}, V3{-AIDAN_X, 0, AIDAN_Z1}, puu);
    Aita(m, V3{AIDAN_X, 0, AIDAN_Z0}, V3{AIDAN_X, 0, AIDAN_Z1}, puu);
}

// Benches round the plaza.
void Penkit(MALLI& m, const MATERIAALI& puu) {
    for (int i = 0; i < 4; i++) {
        double kulma = PII / 4 + i * PII / 2;
        double sx = AUKIO_X + 9.6 * std::sin(kulma), sz = AUKIO_Z + 9.6 * std::cos(kulma);
        bool pitkin_x = i % 2 == 0;
        double lx = pitkin_x ? 0.9 : 0.25, lz = pitkin_x ? 0.25 : 0.9;
        Pala(m, V3{sx - lx, 0, sz - lz}, V3{sx + lx, 0.45, sz + lz}, puu);
    }
}

// The fountain: a low rim and a column with a bowl.
void Suihkulahde(MALLI& m, const MATERIAALI& puu) {
    m.Prisma(V3{AUKIO_X, 0, AUKIO_Z}, 0.5, 2.5, 2.5, 12, puu, false);
    m.Prisma(V3{AUKIO_X, 0, AUKIO_Z}, 1.6, 0.35, 0.25, 6, puu, false);
    m.Prisma(V3{AUKIO_X, 1.6, AUKIO_Z}, 2.0, 0.3, 1.0, 8, puu, true);
}

// Lamp posts along the main path: near the ground they show the speed.
void Lamput(MALLI& m, const PIHAN_AINEET& ai) {
    for (double z = AIDAN_Z0 + 4; z < AIDAN_Z1; z += 11)
        for (double puoli : {-1.0, 1.0}) {
            if (std::fabs(z - AUKIO_Z) < 10) continue;
            V3 jalka{puoli * 2.4, 0, z};
            m.Prisma(jalka, 3.6, 0.09, 0.07, 4, ai.kuori, false);
            Pala(m, V3{jalka.x - 0.22, 3.6, z - 0.22}, V3{jalka.x + 0.22, 4.1, z + 0.22}, ai.puu);
        }
}

// Hedges before the museum, either side of the path.
void Pensasaidat(MALLI& m, const MATERIAALI& lehti) {
    for (double puoli : {-1.0, 1.0})
        Pala(m, V3{puoli > 0 ? 3.0 : -20.0, 0, 53.2}, V3{puoli > 0 ? 20.0 : -3.0, 1.1, 54.6},
             lehti);
}

bool TeePiha(KOHDE& k) {
    std::vector<PUU> puut = Puut();
    ATLAS a(PIHAN_LEVEYS, PIHAN_KORKEUS, 64);
    PIHAN_AINEET ai = PihanAineet(a);
    MALLI m;
    for (const PUU& p : puut) Puu(m, p, ai.kuori, ai.lehti, ai.havu);
    Aidat(m, ai.puu);
    Penkit(m, ai.puu);
    Suihkulahde(m, ai.puu);
    Lamput(m, ai);
    Pensasaidat(m, ai.lehti);
    // The ground last: the renderer draws a model's triangles in order, and
    // what stands on the ground hides some of it before it is shaded.
    bool ok = TeePihanMaa(a, m, puut);
    ok = Tekstuuri(k, "Piha", a.Kuva, false) && ok;
    ok = Malli(k, "Piha", m) && ok;
    return ok;
}

} // namespace

bool TeeMaisema(KOHDE& k) {
    bool ok = TeePiha(k);
    ok = TeeMuseo(k) && ok;
    return ok;
}
