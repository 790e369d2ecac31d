// The scene, drawn at scale 10 (a model unit is ten world units, a metre): the
// yard Piha (ground, paths, pond, trees, fences, benches) and the museum Museo
// (the building as the landmark, and the sky dome round everything).
//
// The yard's fence runs round the blowers' range (x -24..24, z -34..54 in model
// units), where every flight starts. The museum stands north of the yard.
// Everything faces the sun in the painted brightness of its tiles, since the
// game draws without lights.
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

// The sky round the whole scene, as a band: longitude across (it wraps), height
// above the horizon up (bottom row the horizon, top row the zenith).
VARI4 Taivas(double u, double korkeus) {
    // korkeus 0 at the horizon, 1 at the zenith.
    VARI4 c = Sekoita(Rgb(205, 226, 244), Rgb(62, 124, 208), (float)std::pow(korkeus, 0.6));
    float pilvi = Fbm((float)(u * 16), (float)(korkeus * 6), 501, 5, 16);
    float maara = (float)Tasainen(0.52, 0.72, pilvi) * (float)Tasainen(0.02, 0.15, korkeus) *
                  (float)(1 - Tasainen(0.55, 0.85, korkeus));
    c = Sekoita(c, Sekoita(Rgb(255, 255, 255), Rgb(200, 205, 215), (float)(1 - korkeus)), maara);
    // Far hills and woods on the horizon, bluish with distance.
    double kukkula = 0.045 + 0.04 * Fbm((float)(u * 8), 0.5f, 601, 4, 8);
    double metsa = kukkula + 0.012 * Kohina((float)(u * 400), 0.5f, 602, 400);
    if (korkeus < metsa)
        c = Sekoita(Rgb(70, 100, 90), Rgb(120, 150, 160), (float)(korkeus / metsa));
    if (korkeus < kukkula * 0.5) c = Rgb(72, 98, 84);
    return c;
}

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

// A fence rail or a bench part: a box from corner a to corner b.
void Pala(MALLI& m, V3 a, V3 b, const MATERIAALI& mat) {
    m.Laatikko((a + b) * 0.5,
               V3{std::fabs(b.x - a.x) / 2, std::fabs(b.y - a.y) / 2, std::fabs(b.z - a.z) / 2},
               mat);
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

bool TeeMaisema(KOHDE& k) {
    bool ok = true;
    std::vector<PUU> puut = Puut();

    // ---- Piha -------------------------------------------------------------------
    {
        ATLAS a(PIHAN_LEVEYS, PIHAN_KORKEUS, 64);
        MATERIAALI kuori = a.Maalaa(0, 6, [](float s, float t) {
            float f = Fbm(s * 3, t * 18, 701, 3, 3);
            return Kirkkaus(Rgb(110, 82, 58), 0.65f + 0.5f * f);
        });
        MATERIAALI lehti = Lehvasto(a, 4, 6, 711, Rgb(70, 130, 48));
        MATERIAALI havu = Lehvasto(a, 0, 7, 721, Rgb(38, 92, 58));
        MATERIAALI puu = a.Maalaa(4, 7, [](float s, float t) {
            float f = Fbm(s * 2, t * 20, 731, 3);
            VARI4 c = Kirkkaus(Rgb(236, 232, 222), 0.85f + 0.2f * f); // white-painted wood
            if (std::fmod(t * 4, 1.0f) < 0.05f) c = Kirkkaus(c, 0.75f);
            (void)s;
            return c;
        });

        MALLI m;
        for (const PUU& p : puut) Puu(m, p, kuori, lehti, havu);
        // The fence, open at the gate in the south and toward the museum in the north.
        Aita(m, V3{-AIDAN_X, 0, AIDAN_Z0}, V3{-3, 0, AIDAN_Z0}, puu);
        Aita(m, V3{3, 0, AIDAN_Z0}, V3{AIDAN_X, 0, AIDAN_Z0}, puu);
        Aita(m, V3{-AIDAN_X, 0, AIDAN_Z1}, V3{-3, 0, AIDAN_Z1}, puu);
        Aita(m, V3{3, 0, AIDAN_Z1}, V3{AIDAN_X, 0, AIDAN_Z1}, puu);
        Aita(m, V3{-AIDAN_X, 0, AIDAN_Z0}, V3{-AIDAN_X, 0, AIDAN_Z1}, puu);
        Aita(m, V3{AIDAN_X, 0, AIDAN_Z0}, V3{AIDAN_X, 0, AIDAN_Z1}, puu);
        // Benches round the plaza and hedges before the museum.
        for (int i = 0; i < 4; i++) {
            double kulma = PII / 4 + i * PII / 2;
            double sx = AUKIO_X + 9.6 * std::sin(kulma), sz = AUKIO_Z + 9.6 * std::cos(kulma);
            bool pitkin_x = i % 2 == 0;
            double lx = pitkin_x ? 0.9 : 0.25, lz = pitkin_x ? 0.25 : 0.9;
            Pala(m, V3{sx - lx, 0, sz - lz}, V3{sx + lx, 0.45, sz + lz}, puu);
        }
        // The fountain: a low rim and a column with a bowl.
        m.Prisma(V3{AUKIO_X, 0, AUKIO_Z}, 0.5, 2.5, 2.5, 12, puu, false);
        m.Prisma(V3{AUKIO_X, 0, AUKIO_Z}, 1.6, 0.35, 0.25, 6, puu, false);
        m.Prisma(V3{AUKIO_X, 1.6, AUKIO_Z}, 2.0, 0.3, 1.0, 8, puu, true);
        // Lamp posts along the main path: near the ground they show the speed.
        for (double z = AIDAN_Z0 + 4; z < AIDAN_Z1; z += 11)
            for (double puoli : {-1.0, 1.0}) {
                if (std::fabs(z - AUKIO_Z) < 10) continue;
                V3 jalka{puoli * 2.4, 0, z};
                m.Prisma(jalka, 3.6, 0.09, 0.07, 4, kuori, false);
                Pala(m, V3{jalka.x - 0.22, 3.6, z - 0.22}, V3{jalka.x + 0.22, 4.1, z + 0.22}, puu);
            }
        for (double puoli : {-1.0, 1.0})
            Pala(m, V3{puoli > 0 ? 3.0 : -20.0, 0, 53.2}, V3{puoli > 0 ? 20.0 : -3.0, 1.1, 54.6},
                 lehti);
        // The ground last: the renderer draws a model's triangles in order, and
        // what stands on the ground hides some of it before it is shaded.
        ok = TeePihanMaa(a, m, puut) && ok;
        ok = Tekstuuri(k, "Piha", a.Kuva, false) && ok;
        ok = Malli(k, "Piha", m) && ok;
    }

    // ---- Museo ------------------------------------------------------------------
    {
        ATLAS a(512, 512, 64);
        // Sky band: rows 0..127.
        for (int y = 0; y < 128; y++)
            for (int x = 0; x < 512; x++)
                a.Kuva.P(x, y) = Taivas((x + 0.5) / 512, 1 - (y + 0.5) / 128);
        // Facade: a cream wall with a tall arched window, 128 x 128, in four shades.
        MATERIAALI seina;
        {
            ATLAS apu(128, 128, 128);
            apu.Maalaa(
                0, 0,
                [](float s, float t) {
                    VARI4 c =
                        Kirkkaus(Rgb(232, 214, 178), 0.94f + 0.08f * Fbm(s * 8, t * 8, 801, 3, 8));
                    float wx = std::fabs(s - 0.5f);
                    bool ikkuna = wx < 0.2f && t > 0.28f && t < 0.82f;
                    float kaari = (t - 0.38f) * (t - 0.38f) + wx * wx;
                    if (t < 0.38f) ikkuna = kaari < 0.04f;
                    if (ikkuna) {
                        c = Sekoita(Rgb(60, 80, 110), Rgb(150, 180, 210), 0.6f * (1 - t));
                        if (std::fabs(wx - 0.0f) < 0.015f || std::fabs(t - 0.55f) < 0.015f)
                            c = Rgb(240, 236, 226);
                    } else if (wx < 0.24f && t > 0.25f && t < 0.86f &&
                               (t < 0.38f ? kaari < 0.058f : true)) {
                        c = Rgb(210, 196, 170); // stone frame
                    }
                    if (t > 0.9f) c = Rgb(190, 180, 160); // base course
                    return c;
                },
                true);
            for (int i = 0; i < 4; i++) {
                static const float kerroin[4] = {1.0f, 0.84f, 0.68f, 0.52f};
                a.Kuva.Liita(apu.Kuva, 128 * i, 128, kerroin[i]);
                seina.Savy[i] = LAATTA{(128.0 * i + 0.5) / 512, 1 - (256 - 0.5) / 512,
                                       (128.0 * (i + 1) - 0.5) / 512, 1 - (128 + 0.5) / 512};
            }
        }
        MATERIAALI kivi = a.Maalaa(0, 4, [](float s, float t) {
            VARI4 c = Kirkkaus(Rgb(200, 195, 185), 0.9f + 0.12f * Fbm(s * 6, t * 6, 811, 3, 6));
            if (std::fmod(t * 4, 1.0f) < 0.04f ||
                std::fmod(s * 2 + ((int)(t * 4) % 2) * 0.5f, 1.0f) < 0.02f)
                c = Kirkkaus(c, 0.8f);
            return c;
        });
        MATERIAALI kupari = a.Maalaa(4, 4, [](float s, float t) {
            VARI4 c = Sekoita(Rgb(90, 170, 140), Rgb(120, 190, 160), Fbm(s * 5, t * 5, 821, 3, 5));
            if (std::fmod(s * 8, 1.0f) < 0.06f) c = Kirkkaus(c, 0.85f); // standing seams
            return c;
        });
        MATERIAALI pylvas = a.Maalaa(0, 5, [](float s, float t) {
            VARI4 c = Kirkkaus(Rgb(240, 236, 228), 0.92f + 0.06f * Fbm(s * 4, t * 12, 831, 3, 4));
            if (std::fmod(s * 6, 1.0f) < 0.12f) c = Kirkkaus(c, 0.86f); // fluting
            (void)t;
            return c;
        });
        MATERIAALI katto = a.Maalaa(4, 5, [](float s, float t) {
            VARI4 c = Kirkkaus(Rgb(120, 70, 60), 0.9f + 0.1f * Fbm(s * 8, t * 8, 841, 2, 8));
            if (std::fmod(t * 8, 1.0f) < 0.1f) c = Kirkkaus(c, 0.7f);
            (void)s;
            return c;
        });
        // The frieze with the name, 512 x 64 at rows 384..447: the letters are narrow
        // because the frieze stretches them.
        a.Kuva.Suorakulmio(0, 384, 512, 448, Rgb(236, 228, 210));
        for (int x = 0; x < 512; x++) {
            a.Kuva.P(x, 386) = Rgb(190, 180, 160);
            a.Kuva.P(x, 445) = Rgb(190, 180, 160);
        }
        int lev = TekstinLeveys("MUSEO", 50, 0.55);
        PiirraTeksti(a.Kuva, 256 - lev / 2, 434, "MUSEO", 50, 0.55, Rgb(70, 60, 50));
        LAATTA friisi{0.5 / 512, 1 - 447.5 / 512, 511.5 / 512, 1 - 384.5 / 512};
        MATERIAALI ovi = a.Maalaa(
            0, 7,
            [](float s, float t) {
                VARI4 c = Rgb(232, 214, 178);
                if (std::fabs(s - 0.5f) < 0.32f && t > 0.2f) {
                    c = Kirkkaus(Rgb(110, 70, 40), 0.85f + 0.15f * Fbm(s * 3, t * 12, 851, 2));
                    if (std::fabs(s - 0.5f) < 0.01f) c = Rgb(60, 40, 25);
                }
                return c;
            },
            true);

        MALLI m;
        const double X = 17, Z0 = 60, Z1 = 75, Y0 = 1, Y1 = 10;
        // Plinth and front steps.
        Pala(m, V3{-MUSEON_LEVEYS, 0, MUSEO_Z0}, V3{MUSEON_LEVEYS, Y0, MUSEO_Z1}, kivi);
        for (int i = 0; i < 3; i++)
            Pala(m, V3{-9.5 + i * 0.3, 0, MUSEON_ETU + i * 0.8},
                 V3{9.5 - i * 0.3, Y0 * (i + 1) / 3.0, 57.2}, kivi);
        // Walls in bays of about four metres, a window in each; the middle bay of
        // the front is the door.
        auto Seina = [&](V3 a0, V3 a1, int lahdot, bool ovella) {
            for (int i = 0; i < lahdot; i++) {
                V3 p0 = a0 + (a1 - a0) * ((double)i / lahdot),
                   p1 = a0 + (a1 - a0) * ((double)(i + 1) / lahdot);
                V3 q0{p0.x, Y1, p0.z}, q1{p1.x, Y1, p1.z};
                if (ovella && i == lahdot / 2) {
                    V3 ov0{p0.x, Y0 + 4.5, p0.z}, ov1{p1.x, Y0 + 4.5, p1.z};
                    m.Nelio(p0, p1, ov1, ov0, ovi.Savy[0]);
                    m.Nelio(ov0, ov1, q1, q0, seina);
                } else {
                    m.Nelio(p0, p1, q1, q0, seina);
                }
            }
        };
        // Each wall is walked so that it faces outwards (the front from +x to -x).
        Seina(V3{X, Y0, Z0}, V3{-X, Y0, Z0}, 9, true);
        Seina(V3{-X, Y0, Z1}, V3{X, Y0, Z1}, 8, false);
        Seina(V3{-X, Y0, Z0}, V3{-X, Y0, Z1}, 4, false);
        Seina(V3{X, Y0, Z1}, V3{X, Y0, Z0}, 4, false);
        // Cornice and a low roof with a dome on a drum in the middle.
        Pala(m, V3{-X - 0.4, Y1, Z0 - 0.4}, V3{X + 0.4, Y1 + 0.8, Z1 + 0.4}, kivi);
        {
            double yk = Y1 + 0.8, yh = MUSEON_KATTO;
            V3 a1{-X - 0.4, yk, Z0 - 0.4}, b1{X + 0.4, yk, Z0 - 0.4}, c1{X + 0.4, yk, Z1 + 0.4},
                d1{-X - 0.4, yk, Z1 + 0.4};
            V3 r0{-X + 6, yh, (Z0 + Z1) / 2}, r1{X - 6, yh, (Z0 + Z1) / 2};
            m.Nelio(b1, a1, r0, r1, katto);
            m.Nelio(d1, c1, r1, r0, katto);
            m.Kolmio(a1, d1, r0, katto);
            m.Kolmio(c1, b1, r1, katto);
        }
        V3 rumpu{0, Y1 + 2.0, KUPOLIN_Z};
        m.Prisma(rumpu, Y1 + 5.2, RUMMUN_SADE, RUMMUN_SADE, 14, seina, false);
        Pala(m, V3{-RUMMUN_LAATTA, Y1 + 5.2, rumpu.z - RUMMUN_LAATTA},
             V3{RUMMUN_LAATTA, KUPOLIN_ALKU, rumpu.z + RUMMUN_LAATTA}, kivi);
        MALLI kupoli;
        kupoli.Pallo(V3{0, KUPOLIN_ALKU, rumpu.z}, KUPOLIN_SADE, KUPOLIN_MADALLUS, kupari, 4, 0.0,
                     1);
        // Only the upper half of the ball: drop triangles below its middle.
        for (size_t i = 0; i + 2 < kupoli.Kulmat.size(); i += 3) {
            double y = (kupoli.Kulmat[i].y + kupoli.Kulmat[i + 1].y + kupoli.Kulmat[i + 2].y) / 3;
            if (y >= KUPOLIN_ALKU)
                m.Kulmat.insert(m.Kulmat.end(), kupoli.Kulmat.begin() + (long)i,
                                kupoli.Kulmat.begin() + (long)i + 3);
        }
        m.Prisma(V3{0, Y1 + 9.6, rumpu.z}, Y1 + 11.0, 0.7, 0.7, 8, pylvas, true);
        m.Prisma(V3{0, Y1 + 11.0, rumpu.z}, LYHDYN_HUIPPU, LYHDYN_SADE, 0, 8, kupari, false);
        // The portico: six columns, the frieze with the name, and the pediment.
        for (int i = 0; i < 6; i++) {
            double x = -7.5 + 3 * i;
            m.Prisma(V3{x, Y0, 56.4}, Y1 - 0.9, 0.6, 0.5, 8, pylvas, false);
            Pala(m, V3{x - 0.75, Y1 - 0.9, 55.65}, V3{x + 0.75, Y1 - 0.6, 57.15}, kivi);
        }
        {
            double x0 = -8.8, x1 = 8.8, z0 = 55.3, z1 = Z0, ya = Y1 - 0.6, yb = Y1 + 0.8;
            // The frieze faces -z; seen from the yard +x is on the left.
            V3 fa{x1, ya, z0}, fb{x0, ya, z0}, fc{x0, yb, z0}, fd{x1, yb, z0};
            m.Kolmio(fa, friisi.Kohta(0, 0), fb, friisi.Kohta(1, 0), fc, friisi.Kohta(1, 1));
            m.Kolmio(fa, friisi.Kohta(0, 0), fc, friisi.Kohta(1, 1), fd, friisi.Kohta(0, 1));
            m.Nelio(V3{x1, ya, z1}, V3{x1, ya, z0}, V3{x1, yb, z0}, V3{x1, yb, z1}, kivi);
            m.Nelio(V3{x0, ya, z0}, V3{x0, ya, z1}, V3{x0, yb, z1}, V3{x0, yb, z0}, kivi);
            m.Nelio(V3{x0, ya, z0}, V3{x1, ya, z0}, V3{x1, ya, z1}, V3{x0, ya, z1},
                    kivi); // ceiling
            const double yp = PAADYN_HARJA, xp = PAADYN_LEVEYS, zp = PAADYN_TAKA;
            m.Kolmio(V3{x1 + 0.3, yb, z0 - 0.2}, V3{x0 - 0.3, yb, z0 - 0.2}, V3{0, yp, z0 - 0.2},
                     pylvas);
            V3 harja0{0, yp, z0 - 0.4}, harja1{0, yp, zp};
            m.Nelio(V3{xp, yb, zp}, V3{xp, yb, z0 - 0.4}, harja0, harja1, katto);
            m.Nelio(V3{-xp, yb, z0 - 0.4}, V3{-xp, yb, zp}, harja1, harja0, katto);
        }
        // The sky: a dome of radius 100 over the yard, facing inwards, with a skirt
        // below the ground so that no gap shows at the horizon.
        {
            const int sektorit = 18;
            const double korkeudet[] = {-4, 0, 4, 10, 20, 34, 52, 72, 90};
            const int renkaat = 9;
            const double R = 100, kz = 10;
            auto P = [&](int i, int j) {
                double e = korkeudet[i] * PII / 180, l = 2 * PII * j / sektorit;
                if (i == 0) return V3{R * std::sin(l), -4.0, kz + R * std::cos(l)};
                return V3{R * std::cos(e) * std::sin(l), R * std::sin(e),
                          kz + R * std::cos(e) * std::cos(l)};
            };
            auto T = [&](int i, int j) {
                double h = korkeudet[i] < 0 ? 0 : korkeudet[i] / 90.0;
                return UV{(double)j / sektorit, 1 - (127.5 - 127.0 * h) / 512};
            };
            for (int i = 0; i + 1 < renkaat; i++)
                for (int j = 0; j < sektorit; j++) {
                    // Seen from inside: counter-clockwise is the reverse of outside.
                    if (i + 1 == renkaat - 1) {
                        V3 huippu{0, R, kz};
                        UV th{((double)j + 0.5) / sektorit, 1 - 0.5 / 512};
                        m.Kolmio(P(i, j), T(i, j), huippu, th, P(i, j + 1), T(i, j + 1));
                        continue;
                    }
                    m.Kolmio(P(i, j), T(i, j), P(i + 1, j + 1), T(i + 1, j + 1), P(i, j + 1),
                             T(i, j + 1));
                    m.Kolmio(P(i, j), T(i, j), P(i + 1, j), T(i + 1, j), P(i + 1, j + 1),
                             T(i + 1, j + 1));
                }
        }
        ok = Tekstuuri(k, "Museo", a.Kuva, false) && ok;
        ok = Malli(k, "Museo", m) && ok;
    }
    return ok;
}
