// The paper planes of the generated data set, drawn by the game's renderer as a
// player sees them: from the chase camera in flight, and spinning behind the
// menus.
#include "flight/PPFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include "apu/TestiApu.h"
#include "ikkuna/Kaappaus.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

const int W = 800, H = 600;

// Where the planes stand in a drawn frame, pixels (y up); empty when nothing.
struct ALUE {
    int x0 = W, y0 = H, x1 = -1, y1 = -1;
    long peitetty = 0;
};

ALUE Piirretty() {
    std::vector<unsigned char> p = Ruutu();
    ALUE a;
    if (p.size() != (size_t)W * H * 3) return a;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            const unsigned char* c = &p[3 * ((size_t)y * W + x)];
            if ((c[0] | c[1] | c[2]) == 0) continue; // the cleared background
            a.peitetty++;
            a.x0 = std::min(a.x0, x);
            a.x1 = std::max(a.x1, x);
            a.y0 = std::min(a.y0, y);
            a.y1 = std::max(a.y1, y);
        }
    return a;
}

struct RAJAT {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
};

// The model's corners projected as the renderer transforms them (the eye 20 GL
// units a world unit, 70 degrees high, then the object's place, turn and scale),
// onto a screen of w x h pixels.
RAJAT Projisoi(const MALLI3D& m, const OBJEKTI& o, const KAMERA& k, int w, int h) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(70.0, (double)w / h, 1.0, 30000.0);
    GLdouble p[16], mv[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glScalef(20, 20, 20);
    gluLookAt(k.Paikka.x, k.Paikka.y, k.Paikka.z, k.Kohde.x, k.Kohde.y, k.Kohde.z, k.Ylos.x,
              k.Ylos.y, k.Ylos.z);
    glTranslatef((float)o.Sijainti.x, (float)o.Sijainti.y, (float)o.Sijainti.z);
    glMultMatrixd(o.Kiertomatriisi.m);
    glScalef((float)o.Skaalaus, (float)o.Skaalaus, (float)o.Skaalaus);
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glPopMatrix();
    const GLint nakyma[4] = {0, 0, w, h};
    RAJAT r;
    for (int i = 0; i < m.VerteksienMaara; i++) {
        const float* v = m.Verteksit + 3 * i;
        GLdouble x, y, z;
        gluProject(v[0], v[1], v[2], mv, p, nakyma, &x, &y, &z);
        r.x0 = std::min(r.x0, x);
        r.x1 = std::max(r.x1, x);
        r.y0 = std::min(r.y0, y);
        r.y1 = std::max(r.y1, y);
    }
    return r;
}

// Every plane of the build's data set, loaded once with everything the load
// list names, and the menus' view of a plane as the game sets it.
struct Lennokit : ::testing::Test {
    static GRAFIIKKA* g;
    static PAPERPLANE* koneet;
    static int maara;
    static std::string vanha;

    static void SetUpTestSuite() {
        char p[4096];
        vanha = getcwd(p, sizeof p) ? p : ".";
        if (chdir(KoontiKansio().c_str()) != 0) return;
        g = new GRAFIIKKA;
        g->Alusta(W, H);
        g->PiilotaOsoitin();
        LataaPPt(koneet, maara);
    }
    static void TearDownTestSuite() {
        delete[] koneet;
        if (g) g->Vapauta();
        delete g;
        g = nullptr;
        if (chdir(vanha.c_str()) != 0) return;
    }

    const MALLI3D* Malli(const OBJEKTI& o) {
        for (Uint32 i = 0; i < g->MallienMaara; i++)
            if (!strcmp(g->Mallit[i].Nimi, o.MalliNimi)) return &g->Mallit[i];
        return nullptr;
    }
    // The menus: the body at (-0.6, -0.1, 0), the eye one unit in front of it
    // looking at the origin, the body turned about its own up axis.
    static OBJEKTI ValikossaKaannettyna(const PAPERPLANE& kone, const MATRIISI4X4& asento,
                                        double kulma) {
        OBJEKTI o = kone.body;
        o.Sijainti = SIJAINTI{-0.6, -0.1, 0};
        o.Kiertomatriisi = asento;
        o.Kiertomatriisi.PyoritaY(kulma);
        KAMERA& k = g->Kamera();
        k.Paikka = VEKTORI{-0.6, -0.1, 1};
        k.Kohde = VEKTORI{0, 0, 0};
        k.Ylos = VEKTORI{0, 1, 0};
        return o;
    }
};
GRAFIIKKA* Lennokit::g = nullptr;
PAPERPLANE* Lennokit::koneet = nullptr;
int Lennokit::maara = 0;
std::string Lennokit::vanha;

} // namespace

TEST_F(Lennokit, FromTheChaseCameraEachPlaneCoversAHundredthOfTheFrame) {
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(maara, 3);
    for (int i = 0; i < maara; i++) {
        SCOPED_TRACE(koneet[i].name);
        // Level flight, the eye one unit behind along the nose, world up.
        OBJEKTI o = koneet[i].body;
        o.Sijainti = SIJAINTI{-100, 100, 0};
        o.Kiertomatriisi.Yksikoksi();
        KAMERA& k = g->Kamera();
        k.Paikka = VEKTORI{-100, 100, -1};
        k.Kohde = VEKTORI{-100, 100, 0};
        k.Ylos = VEKTORI{0, 1, 0};
        g->LisaaObjekti(o);
        g->Paivita(0, 0, 0);
        ALUE a = Piirretty();
        EXPECT_GE(a.peitetty, W * H / 100);
        // ... and leaves the way ahead in view.
        EXPECT_LT(a.peitetty, W * H / 20);
        EXPECT_NEAR(a.x0 + a.x1, W - 1, 2) << "symmetric about the nose";
    }
}

TEST_F(Lennokit, TheMenuSpinNeverTouchesTheEdgeOfTheFrame) {
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(maara, 3);
    const MATRIISI4X4 suoraan;
    for (int i = 0; i < maara; i++) {
        SCOPED_TRACE(koneet[i].name);
        const MALLI3D* m = Malli(koneet[i].body);
        ASSERT_NE(m, nullptr);
        ASSERT_GT(m->VerteksienMaara, 0);
        // Drawn at 4:3 every 20 degrees: clear of every edge, and where the
        // corners' projection says (which the finer turns are checked by).
        for (int kulma = 0; kulma < 360; kulma += 20) {
            OBJEKTI o = ValikossaKaannettyna(koneet[i], suoraan, kulma);
            g->LisaaObjekti(o);
            g->Paivita(0, 0, 0);
            ALUE a = Piirretty();
            ASSERT_GT(a.peitetty, 500) << kulma;
            EXPECT_GT(a.x0, 0) << kulma;
            EXPECT_GT(a.y0, 0) << kulma;
            EXPECT_LT(a.x1, W - 1) << kulma;
            EXPECT_LT(a.y1, H - 1) << kulma;
            // A covered pixel has its centre inside the projection; thin slivers
            // may cover none, so the projection holds the drawing, and closely.
            RAJAT r = Projisoi(*m, o, g->Kamera(), W, H);
            EXPECT_LE(r.x0, a.x0 + 0.51) << kulma;
            EXPECT_GE(r.x1, a.x1 + 0.49) << kulma;
            EXPECT_LE(r.y0, a.y0 + 0.51) << kulma;
            EXPECT_GE(r.y1, a.y1 + 0.49) << kulma;
            EXPECT_GT(r.x0, a.x0 - 3) << kulma;
            EXPECT_LT(r.x1, a.x1 + 4) << kulma;
            EXPECT_GT(r.y0, a.y0 - 3) << kulma;
            EXPECT_LT(r.y1, a.y1 + 4) << kulma;
        }
        // Every half degree at 4:3, 16:10 and 5:4 (where the left edge comes
        // nearest).
        for (int n = 0; n < 720; n++) {
            OBJEKTI o = ValikossaKaannettyna(koneet[i], suoraan, n * 0.5);
            for (auto [w, h] : {std::pair{W, H}, std::pair{1280, 800}, std::pair{1280, 1024}}) {
                RAJAT r = Projisoi(*m, o, g->Kamera(), w, h);
                ASSERT_GT(r.x0, 1.0) << w << "x" << h << " at " << n * 0.5;
                ASSERT_GT(r.y0, 1.0) << w << "x" << h << " at " << n * 0.5;
                ASSERT_LT(r.x1, w - 1.0) << w << "x" << h << " at " << n * 0.5;
                ASSERT_LT(r.y1, h - 1.0) << w << "x" << h << " at " << n * 0.5;
            }
        }
    }
}

// A flight ends in any attitude, and the menu's spin goes on from it about the
// plane's own up axis: on the 4:3 screens the plane still stays in view.
TEST_F(Lennokit, AfterAFlightTheSpinStaysInViewAtFourByThree) {
    ASSERT_NE(g, nullptr);
    for (int i = 0; i < maara; i++) {
        SCOPED_TRACE(koneet[i].name);
        const MALLI3D* m = Malli(koneet[i].body);
        ASSERT_NE(m, nullptr);
        for (int nokka = -90; nokka <= 90; nokka += 30)
            for (int kallistus = 0; kallistus < 360; kallistus += 45) {
                MATRIISI4X4 asento;
                asento.PyoritaZ(kallistus);
                asento.PyoritaX(nokka);
                for (int kulma = 0; kulma < 360; kulma += 5) {
                    OBJEKTI o = ValikossaKaannettyna(koneet[i], asento, kulma);
                    RAJAT r = Projisoi(*m, o, g->Kamera(), W, H);
                    ASSERT_GT(r.x0, 1.0) << nokka << " " << kallistus << " " << kulma;
                    ASSERT_LT(r.y1, H - 1.0) << nokka << " " << kallistus << " " << kulma;
                    ASSERT_GT(r.y0, 1.0) << nokka << " " << kallistus << " " << kulma;
                }
            }
    }
}
