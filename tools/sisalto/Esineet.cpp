// The things that fly and drive: the four bubbles and the blower, and the mouse
// pointer.
#include "Sisalto.h"

#include <cmath>
#include <cstdio>

namespace {

const double PII = 3.14159265358979;

double Pehmea(double reuna, double x, double leveys) {
    // 1 well inside the edge, 0 well outside, a smooth step of `leveys` across it.
    double t = (reuna - x) / leveys + 0.5;
    return t < 0 ? 0 : (t > 1 ? 1 : t * t * (3 - 2 * t));
}

// Directions of the twelve corners of an icosahedron: the dots of bubble 2.
V3 Kulma12(int i) {
    const double f = (1 + std::sqrt(5.0)) / 2;
    double a = (i & 1) ? 1 : -1, b = (i & 2) ? f : -f;
    if (i < 4) return Yksikko(V3{0, a, b});
    if (i < 8) return Yksikko(V3{a, b, 0});
    return Yksikko(V3{b, 0, a});
}

} // namespace

VARI4 KuplanPinta(int n, V3 d) {
    // Vivid colours, each far from the grass and the sky, under bold white patterns:
    // the kind must show from across the yard by colour and by pattern alike.
    static const VARI4 varit[5] = {VARI4{}, Rgb(20, 100, 250), Rgb(255, 125, 0), Rgb(0, 195, 100),
                                   Rgb(170, 40, 225)};
    const VARI4 valko = Rgb(255, 255, 255);
    double lat = std::asin(d.y < -1 ? -1 : (d.y > 1 ? 1 : d.y));
    double lon = std::atan2(d.x, d.z);
    double kuvio = 0; // 0 colour, 1 white
    const double pehmeys = 0.03;
    if (n == 1) {
        // Three white rings round the bubble.
        for (double keski : {-PII / 4, 0.0, PII / 4})
            kuvio = std::fmax(kuvio, Pehmea(0.17, std::fabs(lat - keski), pehmeys));
    } else if (n == 2) {
        // Twelve white dots.
        for (int i = 0; i < 12; i++) {
            V3 k = Kulma12(i);
            double c = Piste(k, d);
            double kulma = std::acos(c > 1 ? 1 : (c < -1 ? -1 : c));
            kuvio = std::fmax(kuvio, Pehmea(0.32, kulma, pehmeys));
        }
    } else if (n == 3) {
        // Eight segments from pole to pole, every other one white, coloured caps.
        double s = (lon + PII) / (2 * PII) * 8;
        double osa = s - std::floor(s);
        double raja = std::fmin(osa, 1 - osa) * 2 * PII / 8 * std::cos(lat);
        bool valkoinen = ((int)std::floor(s)) % 2 == 1;
        double ero = Pehmea(0, -raja, pehmeys); // 1 deep inside a segment
        kuvio = valkoinen ? ero : 0;
        kuvio *= 1 - Pehmea(std::fabs(lat), 1.2, pehmeys);
    } else {
        // A white zigzag band round the middle and white poles.
        double s = (lon + PII) / (2 * PII) * 6;
        double kolmio = 2 * std::fabs(2 * (s - std::floor(s + 0.5))) - 1; // -1..1
        double keski = 0.32 * kolmio;
        kuvio = Pehmea(0.19, std::fabs(lat - keski) * std::cos(0.9), pehmeys);
        kuvio = std::fmax(kuvio, Pehmea(PII / 2 - 1.22, PII / 2 - std::fabs(lat), pehmeys));
    }
    VARI4 c = Sekoita(varit[n], valko, (float)kuvio);
    c.a = (float)(0.82 + 0.13 * kuvio);
    return c;
}

std::string KuplanNimi(int n) {
    return "Kupla" + std::to_string(n);
}

int KuplanNumero(int laji) {
    for (int n = 1; n <= KUPLALAJEJA; n++)
        if (Datassa(KUPLIEN_OBJEKTIT[laji]) == "Objektit/" + KuplanNimi(n) + ".txt") return n;
    return 0;
}

VARI4 KuplanReuna() {
    // Warm white: lighter than the grass, warmer than the sky.
    return Rgb(255, 250, 225, 0.95f);
}

namespace {

// The four bubbles share one texture, their pictures one above another (bubble 1
// at the top): a thousand bubbles are then drawn with no change of texture between
// them, and on a software renderer the change costs more than the bubble's own
// triangles. Each band is the texture's whole width, so the longitude still wraps
// round within the band as it did in a picture of its own. The band's top rows
// hold the colour of the rim.
const int KUPLAN_LEVEYS = 256, KUPLAN_KORKEUS = 128, REUNAN_RIVIT = 4;

// A bubble's band: the rim's colour on top, then the surface with longitude across
// and latitude up, a glossy spot and a slightly darker underside painted in (the
// game draws without lights).
KUVA_RGBA KuplaKuva(int n) {
    const int L = KUPLAN_LEVEYS, K = KUPLAN_KORKEUS - REUNAN_RIVIT;
    KUVA_RGBA k(L, KUPLAN_KORKEUS);
    k.Suorakulmio(0, 0, L, REUNAN_RIVIT, KuplanReuna());
    for (int y = 0; y < K; y++)
        for (int x = 0; x < L; x++) {
            VARI4 summa{0, 0, 0, 0};
            for (int j = 0; j < 2; j++)
                for (int i = 0; i < 2; i++) {
                    double u = (x + 0.25 + 0.5 * i) / L, v = 1 - (y + 0.25 + 0.5 * j) / K;
                    double lon = 2 * PII * u, lat = PII * (v - 0.5);
                    V3 d{std::sin(lon) * std::cos(lat), std::sin(lat),
                         std::cos(lon) * std::cos(lat)};
                    VARI4 c = KuplanPinta(n, d);
                    double valo = 0.9 + 0.16 * d.y;
                    V3 kiilto1 = Yksikko(V3{-0.5, 0.6, 0.62}),
                       kiilto2 = Yksikko(V3{0.55, 0.5, -0.67});
                    double h = std::pow(std::fmax(0.0, Piste(d, kiilto1)), 60) +
                               0.6 * std::pow(std::fmax(0.0, Piste(d, kiilto2)), 80);
                    c = Kirkkaus(c, (float)valo);
                    c = Sekoita(c, VARI4{1, 1, 1, 1}, (float)std::fmin(1.0, h));
                    summa.r += c.r;
                    summa.g += c.g;
                    summa.b += c.b;
                    summa.a += c.a;
                }
            k.P(x, REUNAN_RIVIT + y) = VARI4{summa.r / 4, summa.g / 4, summa.b / 4, summa.a / 4};
        }
    return k;
}

// A bubble of radius KUPLAN_ULOTTUMA, the reach within which the plane catches it
// (that many times its scale): what the player sees is what can be caught. Two spheres of 4 rings
// and 8 sectors, 96 triangles, no heavier than the bubble has been: the surface a
// little inside, and round it a shell turned inside out. Of the shell only the far
// half faces the eye, and the surface hides all of that but a ring round the edge:
// a light rim seen from every side, with no lights. Bubble n maps onto its band,
// pulled in by a texel so that the filtering stays inside it. Every corner of the
// shell takes one point of the rim's rows: a picture that does not change across a
// face is read at full size, so the rim keeps its colour at any distance.
//
// A far version of the bubble (`kaukainen`), drawn in its place where it covers a
// few pixels, has fewer rings and sectors, its corners pushed out so that its
// outline covers the sphere's area on average (a convex body's shadow is a quarter
// of its surface, seen from every side).
MALLI KuplaMalli(int n, int renkaat, int sektorit, bool kaukainen) {
    const double korkeus = 4.0 * KUPLAN_KORKEUS;
    const double ala = 1 - n / 4.0, yla = 1 - (n - 1) / 4.0;
    const double v0 = ala + 1 / korkeus, v1 = yla - (REUNAN_RIVIT + 1) / korkeus;
    const UV reuna{0.5, yla - REUNAN_RIVIT / 2.0 / korkeus};
    MALLI m;
    for (int kuori = 0; kuori < 2; kuori++) {
        const double sade = kuori ? KUPLAN_ULOTTUMA : 0.87 * KUPLAN_ULOTTUMA;
        auto Suunta = [&](int i, int j) {
            double lat = PII * ((double)i / renkaat - 0.5), lon = 2 * PII * j / sektorit;
            return V3{std::sin(lon) * std::cos(lat), std::sin(lat), std::cos(lon) * std::cos(lat)};
        };
        double pinta = 0; // of the polyhedron of unit radius
        for (int i = 0; i < renkaat; i++)
            for (int j = 0; j < sektorit; j++) {
                V3 a = Suunta(i, j), b = Suunta(i, j + 1), c = Suunta(i + 1, j + 1),
                   d = Suunta(i + 1, j);
                if (i > 0)
                    pinta += 0.5 * std::sqrt(Piste(Risti(b - a, c - a), Risti(b - a, c - a)));
                if (i < renkaat - 1)
                    pinta += 0.5 * std::sqrt(Piste(Risti(c - a, d - a), Risti(c - a, d - a)));
            }
        const double r = kaukainen ? sade * std::sqrt(4 * PII / pinta) : sade;
        auto P = [&](int i, int j) {
            double lat = PII * ((double)i / renkaat - 0.5), lon = 2 * PII * j / sektorit;
            return V3{r * std::sin(lon) * std::cos(lat), r * std::sin(lat),
                      r * std::cos(lon) * std::cos(lat)};
        };
        auto T = [&](int i, int j) {
            return kuori ? reuna : UV{(double)j / sektorit, v0 + (v1 - v0) * i / renkaat};
        };
        auto Kolmio = [&](int i0, int j0, int i1, int j1, int i2, int j2) {
            // The shell's faces are turned inwards.
            if (kuori)
                m.Kolmio(P(i0, j0), T(i0, j0), P(i2, j2), T(i2, j2), P(i1, j1), T(i1, j1));
            else
                m.Kolmio(P(i0, j0), T(i0, j0), P(i1, j1), T(i1, j1), P(i2, j2), T(i2, j2));
        };
        for (int i = 0; i < renkaat; i++)
            for (int j = 0; j < sektorit; j++) {
                // Corners at the poles meet in one point: those quads are triangles.
                if (i > 0) Kolmio(i, j, i, j + 1, i + 1, j + 1);
                if (i < renkaat - 1) Kolmio(i, j, i + 1, j + 1, i + 1, j);
            }
    }
    return m;
}

} // namespace

bool TeeKuplat(KOHDE& k) {
    bool ok = true;
    for (int laji = 0; laji < KUPLALAJEJA; laji++)
        if (!KuplanNumero(laji)) {
            fprintf(stderr, "sisalto: bubble kind %d's object %s is no bubble's\n", laji,
                    KUPLIEN_OBJEKTIT[laji]);
            ok = false;
        }
    KUVA_RGBA kuplat(KUPLAN_LEVEYS, 4 * KUPLAN_KORKEUS);
    for (int n = 1; n <= 4; n++) {
        kuplat.Liita(KuplaKuva(n), 0, (n - 1) * KUPLAN_KORKEUS);
        // The game draws the first far version below 6 pixels of radius on screen,
        // and its own far version below 3.
        const std::string nimi = KuplanNimi(n);
        ok = Malli(k, nimi, KuplaMalli(n, 4, 8, false)) && ok;
        ok = Malli(k, nimi + KAUKAINEN_PAATE, KuplaMalli(n, 3, 6, true)) && ok;
        ok = Malli(k, nimi + KAUKAINEN_PAATE KAUKAINEN_PAATE, KuplaMalli(n, 2, 4, true)) && ok;
    }
    ok = Tekstuuri(k, "Kuplat", kuplat, true) && ok;
    return ok;
}

// ---- The pointer --------------------------------------------------------------

namespace {

double JananEtaisyys(double px, double py, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay;
    double t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    double ex = ax + t * dx - px, ey = ay + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

bool Sisalla(const std::vector<double>& p, double x, double y) {
    bool s = false;
    size_t n = p.size() / 2;
    for (size_t i = 0, j = n - 1; i < n; j = i++)
        if ((p[2 * i + 1] > y) != (p[2 * j + 1] > y) &&
            x < (p[2 * j] - p[2 * i]) * (y - p[2 * i + 1]) / (p[2 * j + 1] - p[2 * i + 1]) +
                    p[2 * i])
            s = !s;
    return s;
}

} // namespace

bool TeeOsoitin(KOHDE& k) {
    // The game draws the pointer picture 192 units square with its top-left corner
    // at the pointer: the arrow's tip is the picture's top-left corner.
    const int S = 128;
    const double m = 1.55;
    std::vector<double> nuoli = {0,    0,    0,    24,   6.2,  18.6, 10.3,
                                 27.6, 14.2, 25.9, 10.2, 17.0, 17.6, 17.0};
    for (double& v : nuoli) v *= m;
    KUVA_RGBA kuva(S, S);
    for (int y = 0; y < S; y++)
        for (int x = 0; x < S; x++) {
            VARI4 summa{0, 0, 0, 0};
            for (int j = 0; j < 4; j++)
                for (int i = 0; i < 4; i++) {
                    double px = x + (i + 0.5) / 4, py = y + (j + 0.5) / 4;
                    double e = 1e9;
                    size_t n = nuoli.size() / 2;
                    for (size_t a = 0, b = n - 1; a < n; b = a++)
                        e = std::fmin(e, JananEtaisyys(px, py, nuoli[2 * a], nuoli[2 * a + 1],
                                                       nuoli[2 * b], nuoli[2 * b + 1]));
                    bool sisalla = Sisalla(nuoli, px, py);
                    VARI4 c{0, 0, 0, 0};
                    if (sisalla && e > 2.2) {
                        // White fill with a faint sky-blue shade toward the tail.
                        float t = (float)((px + py) / (40 * m));
                        c = Sekoita(VARI4{1, 1, 1, 1}, Rgb(200, 225, 250), t > 1 ? 1 : t);
                    } else if (sisalla || e < 0.6) {
                        c = Rgb(10, 15, 30);
                    } else if (Sisalla(nuoli, px - 3, py - 3)) {
                        c = VARI4{0, 0, 0, 0.3f}; // drop shadow
                    }
                    summa.r += c.r * c.a;
                    summa.g += c.g * c.a;
                    summa.b += c.b * c.a;
                    summa.a += c.a;
                }
            if (summa.a > 0)
                kuva.P(x, y) =
                    VARI4{summa.r / summa.a, summa.g / summa.a, summa.b / summa.a, summa.a / 16};
        }
    return Tekstuuri(k, OSOITTIMEN_TEKSTUURI, kuva, true);
}

// ---- The blower ---------------------------------------------------------------

namespace {

void Kaanna(MALLI& m) {
    for (size_t i = 0; i + 2 < m.Kulmat.size(); i += 3) std::swap(m.Kulmat[i + 1], m.Kulmat[i + 2]);
}

// A round lid facing along `n`, with the tile's picture on it as a disc.
void Kansi(MALLI& m, V3 c, V3 n, double r, int sivut, const LAATTA& l) {
    n = Yksikko(n);
    V3 apu = std::fabs(n.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
    V3 e1 = Yksikko(Risti(apu, n)), e2 = Risti(n, e1);
    for (int i = 0; i < sivut; i++) {
        double k0 = 2 * PII * i / sivut, k1 = 2 * PII * (i + 1) / sivut;
        V3 a = c + (e1 * std::cos(k0) + e2 * std::sin(k0)) * r;
        V3 b = c + (e1 * std::cos(k1) + e2 * std::sin(k1)) * r;
        m.Kolmio(c, l.Kohta(0.5, 0.5), a,
                 l.Kohta(0.5 + 0.5 * std::cos(k0), 0.5 + 0.5 * std::sin(k0)), b,
                 l.Kohta(0.5 + 0.5 * std::cos(k1), 0.5 + 0.5 * std::sin(k1)));
    }
}

// A flat ring facing up at height y, from radius r0 out to r1 round the y axis.
void Rengas(MALLI& m, double y, double r0, double r1, int sivut, const MATERIAALI& mat) {
    for (int i = 0; i < sivut; i++) {
        double k0 = 2 * PII * i / sivut, k1 = 2 * PII * (i + 1) / sivut;
        V3 a{r0 * std::sin(k0), y, r0 * std::cos(k0)}, b{r0 * std::sin(k1), y, r0 * std::cos(k1)};
        V3 c{r1 * std::sin(k1), y, r1 * std::cos(k1)}, d{r1 * std::sin(k0), y, r1 * std::cos(k0)};
        m.Nelio(a, d, c, b, mat);
    }
}

// An upright pole of n sides from p0 up to height y1, radii r0 and r1, whose tile
// is mapped along its length only: the bands of a striped pole stay sharp however
// thin the pole is drawn (mapped round it as well, the narrow sides would call for
// the smallest level of detail and blur the bands away).
void Tanko(MALLI& m, V3 p0, double y1, double r0, double r1, int n, const MATERIAALI& mat) {
    for (int i = 0; i < n; i++) {
        double k0 = 2 * PII * i / n, k1 = 2 * PII * (i + 1) / n;
        V3 a{p0.x + r0 * std::sin(k0), p0.y, p0.z + r0 * std::cos(k0)};
        V3 b{p0.x + r0 * std::sin(k1), p0.y, p0.z + r0 * std::cos(k1)};
        V3 c{p0.x + r1 * std::sin(k1), y1, p0.z + r1 * std::cos(k1)};
        V3 d{p0.x + r1 * std::sin(k0), y1, p0.z + r1 * std::cos(k0)};
        const LAATTA& l = mat.Savy[Varjostus(Risti(b - a, c - a))];
        m.Kolmio(a, l.Kohta(0.5, 0), b, l.Kohta(0.5, 0), c, l.Kohta(0.5, 1));
        m.Kolmio(a, l.Kohta(0.5, 0), c, l.Kohta(0.5, 1), d, l.Kohta(0.5, 1));
    }
}

// A cloth flag flying from a staff: upright strips from the staff's edge `juuri`
// (the flag's lower corner there) out along `suunta` on the ground plane, each
// turned by turns to one side and the other so that the cloth waves. Both faces
// carry the picture (mirrored behind, as cloth does), each strip in the shade of
// its facing.
void Lippu(MALLI& m, V3 juuri, V3 suunta, double pituus, double korkeus, int osat, double aalto,
           const LAATTA savyt[4]) {
    const V3 ylos{0, korkeus, 0};
    V3 p = juuri;
    for (int i = 0; i < osat; i++) {
        double k = (i % 2 ? -aalto : aalto) * PII / 180;
        V3 s{suunta.x * std::cos(k) + suunta.z * std::sin(k), 0,
             suunta.z * std::cos(k) - suunta.x * std::sin(k)};
        V3 q = p + s * (pituus / osat);
        double s0 = (double)i / osat, s1 = (double)(i + 1) / osat;
        for (int puoli = 0; puoli < 2; puoli++) {
            V3 a = puoli ? q : p, b = puoli ? p : q;
            double sa = puoli ? s1 : s0, sb = puoli ? s0 : s1;
            const LAATTA& l = savyt[Varjostus(Risti(b - a, ylos))];
            m.Kolmio(a, l.Kohta(sa, 0), b, l.Kohta(sb, 0), b + ylos, l.Kohta(sb, 1));
            m.Kolmio(a, l.Kohta(sa, 0), b + ylos, l.Kohta(sb, 1), a + ylos, l.Kohta(sa, 1));
        }
        p = q;
    }
}

// The blower's texture: its paint, metal, tyres and warning stripes, the
// pictures on its fan, nose and hubs, the striped masts, the lamps and the flag.
struct PUHALTAJAN_AINEET {
    MATERIAALI maali, metalli, rengas, varoitus, puhallin, keula, napa, raidat, lamppu;
    LAATTA lippu[4]; // the flag, two tiles wide, in four shades
};

void Pinnat(ATLAS& a, PUHALTAJAN_AINEET& ai) {
    ai.maali = a.Maalaa(0, 0, [](float s, float t) {
        VARI4 c = Rgb(215, 45, 35);
        c = Kirkkaus(c, 0.92f + 0.1f * Fbm(s * 6, t * 6, 11, 3, 6));
        // A panel seam and rivets, so that the machine reads as a machine.
        if (std::fabs(t - 0.5f) < 0.02f) c = Kirkkaus(c, 0.6f);
        for (float rx : {0.1f, 0.9f})
            for (float ry : {0.1f, 0.9f})
                if ((s - rx) * (s - rx) + (t - ry) * (t - ry) < 0.0016f) c = Rgb(240, 200, 190);
        return c;
    });
    ai.metalli = a.Maalaa(0, 1, [](float s, float t) {
        float v = 0.55f + 0.08f * Fbm(s * 2, t * 40, 21, 3) + 0.05f * Kohina(s * 64, t * 2, 22);
        return VARI4{v, v * 1.02f, v * 1.06f, 1};
    });
    ai.rengas = a.Maalaa(0, 2, [](float s, float t) {
        float v = ((int)(s * 8) % 2) ? 0.16f : 0.11f;
        (void)t;
        return VARI4{v, v, v, 1};
    });
    ai.varoitus = a.Maalaa(
        0, 3,
        [](float s, float t) {
            return ((int)std::floor((s + t) * 4) % 2) ? Rgb(25, 25, 25) : Rgb(250, 200, 20);
        },
        true);
}

void Kuvat(ATLAS& a, PUHALTAJAN_AINEET& ai) {
    ai.puhallin = a.Maalaa(
        1, 3,
        [](float s, float t) {
            float x = s - 0.5f, y = t - 0.5f, r = std::sqrt(x * x + y * y);
            float kulma = std::atan2(y, x);
            VARI4 c = Rgb(40, 40, 45);
            // Five fan blades and a hub behind a grille of rings.
            if (std::sin(kulma * 5 + r * 9) > 0.35f && r < 0.46f) c = Rgb(150, 155, 165);
            if (r < 0.1f) c = Rgb(215, 45, 35);
            if (std::fabs(std::fmod(r, 0.09f) - 0.045f) < 0.008f && r > 0.1f)
                c = Rgb(200, 200, 205);
            if (r > 0.47f) c = Rgb(215, 45, 35);
            return c;
        },
        true);
    ai.keula = a.Maalaa(
        2, 3,
        [](float s, float t) {
            VARI4 c = Rgb(215, 45, 35);
            for (float lx : {0.25f, 0.75f}) {
                float dx = s - lx, dy = t - 0.45f, r = std::sqrt(dx * dx + dy * dy);
                if (r < 0.17f) c = Rgb(90, 90, 95);
                if (r < 0.13f) c = Sekoita(Rgb(255, 250, 200), Rgb(250, 220, 120), r / 0.13f);
            }
            if (t > 0.8f && std::fmod(s * 10, 1.0f) < 0.5f) c = Rgb(60, 60, 65); // grille
            return c;
        },
        true);
    ai.napa = a.Maalaa(
        3, 3,
        [](float s, float t) {
            float x = s - 0.5f, y = t - 0.5f, r = std::sqrt(x * x + y * y);
            if (r > 0.42f) return Rgb(30, 30, 30);
            if (r > 0.3f) return Rgb(190, 190, 195);
            if (r < 0.08f) return Rgb(90, 90, 95);
            return Rgb(250, 200, 20);
        },
        true);
}

void MastojenAineet(ATLAS& a, PUHALTAJAN_AINEET& ai) {
    // The mast: sixteen red and white bands from end to end, four texels each.
    ai.raidat = a.Maalaa(0, 6, [](float s, float t) {
        (void)s;
        return ((int)(t * 16) % 2) ? Rgb(250, 250, 245) : Rgb(230, 30, 30);
    });
    // The lamp on top: glowing amber panes in dark frames, as bright from every side.
    ai.lamppu = a.Maalaa(
        0, 7,
        [](float s, float t) {
            if (s < 0.08f || s > 0.92f || t < 0.1f || t > 0.9f) return Rgb(50, 45, 40);
            float x = s - 0.5f, y = t - 0.5f;
            return Sekoita(Rgb(255, 250, 200), Rgb(255, 175, 20),
                           std::fmin(1.0f, 2.2f * std::sqrt(x * x + y * y)));
        },
        true);
}

void MaalaaLippu(ATLAS& a, PUHALTAJAN_AINEET& ai) {
    // The flag, two tiles wide in each of four shades: bright yellow with a red edge
    // and a bubble in the middle, the sign of a bubble machine. Cloth lets the light
    // through, so its shades stay close: the flag is bright whichever way it faces.
    static const float kerroin[4] = {1.0f, 0.93f, 0.86f, 0.79f};
    for (int i = 0; i < 4; i++) {
        const int tx = (i % 2) * 2, ty = 4 + i / 2, L = 2 * a.Laatta, K = a.Laatta;
        for (int y = 0; y < K; y++)
            for (int x = 0; x < L; x++) {
                float s = (x + 0.5f) / L, t = (y + 0.5f) / K; // t = 0 at the top
                VARI4 c = Rgb(255, 215, 0);
                if (t < 0.12f || t > 0.88f || s > 0.95f) c = Rgb(225, 35, 25);
                // A blue bubble with white rings inside its light rim.
                float dx = (s - 0.42f) * 2.0f, dy = t - 0.5f, r = std::sqrt(dx * dx + dy * dy);
                if (r < 0.3f) c = Rgb(60, 40, 30);
                if (r < 0.28f) c = KuplanReuna();
                if (r < 0.23f) {
                    c = std::fabs(std::fmod(dy + 0.4f, 0.14f) - 0.07f) < 0.03f ? Rgb(255, 255, 255)
                                                                               : Rgb(20, 100, 250);
                }
                c.a = 1;
                a.Kuva.P(tx * a.Laatta + x, ty * a.Laatta + y) = Kirkkaus(c, kerroin[i]);
            }
        ai.lippu[i] = a.Paikka(tx, ty, 2, 1);
    }
}

// Model units are world units (scale 1). The game keeps the blower's origin at
// height 1, so the wheels stand on y = -1; bubbles leave at +2.5 straight above
// the origin, where the funnel opens round them. Nose +z.
void Runko(MALLI& m, const PUHALTAJAN_AINEET& ai) {
    m.Laatikko(V3{0, -0.32, 0}, V3{1.7, 0.28, 2.05}, ai.metalli);
    m.Laatikko(V3{0, 0.45, 0}, V3{1.6, 0.5, 1.95}, ai.maali);
    m.Nelio(V3{-1.5, 0.0, 1.9501}, V3{1.5, 0.0, 1.9501}, V3{1.5, 0.9, 1.9501},
            V3{-1.5, 0.9, 1.9501}, ai.keula.Savy[0]);
    m.Laatikko(V3{0, -0.45, 2.12}, V3{1.95, 0.17, 0.1}, ai.varoitus);
    m.Laatikko(V3{0, -0.45, -2.12}, V3{1.95, 0.17, 0.1}, ai.varoitus);
    // The funnel: opening upwards round where the bubbles leave, dark inside, the
    // fan below, a striped rim at the mouth.
    Sylinteri(m, V3{0, 0.95, 0}, V3{0, 2.0, 0}, 1.0, 1.5, 16, ai.maali, false);
    Sylinteri(m, V3{0, 2.0, 0}, V3{0, 2.24, 0}, 1.52, 1.56, 16, ai.varoitus, false);
    Rengas(m, 2.24, 1.46, 1.56, 16, ai.varoitus);
    MALLI sisa;
    Sylinteri(sisa, V3{0, 1.2, 0}, V3{0, 2.24, 0}, 0.92, 1.46, 16, ai.metalli, false);
    Kaanna(sisa);
    m.Lisaa(sisa);
    Kansi(m, V3{0, 1.2, 0}, V3{0, 1, 0}, 1.0, 16, ai.puhallin.Savy[0]);
    for (double x : {-2.0, 2.0})
        for (double z : {-1.4, 1.4}) {
            // Twelve sides put a corner straight down, on the ground.
            V3 p0{x - 0.22, -0.2, z}, p1{x + 0.22, -0.2, z};
            Sylinteri(m, p0, p1, 0.8, 0.8, 12, ai.rengas, false);
            Kansi(m, x > 0 ? p1 : p0, V3{x > 0 ? 1.0 : -1.0, 0, 0}, 0.8, 12, ai.napa.Savy[0]);
        }
}

void Mastot(MALLI& m, const PUHALTAJAN_AINEET& ai) {
    // A mast at each back corner, tall enough to be seen across the yard, with a
    // flag flying back and out from it and a lamp on top. The two flags turn their
    // faces to the sides as well as to the front and the back: from every side at
    // least one of them shows broad.
    for (double puoli : {-1.0, 1.0}) {
        const V3 masto{1.25 * puoli, 0.95, -1.6};
        const double huippu = 8.3;
        m.Laatikko(V3{masto.x, 1.1, masto.z}, V3{0.32, 0.15, 0.32}, ai.metalli);
        Tanko(m, masto, huippu, 0.22, 0.17, 8, ai.raidat);
        Lippu(m, V3{masto.x + 0.12 * puoli, huippu - 2.6, masto.z - 0.12},
              Yksikko(V3{puoli, 0, -1}), 4.2, 2.4, 6, 18, ai.lippu);
        m.Prisma(V3{masto.x, huippu, masto.z}, huippu + 0.12, 0.72, 0.72, 8, ai.metalli);
        Sylinteri(m, V3{masto.x, huippu + 0.12, masto.z}, V3{masto.x, huippu + 1.22, masto.z}, 0.62,
                  0.62, 8, ai.lamppu, false);
        m.Prisma(V3{masto.x, huippu + 1.22, masto.z}, huippu + 1.9, 0.8, 0, 8, ai.maali, false);
    }
}

} // namespace

bool TeePuhaltaja(KOHDE& k) {
    ATLAS a(256, 512, 64);
    PUHALTAJAN_AINEET ai;
    Pinnat(a, ai);
    Kuvat(a, ai);
    MastojenAineet(a, ai);
    MaalaaLippu(a, ai);
    MALLI m;
    Runko(m, ai);
    Mastot(m, ai);
    return Tekstuuri(k, "Puhaltaja", a.Kuva, false) && Malli(k, "Puhaltaja", m);
}
