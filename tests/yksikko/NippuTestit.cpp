// The bookkeeping of the 3D pass's savings, without a window: models in their
// indexed form, the far objects gathered into bundles (where their corners land,
// which objects go in, which model they are drawn with) and the view's test of
// what it cannot see. The pictures themselves are the window tests' business.
#include "graphics/GrafiikkaMoottori.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

char* Kopio(const char* s) {
    char* k = new char[strlen(s) + 1];
    strcpy(k, s);
    return k;
}

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

// ---- Far versions ----

TEST(Kaukainen, AModelIsLinkedToTheOneNamedAfterItAndThatOneToItsOwn) {
    GRAFIIKKA g;
    const char* nimet[] = {"Kupla1KaukanaKaukana", "Kupla1", "Muu", "Kupla1Kaukana", "Kaukana"};
    g.MallienMaara = 5;
    g.Mallit = new MALLI3D[5];
    for (int i = 0; i < 5; i++) g.Mallit[i].Nimi = Kopio(nimet[i]);
    g.MerkitseNimet();
    EXPECT_EQ(g.Mallit[1].Kaukainen, 3u);
    EXPECT_EQ(g.Mallit[3].Kaukainen, 0u);
    EXPECT_EQ(g.Mallit[0].Kaukainen, EI_INDEKSIA);
    EXPECT_EQ(g.Mallit[2].Kaukainen, EI_INDEKSIA);
    EXPECT_EQ(g.Mallit[4].Kaukainen, EI_INDEKSIA);
    // A name as long as an object can give has no room for a far version's.
    delete[] g.Mallit[2].Nimi;
    g.Mallit[2].Nimi = Kopio(std::string(NIMEN_PITUUS, 'x').c_str());
    g.MerkitseNimet();
    EXPECT_EQ(g.Mallit[2].Kaukainen, EI_INDEKSIA);
    g.Vapauta();
}

// ---- Bundles ----

namespace {

// An eye at the origin looking along +z, y up, in an 800 x 600 window with the
// game's projection; three octahedra of radius 2: a model, its far version and
// that one's.
struct Niput : ::testing::Test {
    NIPPU n;
    MALLI3D mallit[3];
    KAMERA kamera;
    Niput() {
        n.Alusta();
        for (MALLI3D& m : mallit) Oktaedri(m, 2);
        mallit[0].Kaukainen = 1;
        mallit[1].Kaukainen = 2;
        kamera.Paikka = VEKTORI{0, 0, 0};
        kamera.Kohde = VEKTORI{0, 0, 1};
        kamera.Ylos = VEKTORI{0, 1, 0};
        n.Nakoala.Aseta(kamera, 800, 600, 70, 0.05, 1500);
    }
    ~Niput() override {
        n.Vapauta();
        for (MALLI3D& m : mallit) m.Vapauta();
    }
    OBJEKTI Kupla(double x, double y, double z, double koko = 0.5) {
        OBJEKTI o;
        o.Niputettava = true;
        o.Sijainti = SIJAINTI{x, y, z};
        o.Skaalaus = koko;
        return o;
    }
    NIPUN_VALINTA Valitse(const OBJEKTI& o, const MALLI3D*& malli) {
        return n.Valitse(o, 0, mallit, 3, malli);
    }
};

} // namespace

TEST_F(Niput, CornersLandWhereTheGlMatricesPutThem) {
    OBJEKTI o = Kupla(120.25, 31.5, -47.125, 0.63);
    o.Kiertomatriisi.PyoritaX(23);
    o.Kiertomatriisi.PyoritaY(-71);
    o.Kiertomatriisi.PyoritaZ(140);
    OBJEKTI toinen = Kupla(-3, 4, 500, 1.5);
    ASSERT_TRUE(n.Lisaa(o, mallit[0], 7));
    ASSERT_TRUE(n.Lisaa(toinen, mallit[0], 7));
    EXPECT_EQ(n.Tekstuuri, 7u);
    ASSERT_EQ(n.KulmienMaara, 12u);
    ASSERT_EQ(n.IndeksienMaara, 48u);
    for (int k = 0; k < 2; k++) {
        const OBJEKTI& x = k ? toinen : o;
        // The GL path in double precision: glTranslatef of the position in single
        // precision, glMultMatrixd (column c of GL's matrix is row c of ours),
        // glScalef in single precision.
        const double* m = x.Kiertomatriisi.m;
        const double s = (float)x.Skaalaus;
        for (int i = 0; i < 24; i++) {
            const Uint16 j = n.Indeksit[24 * k + i];
            ASSERT_EQ(j, 6 * k + mallit[0].Indeksit[i]);
            const float* v = mallit[0].Verteksit + 3 * i;
            const NIPUN_KULMA& q = n.Kulmat[j];
            const double paikka[3] = {x.Sijainti.x, x.Sijainti.y, x.Sijainti.z};
            double p[3];
            for (int r = 0; r < 3; r++)
                p[r] = (double)(float)paikka[r] +
                       s * (m[r] * v[0] + m[4 + r] * v[1] + m[8 + r] * v[2]);
            EXPECT_NEAR(q.x, p[0], 1e-4);
            EXPECT_NEAR(q.y, p[1], 1e-4);
            EXPECT_NEAR(q.z, p[2], 1e-4);
            EXPECT_EQ(q.u, mallit[0].TekstuuriKoordinaatit[2 * i]);
            EXPECT_EQ(q.v, mallit[0].TekstuuriKoordinaatit[2 * i + 1]);
        }
    }
}

TEST_F(Niput, AnotherTextureOrAFullBundleTakesNothingAndEmptyingMakesRoom) {
    OBJEKTI o = Kupla(0, 0, 100);
    ASSERT_TRUE(n.Lisaa(o, mallit[0], 3));
    EXPECT_FALSE(n.Lisaa(o, mallit[0], 4));
    int lisatty = 1;
    while (n.Lisaa(o, mallit[0], 3)) lisatty++;
    // 6 corners an octahedron: the corners run out before the indices do.
    EXPECT_EQ(lisatty, NIPUN_KULMAT / 6);
    EXPECT_LE(n.KulmienMaara, (Uint32)NIPUN_KULMAT);
    EXPECT_EQ(n.IndeksienMaara, 24u * (Uint32)lisatty);
    n.Tyhjenna();
    EXPECT_TRUE(n.Tyhja());
    EXPECT_TRUE(n.Lisaa(o, mallit[0], 4));
}

TEST_F(Niput, NearObjectsAndObjectsThatDoNotAskStayOnTheirOwn) {
    const MALLI3D* malli = nullptr;
    // Radius 2 at scale 0.5 reaches a unit (sqrt 3 with the matrix's norm): the
    // bundle begins past 50 + 1.74 units.
    EXPECT_EQ(Valitse(Kupla(0, 0, 30), malli), ERIKSEEN);
    EXPECT_EQ(Valitse(Kupla(0, 0, 51.7), malli), ERIKSEEN);
    EXPECT_EQ(Valitse(Kupla(0, 0, 51.8), malli), NIPPUUN);
    EXPECT_EQ(Valitse(Kupla(0, 0, -30), malli), ERIKSEEN); // near, even behind
    OBJEKTI o = Kupla(0, 0, 200);
    o.Niputettava = false;
    EXPECT_EQ(Valitse(o, malli), ERIKSEEN);
    o = Kupla(0, 0, 200);
    o.Kiertomatriisi.m[3] = 0.01; // projective
    EXPECT_EQ(Valitse(o, malli), ERIKSEEN);
    o = Kupla(NAN, 0, 200);
    EXPECT_EQ(Valitse(o, malli), ERIKSEEN);
    o = Kupla(0, 0, 200);
    o.Skaalaus = NAN;
    EXPECT_EQ(Valitse(o, malli), ERIKSEEN);
    // An unindexed model (arrays lent to it) is drawn on its own.
    float* omat = mallit[0].Verteksit;
    std::vector<float> lainattu(omat, omat + 72);
    mallit[0].Verteksit = lainattu.data();
    EXPECT_EQ(Valitse(Kupla(0, 0, 200), malli), ERIKSEEN);
    mallit[0].Verteksit = omat;
}

TEST_F(Niput, ObjectsWhollyOutsideTheViewAreLeftOut) {
    const MALLI3D* malli = nullptr;
    EXPECT_EQ(Valitse(Kupla(0, 0, -200), malli), POIS);       // behind
    EXPECT_EQ(Valitse(Kupla(0, 0, 1600), malli), POIS);       // past the far plane
    EXPECT_EQ(Valitse(Kupla(300, 0, 200), malli), POIS);      // right of the view
    EXPECT_EQ(Valitse(Kupla(0, -200, 200), malli), POIS);     // below it
    EXPECT_EQ(Valitse(Kupla(0, 0, 1499), malli), NIPPUUN);    // still within the far plane
    EXPECT_EQ(Valitse(Kupla(0, 139, 200), malli), NIPPUUN);   // its edge at the top edge
    EXPECT_EQ(Valitse(Kupla(186.5, 0, 200), malli), NIPPUUN); // 800/600 wide: at the right edge
}

TEST_F(Niput, SmallOnScreenTheFarVersionStandsInAndSmallerStillItsOwn) {
    // 800 x 600, 70 degrees: a unit one unit away is 428 pixels. Radius 1 (2 at
    // scale 0.5) is 6 pixels at 71 units and 3 at 143.
    const MALLI3D* malli = nullptr;
    ASSERT_EQ(Valitse(Kupla(0, 0, 60), malli), NIPPUUN);
    EXPECT_EQ(malli, &mallit[0]);
    ASSERT_EQ(Valitse(Kupla(0, 0, 100), malli), NIPPUUN);
    EXPECT_EQ(malli, &mallit[1]);
    ASSERT_EQ(Valitse(Kupla(0, 0, 400), malli), NIPPUUN);
    EXPECT_EQ(malli, &mallit[2]);
    // Twice the size, twice as far for the same.
    ASSERT_EQ(Valitse(Kupla(0, 0, 200, 1.0), malli), NIPPUUN);
    EXPECT_EQ(malli, &mallit[1]);
    // A far version that is not indexed ends the chain where it is.
    mallit[2].Vapauta();
    ASSERT_EQ(Valitse(Kupla(0, 0, 400), malli), NIPPUUN);
    EXPECT_EQ(malli, &mallit[1]);
}

TEST(Nakoala, NothingTheViewCanSeeIsLeftOut) {
    // Balls about the edges of a view turned every way: whenever the test says a
    // ball is outside, no point of it projects inside the clip volume of the
    // game's projection (gluPerspective and gluLookAt, in double precision).
    const double PII = 3.14159265358979;
    const int W = 1024, H = 768;
    int ulkona = 0, sisalla = 0;
    for (int kaanto = 0; kaanto < 6; kaanto++) {
        KAMERA k;
        k.Paikka = VEKTORI{10.0 * kaanto, 50, -20};
        k.Kohde = VEKTORI{k.Paikka.x + std::sin(kaanto), 50 - 0.3 * kaanto,
                          k.Paikka.z + std::cos(kaanto)};
        k.Ylos = VEKTORI{0, 1, 0};
        NAKOALA n;
        n.Aseta(k, W, H, 70, 0.05, 1500);
        ASSERT_TRUE(n.rajattu);
        const double t = std::tan(35 * PII / 180), a = (double)W / H;
        // Centres about the four edges of the view, in the eye's frame, from
        // behind the eye to far ahead, from 1.5 radii inside an edge to 3 outside.
        for (int reuna = 0; reuna < 4; reuna++)
            for (int ohi = -3; ohi <= 6; ohi++)
                for (int syvyys = 0; syvyys < 40; syvyys++)
                    for (double r : {0.5, 2.0, 7.0}) {
                        const double z = -5 + 4.0 * syvyys;
                        const double puoli = reuna % 2 ? 1 : -1, tan = reuna < 2 ? t * a : t;
                        const double sivu = puoli * (tan * z + 0.5 * ohi * r);
                        const double x = reuna < 2 ? sivu : 0, y = reuna < 2 ? 0 : sivu;
                        const VEKTORI p{
                            k.Paikka.x + x * n.oikealle.x + y * n.ylos.x + z * n.eteen.x,
                            k.Paikka.y + x * n.oikealle.y + y * n.ylos.y + z * n.eteen.y,
                            k.Paikka.z + x * n.oikealle.z + y * n.ylos.z + z * n.eteen.z};
                        if (!n.Ulkona(p.x, p.y, p.z, r)) {
                            sisalla++;
                            continue;
                        }
                        ulkona++;
                        for (int s = 0; s < 200; s++) {
                            const double th = PII * (s % 20) / 19, ph = 2 * PII * (s / 20) / 10;
                            const double qx = x + r * std::sin(th) * std::cos(ph),
                                         qy = y + r * std::sin(th) * std::sin(ph),
                                         qz = z + r * std::cos(th);
                            // Inside the clip volume: in front of the near plane, within
                            // the far one, within the sides.
                            const bool nakyy = qz >= 0.05 && qz <= 1500 &&
                                               std::fabs(qx) <= qz * t * a &&
                                               std::fabs(qy) <= qz * t;
                            ASSERT_FALSE(nakyy) << "edge " << reuna << " of view " << kaanto << ", "
                                                << ohi << " half radii out, z " << z;
                        }
                    }
    }
    // Both kinds were met, and the test leaves out most balls that are out.
    EXPECT_GT(ulkona, 4000);
    EXPECT_GT(sisalla, 4000);
}

TEST(Nakoala, TheEyesFrameIsGluLookAtsAndTheScaleThePerspectives) {
    // Looking along +z with y up, gluLookAt's side vector forward x up is -x.
    KAMERA k;
    k.Paikka = VEKTORI{1, 2, 3};
    k.Kohde = VEKTORI{1, 2, 13};
    k.Ylos = VEKTORI{0, 5, 0};
    NAKOALA n;
    n.Aseta(k, 800, 600, 70, 0.05, 1500);
    EXPECT_DOUBLE_EQ(n.eteen.z, 1);
    EXPECT_DOUBLE_EQ(n.oikealle.x, -1);
    EXPECT_DOUBLE_EQ(n.ylos.y, 1);
    EXPECT_NEAR(n.tanKorkeus, 0.7002075, 1e-6);
    EXPECT_NEAR(n.tanLeveys, 0.7002075 * 4 / 3, 1e-6);
    EXPECT_NEAR(n.pikselit, 300 / 0.7002075, 1e-3);
}

TEST(Nakoala, AViewWithoutDirectionsLeavesEverythingIn) {
    NAKOALA n;
    KAMERA k; // eye and target at the origin
    n.Aseta(k, 800, 600, 70, 0.05, 1500);
    EXPECT_FALSE(n.rajattu);
    EXPECT_FALSE(n.Ulkona(0, 0, -1000, 1));
    k.Kohde = VEKTORI{0, 1, 0}; // looking along up
    n.Aseta(k, 800, 600, 70, 0.05, 1500);
    EXPECT_FALSE(n.Ulkona(0, 0, -1000, 1));
}
