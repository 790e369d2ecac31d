// The paper planes: their folded shapes and the printed paper they are
// folded from.
//
// The chase camera sits one unit behind the plane on its nose axis, and the game
// draws a plane at 0.3 of its model, so a sheet that contains the nose direction
// is seen edge-on from there whatever its dihedral. What the player sees of his
// own plane comes from paper that faces backwards: every plane flies nose up at
// its angle of attack and rides a little below the camera's line (so the wings
// are seen from above), its wing tips are folded up along lines raked across the
// flight, and its flaps are bent down at the trailing edge. The size is set by
// the menus, which spin the chosen plane about its own up axis off to the left
// of the view: nothing may reach further from that axis than the left edge of a
// 5:4 screen allows.
#include "Sisalto.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const double PII = 3.14159265358979;

// The game draws every plane at this scale of its model.
const double SKAALAUS = 0.3;

// A flat piece of the folded sheet: a simple polygon, its corners in order.
enum LAJI { SIIPI, SIIVEKE, LAPPA, RUNKO };
struct OSA {
    int Laji;
    std::vector<V3> P; // paper coordinates: nose +z, y up, right half x >= 0
};

// A plane as folded: its pieces (the right half; the left half is their mirror
// image, and a piece on the middle line is drawn once), the attitude it flies
// in, and the colours of its paper.
struct KAAVA {
    std::vector<OSA> Osat;
    double NokkaYlos = 12; // angle of attack, degrees nose up
    double Alas = 0.2;     // below the camera's line, paper units
    VARI4 Reuna;           // the darkened edges of the paper
};

V3 Valilla(V3 a, V3 b, double t) {
    return a + (b - a) * t;
}

// The point above or below (x, z) on the plane through a, b and c.
V3 Tasossa(double x, double z, V3 a, V3 b, V3 c) {
    V3 n = Risti(b - a, c - a);
    return V3{x, a.y - (n.x * (x - a.x) + n.z * (z - a.z)) / n.y, z};
}

// The point p moved straight onto the plane through a, b and c.
V3 Tasolle(V3 p, V3 a, V3 b, V3 c) {
    V3 n = Yksikko(Risti(b - a, c - a));
    return p - n * Piste(p - a, n);
}

// A flap of `syvyys` hinged on the trailing edge a-b and bent down by `kulma`
// degrees from the flight direction.
OSA Lappa(V3 a, V3 b, double syvyys, double kulma) {
    double k = kulma * PII / 180;
    V3 d{0, -syvyys * std::sin(k), -syvyys * std::cos(k)};
    return OSA{LAPPA, {a, a + d, b + d, b}};
}

// ---- The finished plane --------------------------------------------------------

// Paper units to the model: nose up by the angle of attack, down below the line,
// then scaled as large as the menus allow.
struct SIJOITUS {
    double c = 1, s = 0, alas = 0, k = 1;
    V3 Malliin(V3 p) const { return V3{p.x, p.y * c + p.z * s - alas, p.z * c - p.y * s} * k; }
    V3 Paperiin(V3 m) const {
        V3 p = m * (1 / k);
        p.y += alas;
        return V3{p.x, p.y * c - p.z * s, p.z * c + p.y * s};
    }
};

// The menus spin the plane at (-0.6, -0.1, 0) about its own up axis; the eye at
// (-0.6, -0.1, 1) looks at the origin, 70 degrees high, so the plane stands left
// of the middle and the left side of the view is what it may touch, nearest on
// the narrowest screen the game offers, 5:4. A corner at distance r from the up
// axis and at height y comes within (n_h r - n_y y) * SKAALAUS of that side's
// plane at the worst turn (n its inward normal, n_h the horizontal part): the
// view looks up a little, so low corners come nearer than high ones.
double Ulottuvuus(V3 m, double& vara) {
    const V3 silma{-0.6, -0.1, 1}, kone{-0.6, -0.1, 0};
    V3 f = Yksikko(silma * -1.0), s = Yksikko(Risti(f, V3{0, 1, 0}));
    V3 n = Yksikko(s + f * (std::tan(35 * PII / 180) * 1.25));
    vara = Piste(kone - silma, n) / SKAALAUS; // 0.585 model units
    return std::sqrt(n.x * n.x + n.z * n.z) * std::sqrt(m.x * m.x + m.z * m.z) - n.y * m.y;
}

SIJOITUS Asento(const KAAVA& kaava) {
    SIJOITUS a;
    a.c = std::cos(kaava.NokkaYlos * PII / 180);
    a.s = std::sin(kaava.NokkaYlos * PII / 180);
    a.alas = kaava.Alas;
    double suurin = 0, vara = 0;
    for (const OSA& o : kaava.Osat)
        for (V3 p : o.P) suurin = std::fmax(suurin, Ulottuvuus(a.Malliin(p), vara));
    // Five pixels to spare on a 1280 x 1024 screen (0.004 world units).
    a.k = (vara - 0.004 / SKAALAUS) / suurin;
    return a;
}

bool Keskella(const OSA& o) {
    for (V3 p : o.P)
        if (std::fabs(p.x) > 1e-9) return false;
    return true;
}

// A piece laid flat on the texture: its corners in the piece's own plane
// (model units), the axes of that plane, and where it lies on the sheet.
struct TASO {
    std::vector<double> a, b; // flat corners
    V3 o, eu, ev, n;          // origin, axes and normal of the plane (model)
    std::vector<bool> taite;  // edge i (corner i to i + 1) is a fold shared with another piece
    int x0 = 0, y0 = 0, leveys = 0, korkeus = 0; // place on a band, texels
};

// Corners of the polygon as flat points: the plane's first axis follows the
// nose where it can, so that prints run along the plane.
TASO Litista(const std::vector<V3>& m) {
    TASO t;
    V3 n{0, 0, 0};
    for (size_t i = 0; i < m.size(); i++) n = n + Risti(m[i], m[(i + 1) % m.size()]);
    t.n = Yksikko(n);
    V3 z{0, 0, 1};
    V3 eu = z - t.n * Piste(t.n, z);
    if (Piste(eu, eu) < 0.01) eu = V3{0, 1, 0} - t.n * t.n.y;
    t.eu = Yksikko(eu);
    t.ev = Risti(t.n, t.eu);
    t.o = m[0];
    double amin = 1e9, bmin = 1e9;
    for (V3 p : m) {
        t.a.push_back(Piste(p - t.o, t.eu));
        t.b.push_back(Piste(p - t.o, t.ev));
        amin = std::fmin(amin, t.a.back());
        bmin = std::fmin(bmin, t.b.back());
    }
    for (size_t i = 0; i < m.size(); i++) {
        t.a[i] -= amin;
        t.b[i] -= bmin;
    }
    t.o = t.o + t.eu * amin + t.ev * bmin;
    t.taite.assign(m.size(), false);
    return t;
}

// Inside the flat polygon, and the distances to its cut edges and its folds.
bool Sisalla(const TASO& t, double a, double b, double& leikkaus, double& taite) {
    bool sisalla = false;
    leikkaus = taite = 1e9;
    size_t n = t.a.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        if ((t.b[i] > b) != (t.b[j] > b) &&
            a < (t.a[j] - t.a[i]) * (b - t.b[i]) / (t.b[j] - t.b[i]) + t.a[i])
            sisalla = !sisalla;
        double da = t.a[i] - t.a[j], db = t.b[i] - t.b[j];
        double u = ((a - t.a[j]) * da + (b - t.b[j]) * db) / (da * da + db * db);
        u = u < 0 ? 0 : (u > 1 ? 1 : u);
        double ea = t.a[j] + u * da - a, eb = t.b[j] + u * db - b;
        double e = std::sqrt(ea * ea + eb * eb);
        if (t.taite[j])
            taite = std::fmin(taite, e);
        else
            leikkaus = std::fmin(leikkaus, e);
    }
    return sisalla;
}

// Ear clipping of a simple flat polygon: triangles as corner indices, counter-
// clockwise in the flat plane.
std::vector<int> Kolmioi(const TASO& t) {
    int n = (int)t.a.size();
    double ala = 0;
    for (int i = 0, j = n - 1; i < n; j = i++) ala += t.a[j] * t.b[i] - t.a[i] * t.b[j];
    std::vector<int> jaljella;
    for (int i = 0; i < n; i++) jaljella.push_back(ala > 0 ? i : n - 1 - i);
    auto Risti2 = [&](int o, int p, int q) {
        return (t.a[p] - t.a[o]) * (t.b[q] - t.b[o]) - (t.b[p] - t.b[o]) * (t.a[q] - t.a[o]);
    };
    std::vector<int> ulos;
    while (jaljella.size() > 3) {
        size_t m = jaljella.size(), korva = 0;
        for (size_t i = 0; i < m; i++) {
            int p = jaljella[(i + m - 1) % m], q = jaljella[i], r = jaljella[(i + 1) % m];
            if (Risti2(p, q, r) <= 1e-12) continue;
            bool tyhja = true;
            for (int s : jaljella)
                if (s != p && s != q && s != r && Risti2(p, q, s) > 0 && Risti2(q, r, s) > 0 &&
                    Risti2(r, p, s) > 0)
                    tyhja = false;
            if (tyhja) {
                korva = i;
                break;
            }
        }
        ulos.insert(ulos.end(),
                    {jaljella[(korva + m - 1) % m], jaljella[korva], jaljella[(korva + 1) % m]});
        jaljella.erase(jaljella.begin() + (long)korva);
    }
    ulos.insert(ulos.end(), jaljella.begin(), jaljella.end());
    return ulos;
}

bool Sama(V3 a, V3 b) {
    V3 d = a - b;
    return Piste(d, d) < 1e-12;
}

// The texture: four squares, the same sheet in each a step darker (brightest at
// the top left, then right, then the lower row); a face takes the square of its
// brightness towards the sun.
const int SOLU = 256, KUVAN_SIVU = 2 * SOLU;
// The paper's edges darkened this wide (model units; about three pixels where the
// plane is seen in flight and in the menus), its folds as thin creases.
const double REUNA = 0.024, RYPPY = 0.007;

// An edge that another piece (or the mirror image of one) also has is a fold.
void MerkitseTaitteet(const KAAVA& kaava, const std::vector<std::vector<V3>>& mallissa,
                      std::vector<TASO>& tasot) {
    for (size_t i = 0; i < mallissa.size(); i++) {
        const std::vector<V3>& m = mallissa[i];
        for (size_t e = 0; e < m.size(); e++) {
            V3 p = m[e], q = m[(e + 1) % m.size()];
            for (size_t j = 0; j < mallissa.size(); j++)
                for (int peili = 0; peili < 2; peili++) {
                    if (j == i && (peili == 0 || Keskella(kaava.Osat[i]))) continue;
                    const std::vector<V3>& r = mallissa[j];
                    for (size_t f = 0; f < r.size(); f++) {
                        V3 s = r[f], t = r[(f + 1) % r.size()];
                        if (peili) s.x = -s.x, t.x = -t.x;
                        if ((Sama(p, s) && Sama(q, t)) || (Sama(p, t) && Sama(q, s)))
                            tasot[i].taite[e] = true;
                    }
                }
        }
    }
}

// The pieces in rows on a square, tallest first, at the largest scale that
// fits: texels per model unit.
const int VALI = 3; // texels of edge colour round every piece
double Asettele(std::vector<TASO>& tasot) {
    std::vector<size_t> jarjestys;
    for (size_t i = 0; i < tasot.size(); i++) jarjestys.push_back(i);
    std::stable_sort(jarjestys.begin(), jarjestys.end(), [&](size_t i, size_t j) {
        return *std::max_element(tasot[i].b.begin(), tasot[i].b.end()) >
               *std::max_element(tasot[j].b.begin(), tasot[j].b.end());
    });
    for (double tiheys = 600;; tiheys *= 0.97) {
        int x = 0, y = 0, rivi = 0;
        bool mahtuu = true;
        for (size_t i : jarjestys) {
            TASO& t = tasot[i];
            double amax = *std::max_element(t.a.begin(), t.a.end());
            double bmax = *std::max_element(t.b.begin(), t.b.end());
            t.leveys = (int)std::ceil(amax * tiheys) + 2 * VALI;
            t.korkeus = (int)std::ceil(bmax * tiheys) + 2 * VALI;
            if (x + t.leveys > SOLU) {
                x = 0;
                y += rivi;
                rivi = 0;
            }
            t.x0 = x;
            t.y0 = y;
            x += t.leveys;
            rivi = std::max(rivi, t.korkeus);
            if (t.leveys > SOLU || y + rivi > SOLU) mahtuu = false;
        }
        if (mahtuu) return tiheys;
    }
}

// A plane's pieces in the model and laid flat on its texture.
struct ARKKI {
    SIJOITUS asento;
    std::vector<std::vector<V3>> mallissa; // each piece's corners in the model
    std::vector<TASO> tasot;
    double tiheys = 0; // texels per model unit
};

ARKKI Levita(const KAAVA& kaava) {
    ARKKI arkki;
    arkki.asento = Asento(kaava);
    for (const OSA& o : kaava.Osat) {
        std::vector<V3> m;
        for (V3 p : o.P) m.push_back(arkki.asento.Malliin(p));
        arkki.mallissa.push_back(m);
        arkki.tasot.push_back(Litista(m));
    }
    MerkitseTaitteet(kaava, arkki.mallissa, arkki.tasot);
    arkki.tiheys = Asettele(arkki.tasot);
    return arkki;
}

// The sheet on the brightest square, 3 x 3 samples a texel, and the same a step
// darker on each of the others.
template <class F> KUVA_RGBA Painata(const KAAVA& kaava, const ARKKI& arkki, F painatus) {
    KUVA_RGBA kuva(KUVAN_SIVU, KUVAN_SIVU, kaava.Reuna);
    for (size_t i = 0; i < arkki.tasot.size(); i++) {
        const TASO& t = arkki.tasot[i];
        for (int y = 0; y < t.korkeus; y++)
            for (int x = 0; x < t.leveys; x++) {
                VARI4 summa{0, 0, 0, 0};
                for (int j = 0; j < 3; j++)
                    for (int h = 0; h < 3; h++) {
                        double a = (x + (h + 0.5) / 3 - VALI) / arkki.tiheys;
                        double b = (y + (j + 0.5) / 3 - VALI) / arkki.tiheys;
                        double leikkaus, taite;
                        VARI4 c = kaava.Reuna;
                        if (Sisalla(t, a, b, leikkaus, taite)) {
                            V3 paperi = arkki.asento.Paperiin(t.o + t.eu * a + t.ev * b);
                            c = painatus(kaava.Osat[i].Laji, paperi);
                            double r = leikkaus / REUNA;
                            if (r < 1)
                                c = Sekoita(kaava.Reuna, c, (float)(r < 0.6 ? 0 : (r - 0.6) / 0.4));
                            if (taite < RYPPY) c = Kirkkaus(c, 0.72f);
                        }
                        summa.r += c.r;
                        summa.g += c.g;
                        summa.b += c.b;
                    }
                kuva.P(t.x0 + x, t.y0 + y) = VARI4{summa.r / 9, summa.g / 9, summa.b / 9, 1};
            }
    }
    static const float kerroin[4] = {1.0f, 0.84f, 0.68f, 0.52f};
    for (int solu = 1; solu < 4; solu++)
        for (int y = 0; y < SOLU; y++)
            for (int x = 0; x < SOLU; x++)
                kuva.P(solu % 2 * SOLU + x, solu / 2 * SOLU + y) =
                    Kirkkaus(kuva.P(x, y), kerroin[solu]);
    return kuva;
}

// Both faces of every piece and of its mirror image, each face in the band of
// its own brightness.
MALLI Taita(const KAAVA& kaava, const ARKKI& arkki) {
    MALLI malli;
    for (size_t i = 0; i < arkki.tasot.size(); i++) {
        const TASO& t = arkki.tasot[i];
        std::vector<int> kolmiot = Kolmioi(t);
        for (int peili = 0; peili < (Keskella(kaava.Osat[i]) ? 1 : 2); peili++)
            for (int puoli = 0; puoli < 2; puoli++) {
                V3 n = t.n;
                if (peili) n.x = -n.x;
                // The flat polygon is counter-clockwise about n; a mirror image
                // turns the other way.
                bool kaanna = (puoli == 1) != (peili == 1);
                int kaista = Varjostus(puoli ? n * -1.0 : n);
                for (size_t j = 0; j < kolmiot.size(); j += 3) {
                    int c[3] = {kolmiot[j], kolmiot[j + 1], kolmiot[j + 2]};
                    if (kaanna) std::swap(c[1], c[2]);
                    V3 p[3];
                    UV uv[3];
                    for (int m = 0; m < 3; m++) {
                        p[m] = arkki.mallissa[i][(size_t)c[m]];
                        if (peili) p[m].x = -p[m].x;
                        double tx = t.x0 + VALI + t.a[(size_t)c[m]] * arkki.tiheys;
                        double ty = t.y0 + VALI + t.b[(size_t)c[m]] * arkki.tiheys;
                        uv[m] = UV{(kaista % 2 * SOLU + tx) / KUVAN_SIVU,
                                   1 - (kaista / 2 * SOLU + ty) / KUVAN_SIVU};
                    }
                    malli.Kolmio(p[0], uv[0], p[1], uv[1], p[2], uv[2]);
                }
            }
    }
    return malli;
}

template <class F> bool TeeLennokki(KOHDE& k, const char* nimi, const KAAVA& kaava, F painatus) {
    ARKKI arkki = Levita(kaava);
    return Tekstuuri(k, nimi, Painata(kaava, arkki, painatus), false) &&
           Malli(k, nimi, Taita(kaava, arkki));
}

// ---- The planes ----------------------------------------------------------------

bool Rengas(double x, double z, double cx, double cz, double r0, double r1) {
    double r = std::sqrt((x - cx) * (x - cx) + (z - cz) * (z - cz));
    return r >= r0 && r < r1;
}

// Nuoli: the classic dart from a sheet of ruled school paper, its tips folded up
// and coloured in with a blue felt pen, the flaps striped, a roundel on each wing.
bool Nuoli(KOHDE& k, const char* nimi) {
    KAAVA kaava;
    kaava.Reuna = Rgb(30, 40, 95);
    V3 nokka{0, 0, 0.5}, juuri{0.08, 0, -0.4}, karki{0.46, 0.05, -0.32};
    V3 etu = Tasossa(0.12, 0.2, nokka, juuri, karki);
    V3 f0 = Valilla(juuri, karki, 0.15), f1 = Valilla(juuri, karki, 0.85);
    const double h = 0.22;
    V3 ylaTaka{karki.x - 0.02, karki.y + h, karki.z + 0.04};
    V3 ylaEtu = Tasolle(V3{etu.x, etu.y + 0.3 * h, etu.z - 0.05}, etu, karki, ylaTaka);
    kaava.Osat = {
        OSA{SIIPI, {nokka, etu, karki, f1, f0, juuri}},
        OSA{SIIVEKE, {etu, ylaEtu, ylaTaka, karki}},
        Lappa(f0, f1, 0.15, 50),
        OSA{RUNKO, {nokka, juuri, V3{0, -0.3, -0.4}}},
    };
    return TeeLennokki(k, nimi, kaava, [](int laji, V3 p) {
        VARI4 c = Rgb(247, 246, 238);
        c = Kirkkaus(c, 0.96f + 0.04f * Fbm((float)p.x * 30, (float)p.z * 8, 31, 2));
        double viiva = laji == RUNKO ? p.x - p.y : p.x; // the lines run along the sheet
        if (std::fabs(std::fmod(viiva * 22 + 10, 1.0) - 0.5) < 0.07) c = Rgb(140, 175, 228);
        if (std::fabs(p.x - 0.36) < 0.005) c = Rgb(222, 80, 80); // the margin
        VARI4 sininen = Kirkkaus(Rgb(35, 85, 205),
                                 0.9f + 0.1f * Kohina((float)(p.x + p.z) * 90, (float)p.y * 9, 32));
        if (laji == SIIVEKE) c = sininen;
        if (laji == LAPPA && (int)std::floor((p.x + p.z) * 14 + 20) % 2 == 0) c = sininen;
        if (laji == SIIPI) {
            if (Rengas(p.x, p.z, 0.25, -0.18, 0.0, 0.045)) c = Rgb(220, 45, 45);
            if (Rengas(p.x, p.z, 0.25, -0.18, 0.065, 0.095)) c = sininen;
        }
        return c;
    });
}

// Liitaja: broad wings from a newspaper, the tips folded up from the red page of
// an advertisement and the flaps from a yellow one.
bool Liitaja(KOHDE& k, const char* nimi) {
    KAAVA kaava;
    kaava.Reuna = Rgb(22, 22, 24);
    V3 nokka{0, 0, 0.5}, juuri{0.08, 0, -0.42}, karki{0.56, 0.05, -0.2};
    V3 olka = Tasossa(0.26, 0.3, nokka, juuri, karki);
    V3 etu = Tasossa(0.3, 0.2, nokka, juuri, karki);
    V3 taka = Tasossa(0.42, -0.3, nokka, juuri, karki);
    V3 f0 = Valilla(juuri, taka, 0.1), f1 = Valilla(juuri, taka, 0.9);
    const double h = 0.22;
    V3 ylaTaka{karki.x - 0.02, karki.y + h, karki.z + 0.04};
    V3 ylaEtu = Tasolle(V3{etu.x, etu.y + 0.6 * h, etu.z - 0.03}, etu, karki, ylaTaka);
    kaava.Osat = {
        OSA{SIIPI, {nokka, olka, etu, karki, taka, f1, f0, juuri}},
        OSA{SIIVEKE, {etu, ylaEtu, ylaTaka, karki}},
        Lappa(f0, f1, 0.16, 45),
        OSA{RUNKO, {nokka, juuri, V3{0, -0.15, -0.42}}},
    };
    return TeeLennokki(k, nimi, kaava, [](int laji, V3 p) {
        VARI4 c = Rgb(228, 224, 210);
        double x = p.x, z = p.z + p.y;
        if (laji == SIIVEKE) {
            c = Rgb(218, 38, 42);
            if (std::fabs(std::fmod(z * 9 + 10, 1.0) - 0.5) < 0.12) c = Rgb(255, 235, 80);
            return c;
        }
        if (laji == LAPPA) {
            c = Rgb(250, 208, 45);
            if (std::fmod(x * 18 + 10, 1.0) < 0.35) c = Rgb(25, 25, 28);
            return c;
        }
        // Columns of small print, a headline in heavy letters and a half-tone
        // photograph.
        double sarake = std::fmod(x * 6 + 10, 1.0);
        int rivi = (int)std::floor(z * 75 + 100);
        if (sarake > 0.1 && sarake < 0.9 && rivi % 3 != 0 &&
            (Hajauta((uint32_t)(rivi * 977 + (int)std::floor(x * 60) * 13)) & 7) != 0)
            c = Rgb(132, 130, 124);
        if (z > 0.02 && z < 0.14 && x > 0.04 && x < 0.34) {
            double u = (x - 0.04) / 0.05, v = (z - 0.02) / 0.12;
            int kirjain = (int)std::floor(u),
                lohko = (int)std::floor((u - kirjain) / 0.27) * 3 + (int)std::floor(v * 3);
            bool muste = u - kirjain < 0.8 && (Hajauta((uint32_t)(kirjain * 31 + 7)) >> lohko) % 5;
            c = muste ? Rgb(24, 24, 26) : Rgb(228, 224, 210);
        }
        if (z > -0.3 && z < -0.1 && x > 0.18 && x < 0.36) {
            // A dark shape against a light sky, in dots.
            double s = std::fmod(x * 55 + 10, 1.0) - 0.5, t = std::fmod(z * 55 + 10, 1.0) - 0.5;
            double tumma = (x - 0.27) * (x - 0.27) + (z + 0.23) * (z + 0.23) < 0.004 ? 0.8 : 0.3;
            c = s * s + t * t < tumma * 0.3 ? Rgb(40, 40, 44) : Rgb(215, 212, 200);
        }
        return c;
    });
}

// Haukka: a swept stunt plane of red origami paper with yellow chevrons, the
// wing tips split into black fins above and below.
bool Haukka(KOHDE& k, const char* nimi) {
    KAAVA kaava;
    kaava.Reuna = Rgb(50, 10, 12);
    V3 nokka{0, 0, 0.55}, juuri{0.07, 0, -0.4}, karki{0.5, 0.05, -0.34};
    V3 olka = Tasossa(0.12, 0.22, nokka, juuri, karki);
    V3 etu = Tasossa(0.25, 0.0, nokka, juuri, karki);
    V3 f0 = Valilla(juuri, karki, 0.08), f1 = Valilla(juuri, karki, 0.6);
    V3 ylos{karki.x - 0.02, karki.y + 0.27, karki.z + 0.04};
    V3 alas{karki.x - 0.02, karki.y - 0.22, karki.z + 0.04};
    V3 ylaEtu = Tasolle(V3{etu.x + 0.02, etu.y + 0.2, etu.z - 0.1}, etu, karki, ylos);
    V3 alaEtu = Tasolle(V3{etu.x + 0.01, etu.y - 0.15, etu.z - 0.1}, etu, karki, alas);
    kaava.Osat = {
        OSA{SIIPI, {nokka, olka, etu, karki, f1, f0, juuri}},
        OSA{SIIVEKE, {etu, ylaEtu, ylos, karki}},
        OSA{SIIVEKE, {etu, karki, alas, alaEtu}},
        Lappa(f0, f1, 0.16, 45),
        OSA{RUNKO, {nokka, juuri, V3{0, -0.25, -0.4}}},
    };
    return TeeLennokki(k, nimi, kaava, [](int laji, V3 p) {
        VARI4 c = Rgb(206, 38, 40);
        c = Kirkkaus(c, 0.94f + 0.06f * Fbm((float)p.x * 12, (float)p.z * 12, 41, 2));
        if (laji == SIIVEKE) {
            c = Rgb(28, 28, 32);
            if (std::fabs(p.y) > 0.22) c = Rgb(250, 205, 40);
            return c;
        }
        double chevron = std::fmod(p.z * 5 + std::fabs(p.x) * 3 + 10, 1.0);
        if (chevron < 0.18 && p.z < 0.3) c = Rgb(250, 205, 40);
        if (laji == LAPPA && std::fmod(p.x * 16 + 10, 1.0) < 0.5) c = Rgb(28, 28, 32);
        if (p.z > 0.36) c = Rgb(250, 250, 245); // white nose
        return c;
    });
}

} // namespace

const std::vector<LENNOKKI> LENNOKIT = {
    {"Nuoli", "Dart", "Nuoli: perinteinen nuolimalli ruutupaperista.", Nuoli},
    {"Liitaja", "Glider", "Liit\xE4j\xE4: leve\xE4t siivet ja yl\xF6s taitetut k\xE4rjet.",
     Liitaja},
    {"Haukka", "Hawk", "Haukka: nuolisiipinen taitolentokone, punaista origamipaperia.", Haukka},
};

bool TeeLennokit(KOHDE& k) {
    bool ok = true;
    for (const LENNOKKI& l : LENNOKIT) ok = l.Tee(k, l.Tiedosto) && ok;
    return ok;
}
