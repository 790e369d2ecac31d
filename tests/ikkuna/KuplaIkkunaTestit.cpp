// The blowers and bubbles of the generated data set, drawn by the game's own
// renderer in the 800 x 600 window at the flight's projection: a new player has
// to find the blowers from across the yard and tell the bubbles apart from afar.
// An object's size on screen is the count of the pixels it changes on a plain
// background.
#include "graphics/GrafiikkaMoottori.h"

#include "apu/TestiApu.h"
#include "ikkuna/Kaappaus.h"

#include <GL/glew.h>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

const int W = 800, H = 600;

// Runs the block in the build tree, where the game finds the data set.
template <class F> void Koonnissa(F tee) {
    char p[4096];
    std::string vanha = getcwd(p, sizeof p) ? p : ".";
    if (chdir(KoontiKansio().c_str()) != 0) {
        ADD_FAILURE() << "no build folder " << KoontiKansio();
        return;
    }
    tee();
    if (chdir(vanha.c_str()) != 0) ADD_FAILURE() << "cannot return to " << vanha;
}

int Kirkkaus(RGB c) {
    return (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
}

struct Kuplat : ::testing::Test {
    // The data set's textures and models, loaded once for these tests.
    static GRAFIIKKA* g;
    static void SetUpTestSuite() {
        g = new GRAFIIKKA;
        Koonnissa([] { g->Alusta(W, H); });
        g->PiilotaOsoitin();
    }
    static void TearDownTestSuite() {
        g->Vapauta();
        delete g;
        g = nullptr;
    }
    // The window's other tests draw on black.
    void TearDown() override { glClearColor(0, 0, 0, 1); }

    static OBJEKTI Lataa(const std::string& nimi) {
        OBJEKTI o;
        Koonnissa([&] { o.Alusta(("Tiedostot\\Objektit\\" + nimi + ".txt").c_str()); });
        return o;
    }

    // The object alone over `tausta`, seen from `silma` towards `kohde`, y up.
    std::vector<unsigned char> Piirra(OBJEKTI& o, VEKTORI silma, VEKTORI kohde,
                                      RGB tausta = RGB{0, 0, 0}) {
        glClearColor(tausta.r / 255.0f, tausta.g / 255.0f, tausta.b / 255.0f, 1);
        g->Kamera().Paikka = silma;
        g->Kamera().Kohde = kohde;
        g->Kamera().Ylos = VEKTORI{0, 1, 0};
        g->LisaaObjekti(o);
        g->Paivita(0, 0, 0);
        return Ruutu();
    }

    static RGB Pikseli(const std::vector<unsigned char>& r, int x, int y) {
        size_t i = ((size_t)y * W + (size_t)x) * 3;
        return i + 2 < r.size() ? RGB{r[i], r[i + 1], r[i + 2]} : RGB{-1, -1, -1};
    }

    // Pixels of the frame that differ from the background.
    static int Peitto(const std::vector<unsigned char>& r, RGB tausta = RGB{0, 0, 0}) {
        int n = 0;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++) n += Pikseli(r, x, y) != tausta;
        return n;
    }
};
GRAFIIKKA* Kuplat::g = nullptr;

} // namespace

TEST_F(Kuplat, ABlowerCoversFourHundredPixelsTenMetresAwayFromEverySide) {
    // It rides at height 1; the eye at the same height, 100 units off.
    OBJEKTI p = Lataa("Puhaltaja");
    p.Sijainti = SIJAINTI{0, 1, 0};
    for (int suunta = 0; suunta < 360; suunta += 45) {
        double k = suunta * M_PI / 180;
        int n =
            Peitto(Piirra(p, VEKTORI{100 * std::sin(k), 1, 100 * std::cos(k)}, VEKTORI{0, 1, 0}));
        EXPECT_GE(n, 400) << "seen from " << suunta << " degrees off its nose";
    }
}

TEST_F(Kuplat, EveryBubbleCoversTwoHundredFiftyPixelsFiftyUnitsAway) {
    // Scale 0.5, as a bubble is blown; turned every way a spinning bubble can show.
    for (int n = 1; n <= 4; n++)
        for (int kaanto = 0; kaanto < 4; kaanto++) {
            OBJEKTI k = Lataa("Kupla" + std::to_string(n));
            k.Skaalaus = 0.5;
            k.Kiertomatriisi.PyoritaX(30 * kaanto);
            k.Kiertomatriisi.PyoritaY(20 * kaanto);
            int peitto = Peitto(Piirra(k, VEKTORI{0, 0, 50}, VEKTORI{0, 0, 0}));
            EXPECT_GE(peitto, 250) << "Kupla" << n << " turned " << kaanto;
        }
}

TEST_F(Kuplat, EveryBubbleHasALightRimOverTheSkyAndOverTheGrass) {
    // The colours the yard shows behind a bubble. Ten units away a bubble of
    // scale 0.5 is 48 pixels across the radius; from outside inwards along 16
    // lines, the first pixel it changes is its rim, and lighter than either.
    const RGB taivas{150, 190, 232}, nurmi{90, 142, 55};
    for (int n = 1; n <= 4; n++)
        for (RGB tausta : {taivas, nurmi}) {
            SCOPED_TRACE("Kupla" + std::to_string(n) +
                         (tausta == taivas ? " over the sky" : " over the grass"));
            OBJEKTI k = Lataa("Kupla" + std::to_string(n));
            k.Skaalaus = 0.5;
            k.Kiertomatriisi.PyoritaX(25 + 10 * n);
            k.Kiertomatriisi.PyoritaY(40 * n);
            std::vector<unsigned char> r = Piirra(k, VEKTORI{0, 0, 10}, VEKTORI{0, 0, 0}, tausta);
            for (int s = 0; s < 16; s++) {
                double a = s * M_PI / 8;
                RGB reuna = tausta;
                for (double e = 70; e > 0 && reuna == tausta; e -= 0.5)
                    reuna = Pikseli(r, (int)std::lround(W / 2 + e * std::cos(a)),
                                    (int)std::lround(H / 2 + e * std::sin(a)));
                EXPECT_GE(Kirkkaus(reuna) - Kirkkaus(tausta), 40)
                    << "towards " << s * 22.5 << " degrees: " << reuna;
            }
        }
}
