// The frames of a flight keep to the storage the game set up before them: a
// thousand bubbles, six blowers, the physics, the HUD text and the renderer's
// queues allocate nothing, frame after frame. Counted over the whole process.
#include "apu/PeliTila.h"
#include "apu/TestiApu.h"
#include "apu/Varaukset.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

// The game state started from the build's data set, as the game starts it.
struct Lennot : ::testing::Test {
    std::string vanha;
    VALEKELLO kello{1000, 1}; // the waits of the flight start end at once
    PELI p;
    PIDETTY_LENTO pidetty;
    void SetUp() override {
        char polku[4096];
        vanha = getcwd(polku, sizeof polku) ? polku : ".";
        ASSERT_EQ(chdir(KoontiKansio().c_str()), 0) << "no build folder";
        srand(7);
        p.AlustaSisalto(800, 600, false);
    }
    void TearDown() override {
        if (chdir(vanha.c_str()) != 0) ADD_FAILURE() << "cannot go back";
    }

    // Allocations made by `framet` frames of the flight screen.
    unsigned long long Framet(int framet, int kuplia) {
        unsigned long long ennen = Varauksia();
        for (int i = 0; i < framet; i++) {
            pidetty.Pida(p, kuplia);
            p.Kehys(LueTestiTapahtuma);
            p.EiPiirretty();
        }
        return Varauksia() - ennen;
    }
};

} // namespace

TEST_F(Lennot, SurvivorAndRaceFramesAllocateNothing) {
    // A warm-up: allocations must show in the counter at all.
    unsigned long long alku = Varauksia();
    std::string koe(1000, 'x');
    EXPECT_GT(Varauksia(), alku);

    pidetty.Survivor(p, KUPLIEN_MAARA, 200);
    ASSERT_EQ(ElaviaKuplia(p), KUPLIEN_MAARA);
    EXPECT_EQ(Framet(300, KUPLIEN_MAARA), 0u);
    EXPECT_EQ(p.k->ruutu, LENTO_RUUTU);

    // The renderer's bundles of such a frame, made as its 3D pass makes them, fill
    // the arrays set up with the buffers.
    {
        GRAFIIKKA& g = p.g;
        pidetty.Pida(p, KUPLIEN_MAARA);
        p.Kehys(LueTestiTapahtuma);
        unsigned long long ennen = Varauksia();
        g.Nippu.Nakoala.Aseta(g.Kamera(), 800, 600, 70, 0.05, 1500);
        int niputettu = 0;
        for (Uint32 i = 0; i < g.ObjektienMaara; i++) {
            const OBJEKTI& o = *g.Objektit[i];
            const MALLI3D* malli = nullptr;
            if (g.Nippu.Valitse(o, o.MalliIndeksi, g.Mallit, g.MallienMaara, malli) != NIPPUUN)
                continue;
            if (!g.Nippu.Lisaa(o, *malli, 1)) {
                g.Nippu.Tyhjenna();
                ASSERT_TRUE(g.Nippu.Lisaa(o, *malli, 1));
            }
            niputettu++;
        }
        EXPECT_EQ(Varauksia() - ennen, 0u);
        EXPECT_GT(niputettu, 500);
        g.Nippu.Tyhjenna();
        p.EiPiirretty();
    }

    // Bonuses, pulls and messages: the strongest of each, and a clear-all.
    BONUS& b = p.lento->bonus;
    b.suck = 0.08;
    b.suckEnds = AnnaTikit() + 100000;
    b.blowerSpeed = 2.5;
    b.blowerSpeedEnds = AnnaTikit() + 100000;
    b.AloitaViesti("Bubble-sucker", "x bubble-blowing", 1000);
    EXPECT_EQ(Framet(100, 300), 0u);
    b.clearBubbles = true;
    EXPECT_EQ(Framet(10, 0), 0u);

    pidetty.Kisa(p, 6);
    EXPECT_EQ(Framet(300, 0), 0u);
    EXPECT_EQ(p.k->ruutu, LENTO_RUUTU);

    // With a ghost flying beside the plane, and the flight recorded for one.
    pidetty.AnnaHaamu(p);
    EXPECT_EQ(Framet(300, 0), 0u);
    EXPECT_EQ(p.lento->haamut.nauha.maara, 600u);
    p.Kehys(LueTestiTapahtuma); // the ghost is what a frame queues last
    ASSERT_GT(p.g.ObjektienMaara, 0u);
    EXPECT_EQ(p.g.Objektit[p.g.ObjektienMaara - 1], &p.lento->haamut.kuva);
    p.EiPiirretty();
}

// The first flight after start-up: the chase camera's delay line holds nothing
// yet, and the eye must still stand a unit behind the plane, never on it (a
// view from the plane's own position towards itself shows nothing at all).
TEST_F(Lennot, TheFirstFlightsChaseCameraStandsBehindThePlaneFromTheStart) {
    pidetty.Kisa(p, 1);
    for (int i = 0; i < 12; i++) {
        p.Kehys(LueTestiTapahtuma);
        p.EiPiirretty();
        const KAMERA& k = p.g.Kamera();
        double dx = k.Kohde.x - k.Paikka.x, dy = k.Kohde.y - k.Paikka.y,
               dz = k.Kohde.z - k.Paikka.z;
        EXPECT_NEAR(dx * dx + dy * dy + dz * dz, 1.0, 1e-9) << "update " << i;
    }
}
