// The 3D pass's savings against the pass as it was (GRAFIIKKA::KaikkiErikseen:
// every object its own draw call from its flat arrays, blended): the game's own
// frames of the build's data set, each queued once by the shell and drawn both
// ways. What the player sees up close (a bubble within 50 units of the eye, the
// plane, the blowers, the scenery, the HUD, the menus) must be the same bytes;
// only a far bubble, drawn in a bundle and with fewer triangles, may change, and
// only its own pixels. CTest runs these on llvmpipe (ikkuna.niput), the renderer
// of players without a graphics card.
#include "apu/PeliTila.h"
#include "apu/TestiApu.h"
#include "ikkuna/Kaappaus.h"

#include <GL/glew.h>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

const int W = 800, H = 600;

struct Niput : ::testing::Test {
    static PELI* p;
    static PIDETTY_LENTO pidetty;
    static std::string vanha;

    // Start-up as the game does it, in the build folder with its data set.
    static void SetUpTestSuite() { p = PeliKoontiKansiossa(W, H, true, 3, vanha); }
    static void TearDownTestSuite() { LopetaKoontiKansiossa(p, vanha); }

    struct KUVAT {
        std::vector<unsigned char> ennen, nyt;
        std::vector<OBJEKTI*> objektit; // the frame's queue
    };

    // The frame the shell has queued, drawn as before and then as now. `siirra`
    // may move the queued objects first (they are drawn where they are).
    template <class F> static KUVAT KahdestiPiirretty(F siirra) {
        GRAFIIKKA& g = p->g;
        p->Kehys(LueTestiTapahtuma);
        KUVAT k;
        k.objektit.assign(g.Objektit, g.Objektit + g.ObjektienMaara);
        siirra();
        const std::vector<KUVA> kuvat(g.Kuvat, g.Kuvat + g.KuvienMaara);
        const double x = p->h.AnnaX(), y = p->h.AnnaY();
        for (int tapa = 0; tapa < 2; tapa++) {
            std::copy(k.objektit.begin(), k.objektit.end(), g.Objektit);
            g.ObjektienMaara = (Uint32)k.objektit.size();
            std::copy(kuvat.begin(), kuvat.end(), g.Kuvat);
            g.KuvienMaara = (Uint32)kuvat.size();
            g.KaikkiErikseen = tapa == 0;
            g.Paivita(x, y, 0);
            (tapa == 0 ? k.ennen : k.nyt) = Ruutu();
        }
        g.KaikkiErikseen = false;
        return k;
    }
    static KUVAT KahdestiPiirretty() {
        return KahdestiPiirretty([] {});
    }

    static bool Eroaa(const KUVAT& k, int x, int y) {
        size_t i = ((size_t)y * W + (size_t)x) * 3;
        return k.ennen[i] != k.nyt[i] || k.ennen[i + 1] != k.nyt[i + 1] ||
               k.ennen[i + 2] != k.nyt[i + 2];
    }

    // A bubble's place in the eye's frame, for moving it within reach of the eye.
    static void Eteen(OBJEKTI& o, const NAKOALA& n, double x, double y, double z) {
        o.Sijainti.x = n.silma.x + x * n.oikealle.x + y * n.ylos.x + z * n.eteen.x;
        o.Sijainti.y = n.silma.y + x * n.oikealle.y + y * n.ylos.y + z * n.eteen.y;
        o.Sijainti.z = n.silma.z + x * n.oikealle.z + y * n.ylos.z + z * n.eteen.z;
    }

    // The view of the frame as the 3D pass set it up.
    static NAKOALA Nakoala() {
        NAKOALA n;
        n.Aseta(p->g.Kamera(), W, H, 70, 0.05, 1500);
        return n;
    }
};
PELI* Niput::p = nullptr;
PIDETTY_LENTO Niput::pidetty;
std::string Niput::vanha;

} // namespace

TEST_F(Niput, NearBubblesThePlaneTheBlowersTheSceneryAndTheHudAreTheSameBytes) {
    ASSERT_NE(p, nullptr);
    pidetty.Survivor(*p, 300, 300);
    pidetty.Pida(*p, 300);
    // Every bubble within 50 units of the eye of the frame, spread over the view at
    // 4 to 45 units, some cut by the edges of the screen.
    KUPLA& kuplat = p->lento->kuplat;
    KUVAT k = KahdestiPiirretty([&] {
        const NAKOALA n = Nakoala();
        for (int i = 0, j = 0; i < KUPLIEN_MAARA; i++) {
            if (kuplat.isFree[i]) continue;
            const double d = 4 + (j * 7) % 41, x = 0.9 * std::sin(j * 2.4),
                         y = 0.6 * std::cos(j * 1.7), l = std::sqrt(x * x + y * y + 1);
            Eteen(kuplat.bubbles[i], n, d * x / l, d * y / l, d / l);
            j++;
        }
    });
    ASSERT_EQ(p->k->ruutu, LENTO_RUUTU);
    ASSERT_EQ(k.ennen.size(), (size_t)W * H * 3);
    int kuplia = 0;
    for (const OBJEKTI* o : k.objektit) kuplia += o->Niputettava;
    EXPECT_EQ(kuplia, 300);
    long eroja = 0;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) eroja += Eroaa(k, x, y);
    // Every one of them drawn on its own, through the GL matrices.
    const GRAFIIKKA& g = p->g;
    for (const OBJEKTI* o : k.objektit) {
        const MALLI3D* malli = nullptr;
        EXPECT_EQ(g.Nippu.Valitse(*o, o->MalliIndeksi, g.Mallit, g.MallienMaara, malli), ERIKSEEN);
    }
    EXPECT_EQ(eroja, 0);
}

TEST_F(Niput, AFarBubbleChangesOnlyItsOwnPixels) {
    ASSERT_NE(p, nullptr);
    // A thousand bubbles where the flight blew them (most far from the eye), every
    // fourth brought within 50 units.
    pidetty.Survivor(*p, KUPLIEN_MAARA, 300);
    pidetty.Pida(*p, KUPLIEN_MAARA);
    KUPLA& kuplat = p->lento->kuplat;
    KUVAT k = KahdestiPiirretty([&] {
        const NAKOALA n = Nakoala();
        for (int i = 0; i < KUPLIEN_MAARA; i += 4)
            Eteen(kuplat.bubbles[i], n, 5.0 * std::sin(i), 3.0 * std::cos(i), 10 + (i % 35));
    });
    ASSERT_EQ(k.ennen.size(), (size_t)W * H * 3);
    // The pixels a bundled bubble may reach: the screen rectangle of the cube
    // round its ball (room for the far version's corners, pushed out to cover the
    // sphere's area), and a pixel of rounding.
    std::vector<char> omat((size_t)W * H, 0);
    const GRAFIIKKA& g = p->g;
    const NAKOALA& v = g.Nippu.Nakoala; // the view the frame was drawn with
    int niputettu = 0, erikseen = 0;
    for (const OBJEKTI* o : k.objektit) {
        const MALLI3D* malli = nullptr;
        const NIPUN_VALINTA valinta =
            g.Nippu.Valitse(*o, o->MalliIndeksi, g.Mallit, g.MallienMaara, malli);
        if (o->Niputettava) (valinta == ERIKSEEN ? erikseen : niputettu)++;
        if (valinta != NIPPUUN) continue;
        const double r = 1.5 * g.Mallit[o->MalliIndeksi].Sade * o->Skaalaus;
        double x0 = W, y0 = H, x1 = 0, y1 = 0;
        for (int kulma = 0; kulma < 8; kulma++) {
            const double d[3] = {o->Sijainti.x - v.silma.x + (kulma & 1 ? r : -r),
                                 o->Sijainti.y - v.silma.y + (kulma & 2 ? r : -r),
                                 o->Sijainti.z - v.silma.z + (kulma & 4 ? r : -r)};
            const double z = d[0] * v.eteen.x + d[1] * v.eteen.y + d[2] * v.eteen.z;
            const double x = d[0] * v.oikealle.x + d[1] * v.oikealle.y + d[2] * v.oikealle.z;
            const double y = d[0] * v.ylos.x + d[1] * v.ylos.y + d[2] * v.ylos.z;
            ASSERT_GT(z, 0.05);
            const double sx = W / 2.0 * (1 + x / (z * v.tanLeveys)),
                         sy = H / 2.0 * (1 + y / (z * v.tanKorkeus));
            x0 = std::min(x0, sx);
            x1 = std::max(x1, sx);
            y0 = std::min(y0, sy);
            y1 = std::max(y1, sy);
        }
        for (int py = std::max(0, (int)y0 - 1); py <= std::min(H - 1, (int)y1 + 1); py++)
            for (int px = std::max(0, (int)x0 - 1); px <= std::min(W - 1, (int)x1 + 1); px++)
                omat[(size_t)py * W + (size_t)px] = 1;
    }
    EXPECT_GT(niputettu, 300);
    EXPECT_GE(erikseen, 200);
    long eroja = 0, vieraita = 0, omia = 0;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            const bool oma = omat[(size_t)y * W + (size_t)x];
            omia += oma;
            if (!Eroaa(k, x, y)) continue;
            eroja++;
            vieraita += !oma;
        }
    EXPECT_EQ(vieraita, 0) << eroja << " pixels differ";
    // The far bubbles leave most of the screen to the rest.
    EXPECT_LT(omia, (long)W * H / 4);
}

TEST_F(Niput, TheMenusAndARaceAreTheSameBytes) {
    ASSERT_NE(p, nullptr);
    struct RUUTU_ {
        const char* nimi;
        int ruutu;
    };
    // The main menu with its spinning plane, the Hall of Fame, and race F with
    // the plane, the next race bubble and the HUD.
    for (const RUUTU_& r : {RUUTU_{"main menu", PAAVALIKKO}, RUUTU_{"Hall of Fame", HUIPPURUUTU},
                            RUUTU_{"race F", LENTO_RUUTU}}) {
        SCOPED_TRACE(r.nimi);
        if (r.ruutu == LENTO_RUUTU) {
            pidetty.Kisa(*p, 6);
        } else {
            p->k->ruutu = r.ruutu;
            p->h.x = 1000;
            p->h.y = 200;
        }
        KahdestiPiirretty(); // the screen settles
        if (r.ruutu == LENTO_RUUTU) pidetty.Pida(*p, 0);
        KUVAT k = KahdestiPiirretty();
        ASSERT_EQ(p->k->ruutu, r.ruutu);
        EXPECT_FALSE(k.objektit.empty()); // the menus' plane, the race's scenery
        ASSERT_EQ(k.ennen.size(), (size_t)W * H * 3);
        EXPECT_TRUE(k.ennen == k.nyt);
    }
}
