// The bookkeeping of the 3D pass's savings, without a window: models in their
// indexed form. The pictures themselves are the window tests' business.
#include "graphics/GrafiikkaMoottori.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A model of `n` triangles from flat arrays the test owns.
void Anna(MALLI3D& m, const std::vector<float>& xyz, const std::vector<float>& uv) {
    m.VerteksienMaara = (Uint16)(xyz.size() / 3);
    m.Verteksit = new float[xyz.size()];
    m.TekstuuriKoordinaatit = new float[uv.size()];
    std::copy(xyz.begin(), xyz.end(), m.Verteksit);
    std::copy(uv.begin(), uv.end(), m.TekstuuriKoordinaatit);
    m.TeeIndeksit();
}

// An octahedron of radius r about the origin: 8 triangles over 6 corners, the
// texture coordinate of a corner the same wherever it is used.
void Oktaedri(MALLI3D& m, float r = 1) {
    const float k[6][3] = {{r, 0, 0}, {-r, 0, 0}, {0, r, 0}, {0, -r, 0}, {0, 0, r}, {0, 0, -r}};
    const int kolmiot[8][3] = {{0, 2, 4}, {4, 2, 1}, {1, 2, 5}, {5, 2, 0},
                               {4, 3, 0}, {1, 3, 4}, {5, 3, 1}, {0, 3, 5}};
    std::vector<float> xyz, uv;
    for (const auto& t : kolmiot)
        for (int i : t) {
            xyz.insert(xyz.end(), {k[i][0], k[i][1], k[i][2]});
            uv.insert(uv.end(), {(float)i / 6, (float)(i % 2)});
        }
    Anna(m, xyz, uv);
}

} // namespace

// ---- Indexed models ----

TEST(Indeksoitu, TheSameTrianglesInTheSameOrderEachCornerOnce) {
    MALLI3D m;
    Oktaedri(m, 2);
    ASSERT_TRUE(m.Indeksoitu());
    EXPECT_EQ(m.KulmienMaara, 6);
    EXPECT_FLOAT_EQ(m.Sade, 2);
    // Read through the indices, the corners are the flat list's, bit for bit.
    for (int i = 0; i < m.VerteksienMaara; i++) {
        const int c = m.Indeksit[i];
        ASSERT_LT(c, m.KulmienMaara);
        EXPECT_EQ(memcmp(m.KulmaVerteksit + 3 * c, m.Verteksit + 3 * i, 12), 0) << i;
        EXPECT_EQ(memcmp(m.KulmaKoordinaatit + 2 * c, m.TekstuuriKoordinaatit + 2 * i, 8), 0) << i;
    }
    m.Vapauta();
}

TEST(Indeksoitu, ACornerWithAnotherTextureCoordinateOrMinusZeroIsAnotherCorner) {
    // A seam: the same place with u 0 and u 1; and -0 against +0, which draw alike
    // but are other bits (kept apart, as the flat list had them).
    MALLI3D m;
    Anna(m, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, -0.f, 0, 0, 1, 0, 0, 0, 1, 0},
         {0, 0, 1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});
    EXPECT_EQ(m.KulmienMaara, 5);
    const Uint16 odotettu[9] = {0, 1, 2, 3, 1, 2, 4, 1, 2};
    for (int i = 0; i < 9; i++) EXPECT_EQ(m.Indeksit[i], odotettu[i]) << i;
    m.Vapauta();
}

TEST(Indeksoitu, ArraysPutInPlaceLaterAreDrawnFlat) {
    MALLI3D m;
    Oktaedri(m);
    float* omat = m.Verteksit;
    std::vector<float> lainattu(omat, omat + 3 * m.VerteksienMaara);
    m.Verteksit = lainattu.data();
    EXPECT_FALSE(m.Indeksoitu());
    m.Verteksit = omat;
    EXPECT_TRUE(m.Indeksoitu());
    m.Vapauta();

    MALLI3D tyhja;
    tyhja.TeeIndeksit();
    EXPECT_FALSE(tyhja.Indeksoitu());
    EXPECT_EQ(tyhja.KulmienMaara, 0);
}
