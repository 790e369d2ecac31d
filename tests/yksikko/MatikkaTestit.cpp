#include "foundation/MatikkaFunktiot.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

void OdotaVektori(VEKTORI v, double x, double y, double z, double tarkkuus = 1e-9) {
    EXPECT_NEAR(v.x, x, tarkkuus);
    EXPECT_NEAR(v.y, y, tarkkuus);
    EXPECT_NEAR(v.z, z, tarkkuus);
}

} // namespace

TEST(Vektori, ZeroVectorStaysExactlyZero) {
    VEKTORI v;
    v.Versoriksi();
    v.AsetaPituus(5);
    EXPECT_EQ(v.x, 0.0);
    EXPECT_EQ(v.y, 0.0);
    EXPECT_EQ(v.z, 0.0);
}

TEST(Vektori, SetLengthScalesAndReverses) {
    VEKTORI v{3, 4, 0};
    v.AsetaPituus(0);
    OdotaVektori(v, 0, 0, 0);
    VEKTORI w{1, 0, 0};
    w.AsetaPituus(-2);
    OdotaVektori(w, -2, 0, 0);
    VEKTORI u{0, 3, 4};
    u.AsetaPituus(10);
    OdotaVektori(u, 0, 6, 8);
}

TEST(Vektori, DotAndCrossProducts) {
    EXPECT_DOUBLE_EQ(Pistetulo({1, 2, 3}, {4, -5, 6}), 12.0);
    OdotaVektori(Vektoritulo({1, 0, 0}, {0, 1, 0}), 0, 0, 1);
    OdotaVektori(Vektoritulo({0, 1, 0}, {0, 0, 1}), 1, 0, 0);
}

TEST(Kulmat, ConversionsUseTheShortenedPi) {
    double d = 180;
    AsteistaRadiaaniksi(d);
    EXPECT_DOUBLE_EQ(d, 3.14159265);
    RadiaanistaAsteiksi(d);
    EXPECT_NEAR(d, 180.0, 1e-6);
    double r = 3.14159265;
    RadiaanistaAsteiksi(r);
    EXPECT_DOUBLE_EQ(r, 3.14159265 / 6.2831853 * 360.0);
}

TEST(Matriisi, RotationsTurnAboutOwnAxes) {
    MATRIISI4X4 y;
    y.PyoritaY(90);
    OdotaVektori(y.OikealleV(), 0, 0, 1, 1e-8);
    OdotaVektori(y.YlosV(), 0, 1, 0, 1e-8);
    OdotaVektori(y.EteenV(), -1, 0, 0, 1e-8);

    MATRIISI4X4 x;
    x.PyoritaX(90);
    OdotaVektori(x.YlosV(), 0, 0, -1, 1e-8);
    OdotaVektori(x.EteenV(), 0, 1, 0, 1e-8);

    MATRIISI4X4 z;
    z.PyoritaZ(90);
    OdotaVektori(z.OikealleV(), 0, -1, 0, 1e-8);
    OdotaVektori(z.YlosV(), 1, 0, 0, 1e-8);
}

TEST(Matriisi, FourQuarterTurnsReturnTheIdentity) {
    MATRIISI4X4 m;
    for (int i = 0; i < 4; i++) m.PyoritaX(90);
    MATRIISI4X4 yksikko;
    for (int i = 0; i < 16; i++) EXPECT_NEAR(m.m[i], yksikko.m[i], 1e-8) << i;
}

TEST(Matriisi, RotationsOnlyTouchTheThreeByThreeBlock) {
    MATRIISI4X4 m;
    m.PyoritaX(30);
    m.PyoritaY(40);
    m.PyoritaZ(50);
    EXPECT_EQ(m.m[3], 0);
    EXPECT_EQ(m.m[7], 0);
    EXPECT_EQ(m.m[11], 0);
    EXPECT_EQ(m.m[12], 0);
    EXPECT_EQ(m.m[13], 0);
    EXPECT_EQ(m.m[14], 0);
    EXPECT_EQ(m.m[15], 1);
}

TEST(Matriisi, ProductMayReadItsOwnArray) {
    MATRIISI4X4 m;
    m.PyoritaZ(90);
    MATRIISI4X4 odotus = m;
    odotus.PyoritaZ(90);
    m.KerroMatriisi(m.m, m.m); // the square, from the operands as they were
    for (int i = 0; i < 16; i++) EXPECT_NEAR(m.m[i], odotus.m[i], 1e-12);
}

TEST(Matriisi, OrthonormalizeKeepsRightAndRebuildsTheRest) {
    MATRIISI4X4 m;
    m.AsetaOikealleV({2, 0, 0});
    m.AsetaYlosV({0.1, 1, 0});
    m.AsetaEteenV({5, 5, 5});
    OrthonormalizeMatrix(m.m);
    OdotaVektori(m.OikealleV(), 1, 0, 0, 1e-12);
    OdotaVektori(m.EteenV(), 0, 0, 1, 1e-7);
    OdotaVektori(m.YlosV(), 0, 1, 0, 1e-7);
}

// The right row as OrthonormalizeMatrix leaves it (it is normalised first,
// before the other rows are made from it).
static void Normalisoitu(double* v) {
    MATRIISI4X4 m;
    m.AsetaOikealleV({v[0], v[1], v[2]});
    OrthonormalizeMatrix(m.m);
    for (int i = 0; i < 3; i++) v[i] = m.m[i];
}

TEST(Matriisi, OrthonormalizeDividesBySinglePrecisionLength) {
    double v[3] = {1, 1, 0};
    Normalisoitu(v);
    float pituus = (float)std::sqrt(2.0);
    EXPECT_EQ(v[0], 1.0 / (double)pituus);
    EXPECT_NE(v[0], 1.0 / std::sqrt(2.0));
}

TEST(Matriisi, OrthonormalizeSkipsOnlyDivisionsByExactlyOne) {
    // The bounds are the squares of the ends of the lengths that round to 1.0f.
    EXPECT_EQ(PITUUS_YKSI_ALA, (1 - 0x1p-25) * (1 - 0x1p-25));
    EXPECT_EQ(PITUUS_YKSI_YLA, (1 + 0x1p-24) * (1 + 0x1p-24));
    EXPECT_EQ((float)std::sqrt(PITUUS_YKSI_ALA), 1.0f);
    EXPECT_EQ((float)std::sqrt(PITUUS_YKSI_YLA), 1.0f);

    // Always dividing, as the game's matrices were first normalised.
    auto Jaettu = [](double* v) {
        float pituus = (float)std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        if (pituus > 0)
            for (int i = 0; i < 3; i++) v[i] /= (double)pituus;
    };
    int ykkosella = 0, muulla = 0;
    auto Vertaa = [&](double x, double y, double z) {
        double a[3] = {x, y, z}, b[3] = {x, y, z};
        Normalisoitu(a);
        Jaettu(b);
        for (int i = 0; i < 3; i++) EXPECT_EQ(a[i], b[i]) << x << " " << y << " " << z;
        ((float)std::sqrt(x * x + y * y + z * z) == 1.0f ? ykkosella : muulla)++;
    };
    // Every double within 200 steps of each end of the interval.
    for (double reuna : {1 - 0x1p-25, 1 + 0x1p-24}) {
        double x = reuna;
        for (int i = 0; i < 200; i++) x = std::nextafter(x, 0.0);
        for (int i = 0; i < 400; i++, x = std::nextafter(x, 2.0)) Vertaa(x, 0, 0);
    }
    // Directions of lengths spread over a few single-precision steps round 1.
    srand(3);
    for (int i = 0; i < 20000; i++) {
        double v[3];
        for (double& c : v) c = rand() / (double)RAND_MAX - 0.5;
        double L = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        double pituus = 1 + (rand() / (double)RAND_MAX - 0.5) * 1e-6;
        Vertaa(v[0] / L * pituus, v[1] / L * pituus, v[2] / L * pituus);
    }
    EXPECT_GT(ykkosella, 1000);
    EXPECT_GT(muulla, 1000);
}

TEST(Matriisi, BackToTheIdentity) {
    MATRIISI4X4 m;
    m.PyoritaX(12);
    m.Yksikoksi();
    EXPECT_EQ(m.m[0], 1);
    EXPECT_EQ(m.m[1], 0);
}

TEST(Sijainti, Distance) {
    SIJAINTI a, b;
    a.Aseta(1, 2, 3);
    b.Aseta(4, 6, 3);
    EXPECT_DOUBLE_EQ(Etaisyys(a, b), 5.0);
}
