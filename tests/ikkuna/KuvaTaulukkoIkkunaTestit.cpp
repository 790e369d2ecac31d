// The 2D pass from vertex arrays against the immediate-mode quads it replaced:
// the game's own screens of the build's data set, each frame queued once by the
// shell and drawn both ways, must show the same bytes.
#include "apu/PeliTila.h"
#include "apu/TestiApu.h"
#include "ikkuna/Kaappaus.h"

#include <GL/glew.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

const int W = 800, H = 600;

struct KuvaTaulukot : ::testing::Test {
    static PELI* p;
    static PIDETTY_LENTO pidetty;
    static std::string vanha;

    // Start-up as the game does it, in the build folder with its data set; a
    // full first table for the Hall of Fame, kept in memory only.
    static void SetUpTestSuite() {
        p = PeliKoontiKansiossa(W, H, true, 1, vanha);
        if (!p) return;
        for (Uint32 i = 0; i < SIJOJEN_MAARA; i++)
            p->pisteet[0].LisaaTulos(false, 100 + 37 * i, 61000 + 1733 * i, "Lentaja123");
    }
    static void TearDownTestSuite() { LopetaKoontiKansiossa(p, vanha); }

    struct KUVAT {
        std::vector<unsigned char> taulukoista, suoraan;
        Uint32 kuvia = 0;
        long varillisia = 0; // pixels of the picture that are not black
    };

    // One pass of the shell's frame loop, its queue drawn from the arrays and then,
    // queued again exactly as it was, in immediate mode. The immediate-mode frame
    // is drawn second, so that it would also show any client state the arrays
    // left behind for the next frame's 3D pass.
    static KUVAT KahdestiPiirretty() {
        GRAFIIKKA& g = p->g;
        p->Kehys(LueTestiTapahtuma);
        const std::vector<KUVA> kuvat(g.Kuvat, g.Kuvat + g.KuvienMaara);
        const std::vector<OBJEKTI*> objektit(g.Objektit, g.Objektit + g.ObjektienMaara);
        const double x = p->h.AnnaX(), y = p->h.AnnaY();
        KUVAT k;
        k.kuvia = g.KuvienMaara;
        g.KuvatSuoraan = false;
        g.Paivita(x, y, 0);
        k.taulukoista = Ruutu();
        std::copy(kuvat.begin(), kuvat.end(), g.Kuvat);
        g.KuvienMaara = (Uint32)kuvat.size();
        std::copy(objektit.begin(), objektit.end(), g.Objektit);
        g.ObjektienMaara = (Uint32)objektit.size();
        g.KuvatSuoraan = true;
        g.Paivita(x, y, 0);
        g.KuvatSuoraan = false;
        k.suoraan = Ruutu();
        for (size_t i = 0; i + 2 < k.taulukoista.size(); i += 3)
            k.varillisia += (k.taulukoista[i] | k.taulukoista[i + 1] | k.taulukoista[i + 2]) != 0;
        return k;
    }

    static long Eroavia(const KUVAT& k) {
        long n = 0;
        for (size_t i = 0; i < k.taulukoista.size() && i < k.suoraan.size(); i++)
            n += k.taulukoista[i] != k.suoraan[i];
        return n;
    }
};
PELI* KuvaTaulukot::p = nullptr;
PIDETTY_LENTO KuvaTaulukot::pidetty;
std::string KuvaTaulukot::vanha;

} // namespace

TEST_F(KuvaTaulukot, MenusAndTheReadMeAreTheSameBytesAsInImmediateMode) {
    ASSERT_NE(p, nullptr);
    struct RUUTU_ {
        const char* nimi;
        int ruutu;
        int x, y;     // the pointer, 2D units
        Uint32 kuvia; // at least this many images queued
    };
    // The main menu with the pointer on an item (highlighted glyphs, the pointer
    // image on another texture), the full Hall of Fame, the read-me scrolled
    // halfway down by the pointer.
    const RUUTU_ ruudut[] = {{"main menu", PAAVALIKKO, 640, 500, 60},
                             {"Hall of Fame", HUIPPURUUTU, 1000, 200, 400},
                             {"read-me", LUE_RUUTU, 640, 600, 1500}};
    for (const RUUTU_& r : ruudut) {
        SCOPED_TRACE(r.nimi);
        p->k->ruutu = r.ruutu;
        p->k->huippuSivu = 0;
        p->h.x = r.x;
        p->h.y = r.y;
        p->h.dx = p->h.dy = 0;
        p->g.NaytaOsoitin();
        KahdestiPiirretty(); // the screen settles (scrolling, the spin)
        KUVAT k = KahdestiPiirretty();
        ASSERT_EQ(p->k->ruutu, r.ruutu);
        EXPECT_GE(k.kuvia, r.kuvia);
        ASSERT_EQ(k.taulukoista.size(), (size_t)W * H * 3);
        EXPECT_GT(k.varillisia, W * H / 50);
        EXPECT_EQ(Eroavia(k), 0);
        EXPECT_TRUE(k.taulukoista == k.suoraan);
    }
}

TEST_F(KuvaTaulukot, AFlightWithItsHudIsTheSameBytesAsInImmediateMode) {
    ASSERT_NE(p, nullptr);
    // Survivor with bubbles, blowers, the plane and the HUD over them: the 3D pass
    // follows a 2D pass drawn from the arrays, and must not see their state.
    pidetty.Survivor(*p, 200, 300);
    for (int i = 0; i < 2; i++) {
        // A frame of tinted images first, from the arrays: a colour array left on
        // would tint the models of the next frame's 3D pass.
        GRAFIIKKA& g = p->g;
        KUVA& m = g.Fontti()[0].Kirjaimet['M'];
        for (int j = 0; j < 3000; j++)
            g.LisaaKuva(m, (j * 37) % 1280, (j * 11) % 1024, 0.5, VARI{1, 0.2, 0.3, 1});
        g.Paivita(0, 0, 0);
        pidetty.Pida(*p, 200);
        KUVAT k = KahdestiPiirretty();
        ASSERT_EQ(p->k->ruutu, LENTO_RUUTU);
        EXPECT_GE(k.kuvia, 30u);
        ASSERT_EQ(k.taulukoista.size(), (size_t)W * H * 3);
        EXPECT_GT(k.varillisia, W * H / 2);
        EXPECT_EQ(Eroavia(k), 0);
        EXPECT_TRUE(k.taulukoista == k.suoraan);
    }
}
