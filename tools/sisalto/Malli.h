// Meshes of the generator: flat triangle lists with a texture coordinate per
// corner, the shading that is painted into the textures (the game draws without
// lights), and the 3DS writer.
#pragma once

#include "Kuva.h"

#include <string>
#include <vector>

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b);
V3 operator-(V3 a, V3 b);
V3 operator*(V3 a, double k);
double Piste(V3 a, V3 b);
V3 Risti(V3 a, V3 b);
V3 Yksikko(V3 a);

struct UV {
    double u = 0, v = 0;
};

// A rectangle of a texture in texture coordinates (v = 0 is the bottom row).
struct LAATTA {
    double u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    UV Kohta(double s, double t) const { return UV{u0 + (u1 - u0) * s, v0 + (v1 - v0) * t}; }
};

// A material painted in four brightnesses: the face's angle to the sun picks one.
struct MATERIAALI {
    LAATTA Savy[4]; // brightest first
};

// The sun of every model: faces turned to it use the brighter tiles.
int Varjostus(V3 normaali);

struct MALLI {
    struct KULMA {
        float x, y, z, u, v;
    };
    std::vector<KULMA> Kulmat; // 3 per triangle, counter-clockwise seen from the front

    int Kolmioita() const { return (int)Kulmat.size() / 3; }
    void Kolmio(V3 a, UV ta, V3 b, UV tb, V3 c, UV tc);
    // Quad a b c d counter-clockwise from the front, mapped onto the whole tile
    // (a at (0, 0), b at (1, 0), c at (1, 1), d at (0, 1)).
    void Nelio(V3 a, V3 b, V3 c, V3 d, const LAATTA& l);
    // The same with the tile of the material's brightness for the face's facing.
    void Nelio(V3 a, V3 b, V3 c, V3 d, const MATERIAALI& m);
    void Kolmio(V3 a, V3 b, V3 c, const MATERIAALI& m);
    // Both faces of a thin sheet.
    void KaksiPuolta(V3 a, V3 b, V3 c, const MATERIAALI& m);

    // A box of centre c and half sizes h, every face on the material (bottom left out
    // when `pohja` is false).
    void Laatikko(V3 c, V3 h, const MATERIAALI& m, bool pohja = false);
    // An upright prism of n sides between heights y0 and y1 (radii r0, r1); closed top.
    void Prisma(V3 pohja, double y1, double r0, double r1, int n, const MATERIAALI& m,
                bool kansi = true, double kulma0 = 0);
    // A rough ball of crown leaves: an icosphere-like ball squashed by `sy`.
    void Pallo(V3 c, double r, double sy, const MATERIAALI& m, int tarkkuus, double vaihtelu,
               unsigned siemen);
    void Lisaa(const MALLI& toinen);
};

// Writes the mesh as a 3DS file of one object: version, editor block, object,
// triangle mesh with vertex list, mapping list and face list.
bool Tallenna3DS(const std::string& polku, const std::string& nimi, const MALLI& malli);

// A closed cylinder (or cone frustum) of n sides from p0 to p1, radii r0 and r1.
void Sylinteri(MALLI& m, V3 p0, V3 p1, double r0, double r1, int n, const MATERIAALI& mat,
               bool kannet = true);

// A texture of square tiles: materials are painted once per brightness.
struct ATLAS {
    int Laatta = 64; // tile side, pixels
    KUVA_RGBA Kuva;
    ATLAS(int leveys, int korkeus, int laatta)
        : Laatta(laatta), Kuva(leveys, korkeus, VARI4{0.5f, 0.5f, 0.5f, 1}) {}
    // The tile at column tx, row ty (row 0 at the top of the picture), pulled in by
    // a texel so that filtering does not reach the next tile.
    LAATTA Paikka(int tx, int ty, int leveys = 1, int korkeus = 1) const;
    // Paints `maalari` (s, t in 0..1, t = 0 at the top) into tiles (tx + i, ty),
    // i = 0..3, each a step darker; or all four shades into one tile with `yksi`.
    template <class F> MATERIAALI Maalaa(int tx, int ty, F maalari, bool yksi = false) {
        static const float kerroin[4] = {1.0f, 0.84f, 0.68f, 0.52f};
        MATERIAALI m;
        for (int i = 0; i < (yksi ? 1 : 4); i++) {
            int x0 = (tx + i) * Laatta, y0 = ty * Laatta;
            for (int y = 0; y < Laatta; y++)
                for (int x = 0; x < Laatta; x++) {
                    VARI4 c = maalari((x + 0.5f) / Laatta, (y + 0.5f) / Laatta);
                    Kuva.P(x0 + x, y0 + y) = Kirkkaus(c, yksi ? 1.0f : kerroin[i]);
                }
            m.Savy[i] = Paikka(tx + i, ty);
        }
        if (yksi)
            for (int i = 1; i < 4; i++) m.Savy[i] = m.Savy[0];
        return m;
    }
};
