// The content generator's writers, read back through the game's own readers:
// run-length packets at their limits, row order, shared corners of a mesh, and
// the triangle limit of the 3DS format.
#include "apu/TestiApu.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/Malli3DFunktiot.h"
#include "graphics/TekstuuriFunktiot.h"
#include "tools/sisalto/Kuva.h"
#include "tools/sisalto/Malli.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A picture with long runs (past one packet's 128 pixels), lone pixels and an
// alpha ramp: every kind of packet the writer makes.
KUVA_RGBA Koekuva(int leveys, int korkeus) {
    KUVA_RGBA k(leveys, korkeus);
    for (int y = 0; y < korkeus; y++)
        for (int x = 0; x < leveys; x++) {
            VARI4 c{0.2f, 0.4f, 0.6f, 1.0f};
            if (y % 2 == 1 && x > 140) c = VARI4{x / 300.0f, 0.0f, 1.0f, (x % 256) / 255.0f};
            if (x == y) c = VARI4{1, 1, 1, 1};
            k.P(x, y) = c;
        }
    return k;
}

} // namespace

TEST(SisaltoKirjoittajat, TgaLuetaanPelissaPystyssaJaTavuilleen) {
    TYOKANSIO kansio;
    for (bool alfa : {true, false}) {
        SCOPED_TRACE(alfa);
        KUVA_RGBA k = Koekuva(300, 7);
        ASSERT_TRUE(TallennaTGA("koe.tga", k, alfa));
        KUVADATA t;
        ASSERT_TRUE(LataaTGA("koe.tga", t));
        ASSERT_EQ(t.Leveys, 300);
        ASSERT_EQ(t.Korkeus, 7);
        ASSERT_EQ(t.TavuaPikselia, alfa ? 4 : 3);
        for (int y = 0; y < 7; y++)
            for (int x = 0; x < 300; x++) {
                // The first row of the file is the bottom of the picture.
                const VARI4& c = k.P(x, 6 - y);
                const unsigned char* p = t.Pikselit + (y * 300 + x) * t.TavuaPikselia;
                ASSERT_EQ(p[0], (int)std::lround(c.r * 255)) << x << ", " << y;
                ASSERT_EQ(p[1], (int)std::lround(c.g * 255));
                ASSERT_EQ(p[2], (int)std::lround(c.b * 255));
                if (alfa) {
                    ASSERT_EQ(p[3], (int)std::lround(c.a * 255));
                }
            }
        delete[] t.Pikselit;
    }
}

TEST(SisaltoKirjoittajat, MalliLuetaanKulmittainJarjestyksessa) {
    TYOKANSIO kansio;
    MALLI m;
    // Two triangles share a corner's position but not its mapping, and share one
    // corner entirely: the reader must give back every corner as written.
    m.Kolmio(V3{0, 0, 0}, UV{0, 0}, V3{1, 0, 0}, UV{1, 0}, V3{0, 1, 0}, UV{0, 1});
    m.Kolmio(V3{1, 0, 0}, UV{0.5, 0.5}, V3{1, 1, 0}, UV{1, 1}, V3{0, 1, 0}, UV{0, 1});
    ASSERT_TRUE(Tallenna3DS("koe.3ds", "Koe", m));
    MALLIN_KOLMIOT luettu;
    ASSERT_TRUE(Lataa3DS("koe.3ds", luettu));
    ASSERT_EQ(luettu.VerteksienMaara, 6);
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(luettu.Verteksit[3 * i], m.Kulmat[(size_t)i].x);
        EXPECT_EQ(luettu.Verteksit[3 * i + 1], m.Kulmat[(size_t)i].y);
        EXPECT_EQ(luettu.Verteksit[3 * i + 2], m.Kulmat[(size_t)i].z);
        EXPECT_EQ(luettu.TekstuuriKoordinaatit[2 * i], m.Kulmat[(size_t)i].u);
        EXPECT_EQ(luettu.TekstuuriKoordinaatit[2 * i + 1], m.Kulmat[(size_t)i].v);
    }
    delete[] luettu.Verteksit;
    delete[] luettu.TekstuuriKoordinaatit;
}

TEST(SisaltoKirjoittajat, LiianSuurtaMalliaEiKirjoiteta) {
    TYOKANSIO kansio;
    MALLI m;
    // The reader's vertex count is 16 bits: 21846 triangles would wrap it.
    for (int i = 0; i < 21846; i++)
        m.Kolmio(V3{(double)i, 0, 0}, UV{}, V3{(double)i, 1, 0}, UV{}, V3{(double)i, 0, 1}, UV{});
    EXPECT_FALSE(Tallenna3DS("iso.3ds", "Iso", m));
    m.Kulmat.resize(3 * 21845);
    EXPECT_TRUE(Tallenna3DS("iso.3ds", "Iso", m));
}

TEST(SisaltoKirjoittajat, AurinkoonPainSaaKirkkaimmanLaatan) {
    // The game draws without lights: the brightness of a face is chosen from
    // its facing when the model is made.
    EXPECT_EQ(Varjostus(V3{-0.45, 0.8, -0.4}), 0); // straight at the sun
    EXPECT_LE(Varjostus(V3{0, 1, 0}), 1);          // roofs and tree tops
    EXPECT_EQ(Varjostus(V3{0, -1, 0}), 3);         // undersides
    // The museum's front (south-west light) is lit, its back in shade.
    EXPECT_LT(Varjostus(V3{0, 0, -1}), Varjostus(V3{0, 0, 1}));
    EXPECT_LT(Varjostus(V3{-1, 0, 0}), Varjostus(V3{1, 0, 0}));
}
