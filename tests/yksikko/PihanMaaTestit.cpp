// The yard's ground as the game loads it: inside the fence every point is drawn
// from the detailed tiles at 23 pixels a metre, upright and unmirrored, the tiles
// show what lies at that place (gravel on the path, water in the pond, flowers in
// a bed), and neighbouring cells meet without a seam.
#include "apu/TestiApu.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>
#include <vector>

namespace {

const double LAMPI_X = -14, LAMPI_Z = -19; // the pond's middle

struct MAA {
    MALLIN_KOLMIOT malli;
    KUVADATA kuva;
    bool ok = false;
    MAA() {
        char p[4096];
        std::string vanha = getcwd(p, sizeof p) ? p : ".";
        if (chdir(KoontiKansio().c_str()) != 0) return;
        ok = Lataa3DS("Tiedostot\\3D Mallit\\Piha.3ds", malli) &&
             LataaTGA("Tiedostot\\Tekstuurit\\Piha.tga", kuva);
        if (chdir(vanha.c_str()) != 0) ok = false;
    }
    ~MAA() {
        delete[] malli.Verteksit;
        delete[] malli.TekstuuriKoordinaatit;
        delete[] kuva.Pikselit;
    }
    // The ground triangle under (x, z) (model units) and the texture
    // coordinates there; false off the ground.
    // With `kolmio` set beforehand (>= 0), that triangle's mapping carried on
    // past its edges.
    bool Kohta(double x, double z, double& u, double& v, int* kolmio = nullptr) const {
        const float* p = malli.Verteksit;
        const float* t = malli.TekstuuriKoordinaatit;
        int oma = kolmio ? *kolmio : -1;
        for (int k = oma >= 0 ? oma : 0; k < malli.VerteksienMaara / 3; k++) {
            const float* a = p + 9 * k;
            if (a[1] != 0.0f || a[4] != 0.0f || a[7] != 0.0f) continue;
            double x0 = a[0], z0 = a[2], x1 = a[3], z1 = a[5], x2 = a[6], z2 = a[8];
            double d = (x1 - x0) * (z2 - z0) - (x2 - x0) * (z1 - z0);
            if (d == 0) continue;
            double b1 = ((x - x0) * (z2 - z0) - (x2 - x0) * (z - z0)) / d;
            double b2 = ((x1 - x0) * (z - z0) - (x - x0) * (z1 - z0)) / d;
            if (oma < 0 && (b1 < 0 || b2 < 0 || b1 + b2 > 1)) continue;
            const float* s = t + 6 * k;
            u = s[0] + b1 * (s[2] - s[0]) + b2 * (s[4] - s[0]);
            v = s[1] + b1 * (s[3] - s[1]) + b2 * (s[5] - s[1]);
            if (kolmio) *kolmio = k;
            return true;
        }
        return false;
    }
    // The texel the game samples at (x, z) (from triangle `kolmio`'s mapping when
    // it is >= 0), as red, green and blue.
    bool Vari(double x, double z, int rgb[3], int kolmio = -1) const {
        double u, v;
        if (!Kohta(x, z, u, v, &kolmio)) return false;
        int px = (int)std::floor(u * kuva.Leveys), py = (int)std::floor(v * kuva.Korkeus);
        if (px < 0 || py < 0 || px >= kuva.Leveys || py >= kuva.Korkeus) return false;
        const unsigned char* c =
            kuva.Pikselit + ((size_t)py * kuva.Leveys + (size_t)px) * kuva.TavuaPikselia;
        for (int i = 0; i < 3; i++) rgb[i] = c[i];
        return true;
    }
};

bool Nurmea(const int c[3]) {
    return c[1] > c[0] + 20 && c[1] > c[2] + 30;
}

} // namespace

TEST(PihanMaa, AidanSisallaJokainenKohtaPiirretaanTarkastaLaatasta) {
    MAA m;
    ASSERT_TRUE(m.ok);
    const double W = m.kuva.Leveys, H = m.kuva.Korkeus;
    // The far picture lies in the top left 512 x 384 pixels (v near 1).
    for (double x = -23.75; x < 24; x += 1)
        for (double z = -33.75; z < 54; z += 1) {
            double u, v;
            ASSERT_TRUE(m.Kohta(x, z, u, v)) << x << ", " << z;
            EXPECT_FALSE(u * W < 512 && (1 - v) * H < 384) << "far picture at " << x << ", " << z;
            // The mapping's scale and sense from the triangle's own corners: a metre
            // east is 23 pixels right, a metre north 23 pixels up, nothing turned.
            double u1, v1, u2, v2;
            ASSERT_TRUE(m.Kohta(x + 0.01, z, u1, v1) && m.Kohta(x, z + 0.01, u2, v2));
            EXPECT_NEAR((u1 - u) * W * 100, 23, 0.05) << x << ", " << z;
            EXPECT_NEAR((v2 - v) * H * 100, 23, 0.05) << x << ", " << z;
            EXPECT_NEAR((v1 - v) * H * 100, 0, 0.05) << x << ", " << z;
            EXPECT_NEAR((u2 - u) * W * 100, 0, 0.05) << x << ", " << z;
            if (::testing::Test::HasFailure()) return;
        }
}

TEST(PihanMaa, LaatatNayttavatPaikkansaJaSolutKohtaavatSaumatta) {
    MAA m;
    ASSERT_TRUE(m.ok);
    int c[3];
    // Gravel on the main path and the cross path: sandy, not green.
    for (double z : {-30.0, -20.0, 30.0, 45.0}) {
        ASSERT_TRUE(m.Vari(0.3, z, c));
        EXPECT_FALSE(Nurmea(c)) << "main path at z " << z;
        EXPECT_GT(c[0], c[2] + 15) << "main path at z " << z;
    }
    ASSERT_TRUE(m.Vari(18, 10, c));
    EXPECT_FALSE(Nurmea(c)) << "cross path";
    // Round the middles of the pond and the fountain's basin mostly water (lily
    // pads and glints aside); in the beds mostly flowers and soil, not lawn.
    auto Osuus = [&](double x, double z, double r, bool (*Laji)(const int*)) {
        int osuu = 0, n = 0;
        for (double dx = -r; dx <= r + 1e-9; dx += r / 4)
            for (double dz = -r; dz <= r + 1e-9; dz += r / 4, n++) {
                int v[3];
                if (m.Vari(x + dx, z + dz, v)) osuu += Laji(v);
            }
        return (double)osuu / n;
    };
    auto Vetta = [](const int* v) { return v[2] > v[0] + 40; };
    auto Nurmi = [](const int* v) { return Nurmea(v); };
    EXPECT_GT(Osuus(LAMPI_X, LAMPI_Z, 2, Vetta), 0.7) << "pond";
    EXPECT_GT(Osuus(0, 10, 1.5, Vetta), 0.7) << "fountain";
    for (auto p : {std::pair<double, double>{12, -12}, {-11, 28}, {11, 28}})
        EXPECT_LT(Osuus(p.first, p.second, 1.5, Nurmi), 0.5)
            << "bed at " << p.first << ", " << p.second;
    EXPECT_GT(Osuus(-18, 42, 1.5, Nurmi), 0.9) << "lawn";

    // Each tile's border holds the ground beyond its cell: half a texel past a
    // cell's edge its tile shows the very texel the neighbour's tile shows there.
    // A lawn tile out of step, a turned tile or a wrong border is a seam.
    const double t = 0.5 / 23;
    int eri = 0, n = 0;
    auto Vertaa = [&](double x, double z, double dx, double dz) {
        double u, v;
        int oma = -1, a[3], b[3];
        if (!m.Kohta(x - dx, z - dz, u, v, &oma)) return;
        if (!m.Vari(x + dx, z + dz, a, oma) || !m.Vari(x + dx, z + dz, b)) return;
        n++;
        eri += a[0] != b[0] || a[1] != b[1] || a[2] != b[2];
    };
    for (double raja = -16; raja <= 16; raja += 8)
        for (double z = -33.9; z < 54; z += 0.13) {
            Vertaa(raja, z, t, 0);
            Vertaa(raja, z, -t, 0);
        }
    for (double raja = -26; raja <= 46; raja += 8)
        for (double x = -23.9; x < 24; x += 0.13) {
            Vertaa(x, raja, 0, t);
            Vertaa(x, raja, 0, -t);
        }
    EXPECT_GT(n, 9000);
    EXPECT_EQ(eri, 0) << "of " << n << " texels past a cell's edge differ from the neighbour's";
}
