// The museum Museo at the north end of the yard, built to the bounds that
// files/Sisalto.h gives it (model units; the game draws it at MAISEMAN_SKAALA),
// and the sky dome round the whole scene, which shares its texture. Everything
// faces the sun in the painted brightness of its tiles, since the game draws
// without lights.
#include "Maisema.h"

#include <cmath>

namespace {

// The walls (model units): x -X..X, z Z0..Z1, from the floor Y0 (the plinth's
// top) up to Y1.
const double X = 17, Z0 = 60, Z1 = 75, Y0 = 1, Y1 = 10;

// The sky round the whole scene, as a band: longitude across (it wraps), height
// above the horizon up (bottom row the horizon, top row the zenith).
VARI4 TaivaanVari(double u, double korkeus) {
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

// The texture: the sky band on top, the facade's four shades below it, the
// materials' tiles, and the frieze with the name.
struct AINEET {
    MATERIAALI seina, kivi, kupari, pylvas, katto, ovi;
    LAATTA friisi;
};

// The sky band: rows 0..127.
void MaalaaTaivas(ATLAS& a) {
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 512; x++)
            a.Kuva.P(x, y) = TaivaanVari((x + 0.5) / 512, 1 - (y + 0.5) / 128);
}

// The facade: a cream wall with a tall arched window, 128 x 128, in four shades.
MATERIAALI Julkisivu(ATLAS& a) {
    MATERIAALI seina;
    ATLAS apu(128, 128, 128);
    apu.Maalaa(
        0, 0,
        [](float s, float t) {
            VARI4 c = Kirkkaus(Rgb(232, 214, 178), 0.94f + 0.08f * Fbm(s * 8, t * 8, 801, 3, 8));
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
    return seina;
}

// The frieze with the name, 512 x 64 at rows 384..447: the letters are narrow
// because the frieze stretches them.
LAATTA Friisi(ATLAS& a) {
    a.Kuva.Suorakulmio(0, 384, 512, 448, Rgb(236, 228, 210));
    for (int x = 0; x < 512; x++) {
        a.Kuva.P(x, 386) = Rgb(190, 180, 160);
        a.Kuva.P(x, 445) = Rgb(190, 180, 160);
    }
    int lev = TekstinLeveys("MUSEO", 50, 0.55);
    PiirraTeksti(a.Kuva, 256 - lev / 2, 434, "MUSEO", 50, 0.55, Rgb(70, 60, 50));
    return LAATTA{0.5 / 512, 1 - 447.5 / 512, 511.5 / 512, 1 - 384.5 / 512};
}

AINEET Aineet(ATLAS& a) {
    AINEET ai;
    MaalaaTaivas(a);
    ai.seina = Julkisivu(a);
    ai.kivi = a.Maalaa(0, 4, [](float s, float t) {
        VARI4 c = Kirkkaus(Rgb(200, 195, 185), 0.9f + 0.12f * Fbm(s * 6, t * 6, 811, 3, 6));
        if (std::fmod(t * 4, 1.0f) < 0.04f ||
            std::fmod(s * 2 + ((int)(t * 4) % 2) * 0.5f, 1.0f) < 0.02f)
            c = Kirkkaus(c, 0.8f);
        return c;
    });
    ai.kupari = a.Maalaa(4, 4, [](float s, float t) {
        VARI4 c = Sekoita(Rgb(90, 170, 140), Rgb(120, 190, 160), Fbm(s * 5, t * 5, 821, 3, 5));
        if (std::fmod(s * 8, 1.0f) < 0.06f) c = Kirkkaus(c, 0.85f); // standing seams
        return c;
    });
    ai.pylvas = a.Maalaa(0, 5, [](float s, float t) {
        VARI4 c = Kirkkaus(Rgb(240, 236, 228), 0.92f + 0.06f * Fbm(s * 4, t * 12, 831, 3, 4));
        if (std::fmod(s * 6, 1.0f) < 0.12f) c = Kirkkaus(c, 0.86f); // fluting
        (void)t;
        return c;
    });
    ai.katto = a.Maalaa(4, 5, [](float s, float t) {
        VARI4 c = Kirkkaus(Rgb(120, 70, 60), 0.9f + 0.1f * Fbm(s * 8, t * 8, 841, 2, 8));
        if (std::fmod(t * 8, 1.0f) < 0.1f) c = Kirkkaus(c, 0.7f);
        (void)s;
        return c;
    });
    ai.friisi = Friisi(a);
    ai.ovi = a.Maalaa(
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
    return ai;
}

void Sokkeli(MALLI& m, const AINEET& ai) {
    Pala(m, V3{-MUSEON_LEVEYS, 0, MUSEO_Z0}, V3{MUSEON_LEVEYS, Y0, MUSEO_Z1}, ai.kivi);
    for (int i = 0; i < 3; i++) // the front steps
        Pala(m, V3{-9.5 + i * 0.3, 0, MUSEON_ETU + i * 0.8},
             V3{9.5 - i * 0.3, Y0 * (i + 1) / 3.0, 57.2}, ai.kivi);
}

// A wall from a0 to a1 in bays of about four metres, a window in each; the middle
// bay of the front is the door.
void Seina(MALLI& m, const AINEET& ai, V3 a0, V3 a1, int lahdot, bool ovella) {
    for (int i = 0; i < lahdot; i++) {
        V3 p0 = a0 + (a1 - a0) * ((double)i / lahdot),
           p1 = a0 + (a1 - a0) * ((double)(i + 1) / lahdot);
        V3 q0{p0.x, Y1, p0.z}, q1{p1.x, Y1, p1.z};
        if (ovella && i == lahdot / 2) {
            V3 ov0{p0.x, Y0 + 4.5, p0.z}, ov1{p1.x, Y0 + 4.5, p1.z};
            m.Nelio(p0, p1, ov1, ov0, ai.ovi.Savy[0]);
            m.Nelio(ov0, ov1, q1, q0, ai.seina);
        } else {
            m.Nelio(p0, p1, q1, q0, ai.seina);
        }
    }
}

void Seinat(MALLI& m, const AINEET& ai) {
    // Each wall is walked so that it faces outwards (the front from +x to -x).
    Seina(m, ai, V3{X, Y0, Z0}, V3{-X, Y0, Z0}, 9, true);
    Seina(m, ai, V3{-X, Y0, Z1}, V3{X, Y0, Z1}, 8, false);
    Seina(m, ai, V3{-X, Y0, Z0}, V3{-X, Y0, Z1}, 4, false);
    Seina(m, ai, V3{X, Y0, Z1}, V3{X, Y0, Z0}, 4, false);
}

// The cornice and a low hipped roof.
void Katto(MALLI& m, const AINEET& ai) {
    Pala(m, V3{-X - 0.4, Y1, Z0 - 0.4}, V3{X + 0.4, Y1 + 0.8, Z1 + 0.4}, ai.kivi);
    double yk = Y1 + 0.8, yh = MUSEON_KATTO;
    V3 a1{-X - 0.4, yk, Z0 - 0.4}, b1{X + 0.4, yk, Z0 - 0.4}, c1{X + 0.4, yk, Z1 + 0.4},
        d1{-X - 0.4, yk, Z1 + 0.4};
    V3 r0{-X + 6, yh, (Z0 + Z1) / 2}, r1{X - 6, yh, (Z0 + Z1) / 2};
    m.Nelio(b1, a1, r0, r1, ai.katto);
    m.Nelio(d1, c1, r1, r0, ai.katto);
    m.Kolmio(a1, d1, r0, ai.katto);
    m.Kolmio(c1, b1, r1, ai.katto);
}

// The drum rising through the roof, the slab on it, the dome and the lantern.
void Kupoli(MALLI& m, const AINEET& ai) {
    V3 rumpu{0, Y1 + 2.0, KUPOLIN_Z};
    m.Prisma(rumpu, Y1 + 5.2, RUMMUN_SADE, RUMMUN_SADE, 14, ai.seina, false);
    Pala(m, V3{-RUMMUN_LAATTA, Y1 + 5.2, rumpu.z - RUMMUN_LAATTA},
         V3{RUMMUN_LAATTA, KUPOLIN_ALKU, rumpu.z + RUMMUN_LAATTA}, ai.kivi);
    MALLI kupoli;
    kupoli.Pallo(V3{0, KUPOLIN_ALKU, rumpu.z}, KUPOLIN_SADE, KUPOLIN_MADALLUS, ai.kupari, 4, 0.0,
                 1);
    // Only the upper half of the ball: drop triangles below its middle.
    for (size_t i = 0; i + 2 < kupoli.Kulmat.size(); i += 3) {
        double y = (kupoli.Kulmat[i].y + kupoli.Kulmat[i + 1].y + kupoli.Kulmat[i + 2].y) / 3;
        if (y >= KUPOLIN_ALKU)
            m.Kulmat.insert(m.Kulmat.end(), kupoli.Kulmat.begin() + (long)i,
                            kupoli.Kulmat.begin() + (long)i + 3);
    }
    m.Prisma(V3{0, Y1 + 9.6, rumpu.z}, Y1 + 11.0, 0.7, 0.7, 8, ai.pylvas, true);
    m.Prisma(V3{0, Y1 + 11.0, rumpu.z}, LYHDYN_HUIPPU, LYHDYN_SADE, 0, 8, ai.kupari, false);
}

// The portico: six columns, the frieze with the name, and the gable.
void Portiikki(MALLI& m, const AINEET& ai) {
    for (int i = 0; i < 6; i++) {
        double x = -7.5 + 3 * i;
        m.Prisma(V3{x, Y0, 56.4}, Y1 - 0.9, 0.6, 0.5, 8, ai.pylvas, false);
        Pala(m, V3{x - 0.75, Y1 - 0.9, 55.65}, V3{x + 0.75, Y1 - 0.6, 57.15}, ai.kivi);
    }
    double x0 = -8.8, x1 = 8.8, z0 = 55.3, z1 = Z0, ya = Y1 - 0.6, yb = Y1 + 0.8;
    // The frieze faces -z; seen from the yard +x is on the left.
    const LAATTA& f = ai.friisi;
    V3 fa{x1, ya, z0}, fb{x0, ya, z0}, fc{x0, yb, z0}, fd{x1, yb, z0};
    m.Kolmio(fa, f.Kohta(0, 0), fb, f.Kohta(1, 0), fc, f.Kohta(1, 1));
    m.Kolmio(fa, f.Kohta(0, 0), fc, f.Kohta(1, 1), fd, f.Kohta(0, 1));
    m.Nelio(V3{x1, ya, z1}, V3{x1, ya, z0}, V3{x1, yb, z0}, V3{x1, yb, z1}, ai.kivi);
    m.Nelio(V3{x0, ya, z0}, V3{x0, ya, z1}, V3{x0, yb, z1}, V3{x0, yb, z0}, ai.kivi);
    m.Nelio(V3{x0, ya, z0}, V3{x1, ya, z0}, V3{x1, ya, z1}, V3{x0, ya, z1}, ai.kivi); // ceiling
    const double yp = PAADYN_HARJA, xp = PAADYN_LEVEYS, zp = PAADYN_TAKA;
    m.Kolmio(V3{x1 + 0.3, yb, z0 - 0.2}, V3{x0 - 0.3, yb, z0 - 0.2}, V3{0, yp, z0 - 0.2},
             ai.pylvas);
    V3 harja0{0, yp, z0 - 0.4}, harja1{0, yp, zp};
    m.Nelio(V3{xp, yb, zp}, V3{xp, yb, z0 - 0.4}, harja0, harja1, ai.katto);
    m.Nelio(V3{-xp, yb, z0 - 0.4}, V3{-xp, yb, zp}, harja1, harja0, ai.katto);
}

// The sky: a dome of radius 100 over the yard, facing inwards, with a skirt below
// the ground so that no gap shows at the horizon.
void Taivas(MALLI& m) {
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
            m.Kolmio(P(i, j), T(i, j), P(i + 1, j + 1), T(i + 1, j + 1), P(i, j + 1), T(i, j + 1));
            m.Kolmio(P(i, j), T(i, j), P(i + 1, j), T(i + 1, j), P(i + 1, j + 1), T(i + 1, j + 1));
        }
}

} // namespace

bool TeeMuseo(KOHDE& k) {
    ATLAS a(512, 512, 64);
    AINEET ai = Aineet(a);
    MALLI m;
    Sokkeli(m, ai);
    Seinat(m, ai);
    Katto(m, ai);
    Kupoli(m, ai);
    Portiikki(m, ai);
    Taivas(m);
    bool ok = Tekstuuri(k, "Museo", a.Kuva, false);
    ok = Malli(k, "Museo", m) && ok;
    return ok;
}
